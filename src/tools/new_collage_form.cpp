#include "tools/new_collage_form.h"

#include "base/fixed_text.h"
#include "tools/canvas_settings.h"
#include "tools/dialog_units.h"

namespace montora {

namespace {

constexpr int kPathField = 260;

int unitsToX(int units) { return DialogUnits::toX(units); }
int unitsToY(int units) { return DialogUnits::toY(units); }
constexpr auto fromEdges = &DialogUnits::fromEdges;

} // namespace

QString NewCollageForm::captionOrDefault(const QString& caption)
{
    return caption.isEmpty() ? newCollageCaption() : caption;
}

QString NewCollageForm::sizePrompt()
{
    return QStringLiteral("Please enter an integer between %1 and %2.")
        .arg(CanvasSettings::kMinSize)
        .arg(CanvasSettings::kMaxSize);
}

Result<int> NewCollageForm::parseSize(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < CanvasSettings::kMinSize || value > CanvasSettings::kMaxSize)
        return Result<int>::error(sizePrompt());
    return value;
}

Status NewCollageForm::checkPicturePath(const QString& path)
{
    if (FixedText::encode(path, kPathField, FixedText::Overflow::Refuse).isOk())
        return Status::ok();
    return Status::error(QStringLiteral("The picture path is too long (at most %1 bytes).").arg(kPathField - 1));
}

QString NewCollageForm::pictureFilter()
{
    QString filter = QStringLiteral("(*.jpg;*jpeg;*gif;*.bmp;*.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png;");
    for (const char* extension : {"jpg", "jpeg", "gif", "bmp", "png"})
        filter += QStringLiteral("\t\t(*.%1)|*.%1|").arg(QLatin1String(extension));
    return filter + QLatin1Char('|');
}

QSize NewCollageForm::clientSize()
{
    return QSize(unitsToX(285), unitsToY(101));
}

QRect NewCollageForm::controlRect(Control control, QSize client)
{
    // The created controls hang off the right edge of the area left once 20
    // pixels are taken off the right.
    const int w = client.width() - 20;
    const int right = client.width();
    const int bottom = client.height();
    switch (control) {
    case Control::Width: return QRect(unitsToX(40), unitsToY(21), unitsToX(20), unitsToY(12));
    case Control::Height: return QRect(unitsToX(40), unitsToY(42), unitsToX(20), unitsToY(12));
    case Control::Colour: return fromEdges(w - 145, 35, w, 53);
    case Control::Path: return fromEdges(w - 145, 69, w - 20, 87);
    case Control::Browse: return fromEdges(w - 20, 68, w, 88);
    case Control::Center: return fromEdges(w - 240, 102, w - 160, 122);
    case Control::Tile: return fromEdges(w - 160, 102, w - 80, 122);
    case Control::Stretch: return fromEdges(w - 80, 102, w, 122);
    case Control::Ok: return fromEdges(right - 370, bottom - 30, right - 305, bottom - 9);
    case Control::Cancel: return fromEdges(right - 140, bottom - 30, right - 75, bottom - 9);
    case Control::Close: return fromEdges(right - 43, 8, right - 19, 22);
    }
    return QRect();
}

QRect NewCollageForm::colourLabelRect(QSize client)
{
    const QRect button = controlRect(Control::Colour, client);
    return QRect(button.left() - 100, button.top() + 3, 100, button.height());
}

} // namespace montora
