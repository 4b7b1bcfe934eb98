#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace calculator {

/// Where the main window's outer top-left corner goes at start-up on `screen` (logical
/// pixels, anywhere on the desktop, negative coordinates included) for its outer size:
/// in the upper right, with gaps to the top and right edges of half the window's outer
/// height, or at the screen's top left corner when it is too narrow for that. Where the
/// screen is too short for the gap above the window, the window moves up until its
/// bottom edge is on the screen again (never above the screen's top).
QPoint upperRightPlacement(const QRect& screen, const QSize& outer);

} // namespace calculator
