#include "app/startup_sequence.h"

#include "app/startup_library_files.h"
#include "platform/data_folder.h"
#include "platform/resource_extractor.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

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

    MONTORA_TRY(writeAndWait(folder, {kLanguageFile}, [&] {
        return ResourceExtractor::extractToFile(m_options.languageResource, folder + kLanguageFile);
    }));
    if (!QFileInfo::exists(folder + kMaskLibrary))
        MONTORA_TRY(writeAndWait(folder, {kMaskThumbnails, kMaskLibrary}, [&] { return m_library.installMaskPack(folder); }));
    m_library.installStarterPacks(folder);
    QThread::msleep(static_cast<unsigned long>(m_options.settleMs));

    auto table = LanguageTable::fromFile(folder + kLanguageFile);
    m_languageTable = table ? std::move(table).value() : LanguageTable();

    m_photoListFolder = folder;
    m_library.loadPhotoList(folder);
    return Status::ok();
}

// Writes, then waits for the files to be there, polling; a write that failed is
// tried again while waiting, as the folder may become writable. Gives up after
// fileWaitMs.
Status StartupSequence::writeAndWait(const QString& folder, const QStringList& names, const Writer& writer)
{
    const auto allThere = [&] {
        return std::all_of(names.begin(), names.end(), [&](const QString& name) { return QFileInfo(folder + name).isFile(); });
    };
    QDeadlineTimer deadline(m_options.fileWaitMs);
    Status written = writer();
    while (true) {
        if (written && allThere())
            return Status::ok();
        if (deadline.hasExpired())
            break;
        QThread::msleep(static_cast<unsigned long>(m_options.pollMs));
        if (!written)
            written = writer();
    }
    const QString reason = written ? QStringLiteral("it did not appear") : written.message();
    return Status::error(QStringLiteral("\"%1\" cannot be written in the data folder \"%2\" (%3).")
                             .arg(names.join(QStringLiteral("\", \"")), QDir::toNativeSeparators(folder), reason));
}

} // namespace montora
