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
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return nonZeroWhole ? std::numeric_limits<double>::infinity() : 0.0;
    if (error != std::errc() || end == first)
        return 0.0; // no digits at all: "" or a lone "."
    return value;
}

} // namespace rules
