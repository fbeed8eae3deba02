#pragma once

#include <memory>

class TUsbBulk;
struct ChipCommandLine;

// The transport a command works through, as its options choose it: the simulator (with its
// configuration), another libusb-0.1 library or the real one; with --programmer SEL only the
// programmer SEL selects is ever opened.
[[nodiscard]] std::unique_ptr<TUsbBulk> bindTransport(const ChipCommandLine& line);

// After "Not connected": the line that says why, where the transport knows more than that
// nothing answered (a USB library that could not be loaded, no programmer matching SEL, SEL
// held by another program).
void explainNotConnected(const TUsbBulk& usb);
