#include "tools/batch_convert_form.h"

#include <QDir>
#include <QStandardPaths>

namespace montora {

namespace {

constexpr int kBarWidth = 520;
constexpr int kListedFailures = 20; // a longer list would not fit a message box

} // namespace

QString BatchConvertForm::addFilesFilter()
{
    QString filter = QStringLiteral("(all picture files)|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.pnm;*.tga;*.tif;*.tiff;*.pcx;"
                                    "*.wmf;*.emf|");
    for (const char* extension : {"jpg", "jpeg", "gif", "bmp", "png", "pnm", "tga", "tif", "tiff", "pcx", "wmf", "emf"})
        filter += QStringLiteral("(*.%1)|*.%1|").arg(QLatin1String(extension));
    return filter + QLatin1Char('|');
}

QString BatchConvertForm::defaultOutputFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).filePath(QStringLiteral("Vantile Studio/Convert"));
    QDir().mkpath(folder);
    return withSeparator(folder);
}

QString BatchConvertForm::withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString BatchConvertForm::failureMessage(const QList<BatchConverter::Failure>& failures)
{
    QString text = failures.size() == 1 ? QStringLiteral("1 file could not be converted:\n")
                                        : QStringLiteral("%1 files could not be converted:\n").arg(failures.size());
    for (qsizetype i = 0; i < failures.size() && i < kListedFailures; ++i)
        text += QStringLiteral("\n%1\n    %2").arg(failures[i].source, failures[i].message);
    if (failures.size() > kListedFailures)
        text += QStringLiteral("\n\nand %1 more.").arg(failures.size() - kListedFailures);
    return text;
}

QRect BatchConvertForm::controlRect(Control control)
{
    switch (control) {
    case Control::FileList: return edges(20, 50, 405, 310);
    case Control::FormatList: return edges(410, 50, 540, 310);
    case Control::AddFiles: return edges(20, 320, 140, 340);
    case Control::Convert: return edges(145, 320, 265, 340);
    case Control::Browse: return edges(470, 320, 540, 340);
    }
    return QRect();
}

QRect BatchConvertForm::progressFillRect(int done, int files)
{
    if (files <= 0 || done <= 0)
        return QRect();
    const QRect frame = progressFrameRect();
    const int width = int(qint64(qMin(done, files)) * kBarWidth / files);
    return QRect(frame.left(), frame.top(), width, frame.height());
}

} // namespace montora
