#include "rules/corrected_ampacity.h"

#include "rules/readback.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rules {

namespace {
constexpr std::string_view kTimes = " \u00D7 ";
constexpr std::string_view kFormula = " A  (I \u00D7 ";
} // namespace

std::string numberText(float value, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return std::string(kOutOfRangeText);
    if (value == 0.0f)
        return "0";

    // Seven significant digits as d.dddddde±x, then written out without the exponent.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.6e", std::fabs(static_cast<double>(value)));
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, wholeDigits);
    text += decimalSeparator;
    text.append(digits, wholeDigits);
    return text;
}

bool correctionApplies(float ambFactor, float noOfWFactor) {
    return static_cast<float>(static_cast<double>(ambFactor) * noOfWFactor) != 1.0f;
}

CorrectedAmpacity correctedAmpacity(std::string_view rowText, float ambFactor, float noOfWFactor,
                                    std::string_view decimalSeparator) {
    CorrectedAmpacity result;
    result.tableAmps = static_cast<float>(leadingNumber(rowText));

    // The table value as a whole number, an exact half going to the even neighbour. It is
    // kept in double precision rather than 16 bits, so a value past 32767 stays exact.
    const double whole = std::nearbyint(static_cast<double>(result.tableAmps));
    const float product = static_cast<float>(whole * ambFactor * noOfWFactor);

    // Two decimals below 100 A, one from 100 A on; halves go to the even neighbour.
    const double scale = product < 100.0f ? 100.0 : 10.0;
    const float scaled = static_cast<float>(product * scale);
    result.correctedAmps = static_cast<float>(std::nearbyint(static_cast<double>(scaled)) / scale);

    if (!std::isfinite(result.correctedAmps)) {
        result.text = kOutOfRangeText;
        return result;
    }
    result.text = "=";
    result.text += numberText(result.correctedAmps, decimalSeparator);
    result.text += kFormula;
    result.text += numberText(ambFactor, decimalSeparator);
    if (noOfWFactor != 1.0f) {
        result.text += kTimes;
        result.text += numberText(noOfWFactor, decimalSeparator);
    }
    result.text += ')';
    return result;
}

} // namespace rules
