// Fuzz target: the drop-down calculator's engine on random key sequences.
// The display never shows "INF" or "NAN", and OK gives a finite number or
// nothing (in the error state).
#include "calcengine.h"
#include "require.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    kv::CalcEngine engine;
    const double starts[] = {0, 1, 0.775, 1e300, -5, 1e-300};
    engine.open(starts[data[0] % 6], 1 + data[1] % 18);
    constexpr int keyCount = static_cast<int>(kv::CalcKey::MemoryClear) + 1;
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == 0xFF) { // OK
            const std::optional<double> result = engine.accept();
            require(result.has_value() != engine.hasError());
            if (result)
                require(std::isfinite(*result));
            continue;
        }
        if (data[i] == 0xFE) { // closed and opened again
            engine.open(0, engine.precision());
            require(!engine.memoryMarked());
            continue;
        }
        engine.press(static_cast<kv::CalcKey>(data[i] % keyCount));
        const std::string display = engine.display(",");
        require(!display.empty());
        require(display.find("INF") == std::string::npos);
        require(display.find("NAN") == std::string::npos);
        require(std::isfinite(engine.value()) && std::isfinite(engine.memory()));
    }
    return 0;
}
