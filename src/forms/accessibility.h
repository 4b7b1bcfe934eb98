#pragma once

class QString;
class QWidget;

namespace forms {

/// Makes the accessibility layer describe this library's buttons and links: a button is
/// named by its caption read as one phrase (line breaks as blanks), a link by its
/// accessible name, and both offer a "press" action. buildForm() calls it.
void installAccessibility();

/// Has screen readers say `message` of `widget` once, politely: after what they are
/// saying, without moving the focus. Qt 6.8 brought announcements; before it nothing is
/// said.
void announce(QWidget* widget, const QString& message);

} // namespace forms
