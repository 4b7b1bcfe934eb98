#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace calculator {

/// Where the main window's outer top-left corner goes at start-up on `screen` (logical
/// pixels, anywhere on the desktop, negative coordinates included) for its outer size:
/// in the upper right, with gaps to the top and right edges of half the window's outer
/// height, or at the screen's top left corner when it is too narrow for that. Where the
/// screen is too short for the gap above the window, it is kept on the screen.
QPoint upperRightPlacement(const QRect& screen, const QSize& outer);

/// Where a window goes whose outer top-left corner is wanted at `wanted` on `screen`, for
/// its outer size: where it is wanted if it fits there, else moved up and to the left until
/// its bottom and right edges are on the screen, never past the screen's top or left edge.
QPoint keptOnScreen(const QRect& screen, const QPoint& wanted, const QSize& outer);

} // namespace calculator
