#include "rules/tables.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rules {
namespace {

// clang-format off
constexpr std::array<std::string_view, kCopperRows> kSizes = {
    "     14 AWG", "     12 AWG", "     10 AWG", "       8 AWG", "       6 AWG",
    "       4 AWG", "       3 AWG", "       2 AWG", "       1 AWG", "   1/0 AWG",
    "   2/0 AWG",   "   3/0 AWG",   "   4/0 AWG",   "   250 MCM",   "   300 MCM",
    "   350 MCM",   "   400 MCM",   "   500 MCM",   "   600 MCM",   "   750 MCM",
    " 1000 MCM",    " 1250 MCM",    " 1500 MCM",    " 1750 MCM",    " 2000 MCM",
};
// clang-format on

constexpr std::string_view kNumber16 = "Table 310.15(B)(16) / Table 310.16";
constexpr std::string_view kNumber17 = "Table 310.15(B)(17) / Table 310.17";
constexpr std::string_view kNumber17Al60 = "Table 310.15(B)(17)  Table 310.17";
constexpr std::string_view kTitle16 =
    "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts, Not More Than "
    "Three Current-Carrying Conductors in Raceway, Cable, or Earth (Directly Buried), Based on "
    "Ambient Temperature of 30\u00B0C (86\u00B0F)";
constexpr std::string_view kTitle17 =
    "Ampacities of Single-Insulated Conductors Rated Up to and Including 2000 Volts in Free Air, "
    "Based on Ambient Temperature of 30\u00B0C (86\u00B0F)";

// Table ampacities in amperes, indexed [installation][material][column] with the columns
// in the NEC's order 60, 75, 90 °C. Copper columns start at 14 AWG, aluminum ones at 12 AWG.
using Column = std::array<std::int16_t, kCopperRows>;
// clang-format off
constexpr Column kAmps[2][2][3] = {
    // Table 310.16: raceway, cable or earth.
    {{
         {15, 20, 30, 40, 55, 70, 85, 95, 110, 125, 145, 165, 195,
          215, 240, 260, 280, 320, 350, 400, 455, 495, 525, 545, 555},
         {20, 25, 35, 50, 65, 85, 100, 115, 130, 150, 175, 200, 230,
          255, 285, 310, 335, 380, 420, 475, 545, 590, 625, 650, 665},
         {25, 30, 40, 55, 75, 95, 115, 130, 145, 170, 195, 225, 260,
          290, 320, 350, 380, 430, 475, 535, 615, 665, 705, 735, 750},
     },
     {
         {15, 25, 35, 40, 55, 65, 75, 85, 100, 115, 130, 150,
          170, 195, 210, 225, 260, 285, 320, 375, 405, 435, 455, 470},
         {20, 30, 40, 50, 65, 75, 90, 100, 120, 135, 155, 180,
          205, 230, 250, 270, 310, 340, 385, 445, 485, 520, 545, 560},
         {25, 35, 45, 55, 75, 85, 100, 115, 135, 150, 175, 205,
          230, 260, 280, 305, 350, 385, 435, 500, 545, 585, 615, 630},
     }},
    // Table 310.17: single conductors in free air.
    {{
         {25, 30, 40, 60, 80, 105, 120, 140, 165, 195, 225, 260, 300,
          340, 375, 420, 455, 515, 575, 655, 780, 890, 980, 1070, 1155},
         {30, 35, 50, 70, 95, 125, 145, 170, 195, 230, 265, 310, 360,
          405, 445, 505, 545, 620, 690, 785, 935, 1065, 1175, 1280, 1385},
         {35, 40, 55, 80, 105, 140, 165, 190, 220, 260, 300, 350, 405,
          455, 500, 570, 615, 700, 780, 885, 1055, 1200, 1325, 1445, 1560},
     },
     {
         {25, 35, 45, 60, 80, 95, 110, 130, 150, 175, 200, 235,
          265, 290, 330, 355, 405, 455, 515, 625, 710, 795, 875, 960},
         {30, 40, 55, 75, 100, 115, 135, 155, 180, 210, 240, 280,
          315, 350, 395, 425, 485, 545, 620, 750, 855, 950, 1050, 1150},
         {35, 45, 60, 85, 115, 130, 150, 175, 205, 235, 270, 315,
          355, 395, 445, 480, 545, 615, 700, 845, 965, 1070, 1185, 1295},
     }},
};
// clang-format on

// NEC 240.4(D) limits shown after the small conductors' ampacities.
constexpr std::string_view kCopperLimits[] = {" (15A)", " (20A)", " (30A)"};
constexpr std::string_view kAluminumLimits[] = {" (15A)", " (25A)"};

// Rows written differently from the display rule; they are shown exactly like this.
struct Departure {
    Installation installation;
    Material material;
    Insulation insulation;
    int row;
    std::string_view text;
};
constexpr Departure kDepartures[] = {
    {Installation::Raceway, Material::Copper, Insulation::Rated60, 0, "   15A"},
    {Installation::Raceway, Material::Copper, Insulation::Rated60, 1, "   20A"},
    {Installation::FreeAir, Material::Copper, Insulation::Rated75, 0, "  30 A (15A)"},
    {Installation::FreeAir, Material::Copper, Insulation::Rated75, 1, "  35 A (20A)"},
    {Installation::FreeAir, Material::Copper, Insulation::Rated75, 2, "  50 A (30A)"},
    {Installation::FreeAir, Material::Copper, Insulation::Rated75, 3, "  70 A"},
    {Installation::FreeAir, Material::Copper, Insulation::Rated75, 4, "  95 A"},
};

constexpr int index(auto key) {
    return static_cast<int>(key);
}

// The display rule: the value right-aligned in five characters, " A", and on the small
// conductors the protection limit, except in the two 60 °C lists of Table 310.16 where
// each small-conductor value already equals its limit.
std::string displayRow(int amps, Installation installation, Material material,
                       Insulation insulation, int row) {
    std::string digits = std::to_string(amps);
    std::string text(digits.size() < 5 ? 5 - digits.size() : 0, ' ');
    text += digits;
    text += " A";
    if (installation == Installation::Raceway && insulation == Insulation::Rated60)
        return text;
    const std::span<const std::string_view> limits =
        material == Material::Copper ? std::span<const std::string_view>(kCopperLimits)
                                     : std::span<const std::string_view>(kAluminumLimits);
    if (row < static_cast<int>(limits.size()))
        text += limits[row];
    return text;
}

struct Lists {
    std::vector<std::string> rows[2][2][3]; // [installation][material][insulation]
};

const Lists& lists() {
    static const Lists built = [] {
        Lists all;
        for (const auto installation : {Installation::Raceway, Installation::FreeAir})
            for (const auto material : {Material::Copper, Material::Aluminum})
                for (const auto insulation :
                     {Insulation::Rated60, Insulation::Rated75, Insulation::Rated90}) {
                    const int count = material == Material::Copper ? kCopperRows : kAluminumRows;
                    const Column& amps =
                        kAmps[index(installation)][index(material)][index(insulation)];
                    auto& rows = all.rows[index(installation)][index(material)][index(insulation)];
                    rows.reserve(count);
                    for (int row = 0; row < count; ++row)
                        rows.push_back(
                            displayRow(amps[row], installation, material, insulation, row));
                }
        for (const Departure& d : kDepartures)
            all.rows[index(d.installation)][index(d.material)][index(d.insulation)][d.row] =
                std::string(d.text);
        return all;
    }();
    return built;
}

} // namespace

std::span<const std::string_view, kCopperRows> sizeRows() {
    return kSizes;
}

AmpacityList ampacityList(Installation installation, Material material, Insulation insulation) {
    const bool freeAir = installation == Installation::FreeAir;
    std::string_view number = freeAir ? kNumber17 : kNumber16;
    if (freeAir && material == Material::Aluminum && insulation == Insulation::Rated60)
        number = kNumber17Al60;
    return AmpacityList{number, freeAir ? kTitle17 : kTitle16,
                        lists().rows[index(installation)][index(material)][index(insulation)]};
}

} // namespace rules
