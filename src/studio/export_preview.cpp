#include "studio/export_preview.h"

#include "app/collage_output_commands.h"
#include "app/ui/export_dialog.h"
#include "app/ui/export_progress_window.h"
#include "app/ui/dialog_export_asker.h"
#include "canvas/carried_mask_resources.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "imaging/image_library.h"
#include "platform/ui/qt_prompter.h"
#include "project/project_file_reader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QWidget>

#include <cstdio>

namespace montora {

namespace {

int showDialog(const QCommandLineParser& parser)
{
    QtPrompter prompter;
    const QSize collage(parser.value(QStringLiteral("width")).toInt(), parser.value(QStringLiteral("height")).toInt());
    ExportDialog dialog(prompter, parser.isSet(QStringLiteral("pdf")), collage.isEmpty() ? QSize(1024, 768) : collage);
    if (dialog.exec() != QDialog::Accepted)
        return 1;
    const ExportOptions options = dialog.options();
    std::printf("scale=%d page=%s landscape=%d dpi=%d\n", options.scale,
                ExportOptions::pageName(options.page).toLatin1().constData(), options.landscape ? 1 : 0, options.dpi);
    return 0;
}

int showProgress(QApplication& app, const QStringList& files, int scale)
{
    if (files.size() != 2) {
        std::fputs("montora-studio: --export-progress needs PROJECT.mcf and OUT\n", stderr);
        return 2;
    }
    ImageLibrary::initialise(QCoreApplication::applicationFilePath().toLocal8Bit().constData());
    LibraryResources library;
    CarriedMaskResources resources(library);
    CollageProject project;
    project.setResources(&resources);
    const Status opened = ProjectFileReader::open(project, files[0]);
    if (!opened) {
        std::fprintf(stderr, "montora-studio: %s\n", opened.message().toLocal8Bit().constData());
        return 1;
    }
    QWidget window;
    window.resize(800, 560);
    window.setWindowTitle(QStringLiteral("Montora Studio"));
    QtPrompter prompter(&window);
    DialogExportAsker asker(prompter, &window);
    CollageOutputCommands commands(project, prompter, asker);
    auto* progress = new ExportProgressWindow(&window);
    QObject::connect(&commands, &CollageOutputCommands::jobStarted, progress,
                     [progress](const QString& caption, const QString& name, bool) { progress->begin(caption, name); });
    QObject::connect(&commands, &CollageOutputCommands::jobProgress, progress, &ExportProgressWindow::setDone);
    QObject::connect(progress, &ExportProgressWindow::cancelRequested, &commands.job(), &CollageOutputJob::cancel);
    int code = 1;
    QObject::connect(&commands.job(), &CollageOutputJob::finished, &app, [&code](const Status& status, bool) {
        code = status ? 0 : 1;
        QApplication::quit();
    });
    window.show();
    ExportOptions options;
    options.scale = scale;
    if (!commands.exportTo(files[1], options))
        return 1;
    QApplication::exec();
    return code;
}

} // namespace

int runExportPreview(QApplication& app, const QStringList& args, bool* handled)
{
    *handled = args.contains(QLatin1String("--export-dialog")) || args.contains(QLatin1String("--export-progress"));
    if (!*handled)
        return 0;
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("export-dialog"), QStringLiteral("The export dialog.")},
                       {QStringLiteral("export-progress"), QStringLiteral("An export with its progress window.")},
                       {QStringLiteral("pdf"), QStringLiteral("The PDF form of the dialog.")},
                       {QStringLiteral("width"), QStringLiteral("Collage width."), QStringLiteral("N"), QStringLiteral("1024")},
                       {QStringLiteral("height"), QStringLiteral("Collage height."), QStringLiteral("N"), QStringLiteral("768")},
                       {QStringLiteral("scale"), QStringLiteral("Export scale."), QStringLiteral("N"), QStringLiteral("1")}});
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("PROJECT.mcf OUT"));
    parser.addHelpOption();
    parser.process(args);
    if (parser.isSet(QStringLiteral("export-dialog")))
        return showDialog(parser);
    return showProgress(app, parser.positionalArguments(), parser.value(QStringLiteral("scale")).toInt());
}

} // namespace montora
