#pragma once

#include "controls/skin_state_button.h"

#include <QColor>
#include <QPoint>
#include <QString>

namespace montora {

// The push button of the panels and tool dialogs, drawn from one skin picture
// per state with an optional centred caption or icon.
class SkinButton : public SkinStateButton {
    Q_OBJECT

public:
    enum class State { Normal = 32, Hot = 16, Pressed = 1, Disabled = 4 };

    // Artwork resources, one per state.
    struct Skin {
        QString normal;
        QString hot;
        QString pressed;
        QString disabled;
    };
    static Skin defaultSkin();
    static Skin closeSkin();

    explicit SkinButton(int id, QWidget* parent = nullptr);

    int id() const { return m_id; }
    State state() const;
    SkinState skinState() const override;

    void setSkin(const Skin& skin);
    // Three slices: 12-pixel ends around a stretched middle. Off: the picture
    // fills the button once (close buttons and picture-only buttons).
    void setThreeSlice(bool on);
    bool isThreeSlice() const { return m_threeSlice; }

    // What shows around rounded skin corners; an invalid colour leaves the
    // parent's own painting there (a button on a painted bar).
    void setBackground(const QColor& colour);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    void setCaptionColour(const QColor& colour);
    void setCaptionOffset(QPoint offset);
    // 16 x 16 icons, shown centred; the second one while disabled.
    void setIcons(const QString& normal, const QString& disabled);

    QSize sizeHint() const override;

signals:
    // The click (WM_COMMAND carrying the button's identifier).
    void clicked(int id);

protected:
    void paintSkin(QPainter& painter, SkinState state) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString skinFor(SkinState state) const;

    int m_id;
    Skin m_skin;
    // A button held, left and come back to shows hot, not pressed; one just
    // let go of shows normal until the pointer moves.
    bool m_leftWhileHeld = false;
    bool m_released = false;
    bool m_threeSlice = true;
    QString m_caption;
    QColor m_background{221, 221, 221};
    QColor m_captionColour{60, 60, 60};
    QPoint m_captionOffset;
    QString m_icon;
    QString m_disabledIcon;
};

} // namespace montora
