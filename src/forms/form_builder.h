#pragma once

#include "forms/control_table.h"

#include <QColor>
#include <QRect>

class QFont;
class QLabel;
class QWidget;

namespace forms {

/// A rectangle in twips as logical pixels; edges are rounded, so neighbours stay flush.
QRect toPixels(const TwipRect& rect);

inline QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

/// The QFont for a control's typeface.
QFont toFont(const FontChoice& face);

/// Makes `form` the window `table` describes: its name, title, fixed client size, place
/// and background, and its controls (children named by their `name`), stacked in table
/// order with the first in front, the tab order chained by tab index.
void buildForm(QWidget* form, const FormTable& table);

/// Sets a label's caption; a label that grows to fit its text takes the new size, keeping
/// its top: a wrapping label grows downward, a one-line label sideways from the edge or
/// the centre its text is aligned to.
void setLabelCaption(QLabel* label, const QString& caption);

} // namespace forms
