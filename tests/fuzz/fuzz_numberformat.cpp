// Fuzz target: the number conversions on any long double. The text read
// back must equal the value rounded as the pattern or conversion says.
#include "numberformat.h"
#include "require.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using fuzz::require;

namespace
{

long double readBack(const std::string& text, std::size_t length)
{
    long double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + length, value);
    require(result.ec == std::errc() && result.ptr == text.data() + length);
    return value;
}

// The 18-digit, correctly rounded decimal value that every conversion starts
// from; nullopt when it lies below what a long double reads back.
std::optional<long double> eighteenDigits(long double x)
{
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 17).ptr;
    long double value = 0;
    const auto result = std::from_chars(buffer, end, value);
    if (result.ec != std::errc() || !std::isnormal(value))
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(long double) + 2)
        return 0;
    long double x;
    std::memcpy(&x, data, sizeof x);
    const int choice = data[sizeof x];
    const int decimals = data[sizeof x + 1] % 16;

    const char* patterns[] = {"#0.## dB", "#0.### dBu", "###0.## V", "##0.## ohm", "#0"};
    const int maxDecimals[] = {2, 3, 2, 2, 0};
    const int p = choice % 5;
    const std::string pattern = kv::formatFloat(patterns[p], x, ".");
    const std::string general = kv::floatToText(x, ".");
    const std::string fixed = kv::floatToFixed(x, decimals, ".");

    if (!std::isfinite(x)) {
        const std::string expected = std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "INF");
        require(general == expected && pattern == expected && fixed == expected);
        return 0;
    }
    // Values below the smallest normal long double (subnormal and pseudo-
    // denormal encodings) are formatted like any other, but their digits
    // cannot be read back into a long double to compare.
    const std::optional<long double> startDigits = eighteenDigits(std::fabs(x));
    if (!startDigits)
        return 0;
    const long double start = *startDigits;

    // General: 15 significant digits, half away from zero.
    {
        std::string number = general;
        const std::size_t e = number.find('E');
        long double y = readBack(number, e == std::string::npos ? number.size() : e);
        if (e != std::string::npos) {
            int exponent = 0;
            std::from_chars(number.data() + e + 1, number.data() + number.size(), exponent);
            y *= std::pow(10.0L, exponent);
        }
        require(std::fabs(std::fabs(y) - start) <= 5.01e-15L * start + 1e-4930L);
    }
    // Pattern: its literal text after the number, at most its decimals,
    // rounded half away from zero.
    if (std::fabs(x) < 1e18L) {
        const std::string placeholders = patterns[p];
        const std::string literal = placeholders.substr(
            std::min(placeholders.size(), placeholders.find_first_not_of("#0.")));
        require(pattern.size() > literal.size() &&
                pattern.compare(pattern.size() - literal.size(), literal.size(), literal) == 0);
        const std::size_t length = pattern.size() - literal.size();
        const std::size_t point = pattern.find('.');
        if (point < length)
            require(length - point - 1 <= static_cast<std::size_t>(maxDecimals[p]));
        const long double y = readBack(pattern, length);
        const long double step = std::pow(10.0L, -maxDecimals[p]);
        require(std::fabs(std::fabs(y) - start) <= step / 2 * 1.0000001L + start * 1e-17L);
    }
    // Fixed: exactly its decimals, at most 15 significant digits.
    if (std::fabs(x) < 1e15L) {
        const long double y = readBack(fixed, fixed.size());
        const std::size_t point = fixed.find('.');
        require(decimals == 0 ? point == std::string::npos
                              : fixed.size() - point - 1 == static_cast<std::size_t>(decimals));
        const long double step = std::max(std::pow(10.0L, -decimals), start * 1e-14L);
        require(std::fabs(std::fabs(y) - start) <= step / 2 * 1.0000001L + start * 1e-17L);
    }
    return 0;
}
