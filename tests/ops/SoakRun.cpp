#include "SoakRun.h"

#include "OpsTestDoubles.h"

#include "text/MessageCatalog.h"
#include "programmer/ChipOperations.h"
#include "programmer/CommandPacket.h"
#include "programmer/ReadRoutines.h"
#include "programmer/WriteRoutines.h"
#include "sim/SimClient.h"
#include "usb/UsbBulk.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>

namespace {

// One chip of the run: what the simulator puts in the socket and the record the host uses.
struct Profile {
    const char* name;
    const char* simKeys;
    ChipRecord chip;
    int weight;  // how often the run moves to it; the 32 MiB flash costs two seconds per visit
};

std::vector<Profile> profiles()
{
    ChipRecord sst = makeChip("SPI,SST,25VF040", Family25Flash, 0x80000, 256, 0xBF258D, 20);
    sst.subType = 1;
    return {
        {"flash-64K", "chip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\n",
         makeChip("SPI,W,25X05", Family25Flash, 0x10000, 256, 0xEF3010, 20), 4},
        {"sst-512K", "chip = 25flash\nchip_size = 512K\nchip_id = 0xBF258D\nchip_sst = 1\n", sst, 2},
        {"flash-32M", "chip = 25flash\nchip_size = 32M\nchip_id = 0xEF4019\n",
         makeChip("SPI,W,BIG", Family25Flash, 0x2000000, 256, 0xEF4019, 100), 1},
        {"24-256", "chip = 24\nchip_size = 256\n", makeChip("24,A,24C02", Family24Eeprom, 256, 8), 4},
        {"24-128K", "chip = 24\nchip_size = 128K\n", makeChip("24,A,24M01", Family24Eeprom, 0x20000, 256), 2},
        {"93-256", "chip = 93\nchip_size = 256\n", makeChip("93,A,93C66", Family93Eeprom, 256, 16, 0, 0x30), 4},
        {"25eeprom-512", "chip = 25eeprom\nchip_size = 512\n", makeChip("25E,A,25040", Family25Eeprom, 512, 16), 4},
        {"95-2K", "chip = 95\nchip_size = 2K\n", makeChip("95,S,95160", Family95Eeprom, 2048, 32), 4},
        {"95-128K", "chip = 95\nchip_size = 128K\n", makeChip("95,S,M95M01", Family95Eeprom, 0x20000, 256), 1},
    };
}

enum class Command { Read, Write, Verify, Erase, Blank, Auto };
const char* const CommandNames[] = {"read", "write", "verify", "erase", "blank", "auto"};

enum class Fault { None, Timeout, Short, Unplug, EmptySocket };
const char* const FaultNames[] = {"none", "timeout", "short", "unplug", "empty-socket"};

qint64 roundUp(qint64 value, qint64 unit) { return (value + unit - 1) / unit * unit; }

class Soak {
public:
    Soak(const std::string& simLibrary, const QString& workDir, quint32 seed)
        : m_sim(simLibrary)
        , m_usb(simLibrary)
        , m_dir(workDir)
        , m_random(seed)
        , m_profiles(profiles())
    {
        m_report.seed = seed;
        m_usb.setReplyPause(std::chrono::milliseconds(0));
    }

    SoakReport run(int steps)
    {
        if (!m_sim.ok()) {
            m_report.failures.push_back("the simulator cannot be bound");
            return m_report;
        }
        const Language language = currentLanguage();
        setCurrentLanguage(Language::English);
        for (m_step = 0; m_step < steps && m_report.failures.size() < 20; ++m_step)
            step();
        setCurrentLanguage(language);
        m_report.steps = m_step;
        return m_report;
    }

private:
    void step();
    void moveToProfile(std::size_t index, bool socketEmpty);
    void prepareBuffer(Command command);
    [[nodiscard]] Fault injectFault(Command command);
    [[nodiscard]] CommandOutcome execute(Command command);
    void check(Command command, CommandOutcome outcome);
    void checkReadDirection(Command command, CommandOutcome outcome);
    [[nodiscard]] std::vector<unsigned char> written(const std::vector<unsigned char>& chip) const;
    [[nodiscard]] bool chipMatchesBuffer(const std::vector<unsigned char>& chip, qint64 length) const;
    void fail(const std::string& what);
    void count(const std::string& what) { ++m_report.counts[what]; }
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    const Profile& profile() const { return m_profiles[m_profile]; }
    qint64 block() const { return blockSize(profile().chip.flashPage); }

    SimClient m_sim;
    TUsbBulk m_usb;
    RecordingFeedback m_feedback;
    FakeHost m_host;
    FakeClock m_clock;
    ChipOperations m_ops{m_usb, m_feedback, m_host, m_clock};
    QDir m_dir;
    std::mt19937 m_random;
    std::vector<Profile> m_profiles;
    std::size_t m_profile = 0;
    bool m_socketEmpty = false;
    bool m_configured = false;
    int m_step = 0;
    SoakReport m_report;

    // The step's starting point.
    std::vector<unsigned char> m_chipBefore;  // what a stream sees: all 0xFF for an empty socket
    std::vector<quint8> m_bufferBefore;       // the chip's range of the buffer and a little past it
    qint32 m_lengthBefore = 0;
    AutoOptions m_options;
    bool m_answer = true;
    bool m_oversized = false;
};

void Soak::fail(const std::string& what)
{
    std::ostringstream line;
    line << "seed " << m_report.seed << " step " << m_step << " (" << profile().name
         << (m_socketEmpty ? ", empty socket" : "") << "): " << what << " -- told: "
         << m_feedback.events.filter(QRegularExpression("^(error|ask|log):")).join(" | ").toStdString();
    m_report.failures.push_back(line.str());
}

void Soak::moveToProfile(std::size_t index, bool socketEmpty)
{
    m_profile = index;
    m_socketEmpty = socketEmpty;
    const Profile& p = m_profiles[index];
    // The image file keeps the chip across the resets that change the chip or empty the socket.
    const QString image = m_dir.filePath(QString::fromLatin1(p.name) + ".img");
    std::string config = "[device]\nmanufacturer = Zorvex\nproduct = "
        + std::string(chance(0.5) ? "WinUSBComm" : "WinUSBComm Device") + "\n";
    config += socketEmpty ? std::string("chip = none\n") : std::string(p.simKeys) + "chip_image = "
                                                                + image.toStdString() + "\n";
    if (m_sim.reset(config.c_str()) != 0)
        fail("simulator refused the configuration: " + std::string(m_sim.lastError()));
    m_host.chip = p.chip;
    m_configured = true;
}

void Soak::prepareBuffer(Command command)
{
    if (command != Command::Write && command != Command::Verify && command != Command::Auto)
        return;
    const qint64 size = profile().chip.flashSize;
    const qint64 page = profile().chip.flashPage;
    const int choice = uniform(0, 9);
    if (choice < 3)
        return;  // whatever the buffer holds: often a read, which a verify should confirm
    if (choice == 3) {
        m_host.length = chance(0.5) ? 0 : -1;
        return;
    }
    qint64 length = size;
    switch (uniform(0, 3)) {
    case 0: length = uniform(1, static_cast<int>(size)); break;
    case 1: length = size; break;
    case 2: length = size + uniform(1, static_cast<int>(2 * page)); break;  // asks first
    case 3: length = std::max<qint64>(1, size - uniform(1, static_cast<int>(page))); break;
    }
    quint8* bytes = m_host.bytes();
    if (choice < 6 && !m_socketEmpty) {
        // The chip's own content with a few changed bytes, or none.
        const std::vector<unsigned char> chip = m_sim.chip();
        std::copy(chip.begin(), chip.end(), bytes);
        for (int edits = uniform(0, 2); edits > 0; --edits)
            bytes[uniform(0, static_cast<int>(size - 1))] ^= static_cast<quint8>(uniform(1, 255));
    } else {
        std::independent_bits_engine<std::mt19937, 8, unsigned> random(m_random());
        std::generate_n(bytes, length, [&] { return static_cast<quint8>(random()); });
    }
    m_host.length = static_cast<qint32>(length);
}

Fault Soak::injectFault(Command command)
{
    if (m_socketEmpty)
        return Fault::EmptySocket;
    if (!chance(0.3))
        return Fault::None;
    // Somewhere in the command's transfers: the query frame, the set-up, the blocks, the end.
    const long blocks = profile().chip.flashSize / block();
    const long span = command == Command::Erase ? 40 : std::min<long>(blocks * 2 + 12, 3000);
    const long at = m_sim.counter(0, "transfers") + uniform(1, static_cast<int>(span));
    const Fault fault = static_cast<Fault>(uniform(1, 3));
    const std::string where = std::to_string(at);
    switch (fault) {
    case Fault::Timeout: m_sim.set(0, "timeout_at", where.c_str()); break;
    case Fault::Short: m_sim.set(0, "short_at", where.c_str()); break;
    case Fault::Unplug: m_sim.set(0, "unplug_after", std::to_string(at - 1).c_str()); break;
    case Fault::None:
    case Fault::EmptySocket: break;
    }
    return fault;
}

CommandOutcome Soak::execute(Command command)
{
    switch (command) {
    case Command::Read: return m_ops.runRead();
    case Command::Write: return m_ops.runWrite();
    case Command::Verify: return m_ops.runVerify();
    case Command::Erase: return m_ops.runErase();
    case Command::Blank: return m_ops.runBlankCheck();
    case Command::Auto: return m_ops.runAuto();
    }
    return CommandOutcome::Refused;
}

void Soak::step()
{
    if (!m_configured || chance(0.15) || m_socketEmpty) {
        std::vector<int> weights;
        for (const Profile& p : m_profiles)
            weights.push_back(p.weight);
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        moveToProfile(pick(m_random), chance(0.06));
    }
    const auto command = static_cast<Command>(uniform(0, 5));
    count(CommandNames[static_cast<int>(command)]);
    prepareBuffer(command);
    m_options = {chance(0.8), chance(0.8), chance(0.8)};
    m_host.options = m_options;
    m_answer = chance(0.5);
    m_feedback.answers = {m_answer};
    m_oversized = pageRoundedLength(m_host.length, profile().chip.flashPage) > qint64{profile().chip.flashSize};

    const qint64 size = profile().chip.flashSize;
    m_chipBefore = m_socketEmpty ? std::vector<unsigned char>(static_cast<std::size_t>(size), 0xFF) : m_sim.chip();
    const qint64 guard = std::min<qint64>(roundUp(size, block()) + 4096, FakeHost::BufferSize);
    m_bufferBefore.assign(m_host.bytes(), m_host.bytes() + guard);
    m_lengthBefore = m_host.length;

    const Fault fault = injectFault(command);
    count(std::string("fault ") + FaultNames[static_cast<int>(fault)]);
    m_sim.traceClear();
    m_feedback.events.clear();
    m_feedback.steps.clear();
    // A stopped routine leaves its bar up until the next routine resets it; an auto run with
    // every step switched off runs none.
    m_feedback.progressVisible = false;
    m_clock.sleeps.clear();
    const long transfersBefore = m_sim.counter(0, "transfers");

    const CommandOutcome outcome = execute(command);
    switch (outcome) {
    case CommandOutcome::Completed: count("completed"); break;
    case CommandOutcome::Stopped: count("stopped"); break;
    case CommandOutcome::Declined: count("declined"); break;
    case CommandOutcome::NotConnected: count("not connected"); break;
    case CommandOutcome::Disconnected: count("disconnected"); break;
    case CommandOutcome::Refused: count("refused"); break;
    }
    if (m_sim.traceCount("fault ") > 0)
        count(std::string("fault hit ") + FaultNames[static_cast<int>(fault)]);

    const bool noAccess = m_sim.counter(0, "transfers") == transfersBefore && m_sim.traceCount("usb open") == 0;
    const bool writesBuffer = command == Command::Write || (command == Command::Auto && m_options.program);
    const bool needsBuffer = command == Command::Write || command == Command::Verify || command == Command::Auto;
    if (needsBuffer && m_lengthBefore <= 0) {
        if (outcome != CommandOutcome::Stopped || !noAccess)
            fail("an empty buffer was not refused before the programmer was opened");
    } else if (writesBuffer && m_oversized) {
        const bool asked = !m_feedback.only("ask:").isEmpty();
        if (!asked)
            fail("a buffer longer than the chip was written without asking");
        if (!m_answer && (outcome != CommandOutcome::Declined || !noAccess))
            fail("No to the question about a long buffer still reached the programmer");
    }
    check(command, outcome);

    // Back to a plain programmer for the next step.
    if (m_sim.counter(0, "open_handles") != 0)
        fail("the programmer was left open");
    m_sim.set(0, "timeout_at", "");
    m_sim.set(0, "short_at", "");
    m_sim.setPlugged(0, 1);
}

std::vector<unsigned char> Soak::written(const std::vector<unsigned char>& chip) const
{
    // What a write leaves: whole blocks of the buffer up to its page-rounded length, at most the
    // chip; a flash only clears bits.
    std::vector<unsigned char> result = chip;
    if (m_socketEmpty)
        return result;
    const qint64 size = profile().chip.flashSize;
    const qint64 length = std::min(pageRoundedLength(m_lengthBefore, profile().chip.flashPage), size);
    const qint64 end = std::min(roundUp(length, block()), size);
    const bool flash = profile().chip.family == Family25Flash;
    for (qint64 i = 0; i < end; ++i)
        result[static_cast<std::size_t>(i)] = flash ? (chip[static_cast<std::size_t>(i)] & m_bufferBefore[static_cast<std::size_t>(i)])
                                                    : m_bufferBefore[static_cast<std::size_t>(i)];
    return result;
}

bool Soak::chipMatchesBuffer(const std::vector<unsigned char>& chip, qint64 length) const
{
    const qint64 end = std::min(roundUp(length, block()), static_cast<qint64>(chip.size()));
    return std::equal(chip.begin(), chip.begin() + end, m_bufferBefore.begin());
}

void Soak::check(Command command, CommandOutcome outcome)
{
    const bool completed = outcome == CommandOutcome::Completed;
    const QStringList lines = m_feedback.only("log:");
    if (!completed && !lines.isEmpty())
        fail("a completion line after a command that did not complete: " + lines.join(' ').toStdString());
    const bool unplugged = m_sim.traceCount("fault unplugged") > 0;
    if (outcome == CommandOutcome::Disconnected && !unplugged)
        fail("reported disconnected while the programmer stayed");
    // The cable may go after a finding had stopped the command (at its CmdEnd): the finding
    // is what the person must hear then.
    const bool finding = !m_feedback.only("error:(Flash check error address|The chip is not empty|No chips detected)").isEmpty();
    if (unplugged && !completed && outcome != CommandOutcome::Disconnected && !finding)
        fail("a pulled cable was not reported as a disconnected programmer");
    if (completed && m_feedback.progressVisible)
        fail("the progress bar stayed visible after a completed command");

    checkReadDirection(command, outcome);
    const std::vector<unsigned char> chipAfter =
        m_socketEmpty ? m_chipBefore : m_sim.chip();
    const qint64 size = profile().chip.flashSize;
    const qint64 compared = std::min<qint64>(m_lengthBefore, size);
    // A fault that was set but not reached leaves a run that must go as without one.
    const bool faultFree = !m_socketEmpty && m_sim.traceCount("fault ") == 0;

    switch (command) {
    case Command::Read:
    case Command::Blank:
    case Command::Verify:
        if (chipAfter != m_chipBefore)
            fail(std::string(CommandNames[static_cast<int>(command)]) + " changed the chip");
        break;
    case Command::Erase:
        if (completed && !m_socketEmpty && chipAfter != std::vector<unsigned char>(chipAfter.size(), 0xFF))
            fail("erase completed but the chip is not blank");
        if (faultFree && !completed)
            fail("erase stopped without a fault");
        break;
    case Command::Write:
        if (completed && chipAfter != written(m_chipBefore))
            fail("write completed but the chip does not hold the buffer");
        if (faultFree && !completed && m_lengthBefore > 0 && (!m_oversized || m_answer))
            fail("write stopped without a fault");
        break;
    case Command::Auto: {
        if (!completed)
            break;
        std::vector<unsigned char> expected = m_chipBefore;
        if (m_options.erase && !m_socketEmpty)
            expected.assign(expected.size(), 0xFF);
        if (m_options.program)
            expected = written(expected);
        if (chipAfter != expected)
            fail("auto completed but the chip is not what its steps leave");
        const qint64 length = m_options.program ? pageRoundedLength(m_lengthBefore, profile().chip.flashPage)
                                                : m_lengthBefore;
        if (m_options.verify && !chipMatchesBuffer(chipAfter, std::min(length, size)))
            fail("auto verified a chip that differs from the buffer");
        if ((lines == QStringList{"log:AUTO Complete!"}) != m_options.verify)
            fail("auto logged " + lines.join(' ').toStdString() + " with verify " + (m_options.verify ? "on" : "off"));
        break;
    }
    }

    // Without a fault and with a chip, every finding must be real and every success complete.
    if (faultFree) {
        if (command == Command::Verify && m_lengthBefore > 0 && completed != chipMatchesBuffer(m_chipBefore, compared))
            fail(completed ? "verify passed a chip that differs" : "verify failed a chip that matches");
        if (command == Command::Blank
            && completed != (m_chipBefore == std::vector<unsigned char>(m_chipBefore.size(), 0xFF)))
            fail(completed ? "blank check passed a programmed chip" : "blank check failed a blank chip");
        if (command == Command::Read && !completed)
            fail("read stopped without a fault");
    }
}

void Soak::checkReadDirection(Command command, CommandOutcome outcome)
{
    const qint64 size = profile().chip.flashSize;
    const qint64 range = roundUp(size, block());
    const quint8* now = m_host.bytes();
    const auto unchanged = [&](qint64 from, qint64 to) {
        return std::equal(now + from, now + to, m_bufferBefore.begin() + from);
    };
    const qint64 guard = static_cast<qint64>(m_bufferBefore.size());
    if (command == Command::Read && outcome == CommandOutcome::Completed) {
        if (!std::equal(m_chipBefore.begin(), m_chipBefore.end(), now))
            fail("read completed but the buffer does not hold the chip");
        if (m_host.length != dataLengthAfterRead(std::span(now, static_cast<std::size_t>(size))))
            fail("read completed with a wrong data length");
        if (!unchanged(range, guard))
            fail("read changed the buffer past the chip");
        return;
    }
    if (unchanged(0, guard))
        return;
    // A read that stopped after blocks had arrived clears the chip's range: never half an image.
    const bool cleared = command == Command::Read && m_host.length == 0
        && std::all_of(now, now + range, [](quint8 b) { return b == 0xFF; }) && unchanged(range, guard);
    if (!cleared)
        fail(std::string(CommandNames[static_cast<int>(command)]) + " changed the buffer without a finished read");
}

} // namespace

SoakReport runSoak(const std::string& simLibrary, const QString& workDir, quint32 seed, int steps)
{
    Soak soak(simLibrary, workDir, seed);
    return soak.run(steps);
}

std::string soakSummary(const SoakReport& report)
{
    std::ostringstream text;
    text << "seed " << report.seed << ", " << report.steps << " steps:";
    const char* separator = " ";
    for (const auto& [what, n] : report.counts) {
        text << separator << what << ' ' << n;
        separator = ", ";
    }
    text << "; " << report.failures.size() << " broken promises";
    return text.str();
}
