// Host time of read, verify and write of a 64 MiB chip through the programmer simulator, driven
// through the real main window shown offscreen (progress bar and event processing after every
// block, as in use) and through the operations core alone. The simulator's own cost is measured
// by a bare transfer loop over the same blocks and taken off, leaving what the host adds.
#include "app/MessageBoxes.h"
#include "text/MessageCatalog.h"
#include "app/TForm1.h"
#include "chipdb/ChipDatabaseFile.h"
#include "programmer/ChipOperations.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"
#include "sim/SimClient.h"
#include "usb/UsbBulk.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr quint32 ChipSize = 0x4000000;
constexpr int Block = 256;
constexpr long Blocks = ChipSize / Block;

const char* const SimConfig =
    "trace_limit = 0\n"
    "[device]\nmanufacturer = Zorvex\nproduct = WinUSBComm Device\n"
    "chip = 25flash\nchip_size = 64M\nchip_id = 0xEF4019\nchip_content = pattern\nerase_polls = 0\n";

ChipRecord benchChip()
{
    ChipRecord chip;
    std::strcpy(chip.name.data(), "SPIFLASH,BENCH,64M");
    chip.family = Family25Flash;
    chip.flashSize = ChipSize;
    chip.flashPage = Block;
    chip.chipId = 0xEF4019;
    chip.delay = 100;
    return chip;
}

double seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// The simulator and transport alone: the same blocks with no operation around them.
double bareStream(TUsbBulk& usb, bool write, std::span<quint8> buffer)
{
    if (usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId) == 0)
        return -1;
    ChipParams params{Family25Flash, 0, Block, 100, ChipSize, 0xEF4019, 0};
    CommandPacket begin = makeBegin(params, 0, usb.bigEndianFields());
    usb.USB_bulk_cmd(begin.data(), CommandPacket::length(), 1);
    CommandPacket spi = makeSpiCommand(CommandPacket::Enter4ByteAddressMode);
    usb.USB_bulk_cmd(spi.data(), CommandPacket::length(), 1);
    CommandPacket address = makeSetAddress(0, usb.bigEndianFields());
    usb.USB_bulk_cmd(address.data(), CommandPacket::length(), write ? 0 : 1);
    const double time = seconds([&] {
        for (long i = 0; i < Blocks; ++i) {
            char* block = reinterpret_cast<char*>(buffer.data()) + i * Block;
            if (write)
                usb.USB_bulk_write(block, Block);
            else
                usb.USB_bulk_read(block, Block);
        }
    });
    CommandPacket end = makeEnd();
    usb.USB_bulk_cmd(end.data(), CommandPacket::length(), 0);
    usb.USB_bulk_close();
    return time;
}

// Feedback that shows nothing: the core's own cost per block.
class QuietFeedback final : public OperatorFeedback {
public:
    void setStatus(const QString&) override {}
    void setElapsed(const QString&) override {}
    void progressStart(qint64) override {}
    void progressStep(qint64) override {}
    void progressEnd() override {}
    void logLine(const QString& message) override { last = message; }
    void showError(const QString& message) override { std::printf("error: %s\n", qPrintable(message)); }
    void showInfo(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
    void setOperationControlsEnabled(bool) override {}
    void beep() override {}
    QString last;
};

class BenchHost final : public OperationHost {
public:
    BenchHost() : m_buffer(new quint8[ChipSize]) { std::memset(m_buffer.get(), 0xFF, ChipSize); }
    std::span<quint8> dataBuffer() override { return {m_buffer.get(), ChipSize}; }
    qint32 dataLength() const override { return m_length; }
    void setDataLength(qint32 length) override { m_length = length; }
    const ChipRecord& currentChipRecord() const override { return m_chip; }
    int speedIndex() const override { return 0; }
    AutoOptions autoOptions() const override { return {}; }
    void takeViewEdits() override {}
    void loadViewFromBuffer() override {}

private:
    std::unique_ptr<quint8[]> m_buffer;
    qint32 m_length = 0;
    ChipRecord m_chip = benchChip();
};

void report(const char* what, double total, double bare)
{
    const double mib = ChipSize / double(1 << 20);
    std::printf("  %-22s %7.3f s  %7.2f ms/MiB  %6.2f us/block   host overhead %6.2f us/block\n", what, total,
                total * 1e3 / mib, total * 1e6 / Blocks, (total - bare) * 1e6 / Blocks);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    setCurrentLanguage(Language::English);
    SimClient sim(ZORVEX_SIM_LIBRARY);
    if (!sim.ok() || sim.reset(SimConfig) != 0) {
        std::fprintf(stderr, "simulator not usable at %s\n", ZORVEX_SIM_LIBRARY);
        return 1;
    }
    std::printf("64 MiB SPI flash, %d-byte blocks (%ld blocks), simulator in process\n", Block, Blocks);

    BenchHost host;
    TUsbBulk usb(ZORVEX_SIM_LIBRARY);
    usb.setReplyPause(std::chrono::milliseconds(0));
    // The first pass also faults in the buffer's pages; the best of the later passes counts.
    (void)bareStream(usb, false, host.dataBuffer());
    const double bareRead = std::min(bareStream(usb, false, host.dataBuffer()), bareStream(usb, false, host.dataBuffer()));
    const double bareWrite = std::min(bareStream(usb, true, host.dataBuffer()), bareStream(usb, true, host.dataBuffer()));
    std::printf("  %-22s %7.3f s  (read)   %7.3f s  (write)   %5.2f / %5.2f us/block\n", "bare transfer loop",
                bareRead, bareWrite, bareRead * 1e6 / Blocks, bareWrite * 1e6 / Blocks);

    // The core alone.
    {
        QuietFeedback feedback;
        ChipOperations operations(usb, feedback, host, systemClock());
        std::printf("operations core, no window:\n");
        report("read", seconds([&] { operations.runRead(); }), bareRead);
        host.setDataLength(static_cast<qint32>(ChipSize));
        report("verify", seconds([&] { operations.runVerify(); }), bareRead);
        report("write", seconds([&] { operations.runWrite(); }), bareWrite);
        if (feedback.last != "Write Complete!")
            std::printf("  unexpected last line: %s\n", qPrintable(feedback.last));
    }

    // The real window, shown offscreen: progress bar and pending events after every block.
    QTemporaryDir dir;
    TForm1::Environment environment;
    environment.settingsPath = dir.filePath("bench.ini");
    environment.databasePath = dir.filePath("bench.Dat");
    environment.usbLibrary = QString::fromUtf8(ZORVEX_SIM_LIBRARY);
    {
        auto database = std::make_unique<ChipDatabase>();
        (*database)[0] = benchChip();
        QFile file(environment.databasePath);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(chipDatabaseBytes(*database, 1));
        QFile settings(environment.settingsPath);
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write("[DEVICE]\nLANGU=2\n");
    }
    sim.reset(SimConfig);
    TForm1 form(environment);
    form.usb().setReplyPause(std::chrono::milliseconds(0));
    form.show();
    QApplication::processEvents();
    const auto lastLine = [&] { return form.RichEdit1->document()->firstBlock().text(); };
    std::printf("main window, offscreen:\n");
    report("read", seconds([&] { form.ToolRead->trigger(); }), bareRead);
    std::printf("    -> %s\n", qPrintable(lastLine()));
    form.setDataLength(static_cast<qint32>(ChipSize));
    report("verify", seconds([&] { form.ToolVerify->trigger(); }), bareRead);
    std::printf("    -> %s\n", qPrintable(lastLine()));
    report("write", seconds([&] { form.ToolWrite->trigger(); }), bareWrite);
    std::printf("    -> %s\n", qPrintable(lastLine()));
    return 0;
}
