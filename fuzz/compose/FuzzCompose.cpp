// Differential fuzz target: the composer and the placement against the
// reference in ComposeCheck.h, pixel for pixel, under ASan and UBSan (so
// nothing is read or written outside the buffers either).
#include "fuzz/compose/ComposeCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bad = composecheck::Check(data, size);
    if (!bad.empty()) {
        std::fprintf(stderr, "composer and reference disagree: %s\n", bad.c_str());
        std::abort();
    }
    return 0;
}
