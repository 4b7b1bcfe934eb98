#pragma once

#include "forms/control_table.h"

namespace calculator {

/// The colours of the lists and the result box by material, and of the table title.
inline constexpr forms::Rgb kCopperRed{128, 0, 0};
inline constexpr forms::Rgb kAluminumBlue{0, 0, 192};
inline constexpr forms::Rgb kTitleGrey{75, 75, 75};

/// The main window and its 18 controls, front of the stacking order first.
extern const forms::FormTable kAmpacityForm;

} // namespace calculator
