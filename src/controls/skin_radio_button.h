#pragma once

#include "controls/skin_state_button.h"

#include <QString>

namespace montora {

// A radio-style button drawn as an on or off icon followed by its caption.
// Which one of a group is on is up to the owner: a click asks, setOn() answers.
class SkinRadioButton : public SkinStateButton {
    Q_OBJECT

public:
    SkinRadioButton(int id, const QString& caption, QWidget* parent = nullptr);

    int id() const { return m_id; }
    QString caption() const { return m_caption; }
    void setOn(bool on);
    bool isOn() const { return isChecked(); }

signals:
    // The click (WM_COMMAND carrying the button's identifier).
    void clicked(int id);

protected:
    void paintSkin(QPainter& painter, SkinState state) override;
    // A click leaves the on state to the owner.
    void nextCheckState() override {}

private:
    int m_id;
    QString m_caption;
};

} // namespace montora
