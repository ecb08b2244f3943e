#include "app/external_files.h"

#include "imaging/picture_format.h"
#include "imaging/picture_saver.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace montora {

ExternalFiles::Sorted ExternalFiles::sort(const QList<QUrl>& urls)
{
    QStringList paths;
    Sorted sorted;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
        else
            sorted.ignored << url.toString();
    }
    Sorted local = sortPaths(paths);
    local.ignored = sorted.ignored + local.ignored;
    return local;
}

ExternalFiles::Sorted ExternalFiles::sortPaths(const QStringList& paths)
{
    Sorted sorted;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isFile())
            sorted.ignored << path;
        else if (info.suffix().compare(QLatin1String("mcf"), Qt::CaseInsensitive) == 0)
            sorted.projects << info.absoluteFilePath();
        else if (PictureFormat::isPictureFile(path))
            sorted.pictures << info.absoluteFilePath();
        else
            sorted.ignored << path;
    }
    return sorted;
}

QString ExternalFiles::pastedPicturesFolder(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("Pasted"));
}

Result<QString> ExternalFiles::storePastedPicture(const QImage& picture, const QString& folder)
{
    if (picture.isNull())
        return Result<QString>::error(QStringLiteral("The clipboard holds no picture."));
    if (!QDir().mkpath(folder))
        return Result<QString>::error(
            QStringLiteral("The folder \"%1\" cannot be created.").arg(QDir::toNativeSeparators(folder)));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = QDir(folder).filePath(QStringLiteral("Pasted %1.png").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("Pasted %1 (%2).png").arg(stamp).arg(n));
    MONTORA_TRY(PictureSaver::saveByExtension(picture, path));
    return path;
}

} // namespace montora
