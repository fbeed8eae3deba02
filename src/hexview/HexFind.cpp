#include "HexFind.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

std::uint8_t hexAnsiLower(std::uint8_t c) noexcept
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return std::uint8_t(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
    }
}

HexFindTables HexFindTables::build(const HexTranslation& tables, TranslationKind kind)
{
    HexFindTables t{hexIdentityTable(), {}};
    const HexByteTable& to = tables.toAnsi(kind);
    const HexByteTable& from = tables.fromAnsi(kind);
    for (int b = 0; b < 256; ++b)
        t.ignoreCase[b] = from[hexAnsiLower(to[b])];
    return t;
}

QByteArray hexPrepareSearchText(QByteArrayView text, const HexTranslation& tables,
                                const HexSearchTextOptions& options)
{
    QByteArray bytes(text.data(), text.size());
    if (options.ignoreCase)
        for (char& c : bytes)
            c = char(hexAnsiLower(std::uint8_t(c)));
    if (options.translate)
        tables.translateFromAnsi(options.translation,
                                 std::span(reinterpret_cast<std::uint8_t*>(bytes.data()),
                                           std::size_t(bytes.size())));
    if (!options.unicode)
        return bytes;
    QByteArray wide(bytes.size() * 2, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        wide[2 * i + (options.unicodeBigEndian ? 1 : 0)] = bytes[i];
    return wide;
}

namespace {

// Start positions per slice when nobody watches progress: large enough to keep the memchr
// fast path busy, small enough to stay responsive to a future progress hook.
constexpr qint64 kSlice = qint64(1) << 20;

struct Matcher {
    std::span<const std::uint8_t> data;
    const HexByteTable& table;
    std::vector<std::uint8_t> want;    // pattern mapped through the table
    std::vector<bool> any;             // wildcard positions
    qint64 anchor = 0;                 // first non-wildcard pattern byte
    std::array<bool, 256> anchorHit{}; // data bytes that map onto the anchor byte
    bool plain = false;                // identity table and no wildcard: memchr + memcmp

    [[nodiscard]] bool matchesAt(qint64 start) const
    {
        const std::uint8_t* d = data.data() + start;
        for (std::size_t k = 0; k < want.size(); ++k)
            if (!any[k] && table[d[k]] != want[k])
                return false;
        return true;
    }

    // First match with a start in [first, last], or -1.
    [[nodiscard]] qint64 scan(qint64 first, qint64 last) const
    {
        if (plain) {
            const std::uint8_t* base = data.data();
            const std::uint8_t lead = want[0];
            qint64 s = first;
            while (s <= last) {
                const void* hit = std::memchr(base + s, lead, std::size_t(last - s + 1));
                if (!hit)
                    return -1;
                s = static_cast<const std::uint8_t*>(hit) - base;
                if (std::memcmp(base + s, want.data(), want.size()) == 0)
                    return s;
                ++s;
            }
            return -1;
        }
        for (qint64 s = first; s <= last; ++s)
            if (anchorHit[data[std::size_t(s + anchor)]] && matchesAt(s))
                return s;
        return -1;
    }
};

} // namespace

qint64 hexFind(std::span<const std::uint8_t> data, const HexFindRequest& request)
{
    const qint64 size = qint64(data.size());
    const qint64 n = qint64(request.pattern.size());
    const qint64 from = std::max<qint64>(request.from, 0);
    const qint64 to = std::min(request.to, size - 1);
    if (n == 0 || to < from || to - from + 1 < n)
        return -1;

    const HexByteTable& table = request.table ? *request.table : hexIdentityTable();
    Matcher m{data, table, {}, {}, 0, {}, false};
    m.want.resize(std::size_t(n));
    m.any.resize(std::size_t(n));
    for (qint64 k = 0; k < n; ++k) {
        const std::uint8_t p = request.pattern[std::size_t(k)];
        m.any[std::size_t(k)] = request.wildcard >= 0 && p == request.wildcard;
        // The pattern goes through the same table, so a caller's upper-case text still matches.
        m.want[std::size_t(k)] = table[p];
    }
    const auto anchorIt = std::find(m.any.begin(), m.any.end(), false);
    if (anchorIt == m.any.end())
        return from;  // nothing but wildcards: the first possible start matches
    m.anchor = anchorIt - m.any.begin();
    for (int b = 0; b < 256; ++b)
        m.anchorHit[std::size_t(b)] = table[b] == m.want[std::size_t(m.anchor)];
    m.plain = table == hexIdentityTable() && std::ranges::find(m.any, true) == m.any.end();

    const qint64 lastStart = to - n + 1;
    const bool reporting = request.progress && request.progressStep > 0;
    const qint64 slice = reporting ? request.progressStep : kSlice;
    for (qint64 first = from; first <= lastStart; first += slice) {
        if (reporting)
            request.progress(first);
        const qint64 found = m.scan(first, std::min(lastStart, first + slice - 1));
        if (found >= 0)
            return found;
    }
    return -1;
}
