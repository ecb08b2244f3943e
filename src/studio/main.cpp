#include "imaging/image_library.h"
#include "studio/preview_switches.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bool previewed = false;
    if (const int code = montora::runPreviewSwitch(app, app.arguments(), &previewed); previewed)
        return code;
    QApplication::setApplicationName(QStringLiteral("Montora Studio"));
    montora::ImageLibrary::initialise(argv[0]);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Montora Studio"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
