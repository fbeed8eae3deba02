#pragma once

#include "hexview/HexEditorEx.h"

#include <QTest>

#include <cstdint>
#include <vector>

// The control set up as the main window's hex view, shown with the focus and loaded, so key and
// mouse events reach it as they do on the desktop.
struct ShownEditor {
    HexEditorEx editor;
    explicit ShownEditor(const std::vector<std::uint8_t>& bytes)
    {
        applyFlashEditorSettings(editor);
        editor.resize(880, 518);
        editor.show();
        editor.activateWindow();
        editor.setFocus();
        editor.LoadFromBytes(bytes);
    }
    void keys(const char* text) { QTest::keyClicks(&editor, text); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&editor, k, m); }
    std::vector<std::uint8_t> data() const { return {editor.Data().begin(), editor.Data().end()}; }
};
