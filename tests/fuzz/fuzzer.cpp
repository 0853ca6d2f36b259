// libFuzzer entry point of one harness (VANTOREL_FUZZ_HARNESS, set per
// program); the properties live in the harness.

#include <cstdio>
#include <cstdlib>

#include "harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure = fuzz::VANTOREL_FUZZ_HARNESS(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
