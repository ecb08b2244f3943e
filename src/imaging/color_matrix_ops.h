#pragma once

#include <array>

namespace montora {

enum class MatrixOrder { Prepend = 0, Append = 1 };

// A 5 x 5 colour matrix applied to row vectors (red, green, blue, alpha, 1): row i
// holds what input channel i adds to each output channel, row 4 the offsets.
// Prepending N makes M = N x M (N acts on the colour first), appending M = M x N.
class ColorMatrixOps {
public:
    using Matrix = std::array<std::array<float, 5>, 5>;

    ColorMatrixOps() { makeIdentity(); }

    void makeIdentity();
    // Only the first four columns of each row are computed; the fifth is kept.
    void combine(const Matrix& other, MatrixOrder order);
    void combine(const ColorMatrixOps& other, MatrixOrder order) { combine(other.m_m, order); }

    void scaleChannels(float r, float g, float b, float a, MatrixOrder order);
    void offsetChannels(float r, float g, float b, float a, MatrixOrder order);
    // Luminance weights 0.3086, 0.6094, 0.0820.
    void applySaturation(float s, MatrixOrder order);
    // [x][x] = [y][y] = cos, [y][x] = sin, [x][y] = -sin.
    void rotatePlane(float degrees, int x, int y, MatrixOrder order);
    void rotateAboutRed(float degrees, MatrixOrder order) { rotatePlane(degrees, 2, 1, order); }
    void rotateAboutGreen(float degrees, MatrixOrder order) { rotatePlane(degrees, 0, 2, order); }
    void rotateAboutBlue(float degrees, MatrixOrder order) { rotatePlane(degrees, 1, 0, order); }
    void shearIntoBlue(float r, float g, MatrixOrder order);
    // Rotates hues about the grey axis while keeping luminance: entry helper,
    // rotation about blue, exit helper, all appended.
    void applyHueRotation(float degrees);

    // v'[j] = M[4][j] + sum over i < 4 of v[i] * M[i][j].
    std::array<float, 4> mapVector(const std::array<float, 4>& v) const;

    const Matrix& matrix() const { return m_m; }
    float at(int row, int column) const { return m_m[row][column]; }
    void set(int row, int column, float value) { m_m[row][column] = value; }

    // The two hue helpers, built once per process on first use (thread-safe).
    static const ColorMatrixOps& hueEntry();
    static const ColorMatrixOps& hueExit();

    static Matrix identity();

private:
    Matrix m_m;
};

} // namespace montora
