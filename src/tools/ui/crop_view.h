#pragma once

#include "tools/crop_geometry.h"
#include "tools/crop_preview.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace montora {

// The crop dialog's picture: the preview fitted and centred, the outside of the
// crop rectangle shaded, the rectangle framed in white with its handles. The
// mouse resizes the rectangle by a handle and moves it from inside.
class CropView : public QWidget {
    Q_OBJECT

public:
    explicit CropView(QWidget* parent = nullptr);

    void setPreview(CropPreview preview);
    const CropPreview& preview() const { return m_preview; }
    // An earlier crop of the picture, in its own pixels, to start from.
    void startFrom(const CropBox& sourceCrop);
    const CropGeometry& cropGeometry() const { return m_geometry; }
    // The rectangle in the picture's own pixels; none without a picture.
    std::optional<CropBox> result() const { return m_geometry.result(m_preview.sourceSize()); }

public slots:
    void setConstraint(float widthTerm, float heightTerm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void relayout();
    void paintShade(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;

    CropPreview m_preview;
    QImage m_fitted; // the preview at its shown size
    CropGeometry m_geometry;
    QSize m_laidOutFor;
};

} // namespace montora
