#include "numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kv
{
namespace
{

// A finite number as decimal digits: value = 0.d1d2d3... x 10^exponent.
struct Digits {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

void stripTrailingZeros(Digits& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The decimal digits of x with 18 significant digits, rounded to nearest with
// ties to even. std::to_chars is locale-independent and correctly rounded.
Digits digits18(long double x)
{
    Digits d;
    d.negative = std::signbit(x);
    const long double magnitude = std::fabs(x);
    if (magnitude == 0)
        return d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const char* p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    }
    int exponent10 = 0;
    if (p != result.ptr)
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent10);
    d.exponent = exponent10 + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` significant digits, rounding half away from zero.
void roundDigits(Digits& d, int keep)
{
    if (d.isZero() || keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    stripTrailingZeros(d);
}

// The digit at position i (0-based) of the digit string, "0" past its end.
char digitAt(const Digits& d, int i)
{
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

// Writes the integer part (at least minInteger digits) and the decimals
// (at least minDecimals, trailing zeros beyond that removed).
std::string writePlain(const Digits& d, int minInteger, int minDecimals, std::string_view sep)
{
    std::string out;
    if (d.negative && !d.isZero())
        out.push_back('-');
    const int size = static_cast<int>(d.digits.size());
    const int exponent = d.isZero() ? 0 : d.exponent;
    const int integerDigits = std::max(exponent, 0);
    for (int i = integerDigits; i < minInteger; ++i)
        out.push_back('0');
    if (integerDigits == 0 && minInteger < 1)
        out.push_back('0');
    for (int i = 0; i < integerDigits; ++i)
        out.push_back(digitAt(d, i));
    const int decimals = std::max(size - exponent, minDecimals);
    if (decimals > 0) {
        out.append(sep);
        for (int i = 0; i < decimals; ++i)
            out.push_back(digitAt(d, exponent + i));
    }
    return out;
}

std::string nonFinite(long double x)
{
    if (std::isnan(x))
        return "NAN";
    return x < 0 ? "-INF" : "INF";
}

} // namespace

std::string floatToGeneral(long double x, int significantDigits, std::string_view sep)
{
    if (!std::isfinite(x))
        return nonFinite(x);
    Digits d = digits18(x);
    roundDigits(d, std::clamp(significantDigits, 1, 18));
    if (d.isZero())
        return "0";
    const int e = d.exponent;
    if (e >= -3 && e <= 15)
        return writePlain(d, 1, 0, sep);
    std::string out;
    if (d.negative)
        out.push_back('-');
    out.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
        out.append(sep);
        out.append(d.digits, 1);
    }
    out.push_back('E');
    out.append(std::to_string(e - 1));
    return out;
}

std::string floatToText(long double x, std::string_view sep)
{
    return floatToGeneral(x, 15, sep);
}

std::string floatToFixed(long double x, int decimals, std::string_view sep)
{
    if (!std::isfinite(x))
        return nonFinite(x);
    decimals = std::max(decimals, 0);
    Digits d = digits18(x);
    roundDigits(d, std::min(15, d.exponent + decimals));
    if (d.exponent > 15)
        return floatToText(x, sep);
    return writePlain(d, 1, decimals, sep);
}

std::string formatFloat(std::string_view pattern, long double x, std::string_view sep)
{
    if (!std::isfinite(x) || std::fabs(x) >= 1e18L)
        return floatToText(x, sep);

    // Integer placeholders, then "." and decimal placeholders, then literal text.
    std::size_t pos = 0;
    int minInteger = 0;
    for (; pos < pattern.size() && (pattern[pos] == '#' || pattern[pos] == '0'); ++pos)
        minInteger += pattern[pos] == '0' ? 1 : 0;
    int maxDecimals = 0;
    int minDecimals = 0;
    if (pos < pattern.size() && pattern[pos] == '.') {
        for (++pos; pos < pattern.size() && (pattern[pos] == '#' || pattern[pos] == '0'); ++pos) {
            ++maxDecimals;
            if (pattern[pos] == '0')
                minDecimals = maxDecimals;
        }
    }
    const std::string_view literal = pattern.substr(pos);

    Digits d = digits18(x);
    roundDigits(d, d.exponent + maxDecimals);
    std::string out = writePlain(d, minInteger, minDecimals, sep);
    out.append(literal);
    return out;
}

} // namespace kv
