// Feeds arbitrary bytes to the GIF decoder (see GifCheck.h for what it must do).
#include "fuzz/gif/GifCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string fault = fuzzcheck::CheckGifDecode({data, size});
    if (!fault.empty()) {
        std::fprintf(stderr, "gif decoder: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
