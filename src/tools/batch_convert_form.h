#pragma once

#include "tools/batch_converter.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace montora {

// The window-free half of the batch-convert dialog: its texts, its default
// output folder, where each control sits and how far the progress bar fills.
class BatchConvertForm {
public:
    enum class Control { FileList = 0, FormatList = 1, AddFiles = 10750, Convert = 10751, Browse = 10752 };

    static QString caption() { return QStringLiteral("Batch Convert"); }
    static QString stopQuestion() { return QStringLiteral("Are you sure to stop converting?"); }
    static QString stopCaption() { return QStringLiteral("Confirm"); }
    static QString browseTitle() { return QStringLiteral("Select Output Directory"); }
    static QString addFilesFilter();

    // documents/Vantile Studio/Convert/, made when missing (a failure is left to
    // the first file that cannot be written there).
    static QString defaultOutputFolder();
    // Every folder the dialog shows ends in a separator.
    static QString withSeparator(const QString& folder);
    // One line per file that failed, for the message shown after a run.
    static QString failureMessage(const QList<BatchConverter::Failure>& failures);

    static QSize clientSize() { return QSize(560, 371); } // 373 x 228 dialog units of the 8-point font
    static QRect controlRect(Control control);
    static QRect fileLabelRect() { return edges(20, 35, 200, 50); }
    static QRect formatLabelRect() { return edges(410, 35, 540, 50); }
    static QRect pathLabelRect() { return edges(280, 323, 310, 340); }
    static QRect pathBoxRect() { return edges(310, 320, 470, 340); }
    static QRect pathTextRect() { return edges(312, 322, 468, 338); }
    static QRect progressFrameRect() { return edges(20, 345, 540, 355); }
    // The filled part of the bar: done x 520 / files pixels, none for an empty list.
    static QRect progressFillRect(int done, int files);

private:
    static QRect edges(int left, int top, int right, int bottom)
    {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
};

} // namespace montora
