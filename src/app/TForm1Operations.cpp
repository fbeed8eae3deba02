// The chip operations of the main window: each handler hands its command to the operations
// core, which runs the checks, the frame and the routine and reports through the window's
// feedback services. The command-line tool drives the same core, so both run the same steps.
#include "TForm1.h"

#include "app/DeviceChangeWatcher.h"
#include "app/FocusReturn.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/DifferenceReport.h"
#include "programmer/ChipOperations.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>
#include <memory>

// The window's side of the operations: its data and its chip lists, seen through the core's
// interfaces. A Qt child of the window, so it lives exactly as long as the window does.
class WindowOperations final : public QObject, public OperationHost, public ChipListSelection {
public:
    explicit WindowOperations(TForm1& form)
        : QObject(&form)
        , m_form(form)
        , m_operations(form.usb(), form, *this, systemClock())
    {
        // The device-change notification: a USB device came or went, check the connection.
        auto* watcher = new DeviceChangeWatcher(this);
        connect(watcher, &DeviceChangeWatcher::deviceChanged, &form, &TForm1::ProbeProgrammer);
    }

    [[nodiscard]] ChipOperations& operations() { return m_operations; }

    const ChipRecord& currentChipRecord() const override { return m_form.currentChipRecord(); }
    int speedIndex() const override { return m_form.speedIndex(); }
    AutoOptions autoOptions() const override
    {
        return {m_form.autoErase(), m_form.autoProgram(), m_form.autoVerify()};
    }
    std::span<quint8> dataBuffer() override { return m_readBack.empty() ? m_form.dataBuffer() : m_readBack; }
    qint32 dataLength() const override { return m_readBack.empty() ? m_form.dataLength() : m_readBackLength; }
    void setDataLength(qint32 length) override
    {
        if (m_readBack.empty())
            m_form.setDataLength(length);
        else
            m_readBackLength = length;
    }
    void takeViewEdits() override
    {
        if (m_readBack.empty())
            m_form.TakeViewEdits();
    }
    void loadViewFromBuffer() override
    {
        if (m_readBack.empty())
            m_form.LoadViewFromBuffer();
    }

    // Reads the chip into image instead of the buffer, which stays as it is with the view; the
    // read runs as every other operation, under the same guard.
    CommandOutcome readChipInto(std::span<quint8> image)
    {
        m_readBack = image;
        m_readBackLength = 0;
        const CommandOutcome outcome = m_operations.runRead();
        m_readBack = {};
        return outcome;
    }

    int findItem(ChipList list, const QString& text) const override
    {
        return m_form.findChipListItem(static_cast<int>(list), text);
    }
    int position(ChipList list) const override { return m_form.chipList(static_cast<int>(list))->currentIndex(); }
    QString selectedText(ChipList list) const override
    {
        return m_form.chipList(static_cast<int>(list))->currentText();
    }
    int rememberedIndex(ChipList list) const override { return m_form.rememberedIndex(static_cast<int>(list)); }
    void setRememberedIndex(ChipList list, int position) override
    {
        m_form.setRememberedIndex(static_cast<int>(list), position);
    }
    void selectChip(int type, int manufacturer, int model) override { m_form.SelectChip(type, manufacturer, model); }

private:
    TForm1& m_form;
    ChipOperations m_operations;
    std::span<quint8> m_readBack;  // not empty while Compare with chip reads
    qint32 m_readBackLength = 0;
};

WindowOperations& TForm1::windowOperations()
{
    if (!m_windowOperations)
        m_windowOperations = new WindowOperations(*this);
    return *m_windowOperations;
}

// The operations core keeps the one answer: it holds its guard from the first check of a command
// to its end, the chip query included, while the tool bar is disabled only inside the frame.
// The operations process pending events between blocks, so a menu command can arrive in the
// middle of a write or verify; changing the buffer or the chip table then would corrupt what the
// operation is moving.
bool TForm1::chipOperationRunning() const
{
    return m_windowOperations && m_windowOperations->operations().isBusy();
}

void TForm1::runOperation(const std::function<void()>& operation)
{
    {
        const FocusReturn focus(this);
        operation();
    }
    // Only the outermost handler gets here with the operation over: one refused inside it
    // returns while the tool bar is still disabled.
    if (m_closeWhenIdle && !chipOperationRunning())
        close();
}

void TForm1::ToolReadClick()
{
    runOperation([this] {
        // A read that started replaces the image: the header of a capsule opened before is no
        // longer its header.
        if (windowOperations().operations().runRead() != CommandOutcome::Refused)
            m_capsuleHeader.clear();
    });
}

void TForm1::ToolEraseClick()
{
    runOperation([this] { windowOperations().operations().runErase(); });
}

void TForm1::ToolWriteClick()
{
    runOperation([this] { windowOperations().operations().runWrite(); });
}

void TForm1::ToolVerifyClick()
{
    runOperation([this] { windowOperations().operations().runVerify(); });
}

void TForm1::ToolAutoClick()
{
    runOperation([this] { windowOperations().operations().runAuto(); });
}

void TForm1::ToolBankClick()
{
    runOperation([this] { windowOperations().operations().runBlankCheck(); });
}

void TForm1::BitBtn1Click()
{
    runOperation([this] {
        WindowOperations& operations = windowOperations();
        operations.operations().runDetect(chipDatabase().table(), operations);
    });
}

void TForm1::ProbeProgrammer()
{
    runOperation([this] { windowOperations().operations().ProbeProgrammer(); });
    refreshProgrammerMenu();
}

void TForm1::CompareChip1Click()
{
    if (chipOperationRunning())
        return;
    const ChipRecord& chip = currentChipRecord();
    if (chip.flashSize == 0) {
        ShowError(ExtraMessages::text(ExtraText::CompareNoChip));
        return;
    }
    const QString chipName = ComboBox3->currentText();
    runOperation([this, chipName] {
        // The read moves whole blocks and may pass the chip's size up to the end of its last.
        const auto image = std::make_unique_for_overwrite<quint8[]>(DataBufferSize);
        std::fill_n(image.get(), DataBufferSize, quint8{0xFF});
        const std::span<quint8> readBack(image.get(), DataBufferSize);
        if (windowOperations().readChipInto(readBack) != CommandOutcome::Completed)
            return;
        const std::size_t size = std::min<std::size_t>(currentChipRecord().flashSize, DataBufferSize);
        TakeViewEdits();
        showDifferences(DifferenceReport::compare(dataBuffer().first(size), readBack.first(size)), true, chipName);
    });
}
