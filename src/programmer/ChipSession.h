#pragma once

#include "buffer/ImageBuffer.h"
#include "chipdb/ChipDatabase.h"
#include "programmer/ChipOperations.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"

#include <optional>

class OperatorFeedback;
class TUsbBulk;

// What the chip operations work on, held once by the window and by the command-line tool for
// each command: the 64 MiB memory image (every byte 0xFF until a file or a read fills it), its
// data length, the chip database with the current chip, the speed, the automatic-programming
// options, and the operations themselves once a transport is bound. A face that shows the image
// (the window's hex view) keeps its view in step through a View; without one there are no view
// edits to take back and no view to reload.
class ChipSession final : public OperationHost {
public:
    static constexpr qint64 DataBufferSize = ImageBuffer::kSize;
    // The programming speeds the programmer offers, as the window's list and the command line
    // name them; the position is the speed index sent with every operation.
    static constexpr const char* SpeedNames[] = {"12MHz", "6MHz", "3MHz", "1.5MHz", "750KHz", "375KHz"};

    class View {
    public:
        virtual ~View() = default;
        virtual void takeViewEdits() = 0;
        virtual void loadViewFromBuffer() = 0;
    };

    // Makes the operations on this transport, reporting through feedback and keeping view (when
    // given) in step. Once, before operations() is used.
    void bind(TUsbBulk& usb, OperatorFeedback& feedback, View* view = nullptr, OperationClock& clock = systemClock());
    [[nodiscard]] ChipOperations& operations() { return *m_operations; }
    [[nodiscard]] bool isBusy() const { return m_operations && m_operations->isBusy(); }

    // Reads the chip into image instead of the buffer, which stays as it is with its view; the
    // read runs as every other operation does, under the same guard. Refused while one runs.
    CommandOutcome readChipInto(std::span<quint8> image);

    // The image and its length as the person has them, also while readChipInto directs the
    // operations elsewhere.
    [[nodiscard]] std::span<quint8> image() { return m_image.bytes(); }
    [[nodiscard]] std::span<const quint8> image() const { return m_image.bytes(); }
    [[nodiscard]] qint32 imageLength() const { return m_dataLength; }
    void setImageLength(qint32 length) { m_dataLength = length; }

    std::span<quint8> dataBuffer() override { return m_readBack.empty() ? image() : m_readBack; }
    qint32 dataLength() const override { return m_readBack.empty() ? m_dataLength : m_readBackLength; }
    void setDataLength(qint32 length) override { (m_readBack.empty() ? m_dataLength : m_readBackLength) = length; }
    const ChipRecord& currentChipRecord() const override { return m_database[m_currentChip]; }
    int speedIndex() const override { return m_speedIndex; }
    AutoOptions autoOptions() const override { return m_autoOptions; }
    void takeViewEdits() override;
    void loadViewFromBuffer() override;

    [[nodiscard]] ChipDatabase& database() { return m_database; }
    [[nodiscard]] const ChipDatabase& database() const { return m_database; }
    [[nodiscard]] int currentChip() const { return m_currentChip; }
    void setCurrentChip(int slot) { m_currentChip = slot; }
    void setSpeedIndex(int index) { m_speedIndex = index; }
    void setAutoOptions(const AutoOptions& options) { m_autoOptions = options; }

private:
    ImageBuffer m_image;
    qint32 m_dataLength = 0;
    std::span<quint8> m_readBack;  // not empty while readChipInto reads
    qint32 m_readBackLength = 0;
    ChipDatabase m_database;
    int m_currentChip = 0;
    int m_speedIndex = 0;
    AutoOptions m_autoOptions;
    View* m_view = nullptr;
    std::optional<ChipOperations> m_operations;
};
