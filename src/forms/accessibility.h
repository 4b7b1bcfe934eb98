#pragma once

namespace forms {

/// Makes the accessibility layer describe this library's buttons and links: a button is
/// named by its caption read as one phrase (line breaks as blanks), a link by its
/// accessible name, and both offer a "press" action. buildForm() calls it.
void installAccessibility();

} // namespace forms
