#include "rules/corrected_ampacity.h"

#include "rules/readback.h"

#include <charconv>
#include <cmath>

namespace rules {

namespace {

constexpr std::string_view kTimes = " \u00D7 ";
constexpr std::string_view kFormula = " A  (I \u00D7 ";

// Appends `value` to `out` as the result box writes its numbers (see numberText()).
void appendNumber(std::string& out, float value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        out += kOutOfRangeText;
        return;
    }
    if (value == 0.0f) {
        out += '0';
        return;
    }
    // Seven significant digits as d.dddddde±x, then written out without the exponent.
    char scientific[32];
    const auto written =
        std::to_chars(scientific, scientific + sizeof scientific,
                      std::fabs(static_cast<double>(value)), std::chars_format::scientific, 6);
    char digits[8];
    std::size_t count = 0;
    const char* p = scientific;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    ++p; // past 'e'
    const bool negativeExponent = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    int exponent = 0;
    std::from_chars(p, written.ptr, exponent);
    if (negativeExponent)
        exponent = -exponent;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (value < 0)
        out += '-';
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, count);
        return;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (count <= wholeDigits) {
        out.append(digits, count);
        out.append(wholeDigits - count, '0');
        return;
    }
    out.append(digits, wholeDigits);
    out += decimalSeparator;
    out.append(digits + wholeDigits, count - wholeDigits);
}

} // namespace

std::string numberText(float value, std::string_view decimalSeparator) {
    std::string text;
    appendNumber(text, value, decimalSeparator);
    return text;
}

bool correctionApplies(float ambFactor, float noOfWFactor) {
    return static_cast<float>(static_cast<double>(ambFactor) * noOfWFactor) != 1.0f;
}

float correctedAmps(float tableAmps, float ambFactor, float noOfWFactor) {
    // The table value as a whole number, an exact half going to the even neighbour, held
    // in double precision: whatever number a row shows is taken exactly.
    const double whole = std::nearbyint(static_cast<double>(tableAmps));
    const float product = static_cast<float>(whole * ambFactor * noOfWFactor);

    // Two decimals below 100 A, one from 100 A on; halves go to the even neighbour.
    const double scale = product < 100.0f ? 100.0 : 10.0;
    const float scaled = static_cast<float>(product * scale);
    return static_cast<float>(std::nearbyint(static_cast<double>(scaled)) / scale);
}

CorrectedAmpacity correctedAmpacity(std::string_view rowText, float ambFactor, float noOfWFactor,
                                    std::string_view decimalSeparator) {
    CorrectedAmpacity result;
    result.tableAmps = static_cast<float>(leadingNumber(rowText));

    result.correctedAmps = correctedAmps(result.tableAmps, ambFactor, noOfWFactor);
    if (!std::isfinite(result.correctedAmps)) {
        result.text = kOutOfRangeText;
        return result;
    }
    std::string& text = result.text;
    text.reserve(48);
    text += '=';
    appendNumber(text, result.correctedAmps, decimalSeparator);
    text += kFormula;
    appendNumber(text, ambFactor, decimalSeparator);
    if (noOfWFactor != 1.0f) {
        text += kTimes;
        appendNumber(text, noOfWFactor, decimalSeparator);
    }
    text += ')';
    return result;
}

} // namespace rules
