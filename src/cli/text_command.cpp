// `montora text render|sheet|fonts`: styled text items drawn as the canvas draws them.
#include "cli/cli_command.h"

#include "imaging/picture_limits.h"
#include "imaging/picture_saver.h"
#include "tools/font_list.h"
#include "text/styled_text.h"
#include "text/text_item_painter.h"
#include "text/text_style_presets.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <optional>
#include <tuple>

namespace montora::cli {

namespace {

const char* kTextUsage =
    "Usage: montora text render OUT.png --text TEXT [--style N] [--font FACE] [--height H]\n"
    "                           [--colour1 RRGGBB] [--colour2 RRGGBB] [--transparency T]\n"
    "                           [--angle A] [--scale S] [--background RRGGBB]\n"
    "       montora text sheet OUT.png [--text TEXT] [--font FACE] [--height H]\n"
    "       montora text fonts\n"
    "render: one text item as the canvas draws it at zoom 1, the picture sized to its rotated box.\n"
    "  --style: effect 0-7 (any other number draws the fallback effect; default 0)\n"
    "  --font: face name (default \"Liberation Sans\"); --height: lfHeight 1-1000 (default 48)\n"
    "  --colour1/--colour2: default the style's gallery preset; --transparency 0-1 (default 0)\n"
    "  --angle: degrees (default 0); --scale: 0.01-20 (default 1)\n"
    "  --background: fill colour (default transparent)\n"
    "  The box's width and height are printed. Line breaks in TEXT are kept.\n"
    "sheet: every effect and the fallback, one under another: its gallery cell, then a canvas item\n"
    "  with its preset colours (default text \"Styled Text\").\n"
    "fonts: the faces the text panel offers.";

const QString kDefaultFace = QStringLiteral("Liberation Sans");

struct RenderOptions {
    TextStyleRecord item;
    std::optional<QColor> background;
};

std::optional<ColorRef> parseColour(const QString& text)
{
    if (text.size() != 6)
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return colorRef(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
}

std::optional<double> parseNumber(const QString& text, double low, double high)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

// The text box keeps CR LF line breaks; a shell argument has LF.
QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

// Reads the options shared by render and sheet into `item`; returns an error message.
QString takeFontOptions(QStringList& args, TextStyleRecord& item)
{
    bool missing = false;
    const QString face = takeOption(args, "--font", &missing);
    const QString height = takeOption(args, "--height", &missing);
    if (missing)
        return "an option is missing its value";
    if (!item.font.setFaceName(face.isNull() ? kDefaultFace : face))
        return "--font: the face name is too long";
    item.font.lfHeight = 48;
    if (!height.isNull()) {
        const auto value = parseNumber(height, 1, 1000);
        if (!value || *value != std::floor(*value))
            return "--height takes a whole number from 1 to 1000";
        item.font.lfHeight = int(*value);
    }
    return {};
}

QString takeRenderOptions(QStringList& args, RenderOptions& options)
{
    TextStyleRecord& item = options.item;
    item.scale = 1.0f;
    item.regionIndex = -1;
    if (QString error = takeFontOptions(args, item); !error.isEmpty())
        return error;
    bool missing = false;
    const QString text = takeOption(args, "--text", &missing);
    const QString style = takeOption(args, "--style", &missing);
    const QString colour1 = takeOption(args, "--colour1", &missing);
    const QString colour2 = takeOption(args, "--colour2", &missing);
    const QString transparency = takeOption(args, "--transparency", &missing);
    const QString angle = takeOption(args, "--angle", &missing);
    const QString scale = takeOption(args, "--scale", &missing);
    const QString background = takeOption(args, "--background", &missing);
    if (missing)
        return "an option is missing its value";
    if (text.isNull())
        return "render needs --text";
    item.setText(withCrLf(text));
    if (!style.isNull()) {
        bool ok = false;
        item.style = style.toInt(&ok);
        if (!ok)
            return "--style takes a whole number";
    }
    const auto preset = TextStylePresets::colours(item.style);
    item.colour1 = preset.colour1;
    item.colour2 = preset.colour2;
    for (auto [value, field, name] : {std::tuple{colour1, &item.colour1, "--colour1"},
                                      std::tuple{colour2, &item.colour2, "--colour2"}}) {
        if (value.isNull())
            continue;
        const auto parsed = parseColour(value);
        if (!parsed)
            return QString(name) + " takes a colour as six hex digits RRGGBB";
        *field = *parsed;
    }
    const auto number = [](const QString& value, double low, double high, double fallback) {
        return value.isNull() ? std::optional<double>(fallback) : parseNumber(value, low, high);
    };
    const auto t = number(transparency, 0, 1, 0);
    const auto a = number(angle, -36000, 36000, 0);
    const auto s = number(scale, 0.01, 20, 1);
    if (!t || !a || !s)
        return "--transparency takes 0 to 1, --angle -36000 to 36000, --scale 0.01 to 20";
    item.transparency = float(*t);
    item.angle = float(*a);
    item.scale = float(*s);
    if (!background.isNull()) {
        const auto parsed = parseColour(background);
        if (!parsed)
            return "--background takes a colour as six hex digits RRGGBB";
        options.background = colourWithAlpha(*parsed, 255);
    }
    return {};
}

Result<QImage> newPicture(const QSize& size, const QColor& fill)
{
    MONTORA_TRY(PictureLimits::check(size));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return Result<QImage>::error("not enough memory for the picture");
    image.fill(fill);
    return image;
}

int save(CliContext& context, const QImage& image, const QString& out)
{
    const Status saved = PictureSaver::saveByExtension(image, out);
    if (!saved) {
        context.err << "montora: " << out << ": " << saved.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

int render(CliContext& context)
{
    RenderOptions options;
    if (QString error = takeRenderOptions(context.args, options); !error.isEmpty())
        return usageError(context, error, kTextUsage);
    if (context.args.size() != 1)
        return usageError(context, "render needs one output file", kTextUsage);
    const QString out = context.args[0];
    if (!PictureSaver::canSave(out))
        return usageError(context, out + ": cannot save pictures with this extension", kTextUsage);

    TextStyleRecord& item = options.item;
    const QSize box = StyledText::measureText(item.font, item.text());
    item.width = box.width();
    item.height = box.height();
    const QRectF bounds = TextItemPainter::bounds(item, 1.0);
    const QRect pixels(QPoint(int(std::floor(bounds.left())), int(std::floor(bounds.top()))),
                       QPoint(int(std::ceil(bounds.right())) - 1, int(std::ceil(bounds.bottom())) - 1));
    auto image = newPicture(pixels.size(), options.background.value_or(Qt::transparent));
    if (!image) {
        context.err << "montora: " << out << ": " << image.message() << "\n";
        return kFailure;
    }
    {
        QPainter painter(&*image);
        painter.translate(-pixels.topLeft());
        TextItemPainter::paint(painter, item, 1.0);
    }
    context.out << "box " << item.width << " x " << item.height << ", picture " << pixels.width() << " x "
                << pixels.height() << "\n";
    return save(context, *image, out);
}

int sheet(CliContext& context)
{
    TextStyleRecord item;
    item.scale = 1.0f;
    if (QString error = takeFontOptions(context.args, item); !error.isEmpty())
        return usageError(context, error, kTextUsage);
    bool missing = false;
    const QString text = takeOption(context.args, "--text", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kTextUsage);
    if (context.args.size() != 1)
        return usageError(context, "sheet needs one output file", kTextUsage);
    const QString out = context.args[0];
    if (!PictureSaver::canSave(out))
        return usageError(context, out + ": cannot save pictures with this extension", kTextUsage);
    item.setText(withCrLf(text.isNull() ? QStringLiteral("Styled Text") : text));
    const QSize box = StyledText::measureText(item.font, item.text());
    item.width = box.width();
    item.height = box.height();

    constexpr int kLabelWidth = 70;
    constexpr int kGap = 12;
    const int itemLeft = kLabelWidth + TextStylePresets::kCellWidth + kGap;
    const int rowHeight = std::max(TextStylePresets::kCellHeight, box.height()) + kGap;
    const int rows = StyledText::kStyleCount + 1;
    auto image = newPicture(QSize(itemLeft + box.width() + kGap, rows * rowHeight + kGap), Qt::white);
    if (!image) {
        context.err << "montora: " << out << ": " << image.message() << "\n";
        return kFailure;
    }
    QPainter painter(&*image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int row = 0; row < rows; ++row) {
        const int style = row; // the last row's index 8 is outside 0-7: the fallback
        const int top = kGap + row * rowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(8, top, kLabelWidth - 16, TextStylePresets::kCellHeight), Qt::AlignVCenter,
                         row < StyledText::kStyleCount ? QString::number(style) : QStringLiteral("other"));
        const QRect cell(kLabelWidth, top, TextStylePresets::kCellWidth, TextStylePresets::kCellHeight);
        painter.fillRect(cell, QColor(240, 240, 240));
        TextStylePresets::drawCell(painter, style, cell);

        const auto preset = TextStylePresets::colours(style);
        item.style = style;
        item.colour1 = preset.colour1;
        item.colour2 = preset.colour2;
        item.left = itemLeft;
        item.top = top;
        TextItemPainter::paint(painter, item, 1.0);
    }
    painter.end();
    return save(context, *image, out);
}

int fonts(CliContext& context)
{
    for (const QString& face : FontList::faces())
        context.out << face << "\n";
    return kSuccess;
}

int run(CliContext& context)
{
    if (context.args.isEmpty() || wantsHelp(context.args)) {
        (context.args.isEmpty() ? context.err : context.out) << kTextUsage << "\n";
        return context.args.isEmpty() ? kUsage : kSuccess;
    }
    const QString sub = context.args.takeFirst();
    if (sub == "render")
        return render(context);
    if (sub == "sheet")
        return sheet(context);
    if (sub == "fonts")
        return fonts(context);
    return usageError(context, "unknown text command \"" + sub + "\"", kTextUsage);
}

const CliCommandRegistration registration({"text", "draw styled text items and the effect sheet", run});

} // namespace

} // namespace montora::cli
