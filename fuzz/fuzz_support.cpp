#include "fuzz_support.h"

#include "imaging/image_library.h"
#include "imaging/metafile_reader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace montora::fuzz {

namespace {

QTemporaryDir* scratch = nullptr;
QString scratchPath;
// stderr as it was at start: libFuzzer's -close_fd_mask=2 (scripts/fuzz.sh, for
// the readers that reach libwmf) sends the later one nowhere.
int reportFd = STDERR_FILENO;

QString temporaryRoot()
{
    // Memory-backed when the system has one: every input is written to a file.
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

} // namespace

void start(int* argc, char*** argv)
{
    if (const int copy = ::dup(STDERR_FILENO); copy >= 0)
        reportFd = copy;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("OMP_NUM_THREADS", "1");
    // The readers' own messages about damaged pictures would flood the run's output.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    static int qtArgc = 1;
    static char name[] = "montora-fuzz";
    static char* qtArgv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(qtArgc, qtArgv);
    (void)application;
    ImageLibrary::initialise(argc && *argc > 0 ? (*argv)[0] : nullptr);
    // libwmf's faults are to be found here, not lost in a helper process.
    MetafileReader::setReadInProcess(true);
    scratch = new QTemporaryDir(temporaryRoot() + QStringLiteral("/montora-fuzz-XXXXXX"));
    if (!scratch->isValid())
        fail("no scratch folder", scratch->errorString());
    scratchPath = scratch->path() + u'/';
    qputenv("MONTORA_DATA_DIR", QFile::encodeName(scratch->path()));
    std::atexit([] { delete scratch; });
}

const QString& scratchFolder() { return scratchPath; }

QString writeScratch(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchPath + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the input", path);
    return path;
}

void clearScratch()
{
    QDir folder(scratchPath);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

Split splitFirstByte(const std::uint8_t* data, std::size_t size, int choices)
{
    if (size == 0)
        return {};
    return {int(data[0] % choices), bytesOf(data + 1, size - 1)};
}

void fail(const char* what, const QString& detail)
{
    ::dprintf(reportFd, "reader fault: %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace montora::fuzz
