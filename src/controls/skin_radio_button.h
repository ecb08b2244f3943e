#pragma once

#include <QString>
#include <QWidget>

namespace montora {

// A radio-style button drawn as an on or off icon followed by its caption.
// Which one of a group is on is up to the owner.
class SkinRadioButton : public QWidget {
    Q_OBJECT

public:
    SkinRadioButton(int id, const QString& caption, QWidget* parent = nullptr);

    int id() const { return m_id; }
    QString caption() const { return m_caption; }
    void setOn(bool on);
    bool isOn() const { return m_on; }

signals:
    // The click (WM_COMMAND carrying the button's identifier).
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_id;
    QString m_caption;
    bool m_on = false;
    bool m_hot = false;
    bool m_pressed = false;
};

} // namespace montora
