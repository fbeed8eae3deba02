// The buffer commands of the main window: Open and Save of buffer files, the fill dialog, and the
// hidden chip database editor.
#include "TForm1.h"

#include "FileDialogs.h"
#include "buffer/BufferFile.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>

#include <algorithm>

namespace {

const QString OpenFilter = QStringLiteral(
    "Binary (*.bin)|*.bin|Intel Hex(*.hex)|*.hex|Bios Rom (*.rom)|*.rom|Asus Rom (*.cap)|*.cap|"
    "All files (*.*)|*.*");
const QString SaveFilter = QStringLiteral(
    "Binary (*.bin)|*.bin|Intel Hex(*.hex)|*.hex|Bios Rom (*.rom)|*.rom|All files (*.*)|*.*");
const QString SaveDefaultExtension = QStringLiteral("hex");

// The buffer file code reports through the window's own message boxes.
class WindowFileFeedback final : public BufferFileFeedback {
public:
    explicit WindowFileFeedback(TForm1& form) : m_form(form) {}
    void showError(const QString& message) override { m_form.ShowError(message); }
    bool askYesNo(const QString& message) override { return m_form.askYesNo(message); }

private:
    TForm1& m_form;
};

// The tool bar is disabled exactly while a chip operation runs. Its menu twins stay enabled, and
// the operation processes pending events between blocks, so a menu command can arrive in the
// middle of a write or verify; changing the buffer or the chip table then would corrupt what the
// operation is moving.
bool operationRunning(const TForm1& form)
{
    return !form.ToolBar1->isEnabled();
}

}  // namespace

void TForm1::createFileCommands()
{
    Form2 = new TForm2(m_chipDatabase, this);
    Form2->setDatabasePath(m_environment.databasePath);
    Form2->setErrorReporter([this](const QString& message) { ShowError(message); });
    connect(Form2, &TForm2::chipDatabaseSaved, this, &TForm1::chooseChipAfterEdit);
    registerLanguageForm(QStringLiteral("TForm2"), Form2);

    Form4 = new TForm4(this);
    Form4->setBuffer(dataBuffer());
    Form4->setErrorReporter([this](const QString& message) { ShowError(message); });
    connect(Form4, &TForm4::bufferFilled, this, [this](qint32 viewLength, qint32 dataLength) {
        FlashEditor->LoadFromBytes({m_dataBuffer.get(), static_cast<std::size_t>(viewLength)});
        m_dataLength = dataLength;
    });
    registerLanguageForm(QStringLiteral("TForm4"), Form4);

    connect(ToolOpen, &QAction::triggered, this, &TForm1::ToolOpenClick);
    connect(O2, &QAction::triggered, this, &TForm1::ToolOpenClick);
    connect(ToolSave, &QAction::triggered, this, &TForm1::ToolSaveClick);
    connect(S1, &QAction::triggered, this, &TForm1::ToolSaveClick);
    connect(ToolFill, &QAction::triggered, this, &TForm1::ToolFillClick);
    connect(Fill, &QAction::triggered, this, &TForm1::ToolFillClick);
    connect(ToolDevice, &QAction::triggered, this, &TForm1::ToolDeviceClick);
    connect(N3, &QAction::triggered, this, &TForm1::ToolDeviceClick);
}

void TForm1::chooseChipAfterEdit()
{
    // The save may have moved or removed the chip in the current slot. Find the chip the lists
    // show by its texts (as the search dialog does: each round rebuilds the next list); when it
    // is gone, take the first chip, so that the slot and the lists always agree.
    const QString type = ComboBox1->currentText();
    const QString manufacturer = ComboBox2->currentText();
    const QString model = ComboBox3->currentText();
    int slot = -1;
    for (int round = 0; round < 3; ++round)
        slot = SelectChip(findChipListItem(0, type), findChipListItem(1, manufacturer), findChipListItem(2, model));
    if (slot < 0)
        slot = SelectChip(0, 0, 0);
    if (slot < 0) {
        // No chip left: slot 0 is the terminator, a chip of size 0.
        m_currentChip = 0;
        LoadViewFromBuffer();
    }
    m_index = {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()};
}

void TForm1::ToolOpenClick()
{
    if (operationRunning(*this))
        return;
    const QString path = FileDialogs::openFileName(this, OpenFilter, 1);
    if (path.isEmpty())
        return;
    std::fill_n(m_dataBuffer.get(), DataBufferSize, quint8{0xFF});
    WindowFileFeedback feedback(*this);
    m_dataLength = OpenBufferFile(path, dataBuffer(), feedback);
    // Also after a failed open: the view then shows erased bytes, or what a text reader stored
    // before its error.
    LoadViewFromBuffer();
    LogLine(MessageCatalog::text(MessageKey::LogOpen) + path);
}

void TForm1::ToolSaveClick()
{
    if (operationRunning(*this))
        return;
    const QString path = FileDialogs::saveFileName(this, SaveFilter, SaveDefaultExtension);
    if (path.isEmpty())
        return;
    TakeViewEdits();
    WindowFileFeedback feedback(*this);
    // The file always gets the whole chip, whatever DataLength says.
    const qint64 length = std::min<qint64>(currentChipRecord().flashSize, DataBufferSize);
    SaveBufferFile(path, dataBuffer(), length, feedback,
        {MessageCatalog::text(MessageKey::FileExistsOverwrite), MessageCatalog::text(MessageKey::FileWriteError)});
}

void TForm1::ToolFillClick()
{
    if (operationRunning(*this))
        return;
    Form4->offerEndFor(currentChipRecord().flashSize);
    Form4->exec();
}

void TForm1::ToolDeviceClick()
{
    if (operationRunning(*this))
        return;
    Form2->exec();
}
