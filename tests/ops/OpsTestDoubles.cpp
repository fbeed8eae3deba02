#include "OpsTestDoubles.h"

#include <cstring>

ChipRecord makeChip(const char* name, quint8 family, quint32 flashSize, quint16 flashPage, quint32 chipId,
                    quint16 delay)
{
    ChipRecord chip;
    std::strncpy(chip.name.data(), name, ChipRecord::MaxNameBytes);
    chip.family = family;
    chip.flashSize = flashSize;
    chip.flashPage = flashPage;
    chip.chipId = chipId;
    chip.delay = delay;
    return chip;
}
