// Draws the 28 built-in masks and writes the initial "mask.cfg" and "tbmask.cfg"
// that the program carries as resources. Run by the build; its output depends
// only on this code, so every build carries the same pack with the same keys.
#include "mask_art.h"

#include "library/library_file_encoder.h"
#include "library/mask_key.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QUuid>

#include <cstdio>

using namespace montora;
using namespace montora::maskpack;

namespace {

constexpr int kThumbnailWidth = 120;

const std::vector<MaskArt>& artworks()
{
    static const std::vector<MaskArt> list = {
        {"ellipse", 640, 480, ellipse},
        {"rounded-rectangle", 640, 480, roundedRectangle},
        {"heart", 600, 560, heart},
        {"star", 600, 580, star},
        {"cloud", 640, 440, cloud},
        {"hexagon", 600, 540, hexagon},
        {"circle", 560, 560, circle},
        {"oval-vignette", 800, 600, ovalVignette},
        {"rectangle-vignette", 800, 600, rectangleVignette},
        {"torn-paper", 640, 480, tornPaper},
        {"brush-strokes", 720, 480, brushStrokes},
        {"diamond", 560, 560, diamond},
        {"octagon", 560, 560, octagon},
        {"arch-window", 480, 640, archWindow},
        {"postage-stamp", 560, 640, postageStamp},
        {"flower", 600, 600, flower},
        {"speech-bubble", 640, 520, speechBubble},
        {"shield", 520, 600, shield},
        {"leaf", 640, 480, leaf},
        {"crescent", 560, 560, crescent},
        {"sparkle", 600, 600, sparkle},
        {"bubbles", 720, 480, bubbles},
        {"wavy-edges", 680, 480, wavyEdges},
        {"ink-blot", 600, 600, inkBlot},
        {"panorama", 800, 360, panorama},
        {"ticket", 680, 420, ticket},
        {"puzzle-piece", 600, 600, puzzlePiece},
        {"grunge-edges", 800, 600, grungeEdges},
    };
    return list;
}

QByteArray encodePng(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(100); // Qt scales 0-100 to the zlib levels 0-9
    return writer.write(picture) ? bytes : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mask_pack_generator OUTPUT_DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // Keys are derived from the mask names, so they stay the same from build to build.
    const QUuid keySpace(QStringLiteral("{6d1f3c52-8a47-4e1b-9c3e-2f5a7b8d9e10}"));
    std::vector<LibraryRecord> masks;
    std::vector<LibraryRecord> thumbnails;
    for (const MaskArt& art : artworks()) {
        const QImage picture = art.draw(art.width, art.height).toMaskPicture();
        LibraryRecord mask;
        mask.width = picture.width();
        mask.height = picture.height();
        mask.payload = encodePng(picture);
        mask.setKey(MaskKey::fromUuid(QUuid::createUuidV5(keySpace, QStringLiteral("montora-mask/") + art.name)));
        if (mask.payload.isEmpty()) {
            std::fprintf(stderr, "mask_pack_generator: cannot encode %s\n", qPrintable(art.name));
            return 1;
        }
        masks.push_back(std::move(mask));
        const int thumbnailHeight = (picture.height() * kThumbnailWidth + picture.width() / 2) / picture.width();
        thumbnails.push_back(LibraryFileEncoder::thumbnailRecord(
            picture.scaled(kThumbnailWidth, thumbnailHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    if (!writeFile(folder + QStringLiteral("/mask.cfg"), LibraryFileEncoder::file(LibraryLayout::PictureWithKey, masks)) ||
        !writeFile(folder + QStringLiteral("/tbmask.cfg"), LibraryFileEncoder::file(LibraryLayout::Thumbnail, thumbnails))) {
        std::fprintf(stderr, "mask_pack_generator: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
