#pragma once

#include "app/ui/progress_window.h"

namespace montora {

// The small window over the main window while a large collage is saved or made
// the wallpaper: what is being written, how far the drawing has got, and a
// Cancel button, after which no file is left behind.
class ExportProgressWindow : public ProgressWindow {
    Q_OBJECT

public:
    static constexpr int kCancelButtonId = 2;
    static QString cancelText() { return QStringLiteral("Cancel"); }

    explicit ExportProgressWindow(QWidget* parent);

    void begin(const QString& caption, const QString& fileName);
    void setDone(double done);
    double done() const { return m_done; }
    SkinButton* cancelButton() const { return button(); }

signals:
    // The Cancel button was clicked (the window has hidden itself).
    void cancelRequested();

protected:
    void paintBody(QPainter& painter) override;

private:
    QString m_file;
    double m_done = 0;
};

} // namespace montora
