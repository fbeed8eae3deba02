// Choosing one of several attached programmers, through the real transport and the simulator.
#include "SimHarness.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::string device(const std::string& keys)
{
    return "[device]\n" + keys + "\n";
}

// Holds a claim lock as another process holding the programmer would.
class HeldLock {
public:
    explicit HeldLock(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
    {
        EXPECT_EQ(flock(m_fd, LOCK_EX | LOCK_NB), 0);
    }
    ~HeldLock() { ::close(m_fd); }

private:
    int m_fd;
};

}  // namespace

class ProgrammerSelection : public SimTest {
protected:
    // Bus 1: ALPHA, then a device of another maker; bus 2: one without a serial, then "7".
    void loadBench()
    {
        load(device("serial = ALPHA\nclaim_lock = " + lockPath("alpha")) + device("manufacturer = Other")
             + device("bus = 2\nserial = \"\"") + device("bus = 2\nserial = 7"));
    }
    [[nodiscard]] std::string lockPath(const std::string& name) const
    {
        return m_dir.filePath(QString::fromStdString(name + ".lock")).toStdString();
    }
    [[nodiscard]] int select(const std::string& text)
    {
        usb.setSelector(ProgrammerSelector(text));
        return usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId);
    }
    [[nodiscard]] long claims(int index) const { return sim.counter(index, "claims"); }

    QTemporaryDir m_dir;
};

TEST_F(ProgrammerSelection, ListsOnlyProgrammersInSearchOrderWithoutClaimingAny)
{
    loadBench();
    const std::vector<ProgrammerIdentity> list = usb.listProgrammers();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].number, 1);
    EXPECT_EQ(list[0].location(), "001:001");
    EXPECT_EQ(list[0].serial, "ALPHA");
    EXPECT_EQ(list[0].product, "WinUSBComm Device");
    // The device of another maker keeps its place on the bus but is no programmer.
    EXPECT_EQ(list[1].location(), "002:001");
    EXPECT_EQ(list[1].serial, "-");
    EXPECT_EQ(list[1].name(), "002:001");
    EXPECT_EQ(list[2].number, 3);
    EXPECT_EQ(list[2].serial, "7");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(claims(i), 0) << i;
        EXPECT_EQ(sim.counter(i, "open_handles"), 0) << i;
    }
}

TEST_F(ProgrammerSelection, EachFormOfSelectorOpensOnlyItsProgrammer)
{
    struct Case {
        std::string selector;
        int device;
    };
    // "7" is a serial and a list number: the serial wins. "3" is only a number.
    for (const Case& c : {Case{"ALPHA", 0}, Case{"002:001", 2}, Case{"2:1", 2}, Case{"7", 3}, Case{"3", 3},
                          Case{"1", 0}}) {
        loadBench();
        ASSERT_EQ(select(c.selector), 1) << c.selector;
        EXPECT_EQ(usb.lastOpenedLocation(), c.device == 0 ? "001:001" : c.device == 2 ? "002:001" : "002:002");
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(claims(i), i == c.device ? 1 : 0) << c.selector << " device " << i;
        usb.USB_bulk_close();
    }
}

TEST_F(ProgrammerSelection, NothingMatchingOpensNothing)
{
    for (const std::string text : {"BETA", "4", "001:002", "0", "alpha", ""}) {
        loadBench();
        EXPECT_EQ(select(text), 0) << text;
        EXPECT_EQ(usb.selectionFailure(), TUsbBulk::SelectionFailure::NoMatch) << text;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(claims(i), 0) << text << " device " << i;
    }
}

TEST_F(ProgrammerSelection, ProgrammerHeldElsewhereIsBusyAndNeverReplacedByAnother)
{
    loadBench();
    const HeldLock elsewhere(lockPath("alpha"));
    EXPECT_EQ(select("ALPHA"), 0);
    EXPECT_EQ(usb.selectionFailure(), TUsbBulk::SelectionFailure::ClaimRefused);
    EXPECT_EQ(usb.refusedClaimResult(), -EBUSY);
    EXPECT_EQ(claims(2) + claims(3), 0);
    EXPECT_FALSE(usb.isOpen());

    // Without a selector the first free programmer is taken, as with a refused claim anywhere.
    usb.setSelector(std::nullopt);
    ASSERT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 1);
    EXPECT_EQ(usb.lastOpenedLocation(), "002:001");
    EXPECT_EQ(usb.selectionFailure(), TUsbBulk::SelectionFailure::None);

    // A later search that opens nothing is not blamed on an earlier refusal ("in use by another
    // program" where the programmers cannot even be opened).
    usb.USB_bulk_close();
    EXPECT_EQ(select("ALPHA"), 0);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(sim.set(i, "open_fails", "1"), 0);
    usb.setSelector(std::nullopt);
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    EXPECT_EQ(usb.refusedClaimResult(), 0);
}

TEST_F(ProgrammerSelection, ClaimLockIsHeldFromClaimToReleaseOnly)
{
    loadBench();
    ASSERT_EQ(select("ALPHA"), 1);
    {
        TUsbBulk second(ZORVEX_SIM_LIBRARY);
        second.setSelector(ProgrammerSelector("ALPHA"));
        EXPECT_EQ(second.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
        EXPECT_EQ(second.refusedClaimResult(), -EBUSY);
    }
    usb.USB_bulk_close();
    TUsbBulk second(ZORVEX_SIM_LIBRARY);
    second.setSelector(ProgrammerSelector("ALPHA"));
    EXPECT_EQ(second.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 1);
}
