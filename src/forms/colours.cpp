#include "forms/colours.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms {
namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled};

double luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The contrast ratio as the Web Content Accessibility Guidelines define it: 1 for equal
// colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// Built by hand as Qt builds it for its Fusion style where the desktop gives no palette.
// Qt's own (a style's standardPalette(), QApplication::palette()) follows the desktop's
// platform theme, and is dark on a dark desktop: the windows' fixed light grey would then
// carry light text.
QPalette lightPalette() {
    static const QPalette light = [] {
        const QColor back(239, 239, 239);
        const QColor mid = back.darker(130);
        const QColor dark = back.darker(150);
        QPalette palette(Qt::black, back, back.lighter(150), dark, mid, Qt::black, Qt::white);
        palette.setColor(QPalette::Midlight, mid.lighter(110));
        palette.setColor(QPalette::Shadow, dark.darker(135));
        palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
        // Disabled text a shade darker than Qt's, so that it reads on the windows' grey.
        for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
        palette.setColor(QPalette::Disabled, QPalette::Base, back);
        palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
        palette.setColor(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
        palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
        return palette;
    }();
    return light;
}

void setColours(QWidget* widget, const QColor& text, const QColor& back, const QColor& button) {
    QPalette palette = lightPalette();
    for (const auto group : kGroups) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Button, button);
    }
    widget->setPalette(palette);
    setTextColour(widget, text);
}

void setFormColours(QWidget* form, const QColor& back) {
    const QPalette light = lightPalette();
    QPalette palette = form->palette();
    for (const auto group : kGroups) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::WindowText, light.color(group, QPalette::WindowText));
    }
    form->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QColor readableOn(const QColor& colour, const QColor& back, double ratio) {
    const bool darken = luminance(back) > 0.18; // above mid grey: dark text reads best
    QColor shade = colour.toHsl();
    while (contrastRatio(shade, back) < ratio && shade.lightness() != (darken ? 0 : 255))
        shade.setHsl(shade.hslHue(), shade.hslSaturation(),
                     std::clamp(shade.lightness() + (darken ? -4 : 4), 0, 255));
    return shade.toRgb();
}

} // namespace forms
