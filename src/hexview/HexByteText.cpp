#include "HexByteText.h"

#include "HexTypes.h"

namespace HexByteText {

bool isSeparator(QChar c)
{
    return c == u',' || c.isSpace();
}

Parsed parse(QStringView text, bool wildcards)
{
    Parsed parsed;
    parsed.bytes.reserve(text.size() / 2);
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        // A group: an optional 0x, then whole pairs up to the next separator.
        if (text[i] == u'0' && i + 2 < size && (text[i + 1] == u'x' || text[i + 1] == u'X')
            && !isSeparator(text[i + 2]))
            i += 2;
        while (i < size && !isSeparator(text[i])) {
            const QChar high = text[i];
            const bool pairEnds = i + 1 < size && !isSeparator(text[i + 1]);
            if (wildcards && high == u'?' && pairEnds && text[i + 1] == u'?') {
                parsed.wildcards.push_back(parsed.bytes.size());
                parsed.bytes.append('\0');
                i += 2;
                continue;
            }
            if (hexDigitValue(high) < 0 || !pairEnds) {
                // A digit without its pair is as unreadable as a letter that is no digit.
                parsed.badAt = i;
                return parsed;
            }
            const int low = hexDigitValue(text[i + 1]);
            if (low < 0) {
                parsed.badAt = i + 1;
                return parsed;
            }
            parsed.bytes.append(static_cast<char>(hexDigitValue(high) << 4 | low));
            i += 2;
        }
    }
    return parsed;
}

}  // namespace HexByteText
