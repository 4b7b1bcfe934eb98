#include "calculator/placement.h"

#include "forms/control_table.h"

#include <algorithm>
#include <cmath>

namespace calculator {

Placement upperRightPlacement(int outerWidth, int outerHeight, int screenWidth) {
    Placement place;
    place.top = static_cast<int>(std::nearbyint(outerHeight / 2.0));
    place.left =
        static_cast<int>(std::nearbyint(static_cast<double>(screenWidth) - outerWidth - place.top));
    if (place.left < 0 || place.top < 0)
        place = {};
    return place;
}

ScreenPlacement placeOnScreen(const PixelRect& screen, int outerWidth, int outerHeight) {
    constexpr int kTwips = forms::kTwipsPerPixel;
    ScreenPlacement result;
    result.twips =
        upperRightPlacement(outerWidth * kTwips, outerHeight * kTwips, screen.width * kTwips);
    const auto pixels = [](int twips) {
        return static_cast<int>(std::lround(static_cast<double>(twips) / kTwips));
    };
    result.x = screen.left + pixels(result.twips.left);
    int top = pixels(result.twips.top);
    if (top + outerHeight > screen.height)
        top = std::max(0, screen.height - outerHeight);
    result.y = screen.top + top;
    return result;
}

} // namespace calculator
