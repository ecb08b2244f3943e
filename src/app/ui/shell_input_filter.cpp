#include "app/ui/shell_input_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace montora {

ShellInputFilter::ShellInputFilter(QWidget* window, Actions actions)
    : QObject(window), m_window(window), m_actions(std::move(actions))
{
    qApp->installEventFilter(this);
}

ShellInputFilter::~ShellInputFilter()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool ShellInputFilter::belongsToWindow(QObject* watched) const
{
    if (!watched->isWidgetType())
        return false;
    return static_cast<QWidget*>(watched)->window() == m_window;
}

bool ShellInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (belongsToWindow(watched))
            return filterKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        break;
    case QEvent::KeyRelease:
        m_handledKey = nullptr;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (belongsToWindow(watched))
            return filterMouse(event);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool ShellInputFilter::filterKey(QWidget* receiver, QKeyEvent* event)
{
    const int key = event->key();
    const bool control = event->modifiers() & Qt::ControlModifier;
    // Key_Z whatever the letter case: Shift and Caps Lock change the text, not the key.
    if (control && (key == Qt::Key_Z || key == Qt::Key_Y) && event != m_handledKey) {
        m_handledKey = event;
        const auto& action = key == Qt::Key_Z ? m_actions.undo : m_actions.redo;
        if (action)
            action();
        return false; // the key goes on to its receiver
    }
    if (key == Qt::Key_Escape)
        return receiver != m_escapeReceiver.data();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return !wantsEnter(QApplication::focusWidget());
    return false;
}

bool ShellInputFilter::filterMouse(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        if (mouse->button() == Qt::LeftButton && m_swallowRelease) {
            m_swallowRelease = false;
            return true;
        }
        return false;
    }
    if (mouse->button() != Qt::LeftButton || !m_actions.previewing || !m_actions.previewing())
        return false;
    m_swallowRelease = true;
    if (m_actions.leavePreview)
        m_actions.leavePreview();
    return true;
}

bool ShellInputFilter::wantsEnter(const QWidget* focus)
{
    if (!focus)
        return false;
    if (focus->property(kAcceptsEnterProperty).toBool())
        return true;
    return qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus);
}

} // namespace montora
