// Draws the starter content and writes it as resource packs, one per library:
//   starter_packs_generator OUT_DIR SVG_ROOT CLIPART_LIST [PICTURES_DIR]
// PICTURES_DIR, when given, also receives every picture as PNG for looking at.
#include "starter_art.h"

#include "base/atomic_file.h"
#include "library/resource_pack_builder.h"
#include "library/starter_packs.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace montora;

namespace {

constexpr int kClipartSide = 150;

QString g_picturesDir;

bool writePack(const QString& outDir, const QString& name, ResourceKind kind, const std::vector<QImage>& pictures,
               const std::vector<FrameInsets>& insets = {})
{
    QByteArray bytes = ResourcePack::encodeHeader(kind, std::int32_t(pictures.size()));
    for (size_t i = 0; i < pictures.size(); ++i) {
        auto record = ResourcePackBuilder::recordFor(kind, pictures[i],
                                                     insets.empty() ? std::nullopt : std::optional(insets[i]));
        if (!record) {
            std::fprintf(stderr, "starter_packs_generator: %s record %zu: %s\n", qPrintable(name), i,
                         qPrintable(record.message()));
            return false;
        }
        bytes += ResourcePack::encodeRecord(kind, *record);
        if (!g_picturesDir.isEmpty())
            pictures[i].save(QStringLiteral("%1/%2-%3.png").arg(g_picturesDir, QString(name).remove(".irs")).arg(i, 2, 10, QChar('0')));
    }
    const Status written = AtomicFile::write(outDir + '/' + name, bytes);
    if (!written)
        std::fprintf(stderr, "starter_packs_generator: %s\n", qPrintable(written.message()));
    return bool(written);
}

QStringList clipartNames(const QString& listPath)
{
    QFile list(listPath);
    QStringList names;
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    for (const QByteArray& raw : list.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            names << line;
    }
    return names;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: starter_packs_generator OUT_DIR SVG_ROOT CLIPART_LIST [PICTURES_DIR]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (argc == 5) {
        g_picturesDir = QString::fromLocal8Bit(argv[4]);
        QDir().mkpath(g_picturesDir);
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "starter_packs_generator: cannot create %s\n", argv[1]);
        return 1;
    }
    const QStringList names = clipartNames(QString::fromLocal8Bit(argv[3]));
    if (names.isEmpty()) {
        std::fprintf(stderr, "starter_packs_generator: no clipart names in %s\n", argv[3]);
        return 1;
    }
    QString error;
    const std::vector<QImage> cliparts = starter::cliparts(QString::fromLocal8Bit(argv[2]), names, kClipartSide, &error);
    if (cliparts.empty()) {
        std::fprintf(stderr, "starter_packs_generator: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<QImage> framePictures;
    std::vector<FrameInsets> frameInsets;
    for (const starter::Frame& frame : starter::frames()) {
        framePictures.push_back(frame.picture);
        frameInsets.push_back(frame.insets);
    }

    // The pack names and their order are the program's own list.
    const auto& packs = StarterPacks::packs();
    bool ok = writePack(outDir, packs[0].fileName, ResourceKind::Cliparts, cliparts) &&
              writePack(outDir, packs[1].fileName, ResourceKind::Frames, framePictures, frameInsets) &&
              writePack(outDir, packs[2].fileName, ResourceKind::Brushes, starter::brushes());
    for (int style = 0; ok && style < starter::kStyleCount; ++style)
        ok = writePack(outDir, packs[size_t(3 + style)].fileName, ResourceKind::Cliparts, starter::decorations(style));
    return ok ? 0 : 1;
}
