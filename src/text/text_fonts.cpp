#include "text/text_fonts.h"

#include "text/text_style_record.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace montora {

namespace {

const QString kArialBlack = QStringLiteral("Arial Black");
const QString kMicrosoftSansSerif = QStringLiteral("Microsoft Sans Serif");
const QString kLiberationSans = QStringLiteral("Liberation Sans");

// The cell height of a font record with lfHeight 0: a usual default text size.
constexpr int kDefaultCellHeight = 16;

int clampEm(qint64 pixels)
{
    return int(std::clamp<qint64>(pixels, 1, TextFonts::kMaxEmPixels));
}

} // namespace

void TextFonts::installSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(kArialBlack, kLiberationSans);
        QFont::insertSubstitution(kMicrosoftSansSerif, kLiberationSans);
    });
}

int TextFonts::screenDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 96;
}

QFont TextFonts::baseFont(const QString& face)
{
    installSubstitutions();
    QFont font(face);
    // Outlines unhinted: anti-aliased and not snapped to the pixel grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (face.compare(kArialBlack, Qt::CaseInsensitive) == 0)
        font.setWeight(QFont::Black);
    return font;
}

QFont TextFonts::measureFont(const FontRecord& record)
{
    QFont font = baseFont(record.faceName());
    font.setPointSizeF(measureEmPixels(record) * 72.0 / screenDpi());
    return font;
}

qreal TextFonts::measureEmPixels(const FontRecord& record)
{
    const qint64 points = qint64(record.lfHeight) * 15 / 20;
    const qreal pixels = qreal(std::max<qint64>(points, 1)) * screenDpi() / 72.0;
    return std::min<qreal>(pixels, kMaxEmPixels);
}

QFont TextFonts::plainFont(const FontRecord& record)
{
    QFont font = baseFont(record.faceName());
    if (record.lfWeight > 0)
        font.setWeight(QFont::Weight(std::clamp<int>(record.lfWeight, 1, 1000)));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);

    int em = 0;
    if (record.lfHeight < 0) {
        em = clampEm(-qint64(record.lfHeight));
    } else {
        const int cell = clampEm(record.lfHeight > 0 ? record.lfHeight : kDefaultCellHeight);
        font.setPixelSize(cell);
        const qreal cellOfEm = QFontMetricsF(font).height(); // ascent + descent at em = cell
        em = clampEm(cellOfEm > 0 ? qint64(std::lround(qreal(cell) * cell / cellOfEm)) : cell);
    }
    font.setPixelSize(em);
    return font;
}

QFont TextFonts::pathFont(const QString& face, int emPixels)
{
    QFont font = baseFont(face);
    if (font.weight() < QFont::Bold)
        font.setWeight(QFont::Bold);
    font.setPixelSize(clampEm(emPixels));
    return font;
}

} // namespace montora
