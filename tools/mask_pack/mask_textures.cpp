// Masks whose edge is not a plain outline: vignettes and hand-made edges.
#include "mask_art.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace montora::maskpack {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Signed distance to a rounded rectangle centred on the origin (negative inside).
float roundedBoxDistance(float x, float y, float halfWidth, float halfHeight, float radius)
{
    const float qx = std::abs(x) - halfWidth + radius;
    const float qy = std::abs(y) - halfHeight + radius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

// A ragged line from `from` to `to`: a slow random wander plus fine tearing.
void tornEdge(QPolygonF& outline, QPointF from, QPointF to, SeededRandom& random, float depth)
{
    const QPointF along = to - from;
    const float length = float(std::hypot(along.x(), along.y()));
    const QPointF normal(-along.y() / length, along.x() / length);
    const int steps = std::max(2, int(length / 5.0f));
    float wander = 0;
    for (int i = 0; i < steps; ++i) {
        const float t = float(i) / float(steps);
        wander = std::clamp(wander + random.between(-0.35f, 0.35f) * depth, -depth, depth);
        const float tear = random.between(-0.3f, 0.3f) * depth;
        outline << from + along * t + normal * (wander + tear);
    }
}

} // namespace

Coverage ovalVignette(int w, int h)
{
    const float cx = float(w) / 2, cy = float(h) / 2;
    return Coverage::fromFunction(w, h, [&](float x, float y) {
        const float d = std::hypot((x - cx) / (cx * 0.92f), (y - cy) / (cy * 0.92f));
        return 1.0f - smoothstep(0.45f, 1.0f, d);
    });
}

Coverage rectangleVignette(int w, int h)
{
    const float cx = float(w) / 2, cy = float(h) / 2;
    const float feather = float(std::min(w, h)) * 0.16f;
    return Coverage::fromFunction(w, h, [&](float x, float y) {
        const float d = roundedBoxDistance(x - cx, y - cy, cx - 1.25f * feather, cy - 1.25f * feather, feather * 0.5f);
        return 1.0f - smoothstep(-feather, feather, d);
    });
}

Coverage tornPaper(int w, int h)
{
    SeededRandom random(0x7042A1u);
    const float m = float(std::min(w, h)) * 0.09f;
    const float depth = float(std::min(w, h)) * 0.025f;
    QPolygonF outline;
    tornEdge(outline, QPointF(m, m), QPointF(w - m, m), random, depth);
    tornEdge(outline, QPointF(w - m, m), QPointF(w - m, h - m), random, depth);
    tornEdge(outline, QPointF(w - m, h - m), QPointF(m, h - m), random, depth);
    tornEdge(outline, QPointF(m, h - m), QPointF(m, m), random, depth);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    Coverage coverage = Coverage::fromPath(path, w, h);
    coverage.soften(1.2f);
    return coverage;
}

Coverage brushStrokes(int w, int h)
{
    // Wide horizontal strokes whose ends fray into bristle streaks.
    const ValueNoise noise(0xB2054u);
    const float left = float(w) * 0.12f, right = float(w) * 0.88f;
    const float top = float(h) * 0.14f, bottom = float(h) * 0.86f;
    Coverage coverage = Coverage::fromFunction(w, h, [&](float x, float y) {
        const float slow = noise.at(y / 70.0f) * float(w) * 0.05f;
        const float bristles = noise.at(y / 3.0f, 11.3f) * float(w) * 0.025f;
        const float endLeft = left + slow + bristles;
        const float endRight = right - noise.at(y / 70.0f + 40.0f) * float(w) * 0.05f - noise.at(y / 3.0f, 57.1f) * float(w) * 0.025f;
        const float edgeTop = top + noise.at(x / 90.0f, 3.3f) * float(h) * 0.03f + noise.at(x / 6.0f, 91.0f) * 4.0f;
        const float edgeBottom = bottom + noise.at(x / 90.0f, 23.7f) * float(h) * 0.03f + noise.at(x / 6.0f, 71.0f) * 4.0f;
        const float horizontal = smoothstep(endLeft - 6.0f, endLeft + 6.0f, x) * (1.0f - smoothstep(endRight - 6.0f, endRight + 6.0f, x));
        const float vertical = smoothstep(edgeTop - 3.0f, edgeTop + 3.0f, y) * (1.0f - smoothstep(edgeBottom - 3.0f, edgeBottom + 3.0f, y));
        // Dry-brush gaps near the stroke ends.
        const float nearEnd = 1.0f - smoothstep(0.0f, float(w) * 0.06f, std::min(x - endLeft, endRight - x));
        const float streak = noise.at(x / 40.0f, y / 2.5f) > 0.55f ? 1.0f - nearEnd : 1.0f;
        return horizontal * vertical * streak;
    });
    coverage.soften(1.0f);
    return coverage;
}

Coverage wavyEdges(int w, int h)
{
    const float m = float(std::min(w, h)) * 0.1f;
    const float amplitude = float(std::min(w, h)) * 0.025f;
    const float waveLength = float(std::min(w, h)) * 0.2f;
    QPolygonF outline;
    // Each edge holds whole waves, so the edges meet at the corners without a notch.
    auto edge = [&](QPointF from, QPointF to) {
        const QPointF along = to - from;
        const float length = float(std::hypot(along.x(), along.y()));
        const QPointF outward(along.y() / length, -along.x() / length);
        const float waves = std::max(1.0f, std::round(length / waveLength));
        const int steps = int(length / 2.0f);
        for (int i = 0; i < steps; ++i) {
            const float t = float(i) / float(steps);
            outline << from + along * t + outward * (amplitude * std::sin(t * waves * 2.0f * kPi));
        }
    };
    edge(QPointF(m, m), QPointF(w - m, m));
    edge(QPointF(w - m, m), QPointF(w - m, h - m));
    edge(QPointF(w - m, h - m), QPointF(m, h - m));
    edge(QPointF(m, h - m), QPointF(m, m));
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    Coverage coverage = Coverage::fromPath(path, w, h);
    coverage.soften(2.5f);
    return coverage;
}

Coverage inkBlot(int w, int h)
{
    SeededRandom random(0x1B10Au);
    const float cx = float(w) / 2, cy = float(h) / 2;
    const float base = float(std::min(w, h)) * 0.30f;
    float phase[5], weight[5];
    for (int k = 0; k < 5; ++k) {
        phase[k] = random.between(0.0f, 2.0f * kPi);
        weight[k] = random.between(0.03f, 0.09f);
    }
    QPolygonF outline;
    for (int i = 0; i < 720; ++i) {
        const float a = 2.0f * kPi * float(i) / 720.0f;
        float radius = 1.0f;
        for (int k = 0; k < 5; ++k)
            radius += weight[k] * std::sin(float(k + 3) * a + phase[k]);
        outline << QPointF(cx + base * radius * std::cos(a), cy + base * radius * std::sin(a));
    }
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(outline);
    path.closeSubpath();
    for (int drop = 0; drop < 7; ++drop) {
        const float a = random.between(0.0f, 2.0f * kPi);
        // Far enough to read as splashes, near enough to stay inside the picture.
        const float distance = base * random.between(1.2f, 1.38f);
        const float size = base * random.between(0.04f, 0.10f);
        path.addEllipse(QPointF(cx + distance * std::cos(a), cy + distance * std::sin(a)), size, size);
    }
    Coverage coverage = Coverage::fromPath(path, w, h);
    coverage.soften(2.5f);
    return coverage;
}

Coverage grungeEdges(int w, int h)
{
    const ValueNoise noise(0x96E55u);
    const float cx = float(w) / 2, cy = float(h) / 2;
    const float feather = float(std::min(w, h)) * 0.06f;
    Coverage coverage = Coverage::fromFunction(w, h, [&](float x, float y) {
        const float d = roundedBoxDistance(x - cx, y - cy, cx * 0.80f, cy * 0.78f, feather);
        const float rough = noise.fractal(x / 60.0f, y / 60.0f, 5) * feather * 1.6f;
        return 1.0f - smoothstep(-feather * 0.35f, feather * 0.35f, d + rough);
    });
    coverage.soften(1.0f);
    return coverage;
}

} // namespace montora::maskpack
