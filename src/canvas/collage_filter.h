#pragma once

#include "base/status.h"
#include "canvas/collage_project.h"
#include "imaging/effect_filter.h"

#include <QImage>

#include <functional>

namespace montora {

// A picture filter on the whole collage: the collage drawn at full size as the
// export draws it, filtered, and then standing in for every item as one pixel
// picture. That is one undo step, so the items come back with Undo, and the
// picture travels with the project like a calendar's.
class CollageFilter {
public:
    // The share done (0..1), on the calling thread; false stops the work.
    using Progress = std::function<bool(double done)>;

    static Result<QImage> filteredPicture(const CollageProject& project, EffectFilter::Kind kind,
                                          const Progress& progress = {});
    // The picture, unselected at the origin, becomes the collage's only item.
    static Status replaceItems(CollageProject& project, const QImage& picture);
};

} // namespace montora
