#pragma once

#include <QString>
#include <functional>

namespace platform {

/// Opens `file` (a document, a web address or a "Mailto:" address) with the program the
/// desktop associates with it, in a normal window. The result is ignored: with no such
/// program nothing is shown and nothing changes.
void shellOpen(const QString& file);

using ShellOpener = std::function<void(const QString& file)>;

/// Replaces what shellOpen() does, for tests that record instead of opening; returns
/// the opener it replaced.
ShellOpener setShellOpener(ShellOpener opener);

} // namespace platform
