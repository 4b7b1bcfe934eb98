#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The NEC ampacity tables 310.16 (raceway, cable or earth) and 310.17 (free air) as the
// calculator shows them: one list of display strings per installation condition,
// conductor material and insulation rating, with the table number and title that go
// with it.
namespace rules {

// Selection keys, as the calculator window keeps them.
inline constexpr std::int16_t kRaceway = 0; // CondSel: Table 310.16
inline constexpr std::int16_t kFreeAir = 1; // CondSel: Table 310.17
inline constexpr std::int16_t kCopper = 0;  // MaterSel
inline constexpr std::int16_t kAluminum = 1;
inline constexpr std::int16_t kInsulation75 = 0; // TempSel
inline constexpr std::int16_t kInsulation90 = 1;
inline constexpr std::int16_t kInsulation60 = 2;

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

/// The list for a selection, or nothing when a key is outside the values above.
std::optional<AmpacityList> ampacityList(std::int16_t materSel, std::int16_t condSel,
                                         std::int16_t tempSel);

} // namespace rules
