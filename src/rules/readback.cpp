#include "rules/readback.h"

#include <charconv>
#include <limits>
#include <string>

namespace rules {

double leadingNumber(std::string_view text) {
    std::string number;
    bool point = false;
    bool nonZeroWhole = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (c >= '0' && c <= '9') {
            nonZeroWhole = nonZeroWhole || (!point && c != '0');
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    // from_chars leaves the value alone where it reads nothing ("" or a lone ".") and where
    // the number is beyond a double, too large or too small.
    double value = 0.0;
    const char* digits = number.data();
    const auto read =
        std::from_chars(digits, digits + number.size(), value, std::chars_format::fixed);
    if (read.ec == std::errc::result_out_of_range && nonZeroWhole)
        return std::numeric_limits<double>::infinity();
    return value;
}

} // namespace rules
