#pragma once

#include <QString>

#include <stdexcept>

// The control's own error type. It carries the English message the control was asked to show;
// callers catch it where a user action started, never across a Qt event handler.
class HexEditorError : public std::runtime_error {
public:
    explicit HexEditorError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    // One of the fixed texts below.
    explicit HexEditorError(const char* message) : HexEditorError(QString::fromLatin1(message)) {}

    [[nodiscard]] const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

namespace HexMessages {
inline constexpr const char* OutOfBounds = "Data position/length out of data bounds";
inline constexpr const char* FixedFileSize = "Cannot change fixed filesize";
inline constexpr const char* Cancelled = "Operation cancelled";
inline constexpr const char* BytesPerLine = "Invalid bytes per line argument";
inline constexpr const char* BytesPerColumn = "Invalid bytes per column argument";
inline constexpr const char* BytesPerUnit = "Invalid bytes per unit value %1, allowed: 1,2,4,8";
inline constexpr const char* UnicodeUnit = "BytesPerUnit must be set to 2 in unicode mode";
inline constexpr const char* RulerUnit = "Invalid ruler bytes per unit value %1, allowed: -1,1,2,4,8";
inline constexpr const char* UnicodeOddSize = "Cannot use unicode mode with odd-sized files";
inline constexpr const char* UnicodeTranslation = "Translations cannot be used in unicode mode";
inline constexpr const char* MissingChar = "Missing char in offset format: %1";
inline constexpr const char* InvalidRadix = "Invalid radix in offset format (%1h), allowed: 02h..10h";
inline constexpr const char* RulerBase = "Invalid ruler number base %1, allowed: 2..16";
inline constexpr const char* CannotOpen = "Cannot open %1.\r\n(%2.)";
inline constexpr const char* ReadOnlySave = "Cannot save readonly file %1.";
inline constexpr const char* UndoRefused = "Cannot update undo storage";
inline constexpr const char* SelStart = "Invalid selection start";
inline constexpr const char* SelEnd = "Invalid selection end";
inline constexpr const char* BookmarkIndex = "Invalid bookmark index";
inline constexpr const char* BookmarkFormat = "Invalid bookmark format";
inline constexpr const char* NoFileName = "No filename specified";
inline constexpr const char* DeleteBackup = "Cannot delete previous backup %1. (%2)";
inline constexpr const char* CreateBackup = "Cannot create backup %1. (%2)";
inline constexpr const char* PageIndex = "Invalid page index";
inline constexpr const char* PrintFailed = "Printing failed";
} // namespace HexMessages

// Raises the error when [position, position + count) is not inside [0, size).
inline void hexCheckBounds(qint64 position, qint64 count, qint64 size)
{
    if (position < 0 || count < 0 || position > size || count > size - position)
        throw HexEditorError(HexMessages::OutOfBounds);
}
