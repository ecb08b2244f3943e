// `montora new`, `montora add-photo` and `montora info`: project files without a window.
#include "cli/cli_command.h"

#include "canvas/collage_project.h"
#include "project/project_description.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "text/text_style_presets.h"

#include <QFileInfo>
#include <QJsonDocument>

#include <cmath>
#include <optional>

namespace montora::cli {

namespace {

const char* kNewUsage =
    "Usage: montora new OUT.mcf [--size WxH] [--colour RRGGBB] [--picture PATH] [--mode centre|tile|stretch]\n"
    "Writes an empty collage (default 1024x768, white, no background picture, centre).\n"
    "The size is rounded down to multiples of 4.";
const char* kAddPhotoUsage =
    "Usage: montora add-photo PROJECT.mcf PICTURE [--at X,Y] [--scale S] [--angle DEG] [--opacity O]\n"
    "                         [--mask N] [--frame N] [--tone C,B,S,H,G,K]\n"
    "Adds a photo as the editor does when one is dropped at X,Y (default 0,0) of the collage at zoom 1:\n"
    "on top, selected, scaled so that its width plus height is a third of the collage's.\n"
    "--scale, --angle and --opacity then set those fields; --mask and --frame apply mask or frame N of\n"
    "the data folder's libraries (numbered from 1, as info shows them); --tone sets the tuning from the\n"
    "six slider positions: contrast 20-400, brightness 0-200, saturation 0-300, hue 0-36000,\n"
    "gamma 20-400, colour 0-36000 (defaults 100,100,100,18000,100,18000). The project is saved in place.";
const char* kAddTextUsage =
    "Usage: montora add-text PROJECT.mcf TEXT [--style N] [--font FACE] [--height H] [--colours RRGGBB,RRGGBB]\n"
    "                        [--transparency T] [--at X,Y] [--angle DEG] [--scale S]\n"
    "Adds a text item as the text panel's Add does: measured, selected, its top-left corner at half its\n"
    "size (or at X,Y). Defaults: effect 0 with its preset colours, \"Liberation Sans\", lfHeight 48.\n"
    "\\n in TEXT breaks the line. The project is saved in place.";
const char* kInfoUsage =
    "Usage: montora info PROJECT.mcf\n"
    "Prints the collage as JSON: size, background and every item in layer order.\n"
    "A damaged file prints what could be read, with \"error\", and exits 1.";

bool parseSize(const QString& text, int* width, int* height)
{
    const QStringList parts = text.split('x');
    if (parts.size() != 2)
        return false;
    bool okWidth = false;
    bool okHeight = false;
    *width = parts[0].toInt(&okWidth);
    *height = parts[1].toInt(&okHeight);
    return okWidth && okHeight;
}

bool parseFloat(const QString& text, float* value)
{
    bool ok = false;
    const double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    *value = float(parsed);
    return true;
}

// Six slider positions within their ranges.
std::optional<ToneSettings> parseTone(const QString& text)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 6)
        return std::nullopt;
    const int low[6] = {20, 0, 0, 0, 20, 0};
    const int high[6] = {400, 200, 300, 36000, 400, 36000};
    int value[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        value[i] = parts[i].toInt(&ok);
        if (!ok || value[i] < low[i] || value[i] > high[i])
            return std::nullopt;
    }
    return ToneSettings::fromSliders(value[0], value[1], value[2], value[3], value[4], value[5], true);
}

int newProject(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kNewUsage << "\n";
        return kSuccess;
    }
    bool missing = false;
    const QString size = takeOption(context.args, "--size", &missing);
    const QString colour = takeOption(context.args, "--colour", &missing);
    const QString picture = takeOption(context.args, "--picture", &missing);
    const QString mode = takeOption(context.args, "--mode", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kNewUsage);
    if (context.args.size() != 1)
        return usageError(context, "new needs exactly one output file", kNewUsage);

    CollageProject project;
    if (!size.isNull()) {
        int width = 0;
        int height = 0;
        if (!parseSize(size, &width, &height))
            return usageError(context, "--size takes WIDTHxHEIGHT", kNewUsage);
        const Status sized = project.setSize(width, height);
        if (!sized)
            return fail(context, size, sized.message());
    }
    if (!colour.isNull()) {
        std::uint32_t colorRef = 0;
        if (!ProjectDescription::parseColour(colour, &colorRef))
            return usageError(context, "--colour takes RRGGBB in hexadecimal", kNewUsage);
        project.setBackgroundColour(colorRef);
    }
    if (!mode.isNull()) {
        const QStringList modes = {"centre", "tile", "stretch"};
        if (!modes.contains(mode))
            return usageError(context, "--mode takes centre, tile or stretch", kNewUsage);
        project.setFillMode(FillMode(modes.indexOf(mode)));
    }
    if (!picture.isNull()) {
        const QString absolute = QFileInfo(picture).absoluteFilePath();
        if (!QFileInfo(absolute).isFile())
            return fail(context, picture, "no such picture file");
        const Status loaded = project.setBackgroundPicture(absolute);
        if (!loaded)
            return fail(context, picture, loaded.message());
    }
    const Status saved = ProjectFileWriter::save(project, context.args[0]);
    return saved ? kSuccess : fail(context, context.args[0], saved.message());
}

int addPhoto(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kAddPhotoUsage << "\n";
        return kSuccess;
    }
    bool missing = false;
    const QString at = takeOption(context.args, "--at", &missing);
    const QString scale = takeOption(context.args, "--scale", &missing);
    const QString angle = takeOption(context.args, "--angle", &missing);
    const QString opacity = takeOption(context.args, "--opacity", &missing);
    const QString mask = takeOption(context.args, "--mask", &missing);
    const QString frame = takeOption(context.args, "--frame", &missing);
    const QString tone = takeOption(context.args, "--tone", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kAddPhotoUsage);
    bool ok = true;
    const int maskNumber = mask.isNull() ? 0 : mask.toInt(&ok);
    if (!ok || (!mask.isNull() && maskNumber < 1))
        return usageError(context, "--mask takes a mask number from 1", kAddPhotoUsage);
    const int frameNumber = frame.isNull() ? 0 : frame.toInt(&ok);
    if (!ok || (!frame.isNull() && frameNumber < 1))
        return usageError(context, "--frame takes a frame number from 1", kAddPhotoUsage);
    std::optional<ToneSettings> toneValues;
    if (!tone.isNull()) {
        toneValues = parseTone(tone);
        if (!toneValues)
            return usageError(context, "--tone takes six slider positions C,B,S,H,G,K", kAddPhotoUsage);
    }
    if (context.args.size() != 2)
        return usageError(context, "add-photo needs PROJECT.mcf and PICTURE", kAddPhotoUsage);
    QPoint point;
    if (!at.isNull() && !parsePoint(at, &point))
        return usageError(context, "--at takes X,Y", kAddPhotoUsage);
    float scaleValue = 0;
    float angleValue = 0;
    float opacityValue = 0;
    if ((!scale.isNull() && (!parseFloat(scale, &scaleValue) || scaleValue <= 0))
        || (!angle.isNull() && !parseFloat(angle, &angleValue))
        || (!opacity.isNull() && (!parseFloat(opacity, &opacityValue) || opacityValue < 0 || opacityValue > 1)))
        return usageError(context, "--scale takes a positive number, --angle degrees, --opacity 0 to 1",
                          kAddPhotoUsage);

    const QString projectPath = context.args[0];
    const QString picture = QFileInfo(context.args[1]).absoluteFilePath();
    return editProject(context, projectPath, [&](CollageProject& project) {
        const Status added = project.addPhoto(picture, ViewPoint::atCollage(point));
        if (!added)
            return fail(context, context.args[1], added.message());
        PhotoItem& photo = *project.items().back().asPhoto();
        if (!scale.isNull())
            photo.scale = photo.baseScale = scaleValue;
        if (!angle.isNull())
            photo.angle = angleValue;
        if (!opacity.isNull())
            photo.opacity = opacityValue;
        Status applied = Status::ok();
        if (maskNumber > 0)
            applied = project.setMask(maskNumber - 1);
        if (applied && frameNumber > 0)
            applied = project.setFrame(frameNumber - 1);
        if (applied && toneValues)
            applied = project.setTuning(*toneValues, false);
        if (!applied)
            return fail(context, projectPath, applied.message());
        return int(kSuccess);
    });
}

int addText(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kAddTextUsage << "\n";
        return kSuccess;
    }
    bool missing = false;
    const QString style = takeOption(context.args, "--style", &missing);
    const QString font = takeOption(context.args, "--font", &missing);
    const QString height = takeOption(context.args, "--height", &missing);
    const QString colours = takeOption(context.args, "--colours", &missing);
    const QString transparency = takeOption(context.args, "--transparency", &missing);
    const QString at = takeOption(context.args, "--at", &missing);
    const QString angle = takeOption(context.args, "--angle", &missing);
    const QString scale = takeOption(context.args, "--scale", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kAddTextUsage);
    if (context.args.size() != 2)
        return usageError(context, "add-text needs PROJECT.mcf and TEXT", kAddTextUsage);

    const QString projectPath = context.args[0];
    return editProject(context, projectPath, [&](CollageProject& project) {

        TextStyleRecord textStyle = project.textStyle();
        bool ok = true;
        if (!style.isNull())
            textStyle.style = style.toInt(&ok);
        const auto preset = TextStylePresets::colours(textStyle.style);
        textStyle.colour1 = preset.colour1;
        textStyle.colour2 = preset.colour2;
        if (ok && !font.isNull())
            ok = textStyle.font.setFaceName(font).isOk();
        if (ok && !height.isNull()) {
            textStyle.font.lfHeight = height.toInt(&ok);
            ok = ok && textStyle.font.lfHeight >= 1 && textStyle.font.lfHeight <= 1000;
        }
        if (ok && !colours.isNull()) {
            const QStringList pair = colours.split(',');
            ok = pair.size() == 2 && ProjectDescription::parseColour(pair[0], &textStyle.colour1)
                 && ProjectDescription::parseColour(pair[1], &textStyle.colour2);
        }
        if (ok && !transparency.isNull())
            ok = parseFloat(transparency, &textStyle.transparency) && textStyle.transparency >= 0
                 && textStyle.transparency <= 1;
        QPoint point;
        float angleValue = 0;
        float scaleValue = 1;
        if (ok && !at.isNull())
            ok = parsePoint(at, &point);
        if (ok && !angle.isNull())
            ok = parseFloat(angle, &angleValue);
        if (ok && !scale.isNull())
            ok = parseFloat(scale, &scaleValue) && scaleValue > 0;
        if (!ok)
            return usageError(context, "an option has a value it cannot take", kAddTextUsage);

        project.deselectAll(); // the style and text are for the new item only
        project.setTextStyle(textStyle);
        project.setText(QString(context.args[1]).replace("\\n", "\r\n"));
        const Status added = project.addText();
        if (!added)
            return fail(context, projectPath, added.message());
        CanvasItem& item = project.items().back();
        if (!at.isNull())
            item.setPosition(point);
        item.setAngle(angleValue);
        item.setScale(scaleValue);
        return int(kSuccess);
    });
}

int info(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kInfoUsage << "\n";
        return kSuccess;
    }
    if (context.args.size() != 1)
        return usageError(context, "info needs one project file", kInfoUsage);
    const QString path = context.args[0];
    if (!QFileInfo(path).isFile())
        return fail(context, path, "no such project file");
    // Custom masks a project carries are not added to the library just to describe
    // it. A damaged file is described as far as its items are intact.
    CollageProject project;
    const Status opened = ProjectFileReader::openIntactItems(project, path).status;
    QJsonObject json = ProjectDescription::describe(project);
    if (!opened)
        json["error"] = opened.message();
    context.out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    if (!opened)
        return fail(context, path, opened.message());
    return kSuccess;
}

const CliCommandRegistration newRegistration({"new", "write an empty collage project", newProject});
const CliCommandRegistration addPhotoRegistration({"add-photo", "add a photo to a collage project", addPhoto});
const CliCommandRegistration addTextRegistration({"add-text", "add a text item to a collage project", addText});
const CliCommandRegistration infoRegistration({"info", "describe a collage project as JSON", info});

} // namespace

} // namespace montora::cli
