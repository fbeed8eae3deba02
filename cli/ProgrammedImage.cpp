#include "ProgrammedImage.h"

#include "chipdb/ChipRecord.h"

#include <algorithm>

std::span<const quint8> programmedImage(std::span<const quint8> buffer, qint64 dataLength, const ChipRecord& chip)
{
    const qint64 page = chip.flashPage;
    qint64 length = std::max<qint64>(dataLength, 0);
    if (page > 0 && length % page != 0)
        length = (length / page + 1) * page;
    length = std::min({length, static_cast<qint64>(chip.flashSize), static_cast<qint64>(buffer.size())});
    return buffer.first(static_cast<std::size_t>(length));
}
