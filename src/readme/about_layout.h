#pragma once

#include "forms/control_spec.h"

#include <span>

namespace readme {

/// The read-me window's client area and where it is created, in twips; its load then
/// moves it onto the main window.
inline constexpr forms::TwipRect kAboutClientArea{6015, 5205, 7350, 9240};

/// The read-me window's controls, front of the stacking order first. The captions of
/// the text labels are replaced when the window loads.
std::span<const forms::ControlSpec> aboutControls();

} // namespace readme
