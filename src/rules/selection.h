#pragma once

#include "rules/tables.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// What the user chooses with the calculator's five selector buttons, and the two
// correction cycles that the ambient and conductor-count buttons step through.
namespace rules {

/// A range of a correction cycle: its factor, and the text the button shows for it.
struct Range {
    float factor;
    std::string_view text;
};

/// The ambient temperature ranges of an insulation rating: 26-30 °C (factor 1) first,
/// then from 31-35 °C up through the warm ranges the rating allows, and round the cool
/// ones from 10 °C or less.
std::span<const Range> ambientCycle(Insulation insulation);

/// The conductor-count ranges: 1-3 (factor 1) first, then 4-6 up to 41 and above.
std::span<const Range> conductorCountCycle();

/// The selection: material, installation, insulation rating, and the ambient and
/// conductor-count ranges as positions in their cycles. The default is the start:
/// copper in raceway at 60 °C, 26-30 °C and 1-3 conductors.
struct Selection {
    Material material = Material::Copper;
    Installation installation = Installation::Raceway;
    Insulation insulation = Insulation::Rated60;
    std::size_t ambient = 0;        // in ambientCycle(insulation)
    std::size_t conductorCount = 0; // in conductorCountCycle(); 0 in free air

    friend bool operator==(const Selection&, const Selection&) = default;
};

// A click on each selector button: the selection it leads to.
Selection nextMaterial(Selection selection);
/// The count starts again at 1-3.
Selection nextInstallation(Selection selection);
/// 60, 75, 90 °C and round; each rating's ambient cycle starts again at 26-30 °C.
Selection nextInsulation(Selection selection);
Selection nextAmbient(Selection selection);
/// In free air no count applies: it stays at 1-3.
Selection nextConductorCount(Selection selection);

float ambientFactor(const Selection& selection);
float conductorCountFactor(const Selection& selection);

// The buttons' captions for a selection, UTF-8; a CR LF breaks a caption in two lines.
std::string_view materialCaption(const Selection& selection);
std::string_view installationCaption(const Selection& selection);
std::string_view insulationCaption(const Selection& selection);
/// "Ambient" CR LF the range.
std::string ambientCaption(const Selection& selection);
/// "Number of conductors" CR LF the range; nothing in free air.
std::string conductorCountCaption(const Selection& selection);

} // namespace rules
