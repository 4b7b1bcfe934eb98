#pragma once

#include <string>
#include <string_view>

namespace rules {

/// Text shown instead of a number that cannot be computed (a product beyond the range of
/// single precision); the table and factors in force never produce one.
inline constexpr std::string_view kOutOfRangeText = "out of range";

/// A table ampacity after the ambient correction and the conductor-count adjustment.
struct CorrectedAmpacity {
    float tableAmps = 0;     // the number read back from the row text
    float correctedAmps = 0; // rounded: two decimals below 100 A, one decimal from 100 A on
    std::string text;        // what the corrected-ampacity box shows, UTF-8
};

/// Corrects the ampacity shown in `rowText` by `ambFactor` and `noOfWFactor`, with the
/// single-precision steps and half-to-even rounding of the calculator, and writes it as
/// "=22.75 A  (I × 0.91)", or "=18.2 A  (I × 0.91 × 0.8)" while the adjustment factor is
/// not 1. The empty text reads as 0 A. A product beyond single precision gives the text
/// kOutOfRangeText and a non-finite correctedAmps.
CorrectedAmpacity correctedAmpacity(std::string_view rowText, float ambFactor, float noOfWFactor,
                                    std::string_view decimalSeparator = ".");

/// The arithmetic alone: `tableAmps` as a whole number (half to even) times both factors
/// in double precision, held in single precision, then rounded half to even to two
/// decimals below 100 A and to one from 100 A on. Non-finite where the product is.
float correctedAmps(float tableAmps, float ambFactor, float noOfWFactor);

/// A single-precision value in plain decimal: at most 7 significant digits, no trailing
/// zeros, "0" before the separator below 1, a '-' only for negative values, no exponent.
/// A non-finite value gives kOutOfRangeText.
std::string numberText(float value, std::string_view decimalSeparator = ".");

/// True while some correction applies, that is while ambFactor × noOfWFactor, rounded to
/// single precision, is not exactly 1; the corrected-ampacity box is shown only then.
bool correctionApplies(float ambFactor, float noOfWFactor);

} // namespace rules
