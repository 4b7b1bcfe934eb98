#pragma once

#include "forms/control_spec.h"

#include <QColor>
#include <QRect>
#include <span>

class QFont;
class QLabel;
class QWidget;

namespace forms {

/// A rectangle in twips as logical pixels; edges are rounded, so neighbours stay flush.
QRect toPixels(const TwipRect& rect);

inline QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

/// The QFont for a control's font description.
QFont toFont(const FontSpec& face);

/// Creates the controls of `controls` on `form` (children named by their `name`), stacks
/// them in table order with the first in front, and chains the tab order by tab index.
void buildForm(QWidget* form, std::span<const ControlSpec> controls);

/// Sets a label's caption; a label that grows to fit its text takes the new size (a
/// wrapping label grows downward, a one-line label sideways), keeping its top left.
void setLabelCaption(QLabel* label, const QString& caption);

/// Gives `widget` a text colour (the roles that Qt's styles draw text with).
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace forms
