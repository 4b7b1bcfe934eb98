#pragma once

class QFont;

namespace forms {

/// Makes the two faces the windows are drawn in available: on Debian "MS Sans Serif" from
/// Wine's free bitmap face where it is installed and no screen is scaled, on Windows the
/// Liberation Sans the program carries, and "Arial" through a metric-compatible
/// substitute where it is missing. Call it after the QApplication exists; a second call
/// does nothing.
void loadFonts();

/// The font a control that asks for `family` at `points` is drawn in. "Arial" is itself.
/// "MS Sans Serif" is, on Windows, its outline face Microsoft Sans Serif; elsewhere, and
/// where that is missing, the bitmap face where it can be drawn, else Liberation Sans
/// narrowed to its widths.
QFont faceFont(const char* family, double points);

} // namespace forms
