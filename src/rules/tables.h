#pragma once

#include <span>
#include <string>
#include <string_view>

// The NEC ampacity tables 310.16 (raceway, cable or earth) and 310.17 (free air) as the
// calculator shows them: one list of display strings per installation condition,
// conductor material and insulation rating, with the table number and title that go
// with it.
namespace rules {

// The three keys of a list, each a type of its own, so that two keys cannot be swapped in
// a call.
enum class Installation {
    Raceway = 0, // in raceway, cable or earth: Table 310.16
    FreeAir = 1, // single conductors in free air: Table 310.17
};
enum class Material { Copper = 0, Aluminum = 1 };
// Insulation ratings in the NEC's order, which the insulation button steps from 60 °C.
enum class Insulation { Rated60 = 0, Rated75 = 1, Rated90 = 2 };

inline constexpr int kCopperRows = 25;
inline constexpr int kAluminumRows = 24; // no 14 AWG row

/// The 25 conductor sizes from "     14 AWG" to " 2000 MCM". Aluminum lists leave out the
/// first one, so aluminum row i is copper row i + 1.
std::span<const std::string_view, kCopperRows> sizeRows();

/// One of the twelve ampacity lists: row i belongs to row i of the size list of its
/// material (25 rows for copper, 24 for aluminum).
struct AmpacityList {
    std::string_view tableNumber; // caption of the table-number line
    std::string_view title;       // caption of the table title
    std::span<const std::string> rows;
};

/// The list for a selection.
AmpacityList ampacityList(Installation installation, Material material, Insulation insulation);

} // namespace rules
