#include "pagecalc.h"

#include "numberformat.h"

#include <cmath>
#include <cstdio>

namespace kv
{

SplLevels splLevels(double power, double sensitivity, double distance)
{
    SplLevels levels{};
    levels.atOneMetre = static_cast<float>(10 * std::log10(static_cast<long double>(power)) +
                                           static_cast<long double>(sensitivity));
    // The quotient is rounded to double before the logarithm.
    const double inverse = static_cast<double>(1.0L / static_cast<long double>(distance));
    levels.atDistance = static_cast<float>(20 * std::log10(static_cast<long double>(inverse)) +
                                           static_cast<long double>(levels.atOneMetre));
    return levels;
}

std::string splHistoryLine(std::string_view name, std::string_view levelAtOneMetre,
                           std::string_view levelAtDistance, double distance, std::string_view sep)
{
    std::string line;
    line.append(name).append(".....").append(levelAtOneMetre).append("/1m");
    line.append(".....").append(levelAtDistance).append("/");
    line.append(floatToText(distance, sep)).append("m");
    return line;
}

float amplifierGain(double power, double inputVoltage)
{
    constexpr float load = 8;
    const double product = static_cast<double>(static_cast<long double>(power) * load);
    const float outputVoltage = static_cast<float>(std::sqrt(product));
    const double ratio =
        static_cast<double>(static_cast<long double>(outputVoltage) / inputVoltage);
    return static_cast<float>(20 * std::log10(static_cast<long double>(ratio)));
}

std::string gainHistoryLine(std::string_view name, std::string_view gain)
{
    std::string line(name);
    line.append(" erosítése: ").append(gain);
    return line;
}

LimiterResults limiterResults(double power, double impedance, double gain, double offset)
{
    constexpr long double toDbuFactor = 1.2903225806451613L; // 1 / 0.775 V
    LimiterResults r{};
    const long double halfPower = static_cast<long double>(power) * 0.5L;
    r.rms = static_cast<float>(halfPower);
    r.umax = static_cast<float>(std::sqrt(halfPower * impedance));
    r.level = static_cast<float>(20 * std::log10(static_cast<long double>(r.umax) * toDbuFactor));
    r.threshold = static_cast<float>(static_cast<long double>(r.level) - gain);
    if (offset != 0)
        r.threshold = static_cast<float>(static_cast<long double>(r.threshold) + offset);
    return r;
}

int resistorCount(int row)
{
    if (row < 0 || row >= NetworkCount)
        return 0;
    return 2 + row % 3;
}

bool isSeriesNetwork(int row)
{
    return row >= 0 && row < 3;
}

float equivalentResistance(int row, const std::array<float, 4>& r)
{
    const int n = resistorCount(row);
    long double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += isSeriesNetwork(row) ? static_cast<long double>(r[i]) : 1.0L / r[i];
    return static_cast<float>(isSeriesNetwork(row) ? sum : 1.0L / sum);
}

float storedProduct(float a, float b)
{
    return static_cast<float>(static_cast<long double>(a) * b);
}

float storedQuotient(float a, float b)
{
    return static_cast<float>(static_cast<long double>(a) / b);
}

std::string clockText(int year, int month, int day, int hour, int minute, int second,
                      std::string_view timeSeparator)
{
    char date[32];
    std::snprintf(date, sizeof date, "%04d.%02d.%02d  %02d", year, month, day, hour);
    char minutes[8], seconds[8];
    std::snprintf(minutes, sizeof minutes, "%02d", minute);
    std::snprintf(seconds, sizeof seconds, "%02d", second);
    std::string text(date);
    text.append(timeSeparator).append(minutes).append(timeSeparator).append(seconds);
    return text;
}

} // namespace kv
