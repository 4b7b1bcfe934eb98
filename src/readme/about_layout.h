#pragma once

#include "forms/control_table.h"

namespace readme {

/// The read-me window: created at 6015, 5205 twips on the screen, its load then moves it
/// onto the main window. The captions of the text labels are replaced when it loads.
extern const forms::FormTable kAboutForm;

} // namespace readme
