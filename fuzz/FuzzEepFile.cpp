#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!fuzzchecks::checkEepFile(data, size))
        __builtin_trap();
    return 0;
}
