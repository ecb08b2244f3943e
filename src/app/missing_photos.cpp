#include "app/missing_photos.h"

#include "canvas/collage_project.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_format.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace montora {

namespace {

// The pictures of a folder by lower-case file name, their sizes read on demand.
class FolderPictures {
public:
    explicit FolderPictures(const QString& folder)
    {
        QDirIterator it(folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
        int seen = 0;
        while (it.hasNext() && seen++ < MissingPhotos::kMaxFilesSearched) {
            const QString path = it.next();
            if (PictureFormat::isPictureFile(path))
                m_byName.insert(QFileInfo(path).fileName().toLower(), path);
        }
    }

    std::optional<QString> match(const QString& missing, QSize pictureSize)
    {
        const QList<QString> named = m_byName.values(QFileInfo(missing).fileName().toLower());
        if (named.size() == 1)
            return named.front();
        const QList<QString> candidates = named.isEmpty() ? m_byName.values() : named;
        std::optional<QString> sized;
        for (const QString& path : candidates) {
            if (sizeOf(path) != pictureSize)
                continue;
            if (sized)
                return named.isEmpty() ? std::nullopt : sized; // an unnamed match must be the only one
            sized = path;
        }
        if (!sized && !named.isEmpty())
            return named.front();
        return sized;
    }

private:
    QSize sizeOf(const QString& path)
    {
        auto known = m_sizes.constFind(path);
        if (known != m_sizes.constEnd())
            return *known;
        const QSize size = PictureDecoder::size(path).valueOr(QSize());
        m_sizes.insert(path, size);
        return size;
    }

    QMultiHash<QString, QString> m_byName;
    QHash<QString, QSize> m_sizes;
};

bool isMissing(const QString& path) { return !path.isEmpty() && !QFileInfo(path).isFile(); }

} // namespace

QStringList MissingPhotos::find(const CollageProject& project)
{
    QStringList missing;
    for (const CanvasItem& item : project.items())
        if (const PhotoItem* photo = item.asPhoto())
            if (const QString path = photo->picturePath(); isMissing(path) && !missing.contains(path))
                missing << path;
    return missing;
}

MissingPhotos::Relinked MissingPhotos::relink(CollageProject& project, const QString& folder)
{
    FolderPictures pictures(folder);
    QHash<QString, std::optional<QString>> found;
    Relinked result;
    for (CanvasItem& item : project.items()) {
        PhotoItem* photo = item.asPhoto();
        if (!photo)
            continue;
        const QString path = photo->picturePath();
        if (!isMissing(path))
            continue;
        if (!found.contains(path))
            found.insert(path, pictures.match(path, QSize(photo->sourceWidth, photo->sourceHeight)));
        const std::optional<QString>& replacement = found.value(path);
        if (!replacement || !photo->setPicturePath(*replacement).isOk())
            continue;
        item.runtime().clear();
        project.setModified(true);
    }
    for (const std::optional<QString>& replacement : std::as_const(found))
        ++(replacement ? result.found : result.missing);
    return result;
}

QString MissingPhotos::missingMessage(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QStringLiteral("  ") + QFileInfo(path).fileName();
    return QStringLiteral("These photos were not found:\n%1\n\nLook for them in a folder?").arg(names.join(u'\n'));
}

QString MissingPhotos::notAllFoundMessage(const Relinked& result)
{
    return QStringLiteral("%1 of the %2 missing photos were found.").arg(result.found).arg(result.found + result.missing);
}

} // namespace montora
