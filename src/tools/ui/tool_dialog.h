#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

namespace montora {

class SkinButton;

// The look shared by the tool dialogs (new collage, crop, batch converter,
// month calendar): a modal pop-up with rounded corners and no system caption,
// a skin strip across the top with the caption, a close button, and dragged by
// the top of its client area. It opens centred on its owner.
class ToolDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCloseButtonId = 10010;
    static constexpr int kStripHeight = 30;
    static constexpr int kDragHeight = 25;

    explicit ToolDialog(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    SkinButton* closeButton() const { return m_closeButton; }

    // The window region: the client rectangle with its corners rounded by a
    // 16 x 16 ellipse.
    static QRegion roundedRegion(QSize size);
    // The top-left corner that centres a window of `size` on `owner`, kept on `screen`.
    static QPoint centredOn(const QRect& owner, QSize size, const QRect& screen);

protected:
    // Subclasses paint their labels here, over the background and the strip.
    virtual void paintContent(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void centreOnOwner();

    QString m_caption;
    SkinButton* m_closeButton;
    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_centred = false;
};

} // namespace montora
