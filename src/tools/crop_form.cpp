#include "tools/crop_form.h"

#include "tools/crop_aspect_options.h"
#include "tools/dialog_units.h"

namespace montora {

namespace {

constexpr auto edges = &DialogUnits::fromEdges;

} // namespace

QSize CropForm::clientSize() { return QSize(DialogUnits::toX(368), DialogUnits::toY(229)); }

QRect CropForm::viewRect(QSize client)
{
    return edges(140, 40, client.width() - 20, client.height() - 40);
}

QRect CropForm::aspectPanelRect(QSize client) { return edges(20, 40, 130, client.height() - 40); }

QRect CropForm::cropButtonRect(QSize client)
{
    return edges(client.width() - 350, client.height() - 30, client.width() - 285, client.height() - 10);
}

QRect CropForm::cancelButtonRect(QSize client)
{
    return edges(client.width() - 140, client.height() - 30, client.width() - 75, client.height() - 10);
}

QRect CropForm::aspectRowRect(int row, int panelHeight)
{
    return QRect(0, row * panelHeight / CropAspectOptions::kCount, kAspectRowWidth, kAspectRowHeight);
}

} // namespace montora
