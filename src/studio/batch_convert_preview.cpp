#include "studio/batch_convert_preview.h"

#include "imaging/image_library.h"
#include "platform/ui/qt_prompter.h"
#include "tools/ui/batch_convert_dialog.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTimer>

#include <cstdio>

namespace montora {

int runBatchConvertPreview(const QStringList& pictures, const QString& folder, const QString& format,
                           bool startAtOnce)
{
    ImageLibrary::initialise(qPrintable(QCoreApplication::applicationFilePath()));
    QtPrompter prompter;
    BatchConvertDialog dialog(prompter);
    prompter.setParent(&dialog);
    dialog.addSources(pictures);
    if (!folder.isEmpty())
        dialog.setOutputFolder(folder);
    const QList<QListWidgetItem*> named = dialog.formatList()->findItems(format, Qt::MatchFixedString);
    if (!named.isEmpty())
        dialog.formatList()->setCurrentItem(named.first());
    QObject::connect(&dialog, &BatchConvertDialog::runFinished, [](int written, int failed) {
        std::printf("written=%d failed=%d\n", written, failed);
        std::fflush(stdout);
    });
    if (startAtOnce)
        QTimer::singleShot(300, &dialog, [&dialog] { dialog.convert(); });
    dialog.exec();
    return 0;
}

} // namespace montora
