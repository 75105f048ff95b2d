// The formulas of the calculator pages. Each computes in extended precision
// (long double) and stores every working result in single precision
// (float), as the pages show it; later steps use the stored value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kv
{

// The pages' input test: greater than 0 (a NaN fails).
inline bool isPositive(double x)
{
    return x > 0;
}

// --- Sound pressure level ---------------------------------------------------

struct SplLevels {
    float atOneMetre; // 10 log10(P) + S
    float atDistance; // 20 log10(1 / d) + L1
};

SplLevels splLevels(double power, double sensitivity, double distance);

// name + "....." + level at 1 m + "/1m" + "....." + level at d + "/" + d + "m"
std::string splHistoryLine(std::string_view name, std::string_view levelAtOneMetre,
                           std::string_view levelAtDistance, double distance,
                           std::string_view decimalSeparator);

// --- Amplifier gain ---------------------------------------------------------

// 20 log10(sqrt(8 P) / Uin): the gain that brings Uin to full power into 8 ohm.
float amplifierGain(double power, double inputVoltage);

std::string gainHistoryLine(std::string_view name, std::string_view gain);

// --- Limiter threshold ------------------------------------------------------

struct LimiterResults {
    float rms;       // P / 2
    float umax;      // sqrt(P / 2 * R)
    float level;     // Umax in dBu
    float threshold; // level - G, plus the offset when it is not 0
};

LimiterResults limiterResults(double power, double impedance, double gain, double offset);

// --- Resistor networks ------------------------------------------------------

constexpr int NetworkCount = 6;

// Resistors used by network row k (0 for a row outside 0 to 5).
int resistorCount(int row);
// Rows 0 to 2 are series networks, 3 to 5 parallel ones.
bool isSeriesNetwork(int row);

// The equivalent resistance of row k from the stored resistances.
float equivalentResistance(int row, const std::array<float, 4>& r);

// Products and quotients of stored values, stored again in single precision.
float storedProduct(float a, float b);
float storedQuotient(float a, float b);

// --- Clock ------------------------------------------------------------------

// "yyyy.mm.dd  hh:mm:ss" with each ":" replaced by the time separator.
std::string clockText(int year, int month, int day, int hour, int minute, int second,
                      std::string_view timeSeparator);

} // namespace kv
