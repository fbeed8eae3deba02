// The chip operations of the main window: each handler hands its command to the session's
// operations, which run the checks, the frame and the routine and report through the window's
// feedback services. The command-line tool drives the same session, so both run the same steps.
#include "TForm1.h"

#include "app/DeviceChangeWatcher.h"
#include "app/FocusReturn.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/ImageBuffer.h"

#include <QCheckBox>
#include <QComboBox>

#include <array>

int TForm1::position(ChipList list) const
{
    return chipBox(list)->currentIndex();
}

QString TForm1::selectedText(ChipList list) const
{
    return chipBox(list)->currentText();
}

QComboBox* TForm1::chipBox(ChipList list) const
{
    return std::array{ComboBox1, ComboBox2, ComboBox3}[static_cast<std::size_t>(list)];
}

void TForm1::createOperations()
{
    m_session.bind(usb(), *this, this);
    // The device-change notification: a USB device came or went, check the connection.
    connect(new DeviceChangeWatcher(this), &DeviceChangeWatcher::deviceChanged, this, &TForm1::ProbeProgrammer);
    const auto takeOptions = [this] {
        m_session.setAutoOptions({CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked()});
    };
    takeOptions();
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
        connect(box, &QCheckBox::toggled, this, takeOptions);
    m_session.setSpeedIndex(ComboBox4->currentIndex());
    connect(ComboBox4, &QComboBox::currentIndexChanged, this, [this](int index) { m_session.setSpeedIndex(index); });
}

// The operations core keeps the one answer: it holds its guard from the first check of a command
// to its end, the chip query included, while the tool bar is disabled only inside the frame.
// The operations process pending events between blocks, so a menu command can arrive in the
// middle of a write or verify; changing the buffer or the chip table then would corrupt what the
// operation is moving.
bool TForm1::chipOperationRunning() const
{
    return m_session.isBusy();
}

void TForm1::runOperation(const std::function<void()>& operation)
{
    {
        const FocusReturn focus(this);
        operation();
    }
    // The frame enabled the tool bar again while the operation still held the session.
    updateEditCommands();
    // Only the outermost handler gets here with the operation over: one refused inside it
    // returns while the tool bar is still disabled.
    if (m_closeWhenIdle && !chipOperationRunning())
        close();
}

void TForm1::ToolReadClick()
{
    runOperation([this] {
        // A read that got through replaces the image: the header of a capsule opened before is
        // no longer its header. One that stopped left the image, and so its header, as it was.
        if (m_session.operations().runRead() == CommandOutcome::Completed)
            m_capsuleHeader.clear();
    });
}

void TForm1::ToolEraseClick()
{
    runOperation([this] { m_session.operations().runErase(); });
}

void TForm1::ToolWriteClick()
{
    runOperation([this] { m_session.operations().runWrite(); });
}

void TForm1::ToolVerifyClick()
{
    runOperation([this] { m_session.operations().runVerify(); });
}

void TForm1::ToolAutoClick()
{
    runOperation([this] { m_session.operations().runAuto(); });
}

void TForm1::ToolBankClick()
{
    runOperation([this] { m_session.operations().runBlankCheck(); });
}

void TForm1::BitBtn1Click()
{
    runOperation([this] { m_session.operations().runDetect(chipDatabase().table(), *this); });
}

void TForm1::ProbeProgrammer()
{
    runOperation([this] { m_session.operations().ProbeProgrammer(); });
    refreshProgrammerMenu();
}

void TForm1::CompareChip1Click()
{
    if (chipOperationRunning())
        return;
    if (currentChipRecord().flashSize == 0) {
        ShowError(ExtraMessages::text(ExtraText::CompareNoChip));
        return;
    }
    const QString chipName = ComboBox3->currentText();
    runOperation([this, chipName] {
        // The read moves whole blocks and may pass the chip's size up to the end of its last.
        ImageBuffer readBack;
        if (m_session.readChipInto(readBack.bytes()) == CommandOutcome::Completed)
            showDifferences(readBack.bytes(), true, chipName);
    });
}
