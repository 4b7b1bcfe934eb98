#pragma once

#include "forms/control_table.h"

namespace readme {

/// The read-me window: created at 6015, 5205 twips on the screen, then moved onto the
/// main window. The text labels are blank until the window fills them.
extern const forms::FormTable kReadMeForm;

} // namespace readme
