#include "tools/ui/tuning_panel.h"

#include "controls/skin_button.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>

namespace montora {

namespace {

constexpr int kRowTops[] = {30, 50, 70};
constexpr int kRowHeight = 13;
constexpr int kSliderIndent = 100; // from the column's left edge
constexpr int kRightMargin = 20;
constexpr int kLeftLabelWidth = 70;
constexpr int kRightLabelWidth = 50;
constexpr QSize kResetSize{76, 20};
constexpr int kResetMargin = 4;

bool inRightColumn(int index) { return index >= 3; }

} // namespace

const std::array<TuningPanel::SliderRange, TuningPanel::kSliders>& TuningPanel::sliderRanges()
{
    static const std::array<SliderRange, kSliders> specs{{
        {10002, "Contrast", 20, 400, 100},
        {10004, "Brightness", 0, 200, 100},
        {10003, "Saturation", 0, 300, 100},
        {10005, "Hue", 0, 36000, 18000},
        {10006, "Gamma", 20, 400, 100},
        {10007, "Color", 0, 36000, 18000},
    }};
    return specs;
}

QRect TuningPanel::sliderRect(int index, QSize panel)
{
    const int middle = panel.width() / 2;
    const int left = inRightColumn(index) ? middle + kSliderIndent : kSliderIndent;
    const int right = inRightColumn(index) ? panel.width() - kRightMargin : middle;
    return QRect(QPoint(left, kRowTops[index % 3]), QPoint(right, kRowTops[index % 3] + kRowHeight - 1));
}

QRect TuningPanel::labelRect(int index, QSize panel)
{
    const QRect slider = sliderRect(index, panel);
    const int width = inRightColumn(index) ? kRightLabelWidth : kLeftLabelWidth;
    return QRect(slider.left() - width, slider.top(), width, kRowHeight);
}

QRect TuningPanel::resetRect(QSize panel)
{
    return QRect(QPoint(kResetMargin, panel.height() - kResetMargin - kResetSize.height()), kResetSize);
}

TuningPanel::TuningPanel(QWidget* parent) : QWidget(parent), m_reset(new SkinButton(kResetId, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < kSliders; ++i) {
        const SliderRange& range = sliderRanges()[size_t(i)];
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString::number(range.controlId));
        slider->setRange(range.minimum, range.maximum);
        slider->setValue(range.defaultPosition);
        // A tenth of the range per page, as a track bar steps.
        slider->setPageStep((range.maximum - range.minimum) / 10);
        slider->setFocusPolicy(Qt::ClickFocus);
        connect(slider, &QSlider::valueChanged, this, [this] { emit tuningChanged(0); });
        connect(slider, &QSlider::sliderReleased, this, &TuningPanel::dragFinished);
        m_sliders[size_t(i)] = slider;
    }
    m_reset->setCaption(QStringLiteral("Reset"));
    connect(m_reset, &SkinButton::clicked, this, &TuningPanel::reset);
    layOut();
}

std::array<int, TuningPanel::kSliders> TuningPanel::positions() const
{
    std::array<int, kSliders> positions{};
    for (int i = 0; i < kSliders; ++i)
        positions[size_t(i)] = m_sliders[size_t(i)]->value();
    return positions;
}

ToneSettings TuningPanel::settings(bool enabled) const
{
    const std::array<int, kSliders> p = positions();
    return ToneSettings::fromSliders(p[0], p[1], p[2], p[3], p[4], p[5], enabled);
}

bool TuningPanel::isDragging() const
{
    for (const QSlider* slider : m_sliders)
        if (slider->isSliderDown())
            return true;
    return false;
}

void TuningPanel::reset()
{
    for (int i = 0; i < kSliders; ++i) {
        const SliderRange& range = sliderRanges()[size_t(i)];
        const QSignalBlocker quiet(m_sliders[size_t(i)]);
        m_sliders[size_t(i)]->setRange(range.minimum, range.maximum);
        m_sliders[size_t(i)]->setValue(range.defaultPosition);
    }
    emit tuningChanged(1);
}

void TuningPanel::layOut()
{
    for (int i = 0; i < kSliders; ++i)
        m_sliders[size_t(i)]->setGeometry(sliderRect(i, size()));
    m_reset->setGeometry(resetRect(size()));
}

void TuningPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void TuningPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(kBackground));
    painter.setPen(Qt::black);
    for (int i = 0; i < kSliders; ++i)
        // The row is lower than a line of the GUI font: centre the line on it.
        painter.drawText(labelRect(i, size()).adjusted(0, -6, 0, 6), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromLatin1(sliderRanges()[size_t(i)].label));
}

} // namespace montora
