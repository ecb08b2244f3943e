#include "tools/crop_aspect_options.h"

namespace montora {

const std::array<CropAspectOption, CropAspectOptions::kCount>& CropAspectOptions::rows()
{
    static const std::array<CropAspectOption, kCount> table{{
        {10580, "No Constraint", 0, 0},
        {10581, "4 * 3", 4, 3},
        {10582, "4 * 6", 4, 6},
        {10583, "5 * 7", 5, 7},
        {10584, "6 * 8", 6, 8},
        {10585, "7 * 10", 7, 10},
        {10586, "12 * 10", 12, 10},
        {10587, "16 * 9", 16, 9},
    }};
    return table;
}

} // namespace montora
