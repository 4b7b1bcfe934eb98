#pragma once

#include <string>
#include <string_view>

namespace rules {

/// Text shown instead of a number that cannot be computed (a product beyond the range of
/// single precision); the tables and factors in force never produce one.
inline constexpr std::string_view kOutOfRangeText = "out of range";

/// The corrected ampacity: `tableAmps` as a whole number (half to even) times both
/// factors in double precision, held in single precision, then rounded half to even to
/// two decimals below 100 A and to one from 100 A on. Non-finite where the product is.
float correctedAmps(float tableAmps, float ambientFactor, float conductorCountFactor);

/// What the corrected-ampacity box shows for the ampacity row `rowText` (read back as
/// its leading number; the empty text reads as 0 A): "=22.75 A  (I × 0.91)", or
/// "=18.2 A  (I × 0.91 × 0.8)" while the conductor-count factor is not 1. A product
/// beyond single precision gives kOutOfRangeText. UTF-8.
std::string correctedAmpacityText(std::string_view rowText, float ambientFactor,
                                  float conductorCountFactor,
                                  std::string_view decimalSeparator = ".");

/// A single-precision value as the box writes it: at most 7 significant digits, no
/// trailing zeros, "0" before the separator below 1; kOutOfRangeText where it is not
/// finite. Values from 10^7 on, which no table and factors give, take an exponent.
std::string numberText(float value, std::string_view decimalSeparator = ".");

/// True while some correction applies, that is while ambientFactor × conductorCountFactor,
/// rounded to single precision, is not exactly 1; the corrected-ampacity box is shown
/// only then.
bool correctionApplies(float ambientFactor, float conductorCountFactor);

} // namespace rules
