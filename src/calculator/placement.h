#pragma once

#include <cstdint>

namespace calculator {

/// A window position in twips.
struct Placement {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

/// Where the main window goes at start-up: in the upper right of the screen, with gaps to
/// the top and right edges of half the window's outer height (rounded half to even), or
/// at the top left corner when the screen is too narrow for that. All values in twips;
/// 32-bit, so that a 4K screen (57,600 twips) fits.
Placement upperRightPlacement(std::int32_t outerWidth, std::int32_t outerHeight,
                              std::int32_t screenWidth);

} // namespace calculator
