// Writes the fuzzers' first inputs with the program's own writers, so that every
// run starts from files the program itself makes: `montora_fuzz_seeds OUT` fills
// OUT/<target>/ for each target.
#include "language/lang_file_cipher.h"
#include "language/language_text_file.h"
#include "base/binary_writer.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "imaging/image_library.h"
#include "imaging/picture_format.h"
#include "library/imported_pack_list.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/photo_list.h"
#include "library/resource_pack.h"
#include "library/resource_pack_builder.h"
#include "project/project_file_writer.h"
#include "tools/month_calendar_control.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace montora;

namespace {

QString g_out;
int g_failures = 0;

void seed(const char* target, const QString& name, const QByteArray& bytes)
{
    const QString folder = g_out + u'/' + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        ++g_failures;
    }
}

void check(const Status& status, const char* what)
{
    if (!status) {
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(status.message()));
        ++g_failures;
    }
}

QByteArray withChoice(int choice, const QByteArray& bytes) { return QByteArray(1, char(choice)) + bytes; }

// A small picture with an edge of soft alpha, enough for every decoder's branches.
QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 60, 30, 220));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(0.5, 0.5, width - 1.0, height - 1.0));
    return image;
}

QByteArray encoded(const QImage& image, int code)
{
    auto bytes = ImageLibrary::encode(image, code);
    check(bytes.status(), "encode a picture");
    return bytes ? *bytes : QByteArray();
}

void projectSeeds(const QString& data)
{
    LibraryResources resources(data);
    const auto save = [&](const char* name, const CollageProject& project) {
        auto bytes = ProjectFileWriter::encode(project);
        check(bytes.status(), name);
        if (bytes)
            seed("fuzz_project", QLatin1String(name), *bytes);
    };
    const ViewPoint at = ViewPoint::atCollage(QPoint(30, 20));
    {
        CollageProject empty;
        check(empty.setSize(320, 240), "size");
        save("empty.mcf", empty);
    }
    // A clipart library of one picture, and a brush handed over as the panel does.
    QFile clipart(data + LibraryFiles::kClipart);
    if (clipart.open(QIODevice::WriteOnly))
        clipart.write(LibraryFileEncoder::file(LibraryLayout::Thumbnail,
                                               {LibraryFileEncoder::thumbnailRecord(picture(12, 10))}));
    clipart.close();
    CollageProject items;
    items.setResources(&resources);
    items.brushSettings().brushIndex = 0;
    items.brushSettings().pictures = {picture(9, 9)};
    items.brushSettings().sizes = {QSize(9, 9)};
    check(items.setSize(640, 480), "size");
    check(items.addPhoto(QStringLiteral("/pictures/a.jpg"), QSize(400, 300), at), "photo");
    check(items.addClipart(0, at), "clipart");
    check(items.addText(), "text");
    check(items.addBrushStamp(at), "brush");
    save("items.mcf", items);

    // A photo with a custom mask carries the mask's picture along.
    MaskLibrary masks(data);
    auto key = masks.addCustomMask(picture(24, 16));
    check(key.status(), "custom mask");
    auto count = masks.count();
    check(items.addPhoto(QStringLiteral("/pictures/masked.png"), QSize(200, 100), at), "photo");
    if (key && count)
        check(items.setMask(*count - 1), "set mask");
    save("custom-mask.mcf", items);

    auto calendar = items.addPixelPicture(MonthCalendarControl::monthPicture(2009, 5).scaled(60, 50));
    check(calendar.status(), "pixel picture");
    save("custom-mask-and-pixels.mcf", items);
}

void librarySeeds()
{
    std::vector<LibraryRecord> thumbnails;
    for (QSize size : {QSize(3, 2), QSize(1, 1), QSize(5, 4)})
        thumbnails.push_back(LibraryFileEncoder::thumbnailRecord(picture(size.width(), size.height())));
    seed("fuzz_thumbnail_library", "three.cfg", LibraryFileEncoder::file(LibraryLayout::Thumbnail, thumbnails));
    seed("fuzz_thumbnail_library", "empty.cfg", LibraryFileEncoder::file(LibraryLayout::Thumbnail, {}));

    const LibraryLayout layouts[] = {LibraryLayout::Picture, LibraryLayout::PictureWithKey,
                                     LibraryLayout::PictureWithInsets};
    for (int choice = 0; choice < 3; ++choice) {
        std::vector<LibraryRecord> records;
        for (int code : {FormatPng, FormatJpeg, FormatBmp}) {
            LibraryRecord record;
            record.width = 6;
            record.height = 4;
            record.payload = encoded(picture(6, 4), code);
            for (int i = 0; i < 16; ++i)
                record.extra[size_t(i)] = std::uint8_t(choice == 2 ? (i % 4 == 0 ? 1 : 0) : 17 * i + code);
            records.push_back(record);
        }
        seed("fuzz_picture_library", QStringLiteral("layout-%1.cfg").arg(choice),
             withChoice(choice, LibraryFileEncoder::file(layouts[choice], records)));
    }
}

void packSeeds()
{
    for (int kind = 0; kind <= 4; ++kind) {
        QByteArray pack = ResourcePack::encodeHeader(ResourceKind(kind), 2);
        for (QSize size : {QSize(8, 6), QSize(5, 5)}) {
            auto record = ResourcePackBuilder::recordFor(ResourceKind(kind), picture(size.width(), size.height()));
            check(record.status(), "pack record");
            if (record)
                pack += ResourcePack::encodeRecord(ResourceKind(kind), *record);
        }
        seed("fuzz_resource_pack", QStringLiteral("kind-%1.irs").arg(kind), pack);
    }
}

void listSeeds(const QString& data)
{
    PhotoList photos;
    for (const char* path : {"/pictures/holiday/beach.jpg", "/pictures/cat.png"}) {
        auto record = PhotoListRecord::forPath(QLatin1String(path));
        check(record.status(), "photo record");
        if (record)
            photos.entries().push_back({*record, encoded(picture(8, 8), FormatJpeg)});
    }
    seed("fuzz_photo_list", "two.cfg", photos.encode());
    photos.entries().back().thumbnail.clear();
    seed("fuzz_photo_list", "no-thumbnail.cfg", photos.encode());

    const QString listPath = data + LibraryFiles::kImportedPacks;
    const ImportedPackList packs(listPath);
    for (const char* name : {"frames.irs", "masks.irs", "cliparts.irs"})
        check(packs.checkAndRecord(QLatin1String(name)).status(), "imported pack");
    QFile list(listPath);
    if (list.open(QIODevice::ReadOnly))
        seed("fuzz_imported_pack_list", "three", list.readAll());
}

void languageSeeds(const QString& sourceFolder)
{
    QFile english(sourceFolder + QStringLiteral("/resources/lang/english.txt"));
    const QString text = english.open(QIODevice::ReadOnly) ? QString::fromUtf8(english.readAll()) : QString();
    check(text.isEmpty() ? Status::error("no english.txt") : Status::ok(), "language text");
    // The first lines keep the seed small; the whole text makes the largest file.
    const QString small = text.section(u'\n', 0, 24);
    seed("fuzz_language_text", "small.txt", small.toUtf8());
    seed("fuzz_language_text", "comments.txt", "# a comment\n\n0: Zero\n7: Caf\xc3\xa9\n250: Last\n");
    for (const auto& [name, source] : {std::pair{"small.mfd", small}, std::pair{"english.mfd", text}}) {
        auto plain = LanguageTextFile::plainFromText(source);
        auto file = plain ? LangFileCipher::encipher(*plain) : Result<QByteArray>(plain.status());
        check(file.status(), "language file");
        if (file)
            seed("fuzz_language_file", QLatin1String(name), *file);
    }
}

void pictureSeeds()
{
    // The extension choices of fuzz_picture_file, and the codes that write them.
    const std::pair<int, int> files[] = {{0, FormatJpeg}, {1, FormatPng}, {2, FormatBmp}, {3, FormatGif},
                                         {4, FormatTiff}, {5, FormatTga}, {6, FormatPcx}, {9, FormatPnm}};
    const QImage image = picture(7, 5);
    for (const auto& [choice, code] : files) {
        const QByteArray bytes = encoded(image, code);
        seed("fuzz_picture_file", QStringLiteral("%1.%2").arg(choice).arg(ImageLibrary::magickName(code)),
             withChoice(choice, bytes));
        seed("fuzz_memory_picture", QString::fromLatin1(ImageLibrary::magickName(code)), withChoice(code, bytes));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT-FOLDER SOURCE-FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ImageLibrary::initialise(argv[0]);
    g_out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir data;
    const QString dataFolder = data.path() + u'/';
    projectSeeds(dataFolder);
    librarySeeds();
    packSeeds();
    listSeeds(dataFolder);
    languageSeeds(QString::fromLocal8Bit(argv[2]));
    pictureSeeds();
    return g_failures == 0 ? 0 : 1;
}
