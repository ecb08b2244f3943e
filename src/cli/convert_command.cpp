// `montora convert`: the batch converter without a window.
#include "cli/cli_command.h"

#include "tools/batch_converter.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace montora::cli {

namespace {

const char* kConvertUsage =
    "Usage: montora convert --format jpg|bmp|gif|png|tga|tif|pnm|pcx --out DIR [--jobs 1|2] FILE...\n"
    "Converts every FILE to the format, into DIR (made when missing), as the Batch Convert\n"
    "dialog does: each output is the file's name with the format's extension, a 24-bit picture\n"
    "(transparent parts on white; JPEG quality 90, TIFF with LZW). Two files are converted at a\n"
    "time (--jobs 1: one after the other) and written in the order given; an existing output is\n"
    "replaced only once the new one is complete. A progress line shows on a terminal. Ctrl+C\n"
    "lets the file in hand finish. Exits 1 and lists the files that failed when any did.";

std::atomic<BatchConverter*> g_running{nullptr};

void stopOnSignal(int)
{
    if (BatchConverter* converter = g_running.load())
        converter->requestStop();
}

// The progress line, redrawn in place on a terminal.
void showProgress(QTextStream& err, const BatchConverter::FileResult& result)
{
    const QString line = QStringLiteral("[%1/%2] %3").arg(result.index + 1).arg(result.total).arg(
        QFileInfo(result.output).fileName());
    err << "\r" << line.leftJustified(70).left(70);
    err.flush();
}

// File after file takes and frees pictures of about the same size. glibc would map
// each one afresh and hand it back when freed, so every page of every picture would
// fault in again; keep what is freed for the next file instead (the process ends
// with the run).
void keepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024); // the most glibc takes from its heap
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
}

void listFailures(QTextStream& err, const BatchConverter::Summary& summary)
{
    err << "montora: " << summary.failures.size() << " of " << summary.total << " files could not be converted:\n";
    for (const BatchConverter::Failure& failure : summary.failures)
        err << "  " << failure.source << ": " << failure.message << "\n";
}

int convert(CliContext& context)
{
    bool missing = false;
    const QString format = takeOption(context.args, "--format", &missing);
    const QString folder = takeOption(context.args, "--out", &missing);
    const QString jobs = takeOption(context.args, "--jobs", &missing);
    if (missing || format.isNull() || folder.isNull())
        return usageError(context, "convert needs --format and --out", kConvertUsage);
    if (!jobs.isNull() && jobs != "1" && jobs != "2")
        return usageError(context, "--jobs takes 1 or 2", kConvertUsage);
    if (!BatchConverter::isFormat(format))
        return usageError(context, "unknown format \"" + format + "\"", kConvertUsage);
    if (context.args.isEmpty())
        return usageError(context, "convert needs at least one file", kConvertUsage);
    if (!QDir().mkpath(folder)) {
        context.err << "montora: cannot create " << folder << "\n";
        return kFailure;
    }

    keepFreedMemory();
    BatchConverter converter(context.args, format, folder);
    converter.setFilesInHand(jobs.isNull() ? BatchConverter::kFilesInHand : jobs.toInt());
    const bool terminal = isatty(STDERR_FILENO);
    BatchConverter::Callbacks callbacks;
    if (terminal)
        callbacks.finished = [&context](const BatchConverter::FileResult& result) { showProgress(context.err, result); };
    converter.setCallbacks(std::move(callbacks));

    g_running = &converter;
    auto previous = std::signal(SIGINT, stopOnSignal);
    const BatchConverter::Summary summary = converter.run();
    std::signal(SIGINT, previous);
    g_running = nullptr;

    if (terminal)
        context.err << "\n";
    if (!summary.failures.isEmpty())
        listFailures(context.err, summary);
    if (summary.stopped) {
        context.err << "montora: stopped; " << summary.written << " of " << summary.total << " files written\n";
        return kFailure;
    }
    return summary.failures.isEmpty() ? kSuccess : kFailure;
}

int run(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kConvertUsage << "\n";
        return kSuccess;
    }
    return convert(context);
}

const CliCommandRegistration registration({"convert", "convert pictures to one format into a folder", run});

} // namespace

} // namespace montora::cli
