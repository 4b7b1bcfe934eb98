#pragma once

#include "forms/control_table.h"

#include <QColor>
#include <QRect>
#include <QWidget>

class QFont;
class QLabel;

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

/// Points `control` at the control of `form` named `name`. A name the window's table does
/// not hold, or holds for another kind of control, is a slip in the program: it stops
/// with the name, in every kind of build.
template <typename T> void bind(const QWidget* form, T*& control, const char* name) {
    control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("%s has no control %s of the kind its code wants", qPrintable(form->objectName()),
               name);
}

/// Sets a label's caption; a label that grows to fit its text takes the new size, keeping
/// its top: a wrapping label grows downward, a one-line label sideways from the edge or
/// the centre its text is aligned to.
void setLabelCaption(QLabel* label, const QString& caption);

} // namespace forms
