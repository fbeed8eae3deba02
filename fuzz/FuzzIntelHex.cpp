#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!fuzzchecks::checkIntelHex(data, size))
        __builtin_trap();
    return 0;
}
