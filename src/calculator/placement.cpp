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
    const QPoint wanted(static_cast<int>(std::lround(left / kTwips)),
                        static_cast<int>(std::lround(gap / kTwips)));
    return keptOnScreen(screen, screen.topLeft() + wanted, outer);
}

QPoint keptOnScreen(const QRect& screen, const QPoint& wanted, const QSize& outer) {
    return {std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - outer.width())),
            std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - outer.height()))};
}

} // namespace calculator
