#include "ProduceCommand.h"

#include "ChipChoice.h"
#include "CliCommand.h"
#include "CliDatabase.h"
#include "CliFeedback.h"
#include "InputImage.h"
#include "OutputFile.h"
#include "ProduceOptions.h"
#include "ProductionLog.h"
#include "ProgrammedImage.h"
#include "text/ProduceTexts.h"
#include "ProgrammerBinding.h"
#include "QuietFeedback.h"
#include "SerialFile.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/ImageChecksum.h"
#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"
#include "programmer/ChipDetector.h"
#include "programmer/ChipOperations.h"
#include "programmer/ChipRecordCheck.h"
#include "programmer/ChipSession.h"
#include "programmer/OperationClock.h"
#include "programmer/ProgrammerLink.h"
#include "usb/UsbBulk.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

// Ctrl+C, a service manager's stop and a closed terminal end the run between chips, never in
// the middle of one. (A closed standard output is an error of a write, as for every command.)
void catchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    // A transfer or a pause under way carries on; the flag is looked at between chips.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int stopSignal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(stopSignal, &action, nullptr);
}

QString idText(quint32 id)
{
    return QStringLiteral("%1").arg(id, 6, 16, QLatin1Char('0')).toUpper();
}

// A chip whose record names its ID is compared with the socket's before anything is erased.
QString wrongChipReason(const ChipRecord& chip, const std::array<quint8, 4>& reply)
{
    if (chip.family != Family25Flash || chip.chipId == 0)
        return {};
    const quint32 found = detectedChipId(reply[1], reply[2], reply[3]);
    if (reply[0] == 1 && found == chip.chipId)
        return {};
    return produceText(ProduceText::WrongChip)
        .arg(reply[0] == 1 ? idText(found) : QStringLiteral("none"), idText(chip.chipId));
}

constexpr int StopCheckMs = 20;
constexpr int Continue = -1;

class ProduceRun {
public:
    explicit ProduceRun(ProduceOptions options)
        : m_options(std::move(options))
        , m_terminal(false)
        , m_feedback(m_terminal)  // a chip's reason is in its FAIL line
        , m_session(std::make_unique<ChipSession>())
        , m_pristine(std::make_unique<ImageBuffer>())
    {
        setCurrentLanguage(m_options.line.language);
        m_session->setSpeedIndex(m_options.line.speedIndex);
        m_session->setAutoOptions({m_options.erase, true, m_options.verify});
    }

    int exec();

private:
    enum class Busy { Retry, Stopped, GaveUp };

    [[nodiscard]] int prepare();
    [[nodiscard]] int prepareSerials();
    [[nodiscard]] int chooseChip(const std::array<quint8, 4>& reply, QString& reason);
    [[nodiscard]] int checkChipFits();
    // Empty once the socket holds a chip (chipWanted) or none; otherwise the code the run ends
    // with, Continue when a stop was asked for.
    [[nodiscard]] std::optional<int> waitForSocket(bool chipWanted, std::array<quint8, 4>& reply);
    [[nodiscard]] Busy waitWhileBusy();
    [[nodiscard]] bool pause();
    [[nodiscard]] int programChip(const std::array<quint8, 4>& reply);
    [[nodiscard]] int runAuto(QString& reason, bool& touched);
    [[nodiscard]] int reserveSerial();
    [[nodiscard]] int serialsLeft();
    [[nodiscard]] std::optional<quint64> nextSerial(QString& error) const;
    [[nodiscard]] bool fitsFrom(quint64 first, quint64 chips) const;
    [[nodiscard]] bool record(const ProducedChip& chip);
    [[nodiscard]] int finish(int code);
    [[nodiscard]] bool say(const QString& line);
    [[nodiscard]] bool countReached() const { return m_options.count && m_passed + m_failed >= *m_options.count; }
    // The programmer went away, or stayed held elsewhere too long.
    [[nodiscard]] int programmerLost() const { return m_outputLost ? ExitRecordLost : ExitNotConnected; }

    ProduceOptions m_options;
    CliFeedback m_terminal;
    QuietFeedback m_feedback;
    std::unique_ptr<ChipSession> m_session;
    std::unique_ptr<ImageBuffer> m_pristine;  // IN as decoded; every chip starts from it
    qint32 m_imageLength = 0;
    std::unique_ptr<TUsbBulk> m_usb;
    std::unique_ptr<ProgrammerLink> m_link;
    std::optional<SerialFile> m_serialFile;
    quint64 m_nextSerial = 0;              // without a serial file: the next number of this run
    std::optional<quint64> m_reserved;     // taken for this run and in no passed chip yet
    ProductionLog m_log;
    QString m_programmer;                  // the run's programmer as records name it, once pinned
    QElapsedTimer m_busySince;             // valid while the programmer is held elsewhere
    bool m_busyShown = false;              // the wait was announced for the chip in hand
    bool m_outputLost = false;
    int m_detectedSlot = -1;    // with --detect: the first chip's, which every chip must match
    quint64 m_passed = 0;
    quint64 m_failed = 0;
};

int ProduceRun::exec()
{
    catchStopSignals();
    if (const int code = prepare(); code != Continue)
        return code;
    std::array<quint8, 4> reply{};
    while (!stopRequested && !countReached()) {
        if (const int code = serialsLeft(); code != Continue)
            return finish(code);
        // Output that fails before any chip was touched is refused like a log that cannot be written.
        if (!say(QStringLiteral("Insert a chip")))
            return finish(m_passed + m_failed == 0 ? ExitUsage : ExitRecordLost);
        m_busyShown = false;
        if (const std::optional<int> end = waitForSocket(true, reply))
            return finish(*end);
        if (const int code = programChip(reply); code != Continue)
            return finish(code);
        // The chip in hand is finished; a stop asked for now ends the run without waiting.
        if (stopRequested || countReached())
            break;
        if (!say(QStringLiteral("Remove the chip")))
            return finish(ExitRecordLost);
        if (const std::optional<int> end = waitForSocket(false, reply))
            return finish(*end);
    }
    return finish(Continue);
}

int ProduceRun::finish(int code)
{
    int result = code != Continue ? code : m_failed > 0 ? ExitFailure : ExitSuccess;
    const auto lost = [&] {
        if (result == ExitSuccess || result == ExitFailure)
            result = ExitRecordLost;
    };
    // A number taken from the shared file and put into no chip is a gap; the log says so.
    if (m_reserved && m_serialFile) {
        ProducedChip unused;
        unused.programmer = m_programmer;
        unused.chip = chipNamePartsForLists(m_session->currentChipRecord().nameText()).model;
        unused.serial = m_reserved;
        unused.result = ProducedChip::Result::Unused;
        unused.reason = QStringLiteral("reserved by this run, in no passed chip");
        if (!record(unused))
            lost();
    }
    if (!say(QStringLiteral("%1 passed, %2 failed").arg(m_passed).arg(m_failed)))
        lost();
    return result;
}

bool ProduceRun::say(const QString& line)
{
    if (m_outputLost)
        return false;
    if (std::printf("%s\n", line.toUtf8().constData()) >= 0 && std::fflush(stdout) == 0)
        return true;
    m_outputLost = true;
    printError(produceText(ProduceText::OutputLost).arg(systemReason()));
    std::clearerr(stdout);  // reported here with its reason; the check at exit need not say it again
    return false;
}

bool ProduceRun::record(const ProducedChip& chip)
{
    QString error;
    if (m_log.append(chip, error))
        return true;
    printError(error);
    return false;
}

int ProduceRun::prepare()
{
    const ChipCommandLine& line = m_options.line;
    if (!loadCliDatabase(m_session->database(), line.databasePath, true))
        return ExitUsage;
    if (!line.detect) {
        const int slot = findChipByModel(m_session->database(), line.chipModel, line.maker);
        if (slot < 0)
            return ExitUsage;
        m_session->setCurrentChip(slot);
    }
    m_imageLength = loadInputImage(line.operand, line.inputFormat, m_pristine->bytes(), m_terminal);
    if (m_terminal.errorCount() > 0)
        return ExitUsage;
    if (m_imageLength <= 0) {
        m_terminal.showError(MessageCatalog::text(MessageKey::BufferEmpty));
        return ExitUsage;
    }
    if (const int code = prepareSerials(); code != Continue)
        return code;
    if (!line.detect) {
        if (const int code = checkChipFits(); code != Continue)
            return code;
    }
    if (!m_options.logPath.isEmpty()) {
        QString error;
        if (!m_log.open(m_options.logPath, error)) {
            printError(error);
            return ExitUsage;
        }
    }
    m_usb = bindTransport(line);
    if (refuseAmbiguousProgrammer(*m_usb))
        return ExitUsage;
    m_session->bind(*m_usb, m_feedback);
    m_link = std::make_unique<ProgrammerLink>(*m_usb, m_feedback, systemClock());
    return Continue;
}

std::optional<quint64> ProduceRun::nextSerial(QString& error) const
{
    if (m_serialFile)
        return m_serialFile->peek(m_options.serialStart, error);
    return m_nextSerial;
}

bool ProduceRun::fitsFrom(quint64 first, quint64 chips) const
{
    // Each number needs the one after it too: the serial file has to be able to hold it.
    const quint64 step = m_options.serialStep;
    const quint64 largest = m_options.serialFormat->largest();
    return first <= largest && (largest - first) / step >= chips - 1
        && std::numeric_limits<quint64>::max() - (first + (chips - 1) * step) >= step;
}

int ProduceRun::prepareSerials()
{
    if (!m_options.serialAt)
        return Continue;
    m_nextSerial = m_options.serialStart;
    QString error;
    if (!m_options.serialFile.isEmpty()) {
        m_serialFile.emplace(m_options.serialFile);
        if (!m_serialFile->check(error)) {
            printError(error);
            return ExitUsage;
        }
    }
    const std::optional<quint64> next = nextSerial(error);
    if (!next) {
        printError(error);
        return ExitUsage;
    }
    // The whole run is checked when its length is known, so it cannot stop halfway for a number
    // that no longer fits.
    const quint64 chips = m_options.count.value_or(1);
    if (!fitsFrom(*next, chips)) {
        printError(chips > 1 ? produceText(ProduceText::SerialRunDoesNotFit).arg(*next).arg(chips)
                             : produceText(ProduceText::SerialDoesNotFit).arg(*next));
        return ExitUsage;
    }
    return Continue;
}

int ProduceRun::serialsLeft()
{
    if (!m_options.serialAt || m_reserved)
        return Continue;
    QString error;
    const std::optional<quint64> next = nextSerial(error);
    if (!next) {
        printError(error + QStringLiteral("; stopping"));
        return ExitRecordLost;
    }
    if (fitsFrom(*next, 1))
        return Continue;
    printError(produceText(ProduceText::SerialsUsedUp).arg(*next));
    return ExitUsage;
}

int ProduceRun::reserveSerial()
{
    // serialsLeft found this run's own next number usable; only a shared file can have moved on.
    if (!m_serialFile) {
        m_reserved = m_nextSerial;
        m_nextSerial += m_options.serialStep;
        return Continue;
    }
    const SerialFile::Reservation taken =
        m_serialFile->reserve(m_options.serialStart, m_options.serialStep, m_options.serialFormat->largest());
    switch (taken.taken) {
    case SerialFile::Taken::Number:
        m_reserved = taken.number;
        return Continue;
    case SerialFile::Taken::UsedUp:
        printError(produceText(ProduceText::SerialsUsedUpInSocket).arg(taken.number));
        return ExitUsage;
    case SerialFile::Taken::Failed:
        break;
    }
    printError(produceText(ProduceText::ChipNotWritten).arg(taken.error));
    return ExitRecordLost;
}

int ProduceRun::checkChipFits()
{
    const ChipRecord& chip = m_session->currentChipRecord();
    if (const auto defect = checkChipRecord(chip, ChipSession::DataBufferSize)) {
        m_terminal.showError(*defect);
        return ExitUsage;
    }
    if (m_imageLength > static_cast<qint64>(chip.flashSize)) {
        printError(produceText(ProduceText::ImageLargerThanChip)
                       .arg(m_options.line.operand, QString::number(m_imageLength), QString::number(chip.flashSize)));
        return ExitUsage;
    }
    if (m_options.serialAt) {
        const quint64 end = *m_options.serialAt + static_cast<quint64>(m_options.serialFormat->width());
        if (*m_options.serialAt >= chip.flashSize || end > chip.flashSize) {
            printError(produceText(ProduceText::SerialOutsideChip)
                           .arg(*m_options.serialAt, 0, 16).arg(m_options.serialFormat->width()).arg(chip.flashSize));
            return ExitUsage;
        }
    }
    return Continue;
}

bool ProduceRun::pause()
{
    QElapsedTimer sinceQuery;
    sinceQuery.start();
    while (!stopRequested && sinceQuery.elapsed() < m_options.pollMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(StopCheckMs, m_options.pollMs)));
    return !stopRequested;
}

ProduceRun::Busy ProduceRun::waitWhileBusy()
{
    const QString name = m_programmer.isEmpty() && m_usb->selector() ? QString::fromStdString(m_usb->selector()->text())
                                                                     : m_programmer;
    if (!m_busySince.isValid())
        m_busySince.start();
    // Once a chip: a holder that comes back and back again does not fill the screen.
    if (!m_busyShown) {
        m_busyShown = true;
        if (!say(produceText(ProduceText::ProgrammerBusyWaiting).arg(name).arg(m_options.busyWaitSeconds)))
            return Busy::GaveUp;
    }
    if (m_busySince.elapsed() >= qint64{m_options.busyWaitSeconds} * 1000) {
        printError(ExtraMessages::text(ExtraText::ProgrammerBusy).arg(name));
        return Busy::GaveUp;
    }
    return pause() ? Busy::Retry : Busy::Stopped;
}

std::optional<int> ProduceRun::waitForSocket(bool chipWanted, std::array<quint8, 4>& reply)
{
    for (;;) {
        if (stopRequested)
            return Continue;
        reply = {};
        m_link->watchConnection();
        // A chip in the socket is this run's until the socket is seen empty again: the query
        // that finds it keeps the programmer claimed, so another run on the same programmer
        // never programs it a second time with a number of its own.
        m_usb->keepClaimed(true);
        const bool reached = m_link->QueryChip(m_session->currentChipRecord(), m_session->speedIndex(), reply);
        m_usb->keepClaimed(reached && !m_link->disconnected() && reply[0] != 0);
        if (!reached && !m_link->disconnected() && programmerHeldElsewhere(*m_usb)) {
            switch (waitWhileBusy()) {
            case Busy::Retry: continue;
            case Busy::Stopped: return Continue;
            case Busy::GaveUp: return programmerLost();
            }
        }
        if (!reached || m_link->disconnected()) {
            m_terminal.showError(MessageCatalog::text(MessageKey::StatusNotConnected));
            explainNotConnected(*m_usb);
            return programmerLost();
        }
        m_busySince.invalidate();
        // The first programmer reached is the run's until it ends, whatever else is attached.
        if (m_programmer.isEmpty())
            m_programmer = pinOpenedProgrammer(*m_usb);
        if ((reply[0] != 0) == chipWanted)
            return std::nullopt;
        if (!pause())
            return Continue;
    }
}

int ProduceRun::chooseChip(const std::array<quint8, 4>& reply, QString& reason)
{
    const quint32 id = detectedChipId(reply[1], reply[2], reply[3]);
    const auto idText = [&] { return QString::asprintf("%2.2X %2.2X %2.2X", reply[1], reply[2], reply[3]); };
    if (reply[0] != 1) {
        reason = produceText(ProduceText::NoChipId);
        return m_detectedSlot >= 0 ? Continue : ExitUsage;
    }
    const auto table = m_session->database().table();
    const ChipRecord* found = findFlash(table, id);
    if (!found) {
        reason = produceText(ProduceText::UnknownChipId).arg(idText());
        return Continue;
    }
    const int slot = static_cast<int>(found - table.data());
    if (m_detectedSlot >= 0) {
        if (slot != m_detectedSlot)
            reason = produceText(ProduceText::NotThisRunsChip).arg(idText());
        return Continue;
    }
    m_detectedSlot = slot;
    m_session->setCurrentChip(slot);
    if (!say(QStringLiteral("Chip: %1").arg(chipNamePartsForLists(found->nameText()).model)))
        return ExitRecordLost;
    return checkChipFits();
}

int ProduceRun::runAuto(QString& reason, bool& touched)
{
    touched = true;
    for (;;) {
        (void)m_feedback.takeLastError();
        if (m_session->operations().runAuto() == CommandOutcome::Completed) {
            m_busySince.invalidate();
            reason.clear();  // a refused claim before this attempt is no finding about the chip
            return Continue;
        }
        reason = m_feedback.takeLastError();
        // The claim of the operation's own frame was refused: the chip has not been touched yet.
        if (!programmerHeldElsewhere(*m_usb))
            break;
        switch (waitWhileBusy()) {
        case Busy::Retry: continue;
        case Busy::Stopped:
            reason = produceText(ProduceText::StoppedWhileHeld);
            touched = false;
            break;
        case Busy::GaveUp: return programmerLost();
        }
        break;
    }
    m_busySince.invalidate();
    if (reason.isEmpty())
        reason = produceText(ProduceText::OperationIncomplete);
    return Continue;
}

int ProduceRun::programChip(const std::array<quint8, 4>& reply)
{
    const quint64 number = m_passed + m_failed + 1;
    QString reason;
    if (m_options.line.detect) {
        if (const int code = chooseChip(reply, reason); code != Continue) {
            if (!reason.isEmpty())
                printError(reason);
            return code;
        }
    }
    const ChipRecord& chip = m_session->currentChipRecord();
    if (reason.isEmpty())
        reason = wrongChipReason(chip, reply);

    ProducedChip produced;
    produced.programmer = m_programmer;
    produced.chip = chipNamePartsForLists(chip.nameText()).model;
    if (reply[0] == 1)
        produced.jedecId = detectedChipId(reply[1], reply[2], reply[3]);

    // Every chip starts from IN as it was read, with its own serial number patched in. The
    // number is taken before the chip is touched, so that whatever fails later it is never
    // handed out again.
    const std::span<quint8> buffer = m_session->dataBuffer();
    std::memcpy(buffer.data(), m_pristine->bytes().data(), buffer.size());
    qint64 length = m_imageLength;
    QElapsedTimer timer;
    timer.start();
    bool touched = false;
    if (reason.isEmpty()) {
        if (m_options.serialAt) {
            if (!m_reserved) {
                if (const int code = reserveSerial(); code != Continue)
                    return code;
            }
            const QByteArray bytes = m_options.serialFormat->encode(*m_reserved).value_or(QByteArray());
            std::memcpy(buffer.data() + *m_options.serialAt, bytes.constData(), static_cast<std::size_t>(bytes.size()));
            length = std::max<qint64>(length, static_cast<qint64>(*m_options.serialAt) + bytes.size());
            produced.serial = m_reserved;
        }
        m_session->setDataLength(static_cast<qint32>(length));
        const ImageChecksums sums = imageChecksums(programmedImage(buffer, length, chip));
        produced.crc32 = sums.crc32;
        produced.sha256 = QString::fromLatin1(sums.sha256.toHex());
        produced.bytes = sums.bytes;
        if (const int code = runAuto(reason, touched); code != Continue)
            return code;
    }
    // A chip refused before the operation, or one the operation failed on, has its reason.
    const bool passed = reason.isEmpty();
    produced.seconds = static_cast<double>(timer.elapsed()) / 1000.0;
    produced.result = passed ? ProducedChip::Result::Pass : ProducedChip::Result::Fail;
    produced.reason = reason;

    // The record is on the disk before the chip is reported: a PASS line that is printed is
    // never lost. A number is spent once the chip was written to, passed or failed, since a
    // failed chip may hold it; only a chip left untouched hands its number to the next.
    if (touched)
        m_reserved.reset();
    if (!record(produced)) {
        if (passed)
            printError(produced.serial ? produceText(ProduceText::PassedUnrecordedSerial).arg(number).arg(*produced.serial)
                                       : produceText(ProduceText::PassedUnrecorded).arg(number));
        return ExitRecordLost;
    }
    const QString serialText = produced.serial ? QString::number(*produced.serial) : QStringLiteral("-");
    if (passed) {
        ++m_passed;
        if (!say(QStringLiteral("#%1 PASS %2 %3 %4 (CRC32 of %5 bytes)")
                     .arg(number)
                     .arg(serialText, crc32Text(*produced.crc32))
                     .arg(produced.seconds, 0, 'f', 1)
                     .arg(produced.bytes)))
            return ExitRecordLost;
    } else {
        ++m_failed;
        if (!say(QStringLiteral("#%1 FAIL %2").arg(number).arg(reason)))
            return ExitRecordLost;
    }
    return Continue;
}

}  // namespace

int runProduce(const QStringList& arguments)
{
    ProduceOptions options = ProduceOptions::parse(arguments);
    if (!options.error.isEmpty())
        return usageError(options.error, ProduceSpec.name);
    return ProduceRun(std::move(options)).exec();
}
