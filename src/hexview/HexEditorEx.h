#pragma once

#include "HexEditor.h"

// The extended hex view: what the main window places as FlashEditor.
class HexEditorEx : public HexEditor {
    Q_OBJECT
public:
    explicit HexEditorEx(QWidget* parent = nullptr);

    [[nodiscard]] bool CreateBackup() const noexcept { return m_createBackup; }
    void SetCreateBackup(bool value) { m_createBackup = value; }
    [[nodiscard]] const QString& BackupExtension() const noexcept { return m_backupExtension; }
    void SetBackupExtension(const QString& value) { m_backupExtension = value; }
    [[nodiscard]] const QFont& PrintFont() const noexcept { return m_printFont; }
    void SetPrintFont(const QFont& value) { m_printFont = value; }
    [[nodiscard]] bool ZoomOnWheel() const noexcept { return m_zoomOnWheel; }
    void SetZoomOnWheel(bool value) { m_zoomOnWheel = value; }

private:
    bool m_createBackup = true;
    QString m_backupExtension = QStringLiteral(".bak");
    QFont m_printFont;
    bool m_zoomOnWheel = true;
};

// The settings the main window's FlashEditor instance carries over the control defaults.
void applyFlashEditorSettings(HexEditorEx& editor);
