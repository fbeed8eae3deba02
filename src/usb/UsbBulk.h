#pragma once

#include "usb/ProgrammerSelector.h"
#include "usb/UsbLibrary.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's only path to the programmer: finds it among the attached USB devices, claims its
// interface, moves 64-byte command packets and data blocks over bulk endpoints, and closes it
// again. No connection is held between user actions; each one opens, works and closes.
//
// A plain class rather than a GUI component: its owner (the main window, the command-line tool
// or a test) holds it in a std::unique_ptr, which gives the same owner-managed lifetime without
// tying the transport to the widget toolkit.
//
// Transfer results are those of libusb-0.1: the byte count moved, or a negative error code.
// Nothing here shows a message or throws.
class TUsbBulk {
public:
    static constexpr const char* DefaultLibraryName = "libusb-0.1.so.4";
    // What the programmer reports as its manufacturer string; a device reporting anything else
    // is not ours, whatever its vendor and product IDs.
    static constexpr std::string_view Manufacturer = "Zorvex";
    static constexpr int VendorId = 0x1FC8;
    static constexpr int ProductId = 0x310B;
    static constexpr std::string_view ProductDevice = "WinUSBComm Device";
    static constexpr std::string_view ProductLegacy = "WinUSBComm";
    static constexpr int LanguageId = 0x0409;
    static constexpr int StringBufferSize = 256;
    static constexpr int StringTimeoutMs = 1000;
    static constexpr int BulkTimeoutMs = 5000;
    static constexpr int TransmitTimeoutMs = 7000;
    static constexpr std::chrono::milliseconds DefaultReplyPause{50};
    // Result of a transfer asked for while no device is open (libusb's "no such device").
    static constexpr int NotOpen = -19;

    explicit TUsbBulk(std::string libraryPath = DefaultLibraryName);
    ~TUsbBulk();
    TUsbBulk(const TUsbBulk&) = delete;
    TUsbBulk& operator=(const TUsbBulk&) = delete;

    // 1 when a programmer with these IDs was found, opened and claimed (its variant's endpoints
    // are then set), 0 otherwise. A device still open from an earlier call is closed first.
    int prog_open(int vid, int pid);
    // Sends len bytes on the command endpoint; when wantReply is non-zero, pauses and reads len
    // bytes from the IN endpoint into the same buffer. Returns the last transfer's result; a
    // command that could not be sent whole is not followed by the reply read, so its failure is
    // what the caller sees and the buffer keeps the command bytes.
    int USB_bulk_cmd(char* buf, int len, int wantReply);
    int USB_bulk_write(const char* buf, int len);
    int USB_bulk_read(char* buf, int len);
    // Releases the interface and closes the device; nothing happens while none is open, or while
    // the claim is kept.
    void USB_bulk_close();
    // While kept, an open programmer stays open and claimed across frames: prog_open reuses it
    // and USB_bulk_close leaves it, so no other process can use it in between. Ending the keep
    // closes it. A production run keeps the chip in hand to itself this way.
    void keepClaimed(bool keep);
    // String descriptor index as NUL-terminated 8-bit text (a character outside Latin-1 becomes
    // "?"). Returns the text length, 0 when the answer is not a string descriptor, or the
    // negative libusb error. At most buflen - 1 characters are stored, so the NUL always fits.
    int usbGetStringAscii(usb_dev_handle* h, int index, int langid, char* buf, int buflen);
    // One vendor control transfer (request type 0x40 out, 0xC0 in when receive is 1); value and
    // index come little-endian from setup[0..3]. -1 on failure, else the byte count.
    int USB_transmit(unsigned char receive, unsigned char request, const unsigned char* setup,
                     unsigned char* buf, int len);

    [[nodiscard]] bool isOpen() const { return m_handle != nullptr; }
    [[nodiscard]] usb_dev_handle* handle() const { return m_handle; }
    [[nodiscard]] int epIn() const { return m_epIn; }
    [[nodiscard]] int epOut() const { return m_epOut; }
    [[nodiscard]] int epCmd() const { return m_epCmd; }
    // The "WinUSBComm" variant sends multi-byte packet fields most significant byte first.
    [[nodiscard]] bool bigEndianFields() const { return m_epIn == 0x82; }
    // Transport-wide: the interface claimed by the last successful open of any transport. Each
    // transport releases the one it claimed itself.
    [[nodiscard]] static int interfaceNumber() { return s_interfaceNumber; }

    // The pause between a command and the read of its reply. The hardware needs the default;
    // the simulator answers at once, so its tests may shorten it.
    void setReplyPause(std::chrono::milliseconds pause) { m_replyPause = pause; }
    [[nodiscard]] const UsbLibrary& library() const { return m_library; }

    // Several programmers attached: from now on prog_open opens only the one this selects (and
    // reports it absent when none matches); without a selector, the first that qualifies.
    void setSelector(std::optional<ProgrammerSelector> selector) { m_selector = std::move(selector); }
    [[nodiscard]] const std::optional<ProgrammerSelector>& selector() const { return m_selector; }
    // Without a selector: prog_open opens only the programmer at this BUS:DEVICE, and reports
    // it absent when it is gone or taken; empty lets it take the first that qualifies again.
    void keepToLocation(std::string location) { m_keptLocation = std::move(location); }
    // Why the last prog_open with a selector opened nothing.
    enum class SelectionFailure { None, NoMatch, ClaimRefused };
    [[nodiscard]] SelectionFailure selectionFailure() const { return m_selectionFailure; }
    // libusb's result of the last refused interface claim (-EBUSY: another program holds it).
    [[nodiscard]] int refusedClaimResult() const { return m_refusedClaimResult; }
    // Every attached device that qualifies as the programmer, in search order. Each is opened
    // only to read its strings and closed again; none is claimed, so one that another process
    // (or this transport) is using is listed too.
    [[nodiscard]] std::vector<ProgrammerIdentity> listProgrammers(int vid = VendorId, int pid = ProductId);
    // BUS:DEVICE of the programmer the last successful prog_open opened ("001:004"); empty
    // before the first.
    [[nodiscard]] const std::string& lastOpenedLocation() const { return m_lastOpenedLocation; }

private:
    // Opens and checks one device; leaves m_handle set only when it qualified.
    bool tryDevice(struct usb_device* device);
    // The devices with this vendor and product ID, in the library's bus order, after a fresh scan.
    [[nodiscard]] std::vector<struct usb_device*> devicesWithId(int vid, int pid);
    // Closes a device that did not qualify; false, which tryDevice then returns.
    bool rejectDevice();
    // The product string of an opened device when its manufacturer and product strings are
    // those of the programmer; empty otherwise.
    [[nodiscard]] std::optional<std::string> qualifiedProduct(usb_dev_handle* h, const struct usb_device* device);
    [[nodiscard]] std::string serialOf(usb_dev_handle* h, const struct usb_device* device);

    UsbLibrary m_library;
    usb_dev_handle* m_handle = nullptr;
    int m_epIn = 0x82;
    int m_epOut = 1;
    int m_epCmd = 2;
    std::chrono::milliseconds m_replyPause = DefaultReplyPause;
    std::optional<ProgrammerSelector> m_selector;
    SelectionFailure m_selectionFailure = SelectionFailure::None;
    int m_refusedClaimResult = 0;
    std::string m_lastOpenedLocation;
    std::string m_keptLocation;

    static inline int s_interfaceNumber = 0;
    int m_interfaceNumber = 0;  // claimed on m_handle
    bool m_keepClaimed = false;
};
