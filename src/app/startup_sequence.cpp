#include "app/startup_sequence.h"

#include "app/startup_library_files.h"
#include "platform/data_folder.h"
#include "platform/resource_extractor.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace montora {

const QString StartupSequence::kLanguageFile = QStringLiteral("lang.mfd");
const QString StartupSequence::kMaskLibrary = QStringLiteral("mask.cfg");
const QString StartupSequence::kMaskThumbnails = QStringLiteral("tbmask.cfg");
const QString StartupSequence::kPhotoList = QStringLiteral("srcmedia.cfg");

StartupSequence::StartupSequence(StartupLibraryFiles& library) : StartupSequence(library, Options()) {}

StartupSequence::StartupSequence(StartupLibraryFiles& library, Options options)
    : m_library(library), m_options(std::move(options))
{
}

Status StartupSequence::run()
{
    MONTORA_TRY(DataFolder::prepare());
    const QString folder = DataFolder::path();

    MONTORA_TRY(writeAndWait(folder, kLanguageFile, [this](const QString& path) {
        return ResourceExtractor::extractToFile(m_options.languageResource, path);
    }));
    MONTORA_TRY(installMaskPackWhenMissing(folder));
    QThread::msleep(static_cast<unsigned long>(m_options.settleMs));

    auto table = LanguageTable::fromFile(folder + kLanguageFile);
    m_languageTable = table ? std::move(table).value() : LanguageTable();

    m_photoListPath = folder + kPhotoList;
    m_library.loadPhotoList(m_photoListPath);
    return Status::ok();
}

Status StartupSequence::installMaskPackWhenMissing(const QString& folder)
{
    if (QFileInfo::exists(folder + kMaskLibrary))
        return Status::ok();
    MONTORA_TRY(writeAndWait(folder, kMaskLibrary, [this](const QString& path) { return m_library.writeMaskLibrary(path); }));
    return writeAndWait(folder, kMaskThumbnails, [this](const QString& path) { return m_library.writeMaskThumbnails(path); });
}

// Writes the file, then waits for it to be there, polling; a write that failed is
// tried again while waiting, as the folder may become writable. Gives up after
// fileWaitMs.
Status StartupSequence::writeAndWait(const QString& folder, const QString& name, const Writer& writer)
{
    const QString path = folder + name;
    QDeadlineTimer deadline(m_options.fileWaitMs);
    Status written = writer(path);
    while (true) {
        if (written && QFileInfo(path).isFile())
            return Status::ok();
        if (deadline.hasExpired())
            break;
        QThread::msleep(static_cast<unsigned long>(m_options.pollMs));
        if (!written)
            written = writer(path);
    }
    QString reason = written ? QStringLiteral("it did not appear") : written.message();
    return Status::error(QStringLiteral("The file \"%1\" cannot be written in the data folder \"%2\" (%3).")
                             .arg(name, QDir::toNativeSeparators(folder), reason));
}

} // namespace montora
