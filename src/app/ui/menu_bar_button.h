#pragma once

#include "app/command_id.h"
#include "controls/skin_state_button.h"

#include <QString>

namespace montora {

// A button of the window's own menu bar: the caption (with its "&" mnemonic
// underlined) on a stretched skin. A press asks for its popup, as menus open;
// from the keyboard, Space does.
class MenuBarButton : public SkinStateButton {
    Q_OBJECT
public:
    MenuBarButton(CommandId command, const QString& caption, QWidget* parent = nullptr);

    CommandId command() const { return m_command; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Drawn pressed while its popup is open.
    void setOpen(bool open);
    bool isOpen() const { return m_open; }

signals:
    void clicked(montora::CommandId command);

protected:
    void paintSkin(QPainter& painter, SkinState state) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CommandId m_command;
    QString m_caption;
    bool m_open = false;
};

} // namespace montora
