#pragma once

#include <array>

namespace montora {

// One row of the crop dialog's aspect list. A ratio is width term : height term
// of the crop rectangle; zero terms mean no constraint.
struct CropAspectOption {
    int id;
    const char* caption;
    float widthTerm;
    float heightTerm;
};

class CropAspectOptions {
public:
    static constexpr int kCount = 8;
    static const std::array<CropAspectOption, kCount>& rows();
};

} // namespace montora
