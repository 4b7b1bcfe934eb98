// Any row text with any pair of factors from the cycles and a decimal separator: the
// corrected ampacity never crashes, and its text is always well formed: "out of range",
// or "=" N " A  (I × " N [" × " N] ")" with N a decimal number (with an exponent only from
// 10^7 on) that reads back to the value it stands for.

#include "rules/corrected_ampacity.h"
#include "rules/readback.h"
#include "rules/selection.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

// Reads N at `text`, written with `separator`, and moves past it.
double readNumber(std::string_view& text, std::string_view separator, const std::string& whole) {
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        plain += text[i++];
    const std::size_t digitsFrom = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        plain += text[i++];
    if (i == digitsFrom)
        fail("a number without digits", whole);
    if (text.substr(i).starts_with(separator)) {
        i += separator.size();
        plain += '.';
        const std::size_t fractionFrom = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            plain += text[i++];
        if (i == fractionFrom || text[i - 1] == '0')
            fail("an empty fraction or a trailing zero", whole);
    }
    if (text.substr(i).starts_with("e+")) {
        plain += "e+";
        i += 2;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            plain += text[i++];
        if (std::strtod(plain.c_str(), nullptr) < 1e7)
            fail("an exponent below 10^7", whole);
    }
    text.remove_prefix(i);
    return std::strtod(plain.c_str(), nullptr);
}

void expectPiece(std::string_view& text, std::string_view piece, const std::string& whole) {
    if (!text.starts_with(piece))
        fail("a piece of the formula is missing", whole);
    text.remove_prefix(piece.size());
}

bool near(double written, float value) {
    // Seven significant digits.
    return std::fabs(written - value) <= std::fabs(static_cast<double>(value)) * 6e-7;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    static const std::string_view separators[] = {".", ",", "\u066B"};
    const auto ambient = rules::ambientCycle(rules::Insulation{data[0] % 3});
    const auto count = rules::conductorCountCycle();
    const float ambFactor = ambient[data[1] % ambient.size()].factor;
    const float countFactor = count[(data[1] / 16) % count.size()].factor;
    const std::string_view separator = separators[data[2] % 3];
    const std::string_view row(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::string whole = rules::correctedAmpacityText(row, ambFactor, countFactor, separator);
    const double tableAmps = rules::leadingNumber(row);
    const float amps = rules::correctedAmps(static_cast<float>(tableAmps), ambFactor, countFactor);
    if (whole == rules::kOutOfRangeText) {
        if (std::isfinite(amps))
            fail("out of range with a finite result", whole);
        return 0;
    }
    std::string_view text = whole;
    expectPiece(text, "=", whole);
    if (!near(readNumber(text, separator, whole), amps))
        fail("the result is not the value computed", whole);
    expectPiece(text, " A  (I \u00D7 ", whole);
    if (!near(readNumber(text, separator, whole), ambFactor))
        fail("the ambient factor is misspelt", whole);
    if (countFactor != 1.0f) {
        expectPiece(text, " \u00D7 ", whole);
        if (!near(readNumber(text, separator, whole), countFactor))
            fail("the count factor is misspelt", whole);
    }
    expectPiece(text, ")", whole);
    if (!text.empty())
        fail("text after the formula", whole);
    if (amps < 0 || !std::isfinite(static_cast<float>(tableAmps)))
        fail("a negative or non-finite ampacity", whole);
    return 0;
}
