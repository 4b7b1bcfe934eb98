#pragma once

namespace forms {

/// Makes a held Return, keypad Enter or Space press a button once, on every platform:
/// under X it drops the presses the X server repeats, which Qt does not always flag as
/// repeats. Call it once, after the QApplication exists.
void pressOncePerHeldKey();

} // namespace forms
