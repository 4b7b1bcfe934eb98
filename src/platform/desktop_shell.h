#pragma once

#include <QString>

namespace platform {

/// Opens `file` (a document, a web address or a "Mailto:" address) with the program the
/// desktop associates with it, in a normal window. The result is ignored: with no such
/// program nothing is shown and nothing changes.
void shellOpen(const QString& file);

} // namespace platform
