#pragma once

#include "app/command_id.h"

#include <QString>
#include <QWidget>

namespace montora {

// A 22 x 21 toolbar button: its icon on the bar, a lit background under the
// pointer and a pressed one while held, a greyed icon while disabled.
class ToolbarButton : public QWidget {
    Q_OBJECT
public:
    ToolbarButton(CommandId command, const QString& art, const QString& tooltip, QWidget* parent = nullptr);

    CommandId command() const { return m_command; }
    const QString& art() const { return m_art; }
    bool isHot() const { return m_hot; }
    bool isPressed() const { return m_pressed; }

    QSize sizeHint() const override { return QSize(22, 21); }

signals:
    void clicked(montora::CommandId command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CommandId m_command;
    QString m_art;
    bool m_hot = false;
    bool m_pressed = false;
};

} // namespace montora
