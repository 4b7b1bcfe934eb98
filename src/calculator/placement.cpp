#include "calculator/placement.h"

#include <cmath>

namespace calculator {

Placement upperRightPlacement(std::int32_t outerWidth, std::int32_t outerHeight,
                              std::int32_t screenWidth) {
    Placement place;
    place.top = static_cast<std::int32_t>(std::nearbyint(outerHeight / 2.0));
    place.left = static_cast<std::int32_t>(
        std::nearbyint(static_cast<double>(screenWidth) - outerWidth - place.top));
    if (place.left < 0 || place.top < 0)
        place = {};
    return place;
}

} // namespace calculator
