#pragma once

#include "library/library_record.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace montora::test {

// A fresh folder per test, standing in for the data folder.
class LibraryFolderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.path() + '/' + name; }
    QString folder() const { return m_dir.path() + '/'; }

    static QByteArray readAll(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeAll(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static void cutTo(const QString& file, qint64 size) { ASSERT_TRUE(QFile::resize(file, size)); }

    QTemporaryDir m_dir;
};

inline std::int32_t i32At(const QByteArray& bytes, qsizetype offset)
{
    std::int32_t value;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

inline float f32At(const QByteArray& bytes, qsizetype offset)
{
    float value;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

inline QByteArray le32(std::int32_t value) { return QByteArray(reinterpret_cast<const char*>(&value), 4); }

// A picture whose every pixel tells where it is: red = x, green = y, blue = seed.
inline QImage patternPicture(int width, int height, int seed = 0, int alpha = 255)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x & 0xFF, y & 0xFF, seed & 0xFF, alpha));
    return image;
}

inline LibraryRecord thumbnailRecord(int width, int height, int seed)
{
    LibraryRecord record;
    record.width = width;
    record.height = height;
    record.payload = QByteArray(qsizetype(width) * height * 4, char(seed));
    return record;
}

inline LibraryRecord pictureRecord(QByteArray payload, int width = 3, int height = 2)
{
    LibraryRecord record;
    record.width = width;
    record.height = height;
    record.payload = std::move(payload);
    return record;
}

inline QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace montora::test
