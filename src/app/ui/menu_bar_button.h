#pragma once

#include "app/command_id.h"

#include <QString>
#include <QWidget>

namespace montora {

// A button of the window's own menu bar: the caption (with its "&" mnemonic
// underlined) on a stretched skin. A click asks for its popup.
class MenuBarButton : public QWidget {
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
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CommandId m_command;
    QString m_caption;
    bool m_hot = false;
    bool m_open = false;
};

} // namespace montora
