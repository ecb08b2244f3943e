#include "imaging/color_matrix_ops.h"

#include <cmath>

namespace montora {

namespace {

constexpr float kLumRed = 0.3086f;
constexpr float kLumGreen = 0.6094f;
constexpr float kLumBlue = 0.0820f;

struct HueHelpers {
    ColorMatrixOps entry;
    ColorMatrixOps exit;

    HueHelpers()
    {
        entry.makeIdentity();
        entry.rotateAboutRed(45.0f, MatrixOrder::Prepend);
        entry.rotateAboutGreen(-35.0f, MatrixOrder::Append);
        const auto lum = entry.mapVector({kLumRed, kLumGreen, kLumBlue, 1.0f});
        const float red = lum[0] / lum[2];
        const float green = lum[1] / lum[2];
        entry.shearIntoBlue(red, green, MatrixOrder::Append);

        exit.makeIdentity();
        exit.shearIntoBlue(-red, -green, MatrixOrder::Prepend);
        exit.rotateAboutGreen(35.0f, MatrixOrder::Append);
        exit.rotateAboutRed(-45.0f, MatrixOrder::Append);
    }
};

const HueHelpers& hueHelpers()
{
    // A function-local static is initialised exactly once, even when two threads
    // compose at the same time.
    static const HueHelpers helpers;
    return helpers;
}

} // namespace

ColorMatrixOps::Matrix ColorMatrixOps::identity()
{
    Matrix m{};
    for (int i = 0; i < 5; ++i)
        m[i][i] = 1.0f;
    return m;
}

void ColorMatrixOps::makeIdentity() { m_m = identity(); }

void ColorMatrixOps::combine(const Matrix& other, MatrixOrder order)
{
    const Matrix& a = order == MatrixOrder::Append ? m_m : other;
    const Matrix& b = order == MatrixOrder::Append ? other : m_m;
    Matrix result = m_m;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 5; ++k)
                sum += a[i][k] * b[k][j];
            result[i][j] = sum;
        }
    }
    m_m = result;
}

void ColorMatrixOps::scaleChannels(float r, float g, float b, float a, MatrixOrder order)
{
    Matrix n = identity();
    n[0][0] = r;
    n[1][1] = g;
    n[2][2] = b;
    n[3][3] = a;
    combine(n, order);
}

void ColorMatrixOps::offsetChannels(float r, float g, float b, float a, MatrixOrder order)
{
    Matrix n = identity();
    n[4][0] = r;
    n[4][1] = g;
    n[4][2] = b;
    n[4][3] = a;
    combine(n, order);
}

void ColorMatrixOps::applySaturation(float s, MatrixOrder order)
{
    const float i = 1.0f - s;
    Matrix n = identity();
    const float weights[3] = {kLumRed, kLumGreen, kLumBlue};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            n[row][column] = i * weights[row] + (row == column ? s : 0.0f);
    combine(n, order);
}

void ColorMatrixOps::rotatePlane(float degrees, int x, int y, MatrixOrder order)
{
    const double pi = 4.0 * std::atan(1.0);
    const double radians = degrees * pi / 180.0;
    const float c = float(std::cos(radians));
    const float s = float(std::sin(radians));
    Matrix n = identity();
    n[x][x] = c;
    n[y][y] = c;
    n[y][x] = s;
    n[x][y] = -s;
    combine(n, order);
}

void ColorMatrixOps::shearIntoBlue(float r, float g, MatrixOrder order)
{
    Matrix n = identity();
    n[0][2] = r;
    n[1][2] = g;
    combine(n, order);
}

void ColorMatrixOps::applyHueRotation(float degrees)
{
    combine(hueEntry(), MatrixOrder::Append);
    rotateAboutBlue(degrees, MatrixOrder::Append);
    combine(hueExit(), MatrixOrder::Append);
}

std::array<float, 4> ColorMatrixOps::mapVector(const std::array<float, 4>& v) const
{
    std::array<float, 4> out{};
    for (int j = 0; j < 4; ++j) {
        float sum = m_m[4][j];
        for (int i = 0; i < 4; ++i)
            sum += v[i] * m_m[i][j];
        out[j] = sum;
    }
    return out;
}

const ColorMatrixOps& ColorMatrixOps::hueEntry() { return hueHelpers().entry; }
const ColorMatrixOps& ColorMatrixOps::hueExit() { return hueHelpers().exit; }

} // namespace montora
