#pragma once

#include "app/command_id.h"
#include "controls/skin_state_button.h"

#include <QString>

namespace montora {

// A 22 x 21 toolbar button: its icon on the bar, a lit background under the
// pointer and a pressed one while held, a greyed icon while disabled.
class ToolbarButton : public SkinStateButton {
    Q_OBJECT
public:
    ToolbarButton(CommandId command, const QString& art, const QString& tooltip, QWidget* parent = nullptr);

    CommandId command() const { return m_command; }
    const QString& art() const { return m_art; }
    bool isPressed() const { return isDown(); }

    QSize sizeHint() const override { return QSize(22, 21); }

signals:
    void clicked(montora::CommandId command);

protected:
    void paintSkin(QPainter& painter, SkinState state) override;

private:
    CommandId m_command;
    QString m_art;
};

} // namespace montora
