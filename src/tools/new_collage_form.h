#pragma once

#include "base/status.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace montora {

// The window-free half of the new-collage dialog: its texts, the checks of what
// was typed, and where each control sits.
class NewCollageForm {
public:
    enum class Control {
        Width = 1030,
        Height = 1032,
        Colour = 10474,
        Path = 10475,
        Browse = 10470,
        Center = 10471,
        Tile = 10472,
        Stretch = 10473,
        Ok = 1,
        Cancel = 2,
        Close = 10010,
    };

    static QString newCollageCaption() { return QStringLiteral("Create New Collage"); }
    static QString settingCaption() { return QStringLiteral("Collage Setting"); }
    // An empty caption means a new collage.
    static QString captionOrDefault(const QString& caption);

    // Width or height as typed: an integer from 10 to 3200, else the range prompt.
    static Result<int> parseSize(const QString& text);
    static QString sizePrompt();
    // The background picture path must fit the 260-byte path field of the project.
    static Status checkPicturePath(const QString& path);

    // The open-file filter of the browse button.
    static QString pictureFilter();

    // The dialog's client size and each control's rectangle in it.
    static QSize clientSize();
    static QRect controlRect(Control control, QSize client = clientSize());

    // Where the painted labels go.
    static QRect widthLabelRect() { return QRect(QPoint(16, 38), QPoint(99, 57)); }
    static QRect heightLabelRect() { return widthLabelRect().translated(0, 34); }
    static QRect colourLabelRect(QSize client = clientSize());
    static QRect pictureLabelRect(QSize client = clientSize()) { return colourLabelRect(client).translated(0, 34); }
    static constexpr int kPixelsLabelOffset = 80;
};

} // namespace montora
