#pragma once

#include <QDialog>

namespace montora {

class SkinButton;

// The About box: no system caption, centred on its owner, closed by its own
// button (or Escape), dragged by its top strip.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static QString title() { return QStringLiteral("About"); }
    static QString programName() { return QStringLiteral("Montora Studio"); }
    static QString version() { return QStringLiteral("V1.2"); }
    static QString notice();

    explicit AboutDialog(QWidget* parent = nullptr);

    SkinButton* closeButton() const { return m_close; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SkinButton* m_close;
};

} // namespace montora
