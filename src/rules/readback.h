#pragma once

#include <string_view>

namespace rules {

/// The number a row text starts with, as the calculator reads a table ampacity back from
/// the row shown in the ampacity list. Blanks, tabs and line feeds are skipped wherever
/// they stand; then come decimal digits with an optional '.' (whatever the locale) and
/// fraction digits, and reading stops at the first character that cannot continue the
/// number. "   25 A (15A)" gives 25, "   15A" gives 15, a text with no number gives 0.
/// A number too large for a double gives +infinity.
double leadingNumber(std::string_view text);

} // namespace rules
