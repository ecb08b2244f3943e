#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace montora {

// Looks at every key and mouse event bound for the main window or any of its
// children before they get it: Ctrl+Z and Ctrl+Y undo and redo wherever the
// focus is, Escape and Enter never reach a widget that would end something with
// them, and a click while the canvas previews only leaves the preview.
class ShellInputFilter : public QObject {
    Q_OBJECT
public:
    // A focus widget with this property set to true gets Enter (a multi-line
    // text box of a panel, say).
    static constexpr const char* kAcceptsEnterProperty = "montoraAcceptsEnter";

    struct Actions {
        std::function<void()> undo;
        std::function<void()> redo;
        std::function<bool()> previewing;
        std::function<void()> leavePreview;
    };

    ShellInputFilter(QWidget* window, Actions actions);
    ~ShellInputFilter() override;

    // The widget that uses Escape itself (the canvas leaves its preview with it).
    void setEscapeReceiver(QWidget* widget) { m_escapeReceiver = widget; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* watched) const;
    bool filterKey(QWidget* receiver, QKeyEvent* event);
    bool filterMouse(QEvent* event);
    static bool wantsEnter(const QWidget* focus);

    QWidget* m_window;
    Actions m_actions;
    QPointer<QWidget> m_escapeReceiver;
    // The key press last acted on: the same event travels up to the parents of
    // a child that ignores it, and must not undo twice.
    const QEvent* m_handledKey = nullptr;
    bool m_swallowRelease = false;
};

} // namespace montora
