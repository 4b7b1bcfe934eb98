// Any bytes as a row text: the read-back never crashes and agrees with strtod on the
// number it is meant to read (the leading digits and point, blanks, tabs and line feeds
// left out).

#include "rules/readback.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = rules::leadingNumber(text);

    std::string number;
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (c >= '0' && c <= '9') {
            digit = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    const double expected = digit ? std::strtod(number.c_str(), nullptr) : 0.0;
    if (std::isnan(value) || value < 0 || value != expected) {
        std::fprintf(stderr, "read %.17g, expected %.17g from \"%s\"\n", value, expected,
                     number.c_str());
        std::abort();
    }
    return 0;
}
