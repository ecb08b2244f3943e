#include "canvas/pixel_store.h"

namespace montora {

int PixelStore::append(const QImage& pixels)
{
    QImage copy = pixels.convertToFormat(QImage::Format_ARGB32);
    copy.detach();
    m_entries.push_back(std::move(copy));
    return int(m_entries.size()) - 1;
}

int PixelStore::share(const QImage& argb32)
{
    m_entries.push_back(argb32);
    return int(m_entries.size()) - 1;
}

const QImage* PixelStore::at(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return &m_entries[size_t(index)];
}

} // namespace montora
