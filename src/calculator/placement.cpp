#include "calculator/placement.h"

#include "forms/control_table.h"

#include <algorithm>
#include <cmath>

namespace calculator {

QPoint upperRightPlacement(const QRect& screen, const QSize& outer) {
    // The gap is half the outer height in twips, rounded half to even, and the left edge
    // is found in twips too: on a window of odd height that lands a pixel apart from
    // halving the height in pixels.
    constexpr int kTwips = forms::kTwipsPerPixel;
    const double gap = std::nearbyint(outer.height() * kTwips / 2.0);
    const double left = static_cast<double>(screen.width() - outer.width()) * kTwips - gap;
    if (left < 0)
        return screen.topLeft();
    int top = static_cast<int>(std::lround(gap / kTwips));
    if (top + outer.height() > screen.height())
        top = std::max(0, screen.height() - outer.height());
    return screen.topLeft() + QPoint(static_cast<int>(std::lround(left / kTwips)), top);
}

} // namespace calculator
