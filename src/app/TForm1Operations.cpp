// The chip operations of the main window: each handler hands its command to the operations
// core, which runs the checks, the frame and the routine and reports through the window's
// feedback services. The command-line tool drives the same core, so both run the same steps.
#include "TForm1.h"

#include "app/DeviceChangeWatcher.h"
#include "programmer/ChipOperations.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

// The window's side of the operations: its data and its chip lists, seen through the core's
// interfaces. A Qt child of the window, so it lives exactly as long as the window does.
class WindowOperations final : public QObject, public OperationHost, public ChipListSelection {
public:
    static constexpr const char* Name = "zorvexWindowOperations";

    explicit WindowOperations(TForm1& form)
        : QObject(&form)
        , m_form(form)
        , m_operations(form.usb(), form, *this, systemClock())
    {
        setObjectName(QString::fromLatin1(Name));
        // The device-change notification: a USB device came or went, check the connection.
        auto* watcher = new DeviceChangeWatcher(this);
        connect(watcher, &DeviceChangeWatcher::deviceChanged, &form, &TForm1::ProbeProgrammer);
    }

    [[nodiscard]] ChipOperations& operations() { return m_operations; }

    std::span<quint8> dataBuffer() override { return m_form.dataBuffer(); }
    qint32 dataLength() const override { return m_form.dataLength(); }
    void setDataLength(qint32 length) override { m_form.setDataLength(length); }
    const ChipRecord& currentChipRecord() const override { return m_form.currentChipRecord(); }
    int speedIndex() const override { return m_form.speedIndex(); }
    AutoOptions autoOptions() const override
    {
        return {m_form.autoErase(), m_form.autoProgram(), m_form.autoVerify()};
    }
    void takeViewEdits() override { m_form.TakeViewEdits(); }
    void loadViewFromBuffer() override { m_form.LoadViewFromBuffer(); }

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
};

WindowOperations& windowOperations(TForm1& form)
{
    auto* existing = dynamic_cast<WindowOperations*>(
        form.findChild<QObject*>(QString::fromLatin1(WindowOperations::Name), Qt::FindDirectChildrenOnly));
    return existing ? *existing : *new WindowOperations(form);
}

} // namespace

void TForm1::ToolReadClick()
{
    // A read that started replaces the image: the header of a capsule opened before is no
    // longer its header.
    if (windowOperations(*this).operations().runRead() != CommandOutcome::Refused)
        m_capsuleHeader.clear();
}
void TForm1::ToolEraseClick() { windowOperations(*this).operations().runErase(); }
void TForm1::ToolWriteClick() { windowOperations(*this).operations().runWrite(); }
void TForm1::ToolVerifyClick() { windowOperations(*this).operations().runVerify(); }
void TForm1::ToolAutoClick() { windowOperations(*this).operations().runAuto(); }
void TForm1::ToolBankClick() { windowOperations(*this).operations().runBlankCheck(); }

void TForm1::BitBtn1Click()
{
    WindowOperations& operations = windowOperations(*this);
    operations.operations().runDetect(chipDatabase().table(), operations);
}

void TForm1::ProbeProgrammer()
{
    windowOperations(*this).operations().ProbeProgrammer();
    refreshProgrammerMenu();
}
