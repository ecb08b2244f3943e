#pragma once

#include <QAbstractButton>

namespace montora {

// The look a skinned button is drawn in.
enum class SkinState { Normal, Hot, Pressed, Disabled };

// The base of the owner-drawn buttons. QAbstractButton does the clicking (the
// mouse, Space on a focused button, click() from code) and tells accessibility
// what the button is; this class works out the skin state the same way for
// every kind, so each kind only draws its artwork for a state. The buttons take
// focus from Tab only, so a click never takes the keyboard from the canvas.
class SkinStateButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SkinStateButton(QWidget* parent = nullptr);

    // Disabled; pressed while held with the pointer on it (or Space held); hot
    // under the pointer; otherwise normal.
    virtual SkinState skinState() const;
    bool isHot() const { return m_hot && isEnabled(); }

protected:
    virtual void paintSkin(QPainter& painter, SkinState state) = 0;
    // The dotted frame of a button that has the keyboard focus.
    static void drawFocusFrame(QPainter& painter, const QRect& frame);

    void paintEvent(QPaintEvent* event) final;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHot(bool hot);

    bool m_hot = false;
};

} // namespace montora
