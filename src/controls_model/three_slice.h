#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace montora {

// A skin drawn as a fixed left end, a stretched middle and a fixed right end.
// The ends keep their width whatever the target; a target narrower than both
// ends together shows only the ends, the right one drawn over the left.
struct ThreeSlice {
    int leftWidth;
    int middleX;
    int middleWidth;
    int rightX;
    int rightWidth;

    struct Piece {
        QRect source;
        QRect target;
    };

    // Pieces in drawing order for a source picture of sourceHeight rows drawn
    // into a target of `target` size.
    QList<Piece> pieces(QSize target, int sourceHeight) const;
};

} // namespace montora
