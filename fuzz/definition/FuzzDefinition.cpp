// Feeds arbitrary bytes to the window definition parser; accepted trees go
// through the writer and back (see DefinitionCheck.h).
#include "fuzz/definition/DefinitionCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string fault =
        fuzzcheck::CheckDefinitionText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "definition text: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
