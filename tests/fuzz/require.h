// Fuzz targets stop with abort() when an invariant does not hold, so that
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>

namespace fuzz
{

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace fuzz
