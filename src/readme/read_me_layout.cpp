#include "readme/read_me_layout.h"

namespace readme {
namespace {

using forms::Align;
using forms::ControlRow;
using forms::FontChoice;
using forms::Kind;

constexpr FontChoice kBold{.bold = true};
constexpr FontChoice kArialSmall{.family = "Arial", .points = 8.25};
constexpr FontChoice kArial{.family = "Arial", .points = 9.75};
constexpr FontChoice kArialLink{.family = "Arial", .points = 9.75, .underline = true};

// clang-format off
constexpr ControlRow kControls[] = {
    {.kind = Kind::PushButton, .name = "okButton", .caption = "OK",
     .rect = {3000, 8500, 1095, 345}, .font = kBold, .tabIndex = 1},
    {.kind = Kind::Label, .name = "versionLine", .rect = {105, 9000, 3045, 210},
     .font = kArialSmall, .wordWrap = true, .growToFit = true},
    {.kind = Kind::Label, .name = "copyrightNotice", .rect = {4200, 9000, 3045, 210},
     .font = kArialSmall, .align = Align::Right, .wordWrap = true,
     .growToFit = true},
    {.kind = Kind::Label, .name = "orderingTerms", .rect = {105, 7395, 7095, 240},
     .font = kArial, .wordWrap = true, .growToFit = true},
    {.kind = Kind::Label, .name = "smallConductorLimits", .rect = {105, 4050, 7095, 240},
     .font = kArial, .wordWrap = true, .growToFit = true},
    {.kind = Kind::Label, .name = "necNotes", .rect = {105, 1560, 7095, 240},
     .font = kArial, .wordWrap = true, .growToFit = true},
    {.kind = Kind::Label, .name = "mailLink", .caption = "brenvik@tarnholm.example",
     .rect = {2760, 8000, 1605, 240}, .font = kArialLink, .tabIndex = 2, .align = Align::Centre,
     .growToFit = true, .link = true}, // one line, as wide as the address
    {.kind = Kind::Label, .name = "disclaimer", .rect = {105, 105, 7095, 240},
     .font = kArial, .wordWrap = true, .growToFit = true},
    {.kind = Kind::Label, .name = "webLink", .caption = "https://www.tarnholm.example",
     .rect = {2040, 6800, 3015, 375}, .font = kArialLink, .tabIndex = 3, .align = Align::Centre,
     .link = true},
};
// clang-format on

} // namespace

constexpr forms::FormTable kReadMeForm{.name = "readMeWindow",
                                       .caption = "About Brenvik",
                                       .clientArea = {6015, 5205, 7350, 9240},
                                       .controls = kControls};

} // namespace readme
