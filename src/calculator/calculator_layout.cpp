#include "calculator/calculator_layout.h"

namespace calculator {
namespace {

using forms::ControlRow;
using forms::FontChoice;
using forms::kFormGrey;
using forms::Kind;

constexpr FontChoice kArial9{.family = "Arial", .points = 9};

// Captions hold U+00B0 (degree), U+00A0 (no-break space) and U+00D7 (multiplication sign).
// clang-format off
constexpr ControlRow kControls[] = {
    {.kind = Kind::PushButton, .name = "exitButton", .caption = "EXIT",
     .rect = {6360, 2000, 720, 315}, .font = kArial9, .tabIndex = 9},
    {.kind = Kind::LineEdit, .name = "correctedAmpacity", .caption = "=15A (I \u00D7 1 \u00D7 1)",
     .rect = {3135, 2000, 1950, 315}, .textColour = kCopperRed, .tabIndex = 14,
     .accessibleName = "Corrected ampacity"},
    {.kind = Kind::PushButton, .name = "conductorCountButton", .caption = " Number of conductors     1-3",
     .rect = {5160, 1200, 1924, 636}, .backColour = kFormGrey, .tabIndex = 7,
     .accessibleName = "Number of conductors"}, // read while its caption is blank
    {.kind = Kind::PushButton, .name = "ambientButton",
     .caption = "Ambient Temperature   26-30\u00B0C\u00A0(78-86\u00B0F)",
     .rect = {3135, 1200, 1950, 636}, .tabIndex = 6},
    {.kind = Kind::PushButton, .name = "insulationButton", .caption = "Insulation 60\u00B0C\u00A0(140\u00B0F)",
     .rect = {1620, 1200, 1248, 636}, .tabIndex = 3},
    {.kind = Kind::PushButton, .name = "installationButton", .caption = "Raceway or\u00A0Cable",
     .rect = {660, 1200, 852, 636}, .tabIndex = 2},
    {.kind = Kind::PushButton, .name = "materialButton", .caption = "CU",
     .rect = {156, 1200, 432, 636}, .tabIndex = 1},
    {.kind = Kind::ComboBox, .name = "ampacityList", .rect = {1608, 2000, 1248, 315},
     .textColour = kCopperRed, .tabIndex = 5, .accessibleName = "Table ampacity"},
    {.kind = Kind::ComboBox, .name = "sizeList", .rect = {165, 2000, 1344, 315},
     .textColour = kCopperRed, .tabIndex = 4, .accessibleName = "Conductor size"},
    {.kind = Kind::Timer, .name = "ampacityListTimer", .interval = 50},
    {.kind = Kind::Timer, .name = "sizeListTimer", .interval = 50},
    {.kind = Kind::GroupBox, .name = "correctionFrame", .caption = "Ampacity with correction factors applied",
     .rect = {3060, 960, 4095, 1500}, .backColour = kFormGrey},
    {.kind = Kind::PushButton, .name = "readMeButton", .caption = "READ ME",
     .rect = {2100, 1040, 1095, 315}, .font = kArial9, .backColour = kFormGrey, .tabIndex = 8,
     .container = "correctionFrame"},
    {.kind = Kind::GroupBox, .name = "selectionFrame", .caption = "Select conductor and table",
     .rect = {84, 960, 2892, 1500}, .backColour = kFormGrey},
    {.kind = Kind::Label, .name = "tableTitle",
     .caption = "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts, Not "
                "More Than Three Current-Carrying Conductors in Raceway, Cable, or Earth "
                "(Directly Buried), Based on Ambient Temperature of 30\u00B0C (86\u00B0F)",
     .rect = {120, 315, 7095, 615}, .textColour = kTitleGrey, .backColour = kFormGrey, .wordWrap = true},
    {.kind = Kind::Label, .name = "tableNumber", .caption = "Table 310.15(B)(16) / Table 310.16",
     .rect = {120, 45, 3015, 195}, .font = kArial9, .backColour = kFormGrey},
};
// clang-format on

} // namespace

// Created at 2145, 2355 twips on the screen; the start moves it to the upper right.
constexpr forms::FormTable kCalculatorForm{.name = "calculatorWindow",
                                           .caption = "NEC 2017-2023 Brenvik",
                                           .clientArea = {2145, 2355, 7275, 2610},
                                           .controls = kControls};

} // namespace calculator
