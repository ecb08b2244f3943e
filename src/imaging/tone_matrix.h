#pragma once

#include "imaging/color_matrix_ops.h"
#include "imaging/tone_settings.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace montora {

// How an item's picture is recoloured when it is drawn: the colour matrix built
// from its opacity and tuning, then (only while the tuning is enabled) the gamma.
class ToneMatrix {
public:
    // The matrix in the order the compose pass builds it: opacity scale; then, when
    // the tuning is enabled, contrast (prepend), brightness (append), saturation
    // (append), hue rotation, and the three colour rotations about blue, green and red
    // (each prepended).
    static ToneMatrix forItem(float opacity, const ToneSettings& tone);
    // A matrix that only scales alpha (frames are drawn this way).
    static ToneMatrix opacityOnly(float opacity);

    const ColorMatrixOps& matrix() const { return m_matrix; }
    bool hasGamma() const { return m_hasGamma; }
    float gamma() const { return m_gamma; }

    // True when applying changes no pixel.
    bool isIdentity() const;
    // True when it only scales alpha (a painter's opacity does the same).
    bool onlyScalesAlpha() const;
    float alphaScale() const { return m_matrix.at(3, 3); }

    // Applies matrix and gamma to unpremultiplied ARGB32 pixels: components in 0..1,
    // clamped after the matrix, then gamma v -> floor((v / 255)^gamma x 255) on red,
    // green and blue. Any other format is converted to ARGB32 first.
    QImage apply(const QImage& source) const;
    void applyInPlace(QImage& argb32) const;

    // The gamma table for a gamma value: entry v is floor((v / 255)^gamma x 255).
    static std::array<std::uint8_t, 256> gammaTable(float gamma);

private:
    ColorMatrixOps m_matrix;
    bool m_hasGamma = false;
    float m_gamma = 1.0f;
};

} // namespace montora
