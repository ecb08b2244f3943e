#include "app/placeholder_library_files.h"
#include "app/ui/collage_app.h"
#include "platform/ui/qt_prompter.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Montora Studio"));
    montora::QtPrompter prompter;
    montora::CollageApp collage(prompter, [] { return std::make_unique<montora::PlaceholderLibraryFiles>(); });
    return collage.run();
}
