#include "ChipCommandRun.h"

#include "AllDifferences.h"
#include "ChipChoice.h"
#include "CliChipLists.h"
#include "CliDatabase.h"
#include "CliCommand.h"
#include "InputImage.h"
#include "OutputFile.h"
#include "ProgrammedImage.h"
#include "ProgrammerBinding.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/BufferFile.h"
#include "buffer/ImageChecksum.h"
#include "chipdb/ChipName.h"
#include "programmer/ChipDetector.h"
#include "programmer/ChipOperations.h"
#include "programmer/ChipRecordCheck.h"
#include "programmer/OperationClock.h"
#include "programmer/ProgrammerLink.h"
#include "usb/UsbBulk.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Exit code a step returns to say "carry on".
constexpr int Continue = -1;

// Verify compares the chip's size: a longer file passes with its tail never looked at.
void warnAboutBytesBeyondTheChip(const QString& path, const ChipSession& session)
{
    const qint64 fileBytes = session.dataLength();
    const qint64 chipBytes = session.currentChipRecord().flashSize;
    if (fileBytes > chipBytes) {
        printError(ExtraMessages::text(ExtraText::CliComparesChipSizeOnly).arg(path, QString::number(fileBytes), QString::number(chipBytes)));
    }
}

// One line of the chip list: type, maker, model, ID, size and page, in aligned columns.
void printChipLine(const ChipRecord& chip)
{
    const ChipNameParts parts = chipNamePartsForLists(chip.nameText());
    const QString line = QStringLiteral("%1 %2 %3 0x%4 %5 %6")
                             .arg(parts.type, -10)
                             .arg(parts.manufacturer, -12)
                             .arg(parts.model, -16)
                             .arg(QString::number(chip.chipId, 16).toUpper().rightJustified(6, QLatin1Char('0')))
                             .arg(chip.flashSize, 9)
                             .arg(chip.flashPage);
    std::printf("%s\n", line.toUtf8().constData());
}

}  // namespace

ChipCommandRun::ChipCommandRun(Action action, ChipCommandLine line)
    : m_action(action)
    , m_line(std::move(line))
    // The completion and result lines go to stdout, or to stderr while stdout carries the image
    // a read writes to "-".
    , m_feedback(m_line.assumeYes, m_action == Action::Read && isStandardStream(m_line.operand) ? stderr : stdout)
    , m_session(std::make_unique<ChipSession>())
{
    setCurrentLanguage(m_line.language);
    m_session->setSpeedIndex(m_line.speedIndex);
    m_session->setAutoOptions(m_line.autoOptions);
}

ChipCommandRun::~ChipCommandRun() = default;

int ChipCommandRun::exec()
{
    if (!loadCliDatabase(m_session->database(), m_line.databasePath, m_action != Action::List))
        return ExitUsage;
    if (m_action == Action::List)
        return listChips();
    // A chip named on the line is known before a file is loaded, a folder made or a question asked.
    if (m_action != Action::Detect && !m_line.detect) {
        const int slot = findChipByModel(m_session->database(), m_line.chipModel, m_line.maker);
        if (slot < 0)
            return ExitUsage;
        m_session->setCurrentChip(slot);
    }
    if (m_action == Action::Write || m_action == Action::Verify || m_action == Action::Auto) {
        if (const int code = loadInput(); code != Continue)
            return code;
    }
    if (m_action == Action::Read) {
        if (const int code = confirmOutput(); code != Continue)
            return code;
    }
    m_usb = bindTransport(m_line);
    if (refuseAmbiguousProgrammer(*m_usb))
        return ExitUsage;
    if (m_action == Action::Detect)
        return detectChip(false);
    if (const int code = chooseChip(); code != Continue)
        return code;
    return operate();
}

int ChipCommandRun::listChips() const
{
    const QString filter = m_line.operand.trimmed();
    for (const ChipRecord& chip : m_session->database().chips()) {
        if (filter.isEmpty() || chip.nameText().contains(filter, Qt::CaseInsensitive))
            printChipLine(chip);
    }
    return ExitSuccess;
}

int ChipCommandRun::loadInput()
{
    const qint32 length = loadInputImage(m_line.operand, m_line.inputFormat, m_session->dataBuffer(), m_feedback);
    if (m_feedback.errorCount() > 0)
        return ExitUsage;
    if (length <= 0) {
        m_feedback.showError(MessageCatalog::text(MessageKey::BufferEmpty));
        return ExitUsage;
    }
    m_session->setDataLength(length);
    return Continue;
}

int ChipCommandRun::confirmOutput()
{
    // Asked before the chip is read: a long read should not end in a question, or in finding
    // out that its result cannot be kept.
    if (isStandardStream(m_line.operand))
        return Continue;
    if (SaveFormatFor(m_line.operand) == BufferFileFormat::Capsule) {
        // A chip holds no capsule header to save in front of the image.
        m_feedback.showError(ExtraMessages::text(ExtraText::CapsuleWithoutHeader).arg(m_line.operand));
        return ExitUsage;
    }
    if (const QString reason = whyNotWritable(m_line.operand); !reason.isEmpty()) {
        m_feedback.showError(withFileAndReason(ExtraMessages::text(ExtraText::FileCannotCreate), m_line.operand, reason));
        return ExitUsage;
    }
    if (m_line.assumeYes || !QFileInfo::exists(m_line.operand))
        return Continue;
    if (!m_feedback.askYesNo(MessageCatalog::text(MessageKey::FileExistsOverwrite))) {
        printError(ExtraMessages::text(ExtraText::CliLeftAsItWas).arg(m_line.operand));
        return ExitUsage;
    }
    m_feedback.answerNextQuestion(true);
    return Continue;
}

int ChipCommandRun::chooseChip()
{
    if (m_line.detect) {
        if (const int code = detectChip(true); code != Continue)
            return code;
    }
    if (const auto defect = checkChipRecord(m_session->currentChipRecord(), ChipSession::DataBufferSize)) {
        m_feedback.showError(*defect);
        return ExitUsage;
    }
    return Continue;
}

int ChipCommandRun::detectChip(bool forOperation)
{
    ProgrammerLink link(*m_usb, m_feedback, systemClock());
    ChipDetector detector(link, m_feedback);
    CliChipLists lists(m_session->database());
    // The lists as the window has them after its start: filled, the first chip chosen.
    lists.selectChip(0, 0, 0);
    const ChipDetector::Result result = detector.DetectChip(m_session->currentChipRecord(), m_session->speedIndex(),
                                                            m_session->database().table(), lists);
    switch (result) {
    case ChipDetector::Result::NotConnected:
    case ChipDetector::Result::Disconnected:
        return notConnected();
    case ChipDetector::Result::UnknownId:
    case ChipDetector::Result::NoChip:
        return ExitFailure;
    case ChipDetector::Result::TypeFound:
        if (!forOperation)
            return ExitSuccess;
        // Only a class of chip is known; its first entry is not necessarily the chip in the
        // socket, and operating on a wrong guess can destroy it.
        printError(ExtraMessages::text(ExtraText::CliOnlyChipType));
        return ExitFailure;
    case ChipDetector::Result::ChipFound:
        break;
    }
    if (!lists.lastChoiceFound()) {
        // The window's lists cannot hold this record (a manufacturer or model spelt like an
        // earlier one but for letter case); the chip chosen before is not the one in the socket.
        printError(ExtraMessages::text(ExtraText::CliDetectedNotInLists));
        return ExitFailure;
    }
    m_session->setCurrentChip(lists.currentChip());
    if (!forOperation) {
        printChipLine(m_session->currentChipRecord());
        return ExitSuccess;
    }
    return Continue;
}

int ChipCommandRun::operate()
{
    if (m_action == Action::Read && !isStandardStream(m_line.operand)) {
        if (const int code = confirmRoomForOutput(); code != Continue)
            return code;
    }
    m_session->bind(*m_usb, m_feedback);
    ChipOperations& operations = m_session->operations();
    CommandOutcome outcome = CommandOutcome::Stopped;
    switch (m_action) {
    case Action::Read: outcome = operations.runRead(); break;
    case Action::Write: outcome = operations.runWrite(); break;
    case Action::Verify:
        warnAboutBytesBeyondTheChip(m_line.operand, *m_session);
        outcome = operations.runVerify();
        break;
    case Action::Erase: outcome = operations.runErase(); break;
    case Action::Blank: outcome = operations.runBlankCheck(); break;
    case Action::Auto:
        // Without its write, auto asks nothing about a longer file and its verify compares as verify does.
        if (!m_line.autoOptions.program && m_line.autoOptions.verify)
            warnAboutBytesBeyondTheChip(m_line.operand, *m_session);
        outcome = operations.runAuto();
        break;
    case Action::List:
    case Action::Detect: break;
    }
    switch (outcome) {
    case CommandOutcome::Completed:
        break;
    case CommandOutcome::Disconnected:
    case CommandOutcome::NotConnected:
        return notConnected();
    case CommandOutcome::Declined:
        // A file larger than the chip that was not to be cut. The question comes before the
        // programmer is touched, so the chip is as it was.
        printError(ExtraMessages::text(ExtraText::CliNothingChanged));
        return ExitUsage;
    case CommandOutcome::Stopped:
    case CommandOutcome::Refused:
        if (m_action == Action::Verify && m_line.allDifferences)
            return reportAllDifferences(*m_usb, m_feedback, *m_session);
        return ExitFailure;
    }
    printChecksums();
    return m_action == Action::Read ? saveOutput() : ExitSuccess;
}

void ChipCommandRun::printChecksums()
{
    const ChipRecord& chip = m_session->currentChipRecord();
    const std::span<const quint8> buffer = m_session->dataBuffer();
    std::span<const quint8> image;
    if (m_action == Action::Read)
        image = buffer.first(static_cast<std::size_t>(chip.flashSize));
    else if (m_action == Action::Write || m_action == Action::Verify || m_action == Action::Auto)
        image = programmedImage(buffer, m_session->dataLength(), chip);
    // An auto run that neither wrote nor verified (only erased, or nothing) did not put the image
    // on the chip, and the line would say it had.
    if (image.empty() || (m_action == Action::Auto && !m_line.autoOptions.program && !m_line.autoOptions.verify))
        return;
    m_feedback.logLine(imageChecksums(image).line());
}

int ChipCommandRun::notConnected() const
{
    // "Not connected" has been said; this adds why, where that is known.
    explainNotConnected(*m_usb);
    return ExitNotConnected;
}

int ChipCommandRun::saveOutput()
{
    const BufferSaveTexts texts{MessageCatalog::text(MessageKey::FileExistsOverwrite),
                                MessageCatalog::text(MessageKey::FileWriteError),
                                ExtraMessages::text(ExtraText::FileCannotCreate)};
    const qint64 length = m_session->currentChipRecord().flashSize;
    if (isStandardStream(m_line.operand)) {
        const std::span<const quint8> image = m_session->dataBuffer().first(static_cast<std::size_t>(length));
        return writeImageToStandardOutput(BufferFileFormat::Binary, image, m_feedback);
    }
    switch (SaveBufferFile(m_line.operand, m_session->dataBuffer(), length, m_feedback, texts)) {
    case SaveOutcome::Saved:
        std::printf("%s\n", ExtraMessages::text(ExtraText::CliBytesWritten).arg(length).arg(m_line.operand).toUtf8().constData());
        return ExitSuccess;
    case SaveOutcome::Declined:
        // The file appeared while the chip was read, so nobody said it may be replaced.
        printError(ExtraMessages::text(ExtraText::CliLeftAsItWas).arg(m_line.operand));
        break;
    case SaveOutcome::Failed:
        break;
    }
    keepImageElsewhere();
    return ExitUsage;
}

int ChipCommandRun::confirmRoomForOutput()
{
    const qint64 needed = largestSaveSize(SaveFormatFor(m_line.operand), m_session->currentChipRecord().flashSize);
    // The disk the file goes to: a symbolic link's file may be on another one. A device or a FIFO
    // is written as it is and takes up no room.
    const QFileInfo target(whereTheFileGoes(m_line.operand));
    if (target.exists() && !target.isFile())
        return Continue;
    // A file past the user's size limit (ulimit -f) cannot be kept on any disk.
    rlimit fileSize{};
    if (getrlimit(RLIMIT_FSIZE, &fileSize) == 0 && fileSize.rlim_cur != RLIM_INFINITY
        && static_cast<rlim_t>(needed) > fileSize.rlim_cur) {
        m_feedback.showError(withFileAndReason(ExtraMessages::text(ExtraText::FileCannotCreate), m_line.operand, systemReason(EFBIG)));
        return ExitUsage;
    }
    const QStorageInfo storage(target.absolutePath());
    const qint64 available = storage.isValid() ? storage.bytesAvailable() : -1;
    if (available < 0 || available >= needed)
        return Continue;
    m_feedback.showError(ExtraMessages::text(ExtraText::NoRoomForImage).arg(m_line.operand, QString::number(needed), QString::number(available)));
    return ExitUsage;
}

void ChipCommandRun::keepImageElsewhere() const
{
    const qint64 length = m_session->currentChipRecord().flashSize;
    QTemporaryFile kept(QDir(QDir::tempPath()).filePath(QStringLiteral("zorvex-read-XXXXXX.bin")));
    kept.setAutoRemove(false);
    const bool whole = kept.open()
        && kept.write(reinterpret_cast<const char*>(m_session->dataBuffer().data()), length) == length && kept.flush()
        && ::fsync(kept.handle()) == 0;
    if (!whole) {
        kept.remove();
        return;
    }
    printError(ExtraMessages::text(ExtraText::ReadImageKept).arg(kept.fileName()));
}
