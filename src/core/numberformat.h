// Number-to-text conversions used for every result and every field text.
//
// All functions are pure: the decimal separator is passed in (UTF-8) and the
// C library's locale is never consulted.
#pragma once

#include <string>
#include <string_view>

namespace kv
{

// Formats x with a number pattern such as "#0.## dB": integer placeholders
// ("#" and "0"), an optional "." followed by decimal placeholders, then literal
// text copied unchanged. Values that are not finite or whose magnitude is at
// least 1e18 are written by floatToText() without the literal text.
std::string formatFloat(std::string_view pattern, long double x, std::string_view decimalSeparator);

// General conversion: up to 15 significant digits, plain notation for
// magnitudes from 0.0001 up to below 1e15, "1,5E20"-style notation otherwise;
// "INF", "-INF" and "NAN" for values that are not finite.
std::string floatToText(long double x, std::string_view decimalSeparator);

// The general conversion with a chosen number of significant digits (1 to 18).
std::string floatToGeneral(long double x, int significantDigits, std::string_view decimalSeparator);

// Fixed-decimals conversion: exactly `decimals` decimals (at most 15
// significant digits are kept), no thousands separators.
std::string floatToFixed(long double x, int decimals, std::string_view decimalSeparator);

} // namespace kv
