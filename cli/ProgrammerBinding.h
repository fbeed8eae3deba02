#pragma once

#include <QString>

#include <memory>

class TUsbBulk;
struct ChipCommandLine;

// The transport a command works through, as its options choose it: the simulator (with its
// configuration), another libusb-0.1 library or the real one; with --programmer SEL only the
// programmer SEL selects is ever opened.
[[nodiscard]] std::unique_ptr<TUsbBulk> bindTransport(const ChipCommandLine& line);

// After "Not connected": the line that says why, where the transport knows more than that
// nothing answered (a USB library that could not be loaded, no programmer matching SEL, SEL
// held by another program, or every programmer held when none was chosen).
void explainNotConnected(TUsbBulk& usb);

// --programmer SEL naming more than one attached programmer (twins sharing a serial): true after
// printing the refusal that lists them with their BUS:DEVICE. False when SEL names one or none.
[[nodiscard]] bool refuseAmbiguousProgrammer(TUsbBulk& usb);

// After a command's first successful open: from then on the transport opens only that
// programmer, by its BUS:DEVICE (which no twin shares), never another in its place. Returns
// the name a record gives it: its serial, else BUS:DEVICE.
QString pinOpenedProgrammer(TUsbBulk& usb);

// The last open failed because another program holds the programmer's interface (it may let
// go of it in a moment), not because it is absent.
[[nodiscard]] bool programmerHeldElsewhere(TUsbBulk& usb);
