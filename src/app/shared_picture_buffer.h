#pragma once

#include <QImage>

namespace montora {

// The 260 x 260 32-bit picture that carries a month calendar to the canvas. The
// application owns it; the month-calendar command replaces it before opening its
// dialog, and it is freed at exit.
class SharedPictureBuffer {
public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 260;

    // A new, transparent black buffer in place of the old one.
    QImage& replace();
    void release();

    bool isAllocated() const { return !m_picture.isNull(); }
    // kWidth and kHeight once allocated, 0 before.
    int width() const { return m_picture.width(); }
    int height() const { return m_picture.height(); }
    QImage& picture() { return m_picture; }
    const QImage& picture() const { return m_picture; }

private:
    QImage m_picture;
};

} // namespace montora
