#include "ProduceCommand.h"

#include "ChipChoice.h"
#include "ChipCommandRun.h"
#include "ChipSession.h"
#include "CliCommand.h"
#include "CliDatabase.h"
#include "CliFeedback.h"
#include "InputImage.h"
#include "ProduceOptions.h"
#include "ProductionLog.h"
#include "ProgrammedImage.h"
#include "ProgrammerBinding.h"
#include "QuietFeedback.h"
#include "SerialFile.h"

#include "text/MessageCatalog.h"
#include "buffer/ImageChecksum.h"
#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"
#include "programmer/ChipDetector.h"
#include "programmer/ChipOperations.h"
#include "programmer/ChipRecordCheck.h"
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
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

// Ctrl+C and a service manager's stop end the run between chips, never in the middle of one.
void catchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    // A transfer or a pause under way carries on; the flag is looked at between chips.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n", message.toUtf8().constData());
}

constexpr int StopCheckMs = 20;
constexpr int Continue = -1;

class ProduceRun {
public:
    explicit ProduceRun(ProduceOptions options)
        : m_options(std::move(options))
        , m_terminal(false)
        , m_feedback(m_terminal)
        , m_session(std::make_unique<ChipSession>())
        , m_pristine(std::make_unique<ImageBuffer>())
    {
        setCurrentLanguage(m_options.line.language);
        m_session->setSpeedIndex(m_options.line.speedIndex);
        m_session->setAutoOptions({m_options.erase, true, m_options.verify});
    }

    int exec();

private:
    enum class Socket { Reached, Stopped, Vanished };

    [[nodiscard]] int prepare();
    [[nodiscard]] int prepareSerials();
    [[nodiscard]] int chooseChip(const std::array<quint8, 4>& reply, QString& reason);
    [[nodiscard]] int checkChipFits();
    [[nodiscard]] Socket waitForSocket(bool chipWanted, std::array<quint8, 4>& reply);
    [[nodiscard]] int programChip(const std::array<quint8, 4>& reply);
    [[nodiscard]] int finish(int code);
    [[nodiscard]] QString programmerName();

    ProduceOptions m_options;
    CliFeedback m_terminal;
    QuietFeedback m_feedback;
    std::unique_ptr<ChipSession> m_session;
    std::unique_ptr<ImageBuffer> m_pristine;  // IN as decoded; every chip starts from it
    qint32 m_imageLength = 0;
    std::unique_ptr<TUsbBulk> m_usb;
    std::unique_ptr<ChipOperations> m_operations;
    std::unique_ptr<ProgrammerLink> m_link;
    std::optional<SerialFile> m_serialFile;
    quint64 m_nextSerial = 0;
    ProductionLog m_log;
    std::vector<ProgrammerIdentity> m_programmers;
    bool m_chipKnown = false;   // --chip, or the first chip detected
    int m_detectedSlot = -1;
    quint64 m_passed = 0;
    quint64 m_failed = 0;
};

int ProduceRun::exec()
{
    if (const int code = prepare(); code != Continue)
        return code;
    catchStopSignals();
    std::array<quint8, 4> reply{};
    while (!stopRequested && (!m_options.count || m_passed + m_failed < *m_options.count)) {
        say(QStringLiteral("Insert a chip"));
        switch (waitForSocket(true, reply)) {
        case Socket::Stopped: return finish(Continue);
        case Socket::Vanished: return finish(ExitNotConnected);
        case Socket::Reached: break;
        }
        if (const int code = programChip(reply); code != Continue)
            return finish(code);
        // The chip in hand is finished; a stop asked for now ends the run without waiting.
        if (stopRequested || (m_options.count && m_passed + m_failed >= *m_options.count))
            break;
        say(QStringLiteral("Remove the chip"));
        switch (waitForSocket(false, reply)) {
        case Socket::Stopped: return finish(Continue);
        case Socket::Vanished: return finish(ExitNotConnected);
        case Socket::Reached: break;
        }
    }
    return finish(Continue);
}

int ProduceRun::finish(int code)
{
    say(QStringLiteral("%1 passed, %2 failed").arg(m_passed).arg(m_failed));
    if (code != Continue)
        return code;
    return m_failed > 0 ? ExitFailure : ExitSuccess;
}

int ProduceRun::prepare()
{
    const ChipCommandLine& line = m_options.line;
    if (!loadCliDatabase(m_session->database(), line.databasePath, true))
        return ExitUsage;
    if (!line.detect) {
        const ChipChoice choice = ChipChoice::find(m_session->database(), line.chipModel, line.maker);
        if (choice.slot < 0) {
            printError(choice.error);
            return ExitUsage;
        }
        m_session->setCurrentChip(choice.slot);
        m_chipKnown = true;
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
    if (m_chipKnown) {
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
    m_operations = std::make_unique<ChipOperations>(*m_usb, m_feedback, *m_session, systemClock());
    m_link = std::make_unique<ProgrammerLink>(*m_usb, m_feedback, systemClock());
    return Continue;
}

int ProduceRun::prepareSerials()
{
    if (!m_options.serialAt)
        return Continue;
    m_nextSerial = m_options.serialStart;
    if (!m_options.serialFile.isEmpty()) {
        m_serialFile.emplace(m_options.serialFile);
        if (m_serialFile->exists()) {
            QString error;
            const std::optional<quint64> next = m_serialFile->read(error);
            if (!next) {
                printError(error);
                return ExitUsage;
            }
            m_nextSerial = *next;
        }
    }
    // The whole run is checked when its length is known, so it cannot stop halfway for a number
    // that no longer fits.
    std::vector<quint64> serials{m_nextSerial};
    if (m_options.count && *m_options.count > 1) {
        const quint64 steps = *m_options.count - 1;
        if (m_options.serialStep > (std::numeric_limits<quint64>::max() - m_nextSerial) / steps) {
            printError(QStringLiteral("the serial numbers from %1 run past 64 bits within %2 chips")
                           .arg(m_nextSerial).arg(*m_options.count));
            return ExitUsage;
        }
        serials.push_back(m_nextSerial + steps * m_options.serialStep);
    }
    for (const quint64 serial : serials) {
        if (!m_options.serialFormat->encode(serial)) {
            printError(QStringLiteral("serial number %1 does not fit the serial format").arg(serial));
            return ExitUsage;
        }
    }
    return Continue;
}

int ProduceRun::checkChipFits()
{
    const ChipRecord& chip = m_session->currentChipRecord();
    if (const auto defect = checkChipRecord(chip, ChipSession::DataBufferSize)) {
        m_terminal.showError(*defect);
        return ExitUsage;
    }
    if (m_imageLength > static_cast<qint64>(chip.flashSize)) {
        printError(QStringLiteral("%1 holds %2 bytes, more than the chip's %3")
                       .arg(m_options.line.operand).arg(m_imageLength).arg(chip.flashSize));
        return ExitUsage;
    }
    if (m_options.serialAt) {
        const quint64 end = *m_options.serialAt + static_cast<quint64>(m_options.serialFormat->width());
        if (*m_options.serialAt >= chip.flashSize || end > chip.flashSize) {
            printError(QStringLiteral("the serial number at 0x%1 (%2 bytes) lies outside the chip's %3 bytes")
                           .arg(*m_options.serialAt, 0, 16).arg(m_options.serialFormat->width()).arg(chip.flashSize));
            return ExitUsage;
        }
    }
    return Continue;
}

ProduceRun::Socket ProduceRun::waitForSocket(bool chipWanted, std::array<quint8, 4>& reply)
{
    QElapsedTimer sinceQuery;
    for (;;) {
        if (stopRequested)
            return Socket::Stopped;
        reply = {};
        m_link->watchConnection();
        const bool reached = m_link->QueryChip(m_session->currentChipRecord(), m_session->speedIndex(), reply);
        if (!reached || m_link->disconnected()) {
            m_terminal.showError(MessageCatalog::text(MessageKey::StatusNotConnected));
            explainNotConnected(*m_usb);
            return Socket::Vanished;
        }
        if ((reply[0] != 0) == chipWanted)
            return Socket::Reached;
        sinceQuery.start();
        while (!stopRequested && sinceQuery.elapsed() < m_options.pollMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(StopCheckMs, m_options.pollMs)));
    }
}

int ProduceRun::chooseChip(const std::array<quint8, 4>& reply, QString& reason)
{
    const quint32 id = detectedChipId(reply[1], reply[2], reply[3]);
    const auto idText = [&] { return QString::asprintf("%2.2X %2.2X %2.2X", reply[1], reply[2], reply[3]); };
    if (reply[0] != 1) {
        reason = QStringLiteral("the chip reports no ID; choose it with --chip MODEL");
        return m_chipKnown ? Continue : ExitUsage;
    }
    const auto table = m_session->database().table();
    const ChipRecord* found = findFlash(table, id);
    if (!found) {
        reason = QStringLiteral("unknown chip ID %1").arg(idText());
        return Continue;
    }
    const int slot = static_cast<int>(found - table.data());
    if (m_chipKnown) {
        if (slot != m_detectedSlot)
            reason = QStringLiteral("chip ID %1 is not the chip of this run").arg(idText());
        return Continue;
    }
    m_detectedSlot = slot;
    m_session->setCurrentChip(slot);
    m_chipKnown = true;
    say(QStringLiteral("Chip: %1").arg(chipNamePartsForLists(found->nameText()).model));
    return checkChipFits();
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

    // Every chip starts from IN as it was read, with its own serial number patched in.
    const std::span<quint8> buffer = m_session->dataBuffer();
    std::memcpy(buffer.data(), m_pristine->bytes().data(), buffer.size());
    qint64 length = m_imageLength;
    std::optional<quint64> serial;
    if (m_options.serialAt) {
        const std::optional<QByteArray> bytes = m_options.serialFormat->encode(m_nextSerial);
        if (!bytes) {
            printError(QStringLiteral("serial number %1 does not fit the serial format").arg(m_nextSerial));
            return ExitUsage;
        }
        serial = m_nextSerial;
        std::memcpy(buffer.data() + *m_options.serialAt, bytes->constData(), static_cast<std::size_t>(bytes->size()));
        length = std::max<qint64>(length, static_cast<qint64>(*m_options.serialAt) + bytes->size());
    }
    m_session->setDataLength(static_cast<qint32>(length));
    const ImageChecksums sums = imageChecksums(programmedImage(buffer, length, chip));

    QElapsedTimer timer;
    timer.start();
    bool passed = false;
    if (reason.isEmpty()) {
        (void)m_feedback.takeLastError();
        passed = m_operations->runAuto() == CommandOutcome::Completed;
        if (!passed) {
            reason = m_feedback.takeLastError();
            if (reason.isEmpty())
                reason = QStringLiteral("the operation did not complete");
        }
    }
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;

    const QString serialText = serial ? QString::number(*serial) : QStringLiteral("-");
    if (passed) {
        ++m_passed;
        say(QStringLiteral("#%1 PASS %2 %3 %4").arg(number).arg(serialText, crc32Text(sums.crc32)).arg(seconds, 0, 'f', 1));
    } else {
        ++m_failed;
        say(QStringLiteral("#%1 FAIL %2").arg(number).arg(reason));
    }

    ProducedChip record;
    record.programmer = programmerName();
    record.chip = chipNamePartsForLists(chip.nameText()).model;
    if (reply[0] == 1)
        record.jedecId = detectedChipId(reply[1], reply[2], reply[3]);
    record.serial = serial;
    record.crc32 = sums.crc32;
    record.sha256 = QString::fromLatin1(sums.sha256.toHex());
    record.passed = passed;
    record.reason = reason;
    record.seconds = seconds;
    if (!m_log.append(record)) {
        printError(QStringLiteral("the log %1 could not be written; stopping").arg(m_options.logPath));
        return ExitUsage;
    }

    if (passed && serial) {
        if (std::numeric_limits<quint64>::max() - *serial < m_options.serialStep) {
            printError(QStringLiteral("no serial number follows %1 within 64 bits; stopping").arg(*serial));
            return ExitUsage;
        }
        m_nextSerial = *serial + m_options.serialStep;
        QString error;
        if (m_serialFile && !m_serialFile->write(m_nextSerial, error)) {
            // Carrying on could hand the next number out twice after a restart.
            printError(error + QStringLiteral("; stopping"));
            return ExitUsage;
        }
    }
    return Continue;
}

QString ProduceRun::programmerName()
{
    const std::string& location = m_usb->lastOpenedLocation();
    if (m_programmers.empty())
        m_programmers = m_usb->listProgrammers();
    for (const ProgrammerIdentity& programmer : m_programmers) {
        if (programmer.location() == location)
            return QString::fromStdString(programmer.name());
    }
    return QString::fromStdString(location);
}

}  // namespace

QString produceHelp()
{
    return ProduceOptions::help();
}

int runProduce(const QStringList& arguments)
{
    ProduceOptions options = ProduceOptions::parse(arguments);
    if (!options.error.isEmpty())
        return chipUsageError(ProduceOptions::spec(), options.error);
    return ProduceRun(std::move(options)).exec();
}
