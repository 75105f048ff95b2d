// The preset tables of the limiter page: loudspeakers, amplifiers and
// limiters, with the texts the lists show.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kv
{

struct LoudspeakerPreset {
    std::string_view name;
    double power;     // CPP power, W
    double impedance; // ohm
};

struct AmplifierPreset {
    std::string_view name;
    std::optional<double> gain;    // written when the row is chosen (dB)
    std::optional<double> bridged; // written by the click that sets the bridge flag
    std::optional<double> normal;  // written by the click that clears it
};

struct LimiterPreset {
    std::string_view name;
    std::optional<double> offset; // dB; nothing is written for row 0
};

std::span<const LoudspeakerPreset> loudspeakerPresets();
std::span<const AmplifierPreset> amplifierPresets();
std::span<const LimiterPreset> limiterPresets();

} // namespace kv
