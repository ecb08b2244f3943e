// `montora picture info|convert|thumbnail`: picture input and output as the program does it.
#include "cli/cli_command.h"

#include "base/atomic_file.h"
#include "imaging/picture_buffers.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_format.h"
#include "imaging/picture_saver.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace montora::cli {

namespace {

const char* kPictureUsage =
    "Usage: montora picture info FILE...\n"
    "       montora picture convert IN OUT\n"
    "       montora picture thumbnail IN OUT.jpg\n"
    "       montora picture thumbnail --out-dir DIR [--jobs N] IN...\n"
    "info: path, format code, width, height and decoder (qt or image-library) per file.\n"
    "convert: decodes IN and saves OUT by its extension (jpg jpeg gif bmp png pcx pnm ppm pgm tif tiff tga).\n"
    "thumbnail: the photo library's 80 x 80 quality-75 thumbnail, stored upside down as the library keeps it.";

int info(CliContext& context)
{
    if (context.args.isEmpty())
        return usageError(context, "picture info needs at least one file", kPictureUsage);
    int code = kSuccess;
    for (const QString& path : context.args) {
        auto decoder = PictureDecoder::pathFor(path);
        auto size = decoder ? PictureDecoder::size(path) : Result<QSize>(decoder.status());
        if (!size) {
            context.err << "montora: " << path << ": " << size.message() << "\n";
            code = kFailure;
            continue;
        }
        // A file Qt could size but not decode falls to the image library on decode.
        auto decoded = PictureDecoder::decode(path);
        if (!decoded) {
            context.err << "montora: " << path << ": " << decoded.message() << "\n";
            code = kFailure;
            continue;
        }
        context.out << path << "\t" << PictureFormat::codeForPath(path) << "\t" << decoded->image.width() << "\t"
                    << decoded->image.height() << "\t" << PictureDecoder::pathName(decoded->path) << "\n";
    }
    return code;
}

int convert(CliContext& context)
{
    if (context.args.size() != 2)
        return usageError(context, "picture convert needs IN and OUT", kPictureUsage);
    const QString& in = context.args[0];
    const QString& out = context.args[1];
    if (!PictureSaver::canSave(out)) {
        context.err << "montora: " << out << ": cannot save pictures with this extension (use one of "
                    << PictureSaver::writableExtensions().join(' ') << ")\n";
        return kFailure;
    }
    auto decoded = PictureDecoder::decode(in);
    if (!decoded) {
        context.err << "montora: " << in << ": " << decoded.message() << "\n";
        return kFailure;
    }
    const Status saved = PictureSaver::saveByExtension(decoded->image, out);
    if (!saved) {
        context.err << "montora: " << out << ": " << saved.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

Status writeThumbnail(const QString& in, const QString& out)
{
    MONTORA_TRY_ASSIGN(jpeg, PictureBuffers::photoThumbnail(in));
    return AtomicFile::write(out, jpeg);
}

int thumbnailsIntoFolder(CliContext& context, const QString& folder, int jobs)
{
    const QStringList inputs = context.args;
    if (inputs.isEmpty())
        return usageError(context, "picture thumbnail --out-dir needs input files", kPictureUsage);
    if (!QDir().mkpath(folder)) {
        context.err << "montora: cannot create " << folder << "\n";
        return kFailure;
    }
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorsMutex;
    auto work = [&] {
        for (int i = next++; i < inputs.size(); i = next++) {
            const QString out = folder + '/' + QFileInfo(inputs[i]).completeBaseName() + ".jpg";
            const Status written = writeThumbnail(inputs[i], out);
            if (!written) {
                failed = true;
                std::lock_guard lock(errorsMutex);
                context.err << "montora: " << inputs[i] << ": " << written.message() << "\n";
            }
        }
    };
    std::vector<std::jthread> workers;
    for (int k = 1; k < jobs; ++k)
        workers.emplace_back(work);
    work();
    workers.clear();
    return failed ? kFailure : kSuccess;
}

int thumbnail(CliContext& context)
{
    bool missing = false;
    const QString folder = takeOption(context.args, "--out-dir", &missing);
    const QString jobsText = takeOption(context.args, "--jobs", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kPictureUsage);
    int jobs = int(std::max(1u, std::thread::hardware_concurrency()));
    if (!jobsText.isNull()) {
        bool ok = false;
        jobs = jobsText.toInt(&ok);
        if (!ok || jobs < 1 || jobs > 64)
            return usageError(context, "--jobs takes a number from 1 to 64", kPictureUsage);
    }
    if (!folder.isNull())
        return thumbnailsIntoFolder(context, folder, jobs);
    if (context.args.size() != 2)
        return usageError(context, "picture thumbnail needs IN and OUT.jpg", kPictureUsage);
    const Status written = writeThumbnail(context.args[0], context.args[1]);
    if (!written) {
        context.err << "montora: " << context.args[0] << ": " << written.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

int run(CliContext& context)
{
    if (context.args.isEmpty() || wantsHelp(context.args)) {
        (context.args.isEmpty() ? context.err : context.out) << kPictureUsage << "\n";
        return context.args.isEmpty() ? kUsage : kSuccess;
    }
    const QString sub = context.args.takeFirst();
    if (sub == "info")
        return info(context);
    if (sub == "convert")
        return convert(context);
    if (sub == "thumbnail")
        return thumbnail(context);
    return usageError(context, "unknown picture command \"" + sub + "\"", kPictureUsage);
}

const CliCommandRegistration registration({"picture", "read, convert and thumbnail picture files", run});

} // namespace

} // namespace montora::cli
