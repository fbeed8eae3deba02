#include "HexEditorEx.h"

HexEditorEx::HexEditorEx(QWidget* parent) : HexEditor(parent), m_printFont(font()) {}

void applyFlashEditorSettings(HexEditorEx& editor)
{
    editor.setObjectName(QStringLiteral("FlashEditor"));
    editor.SetShowRuler(true);
    editor.setFont(HexEditor::FixedFont(15));
    editor.SetBytesPerRow(16);
    editor.SetTranslation(tkAsIs);
    editor.SetOffsetFormat(QStringLiteral("-!10:0x|"));
    editor.SetFocusFrame(true);
    editor.SetDrawGridLines(false);
    editor.viewport()->setCursor(Qt::IBeamCursor);
    editor.SetBackupExtension(QStringLiteral(".bak"));
    editor.SetPrintFont(HexEditor::FixedFont(15));
}
