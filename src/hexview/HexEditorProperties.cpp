// Property setters of the hex view: validation first, so a refused value changes nothing.
#include "HexEditor.h"
#include "HexEditorError.h"

void HexEditor::SetBytesPerRow(int value)
{
    if (value < 1 || value > 256 || (m_params.unicodeChars && (value & 1)))
        throw HexEditorError(HexMessages::BytesPerLine);
    if (value == m_params.bytesPerRow)
        return;
    const qint64 caret = GetCursorPosition();
    m_params.bytesPerRow = value;
    RecomputeGrid();
    MoveCaretTo(caret, m_inCharField);
}

void HexEditor::SetBytesPerColumn(int value)
{
    if (value < 1 || value > 256 || (m_params.unicodeChars && (value & 1)))
        throw HexEditorError(HexMessages::BytesPerColumn);
    m_params.bytesPerColumn = value;
    RecomputeGrid();
}

void HexEditor::SetAutoBytesPerRow(bool value)
{
    m_autoBytesPerRow = value;
    if (value)
        applyAutoBytesPerRow();
}

void HexEditor::SetTranslation(TranslationKind value)
{
    if (m_params.unicodeChars && value != tkAsIs)
        throw HexEditorError(HexMessages::UnicodeTranslation);
    repaintWith(m_translation, value);
}

void HexEditor::SetColors(const HexColors& value)
{
    m_colors = value;
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, value.Background);
    pal.setColor(QPalette::Window, value.Background);
    viewport()->setPalette(pal);
    viewport()->update();
}

void HexEditor::setInsertModeCondition(bool& member, bool value)
{
    member = value;
    if (!insertModeAllowed())
        SetInsertMode(false);
    viewport()->update();
}

void HexEditor::SetInsertMode(bool value)
{
    if (value == m_params.insertMode)
        return;
    if (value && !insertModeAllowed())
        return;
    const qint64 caret = GetCursorPosition();
    m_params.insertMode = value;
    // Changed-byte marks only make sense against unmoved data, so they go with the mode switch.
    m_modifiedBits.clear();
    RecomputeGrid();
    MoveCaretTo(caret, m_inCharField);
}

void HexEditor::SetBytesPerUnit(int value)
{
    if (!hexIsUnit(value))
        throw HexEditorError(QString::fromLatin1(HexMessages::BytesPerUnit).arg(value));
    if (m_params.unicodeChars && value != 2)
        throw HexEditorError(HexMessages::UnicodeUnit);
    m_bytesPerUnit = value;
    RecomputeGrid();
}

void HexEditor::SetRulerBytesPerUnit(int value)
{
    if (value != -1 && !hexIsUnit(value))
        throw HexEditorError(QString::fromLatin1(HexMessages::RulerUnit).arg(value));
    m_rulerBytesPerUnit = value;
    RecomputeGrid();
}

void HexEditor::SetUnicodeChars(bool value)
{
    if (value == m_params.unicodeChars)
        return;
    if (value && (m_data.size() & 1))
        throw HexEditorError(HexMessages::UnicodeOddSize);
    const qint64 caret = GetCursorPosition();
    m_params.unicodeChars = value;
    if (value) {
        m_translation = tkAsIs;
        m_bytesPerUnit = 2;
        for (int* count : {&m_params.bytesPerRow, &m_params.bytesPerColumn})
            if (*count & 1)
                *count = *count == 255 ? 254 : *count + 1;
    }
    RecomputeGrid();
    MoveCaretTo(caret & ~qint64(value ? 1 : 0), m_inCharField);
}

void HexEditor::SetRulerNumberBase(int value)
{
    if (value < 2 || value > 16)
        throw HexEditorError(QString::fromLatin1(HexMessages::RulerBase).arg(value));
    m_params.rulerNumberBase = value;
    RecomputeGrid();
}
