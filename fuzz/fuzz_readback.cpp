// Any bytes as a row text: the read-back never crashes and agrees with strtod on the
// number it is meant to read (the leading digits and point, blanks, tabs and line feeds
// left out).

#include "rules/readback.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = rules::leadingNumber(text);

    // The oracle: the text without blanks, tabs and line feeds, cut where it stops being
    // digits with at most one point, read by strtod.
    std::string number(text);
    std::erase_if(number, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    number.resize(std::min(number.size(), number.find_first_not_of("0123456789.")));
    number.resize(std::min(number.size(), number.find('.', number.find('.') + 1)));
    const bool digit = number.find_first_of("0123456789") != std::string::npos;
    const double expected = digit ? std::strtod(number.c_str(), nullptr) : 0.0;
    if (std::isnan(value) || value < 0 || value != expected) {
        std::fprintf(stderr, "read %.17g, expected %.17g from \"%s\"\n", value, expected,
                     number.c_str());
        std::abort();
    }
    return 0;
}
