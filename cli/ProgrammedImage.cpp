#include "ProgrammedImage.h"

#include "chipdb/ChipRecord.h"
#include "programmer/WriteRoutines.h"

#include <algorithm>

std::span<const quint8> programmedImage(std::span<const quint8> buffer, qint64 dataLength, const ChipRecord& chip)
{
    const qint64 length = std::min({pageRoundedLength(std::max<qint64>(dataLength, 0), chip.flashPage),
                                    static_cast<qint64>(chip.flashSize), static_cast<qint64>(buffer.size())});
    return buffer.first(static_cast<std::size_t>(length));
}
