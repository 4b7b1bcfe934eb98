#pragma once

#include "forms/control_table.h"
#include "rules/tables.h"

namespace calculator {

/// The colours of the lists and the result box by material, and of the table title.
inline constexpr forms::Rgb kCopperRed{128, 0, 0};
inline constexpr forms::Rgb kAluminumBlue{0, 0, 192};
inline constexpr forms::Rgb kTitleGrey{75, 75, 75};

constexpr forms::Rgb materialColour(rules::Material material) {
    return material == rules::Material::Copper ? kCopperRed : kAluminumBlue;
}

/// The main window and its controls, front of the stacking order first.
extern const forms::FormTable kCalculatorForm;

} // namespace calculator
