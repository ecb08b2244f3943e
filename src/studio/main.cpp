#include "app/library_startup_files.h"
#include "app/ui/collage_app.h"
#include "platform/ui/qt_prompter.h"
#include "studio/export_preview.h"
#include "studio/preview_switches.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bool previewed = false;
    if (const int code = montora::runPreviewSwitch(app, app.arguments(), &previewed); previewed)
        return code;
    if (const int code = montora::runExportPreview(app, app.arguments(), &previewed); previewed)
        return code;
    QApplication::setApplicationName(QStringLiteral("Montora Studio"));
    montora::QtPrompter prompter;
    montora::CollageApp collage(prompter, [] { return std::make_unique<montora::LibraryStartupFiles>(); });
    // `montora-studio trip.mcf` opens the project; `--panel N` (not for people) shows
    // library tab N at start, for screenshots.
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--panel") && i + 1 < arguments.size())
            collage.setPanelAtStart(arguments[++i].toInt());
        else if (!arguments[i].startsWith(QLatin1String("--")))
            collage.setProjectAtStart(arguments[i]);
    }
    return collage.run();
}
