#pragma once

#include <QString>
#include <QWidget>

namespace montora {

class SkinButton;

// The small window over the main window while a large collage is saved or made
// the wallpaper: what is being written, how far the drawing has got, and a
// Cancel button, after which no file is left behind.
class ExportProgressWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCancelButtonId = 2;
    static QString cancelText() { return QStringLiteral("Cancel"); }

    explicit ExportProgressWindow(QWidget* parent);

    void begin(const QString& caption, const QString& fileName);
    void setDone(double done);
    double done() const { return m_done; }
    QString caption() const { return m_caption; }
    SkinButton* cancelButton() const { return m_cancel; }

signals:
    // The Cancel button was clicked (the window has hidden itself).
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SkinButton* m_cancel;
    QString m_caption;
    QString m_file;
    double m_done = 0;
};

} // namespace montora
