#include "library/library_thumbnails.h"

#include "library/library_grid_layout.h"
#include "library/thumbnail_library_file.h"

namespace montora {

Status LibraryThumbnails::load(const QString& path, QSize box)
{
    m_entries.clear();
    LibraryContents contents = ThumbnailLibraryFile(path).readAll();
    m_entries.reserve(contents.records.size());
    for (LibraryRecord& record : contents.records) {
        auto image = ThumbnailLibraryFile::toImage(record);
        record.payload = QByteArray(); // the full-size pixels are not kept
        if (!image)
            return image.status(); // a record that is no picture ends the list like a short read
        const QSize size(record.width, record.height);
        const QSize fitted = LibraryGridLayout::fittedRect(size, QRect(QPoint(0, 0), box)).size();
        QImage picture = fitted == size ? std::move(image).value()
                                        : image->scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_entries.push_back({size, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    }
    return contents.damage;
}

} // namespace montora
