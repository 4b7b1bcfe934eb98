#pragma once

namespace forms {

/// Makes the two faces the windows are drawn in available: "MS Sans Serif" from Wine's
/// free bitmap face where it is installed and no screen is scaled (else a close sans),
/// "Arial" through the desktop's metric-compatible substitute. Call it after the
/// QApplication exists; a second call does nothing.
void loadFonts();

} // namespace forms
