#include "studio/preview_switches.h"

#include "canvas/ui/collage_canvas.h"
#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "imaging/image_library.h"
#include "platform/ui/qt_prompter.h"
#include "project/project_file_reader.h"
#include "studio/batch_convert_preview.h"
#include "studio/controls_gallery.h"
#include "studio/photo_library_preview.h"
#include "studio/library_panels_preview.h"
#include "library/ui/decoration_column.h"
#include "library/ui/library_panel.h"
#include "tools/ui/month_calendar_dialog.h"
#include "tools/ui/month_calendar_view.h"
#include "tools/ui/crop_aspect_panel.h"
#include "tools/ui/crop_dialog.h"
#include "tools/ui/new_collage_dialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

#include <cstdio>

namespace montora {

namespace {

const QString kNewCollage = QStringLiteral("new-collage-dialog");
const QString kCollageSetting = QStringLiteral("collage-setting-dialog");
const QString kGallery = QStringLiteral("controls-gallery");
const QString kCanvasOnly = QStringLiteral("canvas-only");
// Not for people: the project's item to select, for screenshots.
const QString kSelect = QStringLiteral("select-item");
const QString kPhotoLibrary = QStringLiteral("photo-library");
const QString kLibraryPanels = QStringLiteral("library-panels");
// Not for people: opens the colour pop-up once the dialog shows, for screenshots.
const QString kOpenPopup = QStringLiteral("open-colour-popup");
// Not for people: clicks photo library cells (the first plainly, the rest with Ctrl)
// once the import has ended, for screenshots.
const QString kClickCells = QStringLiteral("click-cells");
const QString kBatchConvert = QStringLiteral("batch-convert-dialog");
// Not for people: presses Convert once the batch-convert dialog shows, for screenshots.
const QString kStartConverting = QStringLiteral("start-converting");
const QString kCalendar = QStringLiteral("calendar-dialog");
const QString kCropDialog = QStringLiteral("crop-dialog");
// Not for people: the aspect row chosen once the crop dialog shows, for screenshots.
const QString kCropAspect = QStringLiteral("crop-aspect");

int modeFromName(const QString& name)
{
    const QStringList names{QStringLiteral("center"), QStringLiteral("tile"), QStringLiteral("stretch")};
    return int(names.indexOf(name.toLower()));
}

bool readSettings(const QCommandLineParser& parser, CanvasSettings* settings, QString* error)
{
    bool ok = true;
    if (parser.isSet(QStringLiteral("width")))
        settings->width = parser.value(QStringLiteral("width")).toInt(&ok);
    if (ok && parser.isSet(QStringLiteral("height")))
        settings->height = parser.value(QStringLiteral("height")).toInt(&ok);
    if (ok && parser.isSet(QStringLiteral("colour"))) {
        const QColor colour(QLatin1Char('#') + parser.value(QStringLiteral("colour")));
        ok = colour.isValid();
        settings->backgroundColour = ColourTable::fromQColor(colour);
    }
    if (ok && parser.isSet(QStringLiteral("mode"))) {
        settings->pictureMode = modeFromName(parser.value(QStringLiteral("mode")));
        ok = settings->pictureMode >= 0;
    }
    settings->picturePath = parser.value(QStringLiteral("picture"));
    if (!ok)
        *error = QStringLiteral("montora-studio: bad --width, --height, --colour or --mode value");
    return ok;
}

void printSettings(const CanvasSettings& settings)
{
    const QString line = QStringLiteral("width=%1 height=%2 colour=0x%3 picture=%4 mode=%5\n")
                             .arg(settings.width)
                             .arg(settings.height)
                             .arg(settings.backgroundColour, 8, 16, QLatin1Char('0'))
                             .arg(settings.picturePath)
                             .arg(settings.pictureMode);
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void openPopupWhenShown(NewCollageDialog& dialog)
{
    QTimer::singleShot(300, &dialog, [&dialog] {
        CFacColourPicker* picker = dialog.colourButton();
        picker->click();
        QTimer::singleShot(100, &dialog, [picker] {
            if (!picker->popup())
                return;
            for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(picker->popup(), &press);
            }
        });
    });
}

int runPhotoLibrary(QApplication& app, const QCommandLineParser& parser)
{
    ImageLibrary::initialise(qPrintable(QCoreApplication::applicationFilePath()));
    PhotoLibraryPreview preview(parser.value(kPhotoLibrary));
    preview.show();
    if (!parser.positionalArguments().isEmpty())
        preview.importFiles(parser.positionalArguments());
    if (parser.isSet(kClickCells)) {
        QList<int> cells;
        for (const QString& cell : parser.value(kClickCells).split(QLatin1Char(',')))
            cells << cell.toInt();
        preview.clickCellsWhenIdle(cells);
    }
    return app.exec();
}

// With --click-cells, selects those entries (the first in the frame strip, the
// second in the mask strip, the third in the clipart strip, the fourth in the
// decoration strip): for screenshots.
int runLibraryPanels(QApplication& app, const QCommandLineParser& parser)
{
    LibraryPanelsPreview preview(parser.value(kLibraryPanels));
    preview.show();
    if (parser.isSet(kClickCells)) {
        const QStringList cells = parser.value(kClickCells).split(QLatin1Char(','));
        const QList<LibraryPanel*> strips{preview.framePanel(), preview.maskPanel(), preview.clipartPanel(),
                                          preview.decorationColumn()->strip()};
        for (int i = 0; i < cells.size() && i < strips.size(); ++i)
            strips[i]->setSelectedIndex(cells[i].toInt());
    }
    return app.exec();
}

int runDialog(const QCommandLineParser& parser, bool setting)
{
    CanvasSettings settings;
    QString error;
    if (!readSettings(parser, &settings, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    QtPrompter prompter;
    NewCollageDialog dialog(prompter);
    prompter.setParent(&dialog);
    dialog.setCaption(setting ? NewCollageForm::settingCaption() : QString());
    dialog.setSettings(settings);
    if (parser.isSet(kOpenPopup))
        openPopupWhenShown(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        std::fputs("cancelled\n", stdout);
        return 1;
    }
    printSettings(dialog.settings());
    return 0;
}

// On OK prints the month and the count of opaque pixels of its picture.
int runCalendarDialog(const QCommandLineParser& parser)
{
    QDate today = QDate::currentDate();
    if (parser.isSet(QStringLiteral("month")))
        today = QDate::fromString(parser.value(QStringLiteral("month")) + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    if (!today.isValid()) {
        std::fputs("montora-studio: --month takes YYYY-MM\n", stderr);
        return 2;
    }
    MonthCalendarDialog dialog(today);
    if (dialog.exec() != QDialog::Accepted) {
        std::fputs("cancelled\n", stdout);
        return 1;
    }
    int opaque = 0;
    for (int y = 0; y < dialog.picture().height(); ++y)
        for (int x = 0; x < dialog.picture().width(); ++x)
            opaque += qAlpha(dialog.picture().pixel(x, y)) == 255;
    const QString line = QStringLiteral("%1 opaque=%2\n").arg(dialog.view()->control().title()).arg(opaque);
    std::fputs(line.toLocal8Bit().constData(), stdout);
    return 0;
}

int runCropDialog(const QCommandLineParser& parser)
{
    ImageLibrary::initialise(qPrintable(QCoreApplication::applicationFilePath()));
    CropDialog dialog;
    const Status opened = dialog.openPicture(parser.value(kCropDialog));
    if (!opened) {
        std::fprintf(stderr, "montora-studio: %s\n", qPrintable(opened.message()));
        return 1;
    }
    if (parser.isSet(kCropAspect))
        dialog.aspectPanel()->choose(parser.value(kCropAspect).toInt());
    if (dialog.exec() != QDialog::Accepted || !dialog.cropResult()) {
        std::fputs("cancelled\n", stdout);
        return 1;
    }
    const CropBox crop = *dialog.cropResult();
    std::printf("left=%d top=%d right=%d bottom=%d\n", crop.left, crop.top, crop.right, crop.bottom);
    return 0;
}

int runCanvasOnly(QApplication& app, const QCommandLineParser& parser)
{
    if (parser.positionalArguments().size() != 1) {
        std::fputs("montora-studio: --canvas-only needs one project file\n", stderr);
        return 2;
    }
    CollageCanvas canvas;
    canvas.setWindowTitle(QStringLiteral("Montora Studio - ") + parser.positionalArguments().front());
    canvas.resize(1000, 720);
    const Status opened = ProjectFileReader::open(canvas.project(), parser.positionalArguments().front());
    if (!opened.isOk()) {
        std::fprintf(stderr, "montora-studio: %s\n", qPrintable(opened.message()));
        return 1;
    }
    canvas.contentsReplaced();
    if (parser.isSet(kSelect)) {
        const int index = parser.value(kSelect).toInt();
        if (index >= 0 && index < canvas.project().itemCount()) {
            canvas.project().deselectAll();
            canvas.project().item(index).setSelected(true);
        }
    }
    auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &canvas);
    QObject::connect(undo, &QShortcut::activated, &canvas, [&canvas] { canvas.undo(); });
    auto* redo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &canvas);
    QObject::connect(redo, &QShortcut::activated, &canvas, [&canvas] { canvas.redo(); });
    canvas.show();
    canvas.recompose();
    return app.exec();
}

} // namespace

int runPreviewSwitch(QApplication& app, const QStringList& args, bool* handled)
{
    *handled = false;
    if (!args.contains(QLatin1String("--") + kNewCollage) && !args.contains(QLatin1String("--") + kCollageSetting) &&
        !args.contains(QLatin1String("--") + kGallery) && !args.contains(QLatin1String("--") + kCanvasOnly) &&
        !args.contains(QLatin1String("--") + kPhotoLibrary) && !args.contains(QLatin1String("--") + kLibraryPanels) &&
        !args.contains(QLatin1String("--") + kBatchConvert) && !args.contains(QLatin1String("--") + kCalendar) &&
        !args.contains(QLatin1String("--") + kCropDialog))
        return 0;
    *handled = true;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Opens one window of Montora Studio on its own."));
    parser.addHelpOption();
    parser.addOptions({
        {kNewCollage, QStringLiteral("Show the \"Create New Collage\" dialog.")},
        {kCollageSetting, QStringLiteral("Show the \"Collage Setting\" dialog.")},
        {kGallery, QStringLiteral("Show the skin buttons, scroll bars and colour picker.")},
        {kCanvasOnly, QStringLiteral("Show the canvas alone on a project file (Ctrl+Z undo, Ctrl+Y redo).")},
        {kPhotoLibrary,
         QStringLiteral("Show the photo library panel over the photo list of a data folder, with its Import and "
                        "Remove buttons; picture files given after it are imported at once."),
         QStringLiteral("folder")},
        {kLibraryPanels,
         QStringLiteral("Show the frame, mask and clipart strips and the decoration column over the library files "
                        "of a data folder."),
         QStringLiteral("folder")},
        {kBatchConvert, QStringLiteral("Show the \"Batch Convert\" dialog with the picture files given after it; "
                                       "--out DIR and --format NAME set its folder and format.")},
        {kCalendar, QStringLiteral("Show the \"Add Transparent Month Calender\" dialog; --month YYYY-MM sets "
                                   "the month it opens on.")},
        {QStringLiteral("month"), QStringLiteral("First month of the calendar dialog."), QStringLiteral("YYYY-MM")},
        {QStringLiteral("out"), QStringLiteral("Output folder of the batch-convert dialog."), QStringLiteral("folder")},
        {QStringLiteral("format"), QStringLiteral("Output format of the batch-convert dialog."), QStringLiteral("name")},
        {kCropDialog,
         QStringLiteral("Show the \"Crop Photo\" dialog on a picture; prints the crop in the picture's pixels."),
         QStringLiteral("picture")},
        {QStringLiteral("width"), QStringLiteral("Current collage width."), QStringLiteral("pixels")},
        {QStringLiteral("height"), QStringLiteral("Current collage height."), QStringLiteral("pixels")},
        {QStringLiteral("colour"), QStringLiteral("Current background colour."), QStringLiteral("RRGGBB")},
        {QStringLiteral("picture"), QStringLiteral("Current background picture."), QStringLiteral("path")},
        {QStringLiteral("mode"), QStringLiteral("Current picture mode."), QStringLiteral("center|tile|stretch")},
    });
    parser.addPositionalArgument(QStringLiteral("pictures"), QStringLiteral("With --canvas-only: the project file; with --photo-library: files to import."),
                                 QStringLiteral("[project | pictures...]"));
    QCommandLineOption openPopup(kOpenPopup);
    openPopup.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(openPopup);
    QCommandLineOption startConverting(kStartConverting);
    startConverting.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(startConverting);
    QCommandLineOption select(kSelect, QString(), QStringLiteral("index"));
    select.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(select);
    QCommandLineOption clickCells(kClickCells, QString(), QStringLiteral("cells"));
    clickCells.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(clickCells);
    QCommandLineOption cropAspect(kCropAspect, QString(), QStringLiteral("row"));
    cropAspect.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(cropAspect);
    if (!parser.parse(args)) {
        std::fprintf(stderr, "montora-studio: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(kBatchConvert))
        return runBatchConvertPreview(parser.positionalArguments(), parser.value(QStringLiteral("out")),
                                      parser.value(QStringLiteral("format")), parser.isSet(kStartConverting));
    if (parser.isSet(kCanvasOnly))
        return runCanvasOnly(app, parser);
    if (parser.isSet(kCalendar))
        return runCalendarDialog(parser);
    if (parser.isSet(kCropDialog))
        return runCropDialog(parser);
    if (parser.isSet(kPhotoLibrary))
        return runPhotoLibrary(app, parser);
    if (parser.isSet(kLibraryPanels))
        return runLibraryPanels(app, parser);
    if (parser.isSet(kGallery)) {
        ControlsGallery gallery;
        gallery.show();
        return app.exec();
    }
    return runDialog(parser, parser.isSet(kCollageSetting));
}

} // namespace montora
