#include "controls_model/three_slice.h"

namespace montora {

QList<ThreeSlice::Piece> ThreeSlice::pieces(QSize target, int sourceHeight) const
{
    QList<Piece> result;
    if (target.isEmpty() || sourceHeight <= 0)
        return result;
    const int height = target.height();
    result.append({QRect(0, 0, leftWidth, sourceHeight), QRect(0, 0, leftWidth, height)});
    const int middle = target.width() - leftWidth - rightWidth;
    if (middle > 0)
        result.append({QRect(middleX, 0, middleWidth, sourceHeight), QRect(leftWidth, 0, middle, height)});
    result.append({QRect(rightX, 0, rightWidth, sourceHeight),
                   QRect(target.width() - rightWidth, 0, rightWidth, height)});
    return result;
}

} // namespace montora
