#include "platform/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace montora {

namespace {

QMutex g_mutex;
QString g_override;

QString withSlash(QString folder)
{
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder.endsWith('/') ? folder : folder + '/';
}

bool canWriteInto(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.montora-probe-XXXXXX"));
    return probe.open();
}

// An installed program lives in a "bin" folder beside "share" (/usr/bin, ~/.local/bin,
// /opt/montora/bin): its folder belongs to the system, not to one user's data, even
// where root could write there.
bool isInstalledProgramFolder(const QString& folder)
{
    const QDir dir(folder);
    return dir.dirName() == QLatin1String("bin") && QFileInfo(dir.filePath(QStringLiteral("../share"))).isDir();
}

} // namespace

void DataFolder::setOverride(const QString& folder)
{
    QMutexLocker lock(&g_mutex);
    g_override = folder.isEmpty() ? QString() : withSlash(folder);
}

QString DataFolder::chooseFolder()
{
    {
        QMutexLocker lock(&g_mutex);
        if (!g_override.isEmpty())
            return g_override;
    }
    const QString fromEnvironment = qEnvironmentVariable("MONTORA_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return withSlash(fromEnvironment);
    const QString programFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString beside = programFolder.isEmpty() || isInstalledProgramFolder(programFolder)
                               ? QString()
                               : programFolder + QStringLiteral("/Data");
    if (!beside.isEmpty() && canWriteInto(beside))
        return withSlash(beside);
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Data"));
}

QString DataFolder::path()
{
    const QString folder = chooseFolder();
    if (!QDir().mkpath(folder))
        return QString();
    return folder;
}

QString DataFolder::file(const QString& name) { return path() + name; }

Status DataFolder::prepare()
{
    const QString folder = chooseFolder();
    if (!canWriteInto(folder))
        return Status::error(QStringLiteral("The data folder \"%1\" cannot be created or written.")
                                 .arg(QDir::toNativeSeparators(folder)));
    return Status::ok();
}

} // namespace montora
