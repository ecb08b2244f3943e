#pragma once

#include "controls_model/scroll_bar_model.h"

#include <QImage>
#include <QWidget>

namespace montora {

class SkinScrollBar;

// The text style gallery: one column of cells, each the word "Text" drawn in one
// of the effects with its preset colours, exactly one of them selected. A click,
// Up and Down choose; the wheel and the skinned bar scroll.
class TextStyleGallery : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWheelStep = 100; // pixels a wheel notch, a line or a page scrolls
    static constexpr int kSizeFactor = 100;

    explicit TextStyleGallery(QWidget* parent = nullptr);

    int cellCount() const;
    int selected() const { return m_selected; }
    // Sends gallerySelected() when the selection changes.
    void select(int index);
    // The cell's rectangle in the client, as scrolled now.
    QRect cellRect(int index) const;
    int scroll() const { return m_scroll; }
    // What can be scrolled: the column and one more cell beyond the client height.
    int scrollRange() const;
    SkinScrollBar* verticalBar() const { return m_verticalBar; }

signals:
    // GALLERY_SELECTED: the selected cell changed.
    void gallerySelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollBar();
    void scrollTo(int position);
    void scrollToShow(int index);
    const QImage& samples();

    SkinScrollBar* m_verticalBar;
    QImage m_samples; // every cell's sample, drawn once
    int m_selected = 0;
    int m_scroll = 0;
    int m_wheelRest = 0;
};

} // namespace montora
