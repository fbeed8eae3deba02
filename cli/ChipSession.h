#pragma once

#include "ImageBuffer.h"

#include "chipdb/ChipDatabase.h"
#include "programmer/OperationHost.h"

// What the window holds for the chip operations, held by the command-line tool for one command:
// the 64 MiB memory image (every byte 0xFF until a file or a read fills it), its data length,
// the chip database with the current chip, the speed and the automatic-programming options.
// There is no hex view, so there are no view edits to take back and no view to reload.
class ChipSession final : public OperationHost {
public:
    static constexpr qint64 DataBufferSize = ImageBuffer::kSize;

    std::span<quint8> dataBuffer() override { return m_image.bytes(); }
    qint32 dataLength() const override { return m_dataLength; }
    void setDataLength(qint32 length) override { m_dataLength = length; }
    const ChipRecord& currentChipRecord() const override { return m_database[m_currentChip]; }
    int speedIndex() const override { return m_speedIndex; }
    AutoOptions autoOptions() const override { return m_autoOptions; }
    void takeViewEdits() override {}
    void loadViewFromBuffer() override {}

    [[nodiscard]] ChipDatabase& database() { return m_database; }
    [[nodiscard]] const ChipDatabase& database() const { return m_database; }
    [[nodiscard]] int currentChip() const { return m_currentChip; }
    void setCurrentChip(int slot) { m_currentChip = slot; }
    void setSpeedIndex(int index) { m_speedIndex = index; }
    void setAutoOptions(const AutoOptions& options) { m_autoOptions = options; }

private:
    ImageBuffer m_image;
    qint32 m_dataLength = 0;
    ChipDatabase m_database;
    int m_currentChip = 0;
    int m_speedIndex = 0;
    AutoOptions m_autoOptions;
};
