// The buffer commands of the main window: Open and Save of buffer files, the fill dialog, and the
// hidden chip database editor.
#include "TForm1.h"

#include "text/FixedTexts.h"

#include "FileDialogs.h"
#include "FocusReturn.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/BufferFile.h"
#include "buffer/ImageBuffer.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "hexview/HexEditorEx.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The filters of the file dialogs; only Open offers capsules. Both offer every S-record name
// of the format table, just before "All files". The labels in the language in force.
QString imageFilter(FileDialogs::Kind kind)
{
    return fixedText(FixedText::FilterBinary)
           + QStringLiteral(" (*.bin)|*.bin|Intel Hex(*.hex)|*.hex|Bios Rom (*.rom)|*.rom|")
           + (kind == FileDialogs::Kind::Open ? QStringLiteral("Asus Rom (*.cap)|*.cap|") : QString())
           + QStringLiteral("Motorola S-record (%1)|%2|%3 (*.*)|*.*")
                 .arg(imageFormatExtensions(BufferFileFormat::SRecord, u"*", u" "),
                      imageFormatExtensions(BufferFileFormat::SRecord, u"*", u";"), fixedText(FixedText::FilterAllFiles));
}

const QString SaveDefaultExtension = QStringLiteral("hex");

// The buffer file code reports through the window's own message boxes. A reader's error keeps
// its fixed text as the first line; the file and the line of the bad record follow below it.
class WindowFileFeedback final : public BufferFileFeedback {
public:
    explicit WindowFileFeedback(TForm1& form) : m_form(form) {}
    void showError(const QString& message) override
    {
        m_failed = true;
        m_form.ShowError(m_location.isEmpty() ? message : message + QLatin1Char('\n') + m_location);
        m_location.clear();
    }
    bool askYesNo(const QString& message) override { return m_form.askYesNo(message); }
    void errorLocation(const QString& file, qint64 line) override
    {
        m_location = ExtraMessages::text(ExtraText::FileErrorLine).arg(QDir::toNativeSeparators(file), QString::number(line));
    }

    // Whether an error was shown: an open then changes nothing.
    [[nodiscard]] bool failed() const { return m_failed; }

private:
    TForm1& m_form;
    QString m_location;
    bool m_failed = false;
};

}  // namespace

void TForm1::createFileCommands()
{
    Form2 = new TForm2(chipDatabase(), this);
    Form2->setDatabasePath(m_environment.databasePath);
    Form2->setErrorReporter([this](const QString& message) { ShowError(message); });
    Form2->setQuestioner([this](const QString& question) { return askYesNo(question); });
    connect(Form2, &TForm2::chipTableChanged, this, &TForm1::chooseChipAfterEdit);
    registerLanguageForm(QStringLiteral("TForm2"), Form2);

    Form4 = new TForm4(this);
    Form4->setBuffer(dataBuffer());
    Form4->setErrorReporter([this](const QString& message) { ShowError(message); });
    // Only a fill that happens takes the view's edits, so Cancel leaves their undo history.
    connect(Form4, &TForm4::aboutToFill, this, &TForm1::TakeViewEdits);
    connect(Form4, &TForm4::bufferFilled, this, [this](qint32 filledEnd) {
        // A fill changes bytes inside the image, it does not cut the image off after them.
        setDataLength(std::max(dataLength(), filledEnd));
        LoadViewFromBuffer();
    });
    registerLanguageForm(QStringLiteral("TForm4"), Form4);
}

void TForm1::chooseChipAfterEdit()
{
    // The save, or a reload of a file another program saved, may have moved or removed the chip
    // in the current slot. Find the chip the lists show by its texts, as the search dialog does;
    // when it is gone, take the first chip, so that the slot and the lists always agree.
    int slot = selectChipNamed(ComboBox1->currentText(), ComboBox2->currentText(), ComboBox3->currentText());
    if (slot < 0)
        slot = SelectChip(0, 0, 0);
    if (slot < 0) {
        // No chip left: slot 0 is the terminator, a chip of size 0.
        m_session.setCurrentChip(0);
        LoadViewFromBuffer();
    }
    m_index = {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()};
}

void TForm1::ToolOpenClick()
{
    if (chipOperationRunning())
        return;
    const FocusReturn focus(this);
    const QString path = FileDialogs::openFileName(this, imageFilter(FileDialogs::Kind::Open), 1, m_imageFolder);
    if (!path.isEmpty())
        openImageFile(path);
}

void TForm1::openImageFile(const QString& path)
{
    // The file is decoded into an image of its own, which replaces DataBuffer only once the
    // whole file has loaded: a failed open leaves the image in hand, its length and the view (with
    // its unsaved edits) as they were.
    ImageBuffer image;
    WindowFileFeedback feedback(*this);
    QByteArray capsuleHeader;
    // A pipe nobody writes into is refused: waiting for a writer would freeze the window.
    const qint32 length = OpenBufferFile(path, image.bytes(), feedback, &capsuleHeader, PipeOpen::RefuseWithoutPeer);
    if (feedback.failed())
        return;
    // The file replaces the whole image, the view's edits taken into it included.
    TakeViewEdits();
    std::ranges::copy(image.bytes(), dataBuffer().begin());
    setDataLength(length);
    m_capsuleHeader = capsuleHeader;
    LoadViewFromBuffer();
    LogLine(MessageCatalog::text(MessageKey::LogOpen) + path);
    rememberImageFolder(path);
}

void TForm1::CompareFile1Click()
{
    if (chipOperationRunning())
        return;
    if (currentChipRecord().flashSize == 0) {
        ShowError(ExtraMessages::text(ExtraText::CompareNoChip));
        return;
    }
    const FocusReturn focus(this);
    const QString path = FileDialogs::openFileName(this, imageFilter(FileDialogs::Kind::Open), 1, m_imageFolder);
    if (path.isEmpty())
        return;
    // The file is read as Open reads it, into an image of its own: the buffer stays as it is.
    ImageBuffer image;
    WindowFileFeedback feedback(*this);
    const qint32 length = OpenBufferFile(path, image.bytes(), feedback, nullptr, PipeOpen::RefuseWithoutPeer);
    if (feedback.failed())
        return;
    rememberImageFolder(path);
    showDifferences(image.bytes(), false, QDir::toNativeSeparators(path));
    // "Equal" speaks of the chip's size only: a longer file's rest was not looked at.
    const qint64 size = std::min<qint64>(currentChipRecord().flashSize, DataBufferSize);
    if (length > size)
        LogLine(ExtraMessages::text(ExtraText::CliComparesChipSizeOnly).arg(QDir::toNativeSeparators(path)).arg(length).arg(size));
}

void TForm1::ToolSaveClick()
{
    if (chipOperationRunning())
        return;
    const FocusReturn focus(this);
    const QString path = FileDialogs::saveFileName(this, imageFilter(FileDialogs::Kind::Save), SaveDefaultExtension, m_imageFolder);
    if (path.isEmpty())
        return;
    TakeViewEdits();
    WindowFileFeedback feedback(*this);
    // The file always gets the whole chip, whatever DataLength says.
    const qint64 length = std::min<qint64>(currentChipRecord().flashSize, DataBufferSize);
    // An image larger than the chip (a file opened with a smaller chip chosen) would be cut.
    if (dataLength() > length
        && !askYesNo(ExtraMessages::text(ExtraText::SaveCutsImage).arg(dataLength()).arg(length)))
        return;
    const BufferSaveTexts texts{MessageCatalog::text(MessageKey::FileExistsOverwrite),
                                MessageCatalog::text(MessageKey::FileWriteError)};
    // A pipe nobody reads from is refused: waiting for a reader would freeze the window.
    const PipeReaderCheck pipe(path);
    if (pipe.noReader()) {
        ShowError(withFileAndReason(texts.fileWriteError, path, ExtraMessages::text(ExtraText::PipeWithoutPeer)));
        return;
    }
    if (SaveBufferFile(path, dataBuffer(), length, feedback, texts, m_capsuleHeader) == SaveOutcome::Saved)
        rememberImageFolder(path);
}

void TForm1::rememberImageFolder(const QString& path)
{
    m_imageFolder = QFileInfo(path).absolutePath();
}

void TForm1::ToolFillClick()
{
    if (chipOperationRunning())
        return;
    Form4->offerEndFor(currentChipRecord().flashSize);
    const FocusReturn focus(this);
    Form4->exec();
}

void TForm1::ToolDeviceClick()
{
    if (chipOperationRunning())
        return;
    // A save in the editor chooses the chip again, which reloads the view from DataBuffer: the
    // view's edits go there first, as before a write or a file save.
    TakeViewEdits();
    const FocusReturn focus(this);
    Form2->exec();
}
