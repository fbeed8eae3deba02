#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

struct ChipRecord;

// The three automatic-programming options (CheckBox1..3 in the window).
struct AutoOptions {
    bool erase = true;
    bool program = true;
    bool verify = true;
};

// The state the chip operations work on, owned by whoever runs them: the main window, the
// command-line tool or a test. Feedback to the person goes through OperatorFeedback; this is
// the data side.
class OperationHost {
public:
    virtual ~OperationHost() = default;

    // The whole memory image (64 MiB in the program). Whole blocks are moved, so a read may
    // write past flashSize up to the end of its last block; the buffer's size bounds that.
    [[nodiscard]] virtual std::span<quint8> dataBuffer() = 0;
    [[nodiscard]] virtual qint32 dataLength() const = 0;
    virtual void setDataLength(qint32 length) = 0;

    // The record in slot currentChip.
    [[nodiscard]] virtual const ChipRecord& currentChipRecord() const = 0;
    // Position in the programming-speed list, -1 when none is selected.
    [[nodiscard]] virtual int speedIndex() const = 0;
    [[nodiscard]] virtual AutoOptions autoOptions() const = 0;

    // Copy the hex view's edits back into the buffer (only when the view was modified).
    virtual void takeViewEdits() = 0;
    // Show the first flashSize bytes of the buffer in the hex view.
    virtual void loadViewFromBuffer() = 0;
};

// The three chip selection lists of the window, as chip detection needs them.
enum class ChipList { Type = 0, Manufacturer = 1, Model = 2 };

class ChipListSelection {
public:
    virtual ~ChipListSelection() = default;

    // Position of the item whose whole text equals text, letter case ignored; -1 when absent.
    [[nodiscard]] virtual int findItem(ChipList list, const QString& text) const = 0;
    // Selected position of the list, -1 when none.
    [[nodiscard]] virtual int position(ChipList list) const = 0;
    // Text of the list's selected item, empty when none.
    [[nodiscard]] virtual QString selectedText(ChipList list) const = 0;

    // The remembered positions INDEX1..INDEX3 (saved in the settings).
    [[nodiscard]] virtual int rememberedIndex(ChipList list) const = 0;
    virtual void setRememberedIndex(ChipList list, int position) = 0;

    // Refill the manufacturer and model lists and choose the chip at these positions.
    virtual void selectChip(int type, int manufacturer, int model) = 0;
};
