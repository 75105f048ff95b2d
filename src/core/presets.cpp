#include "presets.h"

#include <array>

namespace kv
{
namespace
{

constexpr std::string_view FreeChoice = "Szabadon választott";

constexpr std::array<LoudspeakerPreset, 28> Loudspeakers{{
    {FreeChoice, 0, 0},
    {"Zavav Lite 8", 400, 8},
    {"Zavav Lite 10 régi", 250, 8},
    {"Zavav Lite 10 új", 400, 8},
    {"Zavav Lite 12", 400, 8},
    {"Zavav Lite 15", 700, 8},
    {"Zavav Lite Sub 115S", 750, 8},
    {"Zavav Lite Sub 118S", 1500, 8},
    {"Zavav PR Joy", 300, 8},
    {"Zavav PR Stroke-300", 300, 8},
    {"Zavav PR Stroke-600", 600, 4},
    {"Zavav PR Sub 118", 800, 8},
    {"Zavav PR Sub", 600, 8},
    {"Zavav PR Tour", 300, 8},
    {"Zavav TOP Live-XL", 1200, 4},
    {"Zavav TOP Live-L", 800, 4},
    {"Zavav TOP Live-M", 400, 8},
    {"Zavav TOP Live-S", 400, 8},
    {"Zavav TOP Live-ST", 400, 8},
    {"Zavav TOP Thunder", 1000, 8},
    {"Zavav TOP Basquez-SH", 1000, 8},
    {"Zavav Hexa Top-Magas", 180, 8},
    {"Zavav Hexa Top-Közép", 500, 8},
    {"Zavav Hexa Low ", 1000, 8}, // the list text ends in a blank
    {"Zavav Hexa Sub", 1000, 8},
    {"Zavav CINEMA EAR", 100, 8},
    {"Zavav CINEMA FACE", 300, 8},
    {"Zavav CINEMA SUB", 600, 8},
}};

const std::array<AmplifierPreset, 4> Amplifiers{{
    {FreeChoice, std::nullopt, std::nullopt, std::nullopt},
    {"PC1004MKII", 31.2, 38, 32},
    {"PC1504", 31.2, 37.4, 31.4},
    {"PC2008", 38, 44, 38},
}};

const std::array<LimiterPreset, 5> Limiters{{
    {FreeChoice, std::nullopt},
    {"LEM DX 24", -1.8},
    {"LEM DX 24 Plus", -1.8},
    {"LEM DX 26", -1.8},
    {"LEM DX 26 Plus", -1.8},
}};

} // namespace

std::span<const LoudspeakerPreset> loudspeakerPresets()
{
    return Loudspeakers;
}

std::span<const AmplifierPreset> amplifierPresets()
{
    return Amplifiers;
}

std::span<const LimiterPreset> limiterPresets()
{
    return Limiters;
}

} // namespace kv
