#include "imaging/tone_matrix.h"

#include <algorithm>
#include <cmath>

namespace montora {

namespace {

inline std::uint8_t toByte(float value)
{
    const float clamped = std::clamp(value, 0.0f, 1.0f);
    return std::uint8_t(clamped * 255.0f + 0.5f);
}

} // namespace

ToneMatrix ToneMatrix::forItem(float opacity, const ToneSettings& tone)
{
    ToneMatrix result;
    ColorMatrixOps& m = result.m_matrix;
    m.makeIdentity();
    m.scaleChannels(1.0f, 1.0f, 1.0f, opacity, MatrixOrder::Prepend);
    if (tone.enabled != 0) {
        m.scaleChannels(tone.contrast, tone.contrast, tone.contrast, 1.0f, MatrixOrder::Prepend);
        m.offsetChannels(tone.brightness, tone.brightness, tone.brightness, 0.0f, MatrixOrder::Append);
        m.applySaturation(tone.saturation, MatrixOrder::Append);
        m.applyHueRotation(tone.hue);
        m.rotateAboutBlue(tone.colour, MatrixOrder::Prepend);
        m.rotateAboutGreen(tone.colour, MatrixOrder::Prepend);
        m.rotateAboutRed(tone.colour, MatrixOrder::Prepend);
        result.m_hasGamma = true;
        result.m_gamma = tone.gamma;
    }
    return result;
}

ToneMatrix ToneMatrix::opacityOnly(float opacity)
{
    ToneMatrix result;
    result.m_matrix.scaleChannels(1.0f, 1.0f, 1.0f, opacity, MatrixOrder::Prepend);
    return result;
}

bool ToneMatrix::onlyScalesAlpha() const
{
    const auto& m = m_matrix.matrix();
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) {
            if (i == 3 && j == 3)
                continue;
            const float expected = i == j ? 1.0f : 0.0f;
            if (m[i][j] != expected)
                return false;
        }
    return !m_hasGamma || m_gamma == 1.0f;
}

bool ToneMatrix::isIdentity() const { return onlyScalesAlpha() && m_matrix.at(3, 3) == 1.0f; }

std::array<std::uint8_t, 256> ToneMatrix::gammaTable(float gamma)
{
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        // The small bias keeps gamma 1 exact where v / 255 x 255 lands just below v.
        const double mapped = std::pow(v / 255.0, double(gamma)) * 255.0 + 1e-7;
        table[v] = std::uint8_t(std::clamp(std::floor(mapped), 0.0, 255.0));
    }
    return table;
}

QImage ToneMatrix::apply(const QImage& source) const
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    applyInPlace(image);
    return image;
}

void ToneMatrix::applyInPlace(QImage& image) const
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    if (isIdentity() || image.isNull())
        return;
    const int width = image.width();
    const int height = image.height();

    if (onlyScalesAlpha()) {
        const float scale = m_matrix.at(3, 3);
        std::array<std::uint8_t, 256> alpha{};
        for (int v = 0; v < 256; ++v)
            alpha[v] = toByte(v / 255.0f * scale);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = (line[x] & 0x00FFFFFFu) | std::uint32_t(alpha[line[x] >> 24]) << 24;
        }
        return;
    }

    // Each input channel's contribution to each output channel, per byte value.
    const auto& m = m_matrix.matrix();
    std::array<std::array<std::array<float, 4>, 256>, 4> contribution;
    for (int i = 0; i < 4; ++i)
        for (int v = 0; v < 256; ++v)
            for (int j = 0; j < 4; ++j)
                contribution[i][v][j] = v / 255.0f * m[i][j];
    const std::array<std::uint8_t, 256> gamma = gammaTable(m_hasGamma ? m_gamma : 1.0f);

    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = line[x];
            const auto& r = contribution[0][p >> 16 & 0xFF];
            const auto& g = contribution[1][p >> 8 & 0xFF];
            const auto& b = contribution[2][p & 0xFF];
            const auto& a = contribution[3][p >> 24];
            const std::uint8_t outR = gamma[toByte(m[4][0] + r[0] + g[0] + b[0] + a[0])];
            const std::uint8_t outG = gamma[toByte(m[4][1] + r[1] + g[1] + b[1] + a[1])];
            const std::uint8_t outB = gamma[toByte(m[4][2] + r[2] + g[2] + b[2] + a[2])];
            const std::uint8_t outA = toByte(m[4][3] + r[3] + g[3] + b[3] + a[3]);
            line[x] = std::uint32_t(outA) << 24 | std::uint32_t(outR) << 16 | std::uint32_t(outG) << 8 | outB;
        }
    }
}

} // namespace montora
