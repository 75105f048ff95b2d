#include "entryrules.h"

#include "numberformat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kv
{
namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool contains(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

} // namespace

double Range::clamp(double x) const
{
    if (max == min)
        return x;
    if (x < min)
        return min;
    if (x > max)
        return max;
    return x;
}

bool isWellFormedNumber(std::string_view text, std::string_view sep)
{
    if (text.empty() || text == "-" || sep.empty())
        return false;
    bool seenSeparator = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i, sep.size()) == sep) {
            if (seenSeparator || i == 0)
                return false;
            seenSeparator = true;
            i += sep.size();
        } else if (text[i] == '-') {
            if (i != 0)
                return false;
            ++i;
        } else if (isDigit(text[i])) {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

std::optional<double> parseNumber(std::string_view text, std::string_view sep)
{
    if (!isWellFormedNumber(text, sep))
        return std::nullopt;

    std::string plain;
    plain.reserve(text.size());
    bool negative = false;
    bool anyDigit = false;
    bool nonZeroInteger = false;
    bool inFraction = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, sep.size()) == sep) {
            plain.push_back('.');
            inFraction = true;
            i += sep.size();
            continue;
        }
        const char c = text[i++];
        if (c == '-') {
            negative = true;
        } else {
            anyDigit = true;
            nonZeroInteger = nonZeroInteger || (!inFraction && c != '0');
        }
        plain.push_back(c);
    }
    if (!anyDigit) // "-," and the like
        return negative ? -0.0 : 0.0;

    double value = 0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = nonZeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    if (ec != std::errc() || ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

bool acceptsTypedCharacter(std::string_view typed, std::string_view text, std::string_view sep)
{
    if (typed.empty())
        return true;
    if (typed == "\r" || typed == "\n")
        return false;
    if (typed.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(typed[0]);
        if (c < 0x20 || c == 0x7f)
            return true;
        if (isDigit(typed[0]))
            return true;
    }
    if (typed == sep)
        return !contains(text, sep);
    if (typed == "-")
        return !contains(text, "-");
    return false;
}

TypingOutcome applyTypedText(std::string_view text, std::string_view sep, const Range& range,
                             int decimals)
{
    TypingOutcome outcome;
    const std::optional<double> typed = parseNumber(text, sep);
    if (!typed)
        return outcome;
    const double clamped = range.clamp(*typed);
    outcome.value = clamped;
    if (clamped != *typed)
        outcome.replacement = floatToFixed(clamped, decimals, sep);
    return outcome;
}

} // namespace kv
