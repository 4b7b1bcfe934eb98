#pragma once

#include "forms/control_spec.h"

#include <span>

namespace calculator {

/// The main window's client area, in twips.
inline constexpr forms::TwipRect kAmpacityClientArea{0, 0, 7275, 2610};

/// The main window's 18 controls, front of the stacking order first.
std::span<const forms::ControlSpec> ampacityControls();

} // namespace calculator
