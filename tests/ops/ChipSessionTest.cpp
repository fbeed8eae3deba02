#include "SimFixture.h"

#include "programmer/ChipSession.h"

#include <array>

namespace {

// A face's hex view that counts what the session asks of it.
class CountingView final : public ChipSession::View {
public:
    void takeViewEdits() override { ++calls; }
    void loadViewFromBuffer() override { ++calls; }
    int calls = 0;
};

}  // namespace

class ChipSessionTest : public SimFixture {};

// Compare with the chip reads into an image beside the session's. A second one asked for while
// that read runs (the window processes events between blocks) is refused and must not turn the
// rest of the running read into the session's image.
TEST_F(ChipSessionTest, ReadIntoAnotherImageLeavesTheImageAndTheViewAlone)
{
    configure("chip = 24\nchip_size = 1K\nchip_content = blank\n");
    const std::array<quint8, 2> tail{0x12, 0x34};
    setChip(tail, 0x3FE);
    CountingView view;
    ChipSession session;
    session.database()[0] = makeChip("24,A,B", Family24Eeprom, 1024, 16);
    session.setImageLength(7);
    session.bind(usb, feedback, &view, clock);

    ImageBuffer readBack;
    std::vector<quint8> other(1024, 0xFF);
    CommandOutcome nested = CommandOutcome::Completed;
    feedback.onStep = [&](qint64) { nested = session.readChipInto(other); };
    EXPECT_EQ(session.readChipInto(readBack.bytes()), CommandOutcome::Completed);
    EXPECT_EQ(nested, CommandOutcome::Refused);
    EXPECT_EQ(readBack.bytes()[0x3FF], 0x34);
    EXPECT_EQ(other[0x3FF], 0xFF);
    EXPECT_EQ(session.image()[0x3FF], 0xFF);
    EXPECT_EQ(session.dataLength(), 7);
    EXPECT_EQ(view.calls, 0);

    // A read into the session's own image shows it in the view.
    feedback.onStep = nullptr;
    EXPECT_EQ(session.operations().runRead(), CommandOutcome::Completed);
    EXPECT_EQ(session.image()[0x3FF], 0x34);
    EXPECT_EQ(session.dataLength(), 0x400);
    EXPECT_GT(view.calls, 0);
}
