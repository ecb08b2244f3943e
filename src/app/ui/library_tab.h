#pragma once

#include "app/command_id.h"

#include <QString>
#include <QWidget>

namespace montora {

// One of the tabs over the library panels: plain, or highlighted while its
// panel is the one shown.
class LibraryTab : public QWidget {
    Q_OBJECT
public:
    LibraryTab(CommandId command, const QString& caption, QWidget* parent = nullptr);

    CommandId command() const { return m_command; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool isCurrent() const { return m_current; }
    void setCurrent(bool current);

signals:
    void clicked(montora::CommandId command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CommandId m_command;
    QString m_caption;
    bool m_current = false;
};

} // namespace montora
