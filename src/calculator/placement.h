#pragma once

namespace calculator {

/// A window position in twips.
struct Placement {
    int left = 0;
    int top = 0;
};

/// Where the main window goes at start-up: in the upper right of the screen, with gaps to
/// the top and right edges of half the window's outer height (rounded half to even), or
/// at the top left corner when the screen is too narrow for that. All values in twips,
/// which a 4K screen has 57,600 of across.
Placement upperRightPlacement(int outerWidth, int outerHeight, int screenWidth);

/// A rectangle in logical pixels: a screen's geometry.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// The main window's place on a screen, in twips relative to the screen and as the
/// window's top-left corner in the desktop's logical pixels.
struct ScreenPlacement {
    Placement twips;
    int x = 0;
    int y = 0;
};

/// upperRightPlacement() for a window of the given outer size (logical pixels) on
/// `screen`, which may lie anywhere on the desktop, negative coordinates included.
/// Where the screen is too short for the gap above the window, the window moves up
/// until its bottom edge is on the screen again (never above the screen's top).
ScreenPlacement placeOnScreen(const PixelRect& screen, int outerWidth, int outerHeight);

} // namespace calculator
