// Time per conversion for the three number-to-text conversions.
#include "numberformat.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace
{

template <typename F> void measure(const char* name, F&& convert)
{
    constexpr int rounds = 200000;
    std::size_t sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        sink += convert(static_cast<long double>(i) * 1.37L + 0.005L).size();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double ns = std::chrono::duration<double, std::nano>(elapsed).count() / rounds;
    std::printf("%-12s %8.1f ns per call (%zu)\n", name, ns, sink);
}

} // namespace

int main()
{
    measure("formatFloat", [](long double x) { return kv::formatFloat("#0.## dB", x, ","); });
    measure("floatToText", [](long double x) { return kv::floatToText(x, ","); });
    measure("floatToFixed", [](long double x) { return kv::floatToFixed(x, 2, ","); });
}
