#include "tools/text_panel_layout.h"

#include <algorithm>

namespace montora {

namespace {

constexpr int kControlsLeft = 110;
constexpr int kControlsRight = 240;
constexpr int kGalleryLeft = 260;
constexpr int kGalleryRight = 390;
constexpr int kTextBoxLeft = 410;
constexpr int kMargin = 20;
constexpr QSize kAddButton{76, 20};

QRect span(int left, int top, int right, int bottom) { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }

} // namespace

TextPanelLayout::TextPanelLayout(QSize client)
{
    const int height = client.height();
    const int t0 = height / 8;
    slider = span(kControlsLeft, t0 + 2, kControlsRight, t0 + 15);
    fontBox = span(kControlsLeft, t0 + 22, kControlsRight, t0 + 42);
    colourButton1 = span(kControlsLeft, t0 + 47, kControlsRight, t0 + 67);
    colourButton2 = span(kControlsLeft, t0 + 72, kControlsRight, t0 + 92);
    gallery = span(kGalleryLeft, kMargin, kGalleryRight, std::max(kMargin + 1, height - 18));
    textBox = span(kTextBoxLeft, kMargin, std::max(kTextBoxLeft + 1, client.width() - kMargin),
                   std::max(kMargin + 1, height - kMargin));

    const int labelRight = kControlsLeft - 5;
    int top = slider.top() + 2;
    const int labelHeight = slider.bottom() + 1 + 5 - top;
    constexpr std::array<int, kLabelCount> kSteps{0, 22, 25, 25};
    for (int i = 0; i < kLabelCount; ++i) {
        top += kSteps[size_t(i)];
        labels[size_t(i)] = span(kMargin, top, labelRight, top + labelHeight);
    }
    // "Add" sits in the bottom-left corner, 1 pixel above the edge; in a panel too
    // short for it below the last caption it gets lower rather than cover the caption.
    const int addTop = std::max(height - 1 - kAddButton.height(), labels.back().bottom() + 1);
    addButton = span(0, addTop, kAddButton.width(), std::max(addTop + 1, height - 1));
    sliderNumber = span(kControlsRight - 20, slider.top() - 14, kControlsRight, slider.top());
    styleCaption = span(kGalleryLeft, kMargin - 16, kGalleryRight, kMargin);
}

} // namespace montora
