#include "imaging/image_library.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Montora Studio"));
    montora::ImageLibrary::initialise(argv[0]);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Montora Studio"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
