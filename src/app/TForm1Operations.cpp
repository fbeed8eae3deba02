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

// The window's side of the session: its hex view and its chip lists, seen through the core's
// interfaces. A Qt child of the window, so it lives exactly as long as the window does. Items
// are found in the chip-list pass's own lists, which the drop-down lists show.
class WindowOperations final : public QObject, public ChipSession::View, public ChipListSelection {
public:
    WindowOperations(TForm1& form, const ChipLists& lists)
        : QObject(&form)
        , m_form(form)
        , m_lists(lists)
        , m_boxes{form.ComboBox1, form.ComboBox2, form.ComboBox3}
    {
        // The device-change notification: a USB device came or went, check the connection.
        auto* watcher = new DeviceChangeWatcher(this);
        connect(watcher, &DeviceChangeWatcher::deviceChanged, &form, &TForm1::ProbeProgrammer);
    }

    void takeViewEdits() override { m_form.TakeViewEdits(); }
    void loadViewFromBuffer() override { m_form.LoadViewFromBuffer(); }

    int findItem(ChipList list, const QString& text) const override
    {
        return m_lists.find(static_cast<ChipLists::List>(list), text);
    }
    int position(ChipList list) const override { return box(list)->currentIndex(); }
    QString selectedText(ChipList list) const override { return box(list)->currentText(); }
    int rememberedIndex(ChipList list) const override { return m_form.rememberedIndex(static_cast<int>(list)); }
    void setRememberedIndex(ChipList list, int position) override
    {
        m_form.setRememberedIndex(static_cast<int>(list), position);
    }
    void selectChip(int type, int manufacturer, int model) override { m_form.SelectChip(type, manufacturer, model); }

private:
    [[nodiscard]] QComboBox* box(ChipList list) const { return m_boxes[static_cast<std::size_t>(list)]; }

    TForm1& m_form;
    const ChipLists& m_lists;
    std::array<QComboBox*, 3> m_boxes;
};

void TForm1::createOperations()
{
    m_windowOperations = new WindowOperations(*this, m_chipLists);
    m_session.bind(usb(), *this, m_windowOperations);
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
    runOperation([this] { m_session.operations().runDetect(chipDatabase().table(), *m_windowOperations); });
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
