// Fuzz target: the entry field's rules on random key streams. The first
// byte picks the separator and the range; every further byte is a key.
// After every key the invariants of the typing rule hold.
#include "entryrules.h"
#include "numberformat.h"
#include "require.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char* separators[] = {",", ".", "\xD9\xAB"};
    const std::string sep = separators[data[0] % 3];
    const kv::Range ranges[] = {{0, 1000}, {-1000, 1000}, {0, 0}, {0, 1e6}};
    const kv::Range range = ranges[(data[0] >> 2) % 4];
    const int decimals = (data[0] >> 4) % 4;

    std::string text = "0";
    double value = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const unsigned char key = data[i];
        std::string typed;
        if (key == 0xFF)
            typed = sep; // the separator, however many bytes it has
        else
            typed.assign(1, static_cast<char>(key));

        const bool accepted = kv::acceptsTypedCharacter(typed, text, sep);
        if (typed == "\r" || typed == "\n")
            require(!accepted);
        if (!accepted)
            continue;
        if (key == 0x08) { // backspace
            if (!text.empty())
                text.pop_back();
        } else if (key == 0x7F) { // delete all
            text.clear();
        } else if (key >= 0x20) {
            text += typed;
        } else {
            continue; // other control keys change nothing
        }
        // A character the filter lets in never makes a second separator or minus.
        if (text.find(sep) != std::string::npos)
            require(text.find(sep) == text.rfind(sep));

        const kv::TypingOutcome outcome = kv::applyTypedText(text, sep, range, decimals);
        require(outcome.value.has_value() == kv::isWellFormedNumber(text, sep));
        if (outcome.value)
            value = *outcome.value;
        if (outcome.replacement) {
            text = *outcome.replacement;
            require(kv::isWellFormedNumber(text, sep));
        }
        if (range.min != range.max)
            require(value >= range.min && value <= range.max);
        if (outcome.value && !outcome.replacement)
            require(kv::parseNumber(text, sep) == value);
    }
    return 0;
}
