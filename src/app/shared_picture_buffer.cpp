#include "app/shared_picture_buffer.h"

namespace montora {

QImage& SharedPictureBuffer::replace()
{
    m_picture = QImage(kWidth, kHeight, QImage::Format_ARGB32);
    m_picture.fill(Qt::transparent);
    return m_picture;
}

void SharedPictureBuffer::release() { m_picture = QImage(); }

} // namespace montora
