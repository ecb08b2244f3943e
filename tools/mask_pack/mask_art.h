#pragma once

#include "coverage.h"

#include <QString>

#include <vector>

namespace montora::maskpack {

struct MaskArt {
    QString name;
    int width;
    int height;
    Coverage (*draw)(int width, int height);
};

// Geometric shapes with soft edges.
Coverage ellipse(int w, int h);
Coverage roundedRectangle(int w, int h);
Coverage heart(int w, int h);
Coverage star(int w, int h);
Coverage cloud(int w, int h);
Coverage hexagon(int w, int h);
Coverage circle(int w, int h);
Coverage diamond(int w, int h);
Coverage octagon(int w, int h);
Coverage archWindow(int w, int h);
Coverage postageStamp(int w, int h);
Coverage flower(int w, int h);
Coverage speechBubble(int w, int h);
Coverage shield(int w, int h);
Coverage leaf(int w, int h);
Coverage crescent(int w, int h);
Coverage sparkle(int w, int h);
Coverage bubbles(int w, int h);
Coverage ticket(int w, int h);
Coverage puzzlePiece(int w, int h);
Coverage panorama(int w, int h);

// Vignettes and hand-made edges.
Coverage ovalVignette(int w, int h);
Coverage rectangleVignette(int w, int h);
Coverage tornPaper(int w, int h);
Coverage brushStrokes(int w, int h);
Coverage wavyEdges(int w, int h);
Coverage inkBlot(int w, int h);
Coverage grungeEdges(int w, int h);

} // namespace montora::maskpack
