#include "rules/corrected_ampacity.h"

#include "rules/readback.h"

#include <charconv>
#include <cmath>

namespace rules {

std::string numberText(float value, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return std::string(kOutOfRangeText);
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 7);
    std::string text(digits, written.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

bool correctionApplies(float ambientFactor, float conductorCountFactor) {
    return static_cast<float>(static_cast<double>(ambientFactor) * conductorCountFactor) != 1.0f;
}

float correctedAmps(float tableAmps, float ambientFactor, float conductorCountFactor) {
    // The table value as a whole number, an exact half going to the even neighbour, held
    // in double precision: whatever number a row shows is taken exactly.
    const double whole = std::nearbyint(static_cast<double>(tableAmps));
    const float product = static_cast<float>(whole * ambientFactor * conductorCountFactor);

    // Two decimals below 100 A, one from 100 A on; halves go to the even neighbour.
    const double scale = product < 100.0f ? 100.0 : 10.0;
    const float scaled = static_cast<float>(product * scale);
    return static_cast<float>(std::nearbyint(static_cast<double>(scaled)) / scale);
}

std::string correctedAmpacityText(std::string_view rowText, float ambientFactor,
                                  float conductorCountFactor, std::string_view decimalSeparator) {
    const float amps = correctedAmps(static_cast<float>(leadingNumber(rowText)), ambientFactor,
                                     conductorCountFactor);
    if (!std::isfinite(amps))
        return std::string(kOutOfRangeText);
    std::string text = "=";
    text.reserve(48);
    text += numberText(amps, decimalSeparator);
    text += " A  (I \u00D7 ";
    text += numberText(ambientFactor, decimalSeparator);
    if (conductorCountFactor != 1.0f) {
        text += " \u00D7 ";
        text += numberText(conductorCountFactor, decimalSeparator);
    }
    text += ')';
    return text;
}

} // namespace rules
