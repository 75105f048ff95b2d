// Rules of the numeric entry field: what text counts as a number, how a number
// is kept inside the field's range and which typed characters are let in.
// The decimal separator is passed in as UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kv
{

struct Range {
    double min = 0;
    double max = 0;

    // Equal bounds take any number unchanged.
    double clamp(double x) const;
};

// Not empty, not "-" alone; only digits, one leading "-" and at most one
// separator that is not the first character.
bool isWellFormedNumber(std::string_view text, std::string_view decimalSeparator);

// The value of a well-formed text (nullopt for any other text). Text too large
// for a double reads as an infinity of its sign, text too small as zero.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// Whether a character typed into a field holding `text` is let in. `typed` is
// the key's text: an empty text (a key that types nothing) passes; control
// characters pass except Enter; digits pass; "-" and the separator pass only
// when the text holds none yet.
bool acceptsTypedCharacter(std::string_view typed, std::string_view text,
                           std::string_view decimalSeparator);

// What a change of the field's text does to the field.
struct TypingOutcome {
    std::optional<double> value;            // the new Value; nullopt keeps the old one
    std::optional<std::string> replacement; // text to write instead of the user's
};

TypingOutcome applyTypedText(std::string_view text, std::string_view decimalSeparator,
                             const Range& range, int decimals);

} // namespace kv
