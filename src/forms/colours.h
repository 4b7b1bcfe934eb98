#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours come in pairs: where the program fixes a control's background it fixes the
// text drawn on it too, and the other way round, so that any desktop theme, dark or
// light, leaves every caption readable. Controls whose colours the program does not set
// take both from the theme.
namespace forms {

/// The light palette Qt's Fusion style draws in where the desktop gives none, whatever the
/// desktop gives: what a control with fixed colours shows in the roles the program does
/// not fix.
QPalette lightPalette();

/// Fixes every colour of `widget`: `text` where it writes (text, button text and window
/// text), `back` behind it and `button` on button faces, and the light desktop's colours
/// in every other role, its highlight and disabled text included.
void setColours(QWidget* widget, const QColor& text, const QColor& back, const QColor& button);

/// A window's own background, with the light desktop's text colour on it; its controls
/// keep the theme's colours unless they fix their own.
void setFormColours(QWidget* form, const QColor& back);

/// Changes the text colour of a control whose colours are fixed.
void setTextColour(QWidget* widget, const QColor& colour);

/// `colour`, darkened (on a light background) or lightened (on a dark one) in its own
/// hue just enough to read at `ratio` on `back`.
QColor readableOn(const QColor& colour, const QColor& back, double ratio = 4.5);

} // namespace forms
