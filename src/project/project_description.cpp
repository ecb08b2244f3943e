#include "project/project_description.h"

#include "canvas/collage_project.h"

#include <QJsonArray>

#include <charconv>
#include <cmath>

namespace montora {

namespace {

// Floats are shown by their shortest exact text (0.05, not 0.0500000007); JSON has
// no NaN or infinity, which a damaged record may hold.
QJsonValue number(float value)
{
    if (!std::isfinite(value))
        return QJsonValue(QString::number(double(value)));
    char text[32];
    const auto result = std::to_chars(text, text + sizeof(text), value);
    return QJsonValue(QByteArray(text, result.ptr - text).toDouble());
}

QJsonArray pair(int a, int b) { return QJsonArray{a, b}; }

QJsonObject toneOf(const ToneSettings& tone)
{
    return QJsonObject{
        {"enabled", tone.enabled != 0},    {"contrast", number(tone.contrast)}, {"brightness", number(tone.brightness)},
        {"saturation", number(tone.saturation)}, {"hue", number(tone.hue)},   {"colour", number(tone.colour)},
        {"gamma", number(tone.gamma)},
    };
}

void describePhoto(const PhotoItem& photo, QJsonObject& json)
{
    json["path"] = photo.picturePath();
    json["opacity"] = number(photo.opacity);
    json["source"] = pair(photo.sourceWidth, photo.sourceHeight);
    json["box"] = pair(photo.boxWidth, photo.boxHeight);
    json["crop"] = QJsonArray{photo.cropLeft, photo.cropTop, photo.cropRight, photo.cropBottom};
    json["baseScale"] = number(photo.baseScale);
    json["mask"] = photo.maskNumber;
    json["customMask"] = photo.customMask != 0;
    if (photo.customMask != 0)
        json["customMaskKey"] =
            QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(photo.customMaskKey), 16).toHex());
    json["frame"] = photo.frameNumber;
    json["frameWindow"] = QJsonArray{number(photo.frameLeft), number(photo.frameTop), number(photo.frameRight),
                                     number(photo.frameBottom)};
    json["tone"] = toneOf(photo.tone);
}

void describeClipart(const ClipartItem& clipart, QJsonObject& json)
{
    json[clipart.isPixelPicture() ? "pixelStoreIndex" : "clipartId"] = clipart.pictureId;
    json["pixelPicture"] = clipart.isPixelPicture();
    json["size"] = pair(clipart.width, clipart.height);
    json["opacity"] = number(clipart.opacity);
    json["baseScale"] = number(clipart.baseScale);
    json["tinted"] = clipart.tinted != 0;
    json["tintColour"] = ProjectDescription::colourText(clipart.tintColour);
    json["tone"] = toneOf(clipart.tone);
}

void describeBrush(const BrushItem& brush, QJsonObject& json)
{
    json["brushIndex"] = brush.brushIndex;
    json["size"] = pair(brush.width, brush.height);
    json["opacity"] = number(brush.opacity);
    json["colour"] = ProjectDescription::colourText(brush.colour);
    json["tone"] = toneOf(brush.tone);
}

void describeText(const TextStyleRecord& text, QJsonObject& json)
{
    json["text"] = text.text();
    json["font"] = text.font.faceName();
    json["fontHeight"] = text.font.lfHeight;
    json["style"] = text.style;
    json["measured"] = pair(text.width, text.height);
    json["colour1"] = ProjectDescription::colourText(text.colour1);
    json["colour2"] = ProjectDescription::colourText(text.colour2);
    json["transparency"] = number(text.transparency);
}

} // namespace

QString ProjectDescription::colourText(std::uint32_t colour)
{
    const int red = int(colour & 0xFF);
    const int green = int(colour >> 8 & 0xFF);
    const int blue = int(colour >> 16 & 0xFF);
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QChar('0'))
        .arg(green, 2, 16, QChar('0'))
        .arg(blue, 2, 16, QChar('0'))
        .toUpper();
}

bool ProjectDescription::parseColour(const QString& text, std::uint32_t* colorRef)
{
    QString hex = text.startsWith('#') ? text.mid(1) : text;
    if (hex.size() != 6)
        return false;
    bool ok = false;
    const uint rgb = hex.toUInt(&ok, 16);
    if (!ok)
        return false;
    *colorRef = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    return true;
}

QString ProjectDescription::fillModeName(int mode)
{
    switch (mode) {
    case int(FillMode::Centre): return QStringLiteral("centre");
    case int(FillMode::Tile): return QStringLiteral("tile");
    case int(FillMode::Stretch): return QStringLiteral("stretch");
    default: return QString::number(mode);
    }
}

QJsonObject ProjectDescription::describe(const CanvasItem& item)
{
    QJsonObject json{
        {"kind", QString::fromLatin1(kindName(item.kind()))},
        {"left", item.position().x()},
        {"top", item.position().y()},
        {"scale", number(item.scale())},
        {"angle", number(item.angle())},
        {"selected", item.isSelected()},
    };
    if (const auto* photo = item.asPhoto())
        describePhoto(*photo, json);
    else if (const auto* clipart = item.asClipart())
        describeClipart(*clipart, json);
    else if (const auto* brush = item.asBrush())
        describeBrush(*brush, json);
    else if (const auto* text = item.asText())
        describeText(*text, json);
    return json;
}

QJsonObject ProjectDescription::describe(const CollageProject& project)
{
    QJsonArray items;
    for (const CanvasItem& item : project.items())
        items.append(describe(item));
    return QJsonObject{
        {"width", project.width()},
        {"height", project.height()},
        {"background",
         QJsonObject{
             {"path", project.backgroundPath()},
             {"colour", colourText(project.backgroundColour())},
             {"mode", fillModeName(int(project.fillMode()))},
         }},
        {"items", items},
    };
}

} // namespace montora
