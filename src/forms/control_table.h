#pragma once

#include <cstdint>
#include <optional>
#include <span>

// A window described as data: every control with its kind, name, caption, place in
// twips, font, colours and, where it takes the focus, its tab index, from the front of
// the stacking order to the back.
namespace forms {

/// 15 twips make one logical pixel; Qt's own scaling takes it from there on high-DPI
/// screens.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

/// The light grey both windows and their frames are painted in.
inline constexpr Rgb kFormGrey{224, 224, 224};

/// A control's typeface; the windows' default is MS Sans Serif 8.25 pt.
struct FontChoice {
    const char* family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// What a control is, by the Qt widget it builds.
enum class Kind {
    PushButton, // a WrapButton: the caption wraps at word boundaries
    ComboBox,   // a ListCombo: pick a row, no typing
    LineEdit,   // one line of text
    Label,      // a QLabel, or a LinkLabel
    GroupBox,   // a titled frame; may contain controls
    Timer,      // a QTimer, not shown; `interval` in milliseconds; the window runs it
};

enum class Align { Left, Right, Centre };

/// One row of a window's control table.
struct ControlRow {
    Kind kind = Kind::Label;
    const char* name = "";
    const char* caption = ""; // UTF-8, shown exactly; CR LF is a line break
    TwipRect rect{};
    FontChoice font{};
    std::optional<Rgb> textColour{};
    std::optional<Rgb> backColour{};
    int tabIndex = -1;                    // controls that take the focus: their keyboard order
    int interval = 0;                     // timers only
    const char* container = nullptr;      // name of the frame that holds it; none: the window
    Align align = Align::Left;            // labels only
    bool wordWrap = false;                // labels only
    bool growToFit = false;               // labels only: the height grows to fit the text
    bool link = false;                    // labels only: highlight colour and pointing hand
    const char* accessibleName = nullptr; // for screen readers where the caption does not say
};

/// A window: its name, title, where its client area is created (twips, on the screen),
/// its background and its controls.
struct FormTable {
    const char* name = "";
    const char* caption = ""; // UTF-8
    TwipRect clientArea{};
    Rgb backColour = kFormGrey;
    std::span<const ControlRow> controls{}; // a frame before the controls inside it
};

} // namespace forms
