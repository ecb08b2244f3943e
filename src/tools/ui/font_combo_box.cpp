#include "tools/ui/font_combo_box.h"

#include <QMetaObject>

namespace montora {

FontComboBox::FontComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(20);
    // Keys and the wheel change the face without opening the list; they take
    // effect at once, or the box would show a face the text does not have.
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_open && !m_closedUp)
            emit closeUp();
    });
}

void FontComboBox::setFaces(const QStringList& faces)
{
    clear();
    addItems(faces);
    setCurrentIndex(faces.isEmpty() ? -1 : 0);
}

void FontComboBox::showPopup()
{
    m_open = true;
    m_closedUp = false;
    QComboBox::showPopup();
}

void FontComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // Also called when the box is hidden with its list shut: nothing closed up then.
    if (!m_open)
        return;
    m_open = false;
    // The list hides before the box takes the entry chosen in it: report once that is done.
    m_closedUp = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_closedUp = false;
            emit closeUp();
        },
        Qt::QueuedConnection);
}

void FontComboBox::keyPressEvent(QKeyEvent* event)
{
    m_closedUp = false;
    QComboBox::keyPressEvent(event);
}

void FontComboBox::wheelEvent(QWheelEvent* event)
{
    m_closedUp = false;
    QComboBox::wheelEvent(event);
}

} // namespace montora
