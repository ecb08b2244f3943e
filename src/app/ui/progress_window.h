#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace montora {

class SkinButton;

// The small window the main window shows over itself while a long job runs: a
// dark band with the caption, what the job paints below it, and one button at the
// bottom right that hides the window and ends the job. Hidden until shown.
class ProgressWindow : public QWidget {
    Q_OBJECT

signals:
    // The button was clicked (the window has hidden itself).
    void buttonClicked();

public:
    QString caption() const { return m_caption; }

protected:
    static constexpr int kBand = 24; // the caption's

    ProgressWindow(QWidget* parent, int height, int buttonId, const QString& buttonText);

    SkinButton* button() const { return m_button; }
    void setCaption(const QString& caption) { m_caption = caption; }
    // Centred over the main window and on top.
    void showCentred();
    // Everything between the band and the border.
    virtual void paintBody(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    SkinButton* m_button;
    QString m_caption;
};

} // namespace montora
