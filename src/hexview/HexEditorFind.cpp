// Search over the store: the data is addressed in place, never copied.
#include "HexEditor.h"
#include "HexEditorError.h"
#include "HexFind.h"

QByteArray HexEditor::PrepareFindText(const QByteArray& text, bool ignoreCase, bool translate) const
{
    return hexPrepareSearchText(text, m_tables,
                                {.ignoreCase = ignoreCase, .translate = translate, .translation = m_translation,
                                 .unicode = m_params.unicodeChars, .unicodeBigEndian = m_unicodeBigEndian});
}

qint64 HexEditor::Find(const void* data, qint64 length, qint64 from, qint64 to, bool ignoreCase)
{
    if (OnFind) {
        qint64 found = -1;
        OnFind(data, length, from, to, ignoreCase, found);
        return found;
    }
    return findImpl(data, length, from, to, ignoreCase, -1);
}

qint64 HexEditor::FindWithWildcard(const void* data, qint64 length, qint64 from, qint64 to,
                                   bool ignoreCase, char wildcard)
{
    if (OnWildcardFind) {
        qint64 found = -1;
        OnWildcardFind(data, length, from, to, ignoreCase, wildcard, found);
        return found;
    }
    return findImpl(data, length, from, to, ignoreCase, std::uint8_t(wildcard));
}

qint64 HexEditor::findImpl(const void* data, qint64 length, qint64 from, qint64 to,
                           bool ignoreCase, int wildcard)
{
    if (!data || length <= 0)
        return -1;
    const auto wait = waitCursor();
    const HexFindTables tables = HexFindTables::build(m_tables, m_translation);
    HexFindRequest request;
    request.pattern = std::span(static_cast<const std::uint8_t*>(data), std::size_t(length));
    request.from = from;
    request.to = to;
    request.table = ignoreCase ? &tables.ignoreCase : &tables.identity;
    request.wildcard = wildcard;
    const qint64 size = m_data.size();
    if (m_findProgress && OnProgress && size > 0) {
        request.progressStep = std::max<qint64>(1, size / 500);
        request.progress = [this, size](qint64 position) {
            bool cancel = false;
            OnProgress(pkFind, int(position * 100 / size), m_fileName, cancel);
            if (cancel)
                throw HexEditorError(HexMessages::Cancelled);
        };
    }
    return hexFind(m_data.bytes(), request);
}
