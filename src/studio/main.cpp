#include "app/library_startup_files.h"
#include "app/ui/collage_app.h"
#include "platform/ui/qt_prompter.h"
#include "studio/preview_switches.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bool previewed = false;
    if (const int code = montora::runPreviewSwitch(app, app.arguments(), &previewed); previewed)
        return code;
    QApplication::setApplicationName(QStringLiteral("Montora Studio"));
    montora::QtPrompter prompter;
    montora::CollageApp collage(prompter, [] { return std::make_unique<montora::LibraryStartupFiles>(); });
    return collage.run();
}
