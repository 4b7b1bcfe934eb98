#pragma once

#include "rules/tables.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The two correction cycles stepped by the calculator's ambient and conductor-count
// buttons. Neither keeps an index: the range in force is recognised from its factor by
// exact single-precision comparison.
namespace rules {

/// One state of a cycle: a click in state `current` moves to factor `next` and shows
/// `range` on the button.
struct CycleEntry {
    float current;
    float next;
    std::string_view range;
};

/// Where a click leads: the new factor and the button's new two-line caption.
struct CycleStep {
    float factor;
    std::string caption;
};

/// The ambient temperature cycle of an insulation rating (a value other than the three
/// ratings takes the 90 °C cycle), from 31-35 °C round to 26-30 °C (factor 1).
std::span<const CycleEntry> ambientCycle(Insulation insulation);

/// The seven conductor-count ranges, from 4-6 round to 1-3 (factor 1).
std::span<const CycleEntry> conductorCountCycle();

/// The next ambient range after `ambientFactor`. A factor foreign to the rating's cycle
/// goes back to 26-30 °C with factor 1.
CycleStep nextAmbient(Insulation insulation, float ambientFactor);

/// The next conductor-count range after `conductorCountFactor`, or nothing when the factor
/// is not one of the cycle's (the caller then leaves factor and caption as they are).
std::optional<CycleStep> nextConductorCount(float conductorCountFactor);

/// "Ambient" CR LF and the range: the ambient button's caption for a range.
std::string ambientCaption(std::string_view range);

/// "Number of conductors" CR LF and the range: the count button's caption for a range.
std::string conductorCountCaption(std::string_view range);

/// The reference ranges whose factor is 1.
inline constexpr std::string_view kAmbientReferenceRange = "26-30\u00B0C\u00A0(78-86\u00B0F)";
inline constexpr std::string_view kConductorCountReferenceRange = "1-3";

} // namespace rules
