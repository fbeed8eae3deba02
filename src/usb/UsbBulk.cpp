#include "usb/UsbBulk.h"

#include <algorithm>
#include <array>
#include <thread>
#include <tuple>

TUsbBulk::TUsbBulk(std::string libraryPath) : m_library(std::move(libraryPath)) {}

TUsbBulk::~TUsbBulk()
{
    keepClaimed(false);
}

namespace {

std::string locationOf(const struct usb_device* device)
{
    return ProgrammerIdentity{0, device->bus ? device->bus->dirname : "", device->filename, {}, {}}.location();
}

}  // namespace

int TUsbBulk::prog_open(int vid, int pid)
{
    m_selectionFailure = SelectionFailure::None;
    m_refusedClaimResult = 0;  // a refusal speaks of this search only
    if (m_keepClaimed && m_handle)
        return 1;
    // A handle still held would otherwise stay claimed and leak.
    USB_bulk_close();
    if (!m_library.load() || !m_library.hasSearchEntries())
        return 0;

    // With a selector the attached programmers are looked at first, so that a serial or list
    // number can be matched; only the chosen one is then opened and claimed.
    std::string chosen = m_keptLocation;
    if (m_selector) {
        const std::vector<ProgrammerIdentity> programmers = listProgrammers(vid, pid);
        const ProgrammerIdentity* pick = m_selector->pick(programmers);
        if (!pick) {
            m_selectionFailure = SelectionFailure::NoMatch;
            return 0;
        }
        chosen = pick->location();
    }

    for (struct usb_device* device : devicesWithId(vid, pid)) {
        if (!chosen.empty() && locationOf(device) != chosen)
            continue;
        if (tryDevice(device)) {
            m_lastOpenedLocation = locationOf(device);
            return 1;
        }
        if (!chosen.empty()) {
            // Never another one in its place: it may be a neighbour's at a gang bench.
            m_selectionFailure = m_refusedClaimResult != 0 ? SelectionFailure::ClaimRefused : SelectionFailure::NoMatch;
            return 0;
        }
    }
    if (!chosen.empty())
        m_selectionFailure = SelectionFailure::NoMatch;
    return 0;
}

std::optional<std::string> TUsbBulk::qualifiedProduct(usb_dev_handle* h, const struct usb_device* device)
{
    std::array<char, StringBufferSize> text{};
    if (usbGetStringAscii(h, device->descriptor.iManufacturer, LanguageId, text.data(), static_cast<int>(text.size())) < 0
        || std::string_view(text.data()) != Manufacturer)
        return std::nullopt;
    if (usbGetStringAscii(h, device->descriptor.iProduct, LanguageId, text.data(), static_cast<int>(text.size())) < 0)
        return std::nullopt;
    const std::string_view product(text.data());
    if (product != ProductDevice && product != ProductLegacy)
        return std::nullopt;
    return std::string(product);
}

std::string TUsbBulk::serialOf(usb_dev_handle* h, const struct usb_device* device)
{
    std::array<char, StringBufferSize> text{};
    if (device->descriptor.iSerialNumber == 0
        || usbGetStringAscii(h, device->descriptor.iSerialNumber, LanguageId, text.data(), static_cast<int>(text.size())) <= 0)
        return "-";
    return text.data();
}

std::vector<ProgrammerIdentity> TUsbBulk::listProgrammers(int vid, int pid)
{
    std::vector<ProgrammerIdentity> programmers;
    if (!m_library.load() || !m_library.hasSearchEntries())
        return programmers;
    for (struct usb_device* device : devicesWithId(vid, pid)) {
        usb_dev_handle* h = m_library.usb_open(device);
        if (!h)
            continue;
        if (const std::optional<std::string> product = qualifiedProduct(h, device)) {
            programmers.push_back({static_cast<int>(programmers.size()) + 1, device->bus ? device->bus->dirname : "",
                                   device->filename, serialOf(h, device), *product});
        }
        m_library.usb_close(h);
    }
    return programmers;
}

std::vector<struct usb_device*> TUsbBulk::devicesWithId(int vid, int pid)
{
    std::vector<struct usb_device*> devices;
    m_library.usb_find_busses();
    m_library.usb_find_devices();
    for (struct usb_bus* bus = m_library.usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* device = bus->devices; device; device = device->next) {
            if (device->descriptor.idVendor == vid && device->descriptor.idProduct == pid)
                devices.push_back(device);
        }
    }
    return devices;
}

bool TUsbBulk::tryDevice(struct usb_device* device)
{
    m_handle = m_library.usb_open(device);
    if (!m_handle)
        return false;
    m_refusedClaimResult = 0;

    const std::optional<std::string> product = qualifiedProduct(m_handle, device);
    if (!product)
        return rejectDevice();
    const bool isDevice = *product == ProductDevice;

    // A device without the descriptors libusb normally fills in cannot be claimed by number.
    const usb_config_descriptor* config = device->config;
    if (!config || !config->interface || config->interface->num_altsetting < 1
        || !config->interface->altsetting)
        return rejectDevice();
    m_interfaceNumber = config->interface->altsetting[0].bInterfaceNumber;
    s_interfaceNumber = m_interfaceNumber;
    if (const int claimed = m_library.usb_claim_interface(m_handle, m_interfaceNumber); claimed != 0) {
        m_refusedClaimResult = claimed;
        return rejectDevice();
    }
    std::tie(m_epIn, m_epOut, m_epCmd) = isDevice ? std::tuple(0x85, 5, 4) : std::tuple(0x82, 1, 2);
    return true;
}

bool TUsbBulk::rejectDevice()
{
    m_library.usb_close(m_handle);
    m_handle = nullptr;
    return false;
}

int TUsbBulk::USB_bulk_cmd(char* buf, int len, int wantReply)
{
    if (!m_handle)
        return NotOpen;
    const int sent = m_library.usb_bulk_write(m_handle, m_epCmd, buf, len, BulkTimeoutMs);
    if (!wantReply || sent != len)
        return sent;
    std::this_thread::sleep_for(m_replyPause);
    return m_library.usb_bulk_read(m_handle, m_epIn, buf, len, BulkTimeoutMs);
}

int TUsbBulk::USB_bulk_write(const char* buf, int len)
{
    if (!m_handle)
        return NotOpen;
    return m_library.usb_bulk_write(m_handle, m_epOut, buf, len, BulkTimeoutMs);
}

int TUsbBulk::USB_bulk_read(char* buf, int len)
{
    if (!m_handle)
        return NotOpen;
    return m_library.usb_bulk_read(m_handle, m_epIn, buf, len, BulkTimeoutMs);
}

void TUsbBulk::keepClaimed(bool keep)
{
    m_keepClaimed = keep;
    if (!keep)
        USB_bulk_close();
}

void TUsbBulk::USB_bulk_close()
{
    if (!m_handle || m_keepClaimed)
        return;
    // The release may fail on an unplugged device; the handle is closed all the same.
    m_library.usb_release_interface(m_handle, m_interfaceNumber);
    m_library.usb_close(m_handle);
    m_handle = nullptr;
}

int TUsbBulk::usbGetStringAscii(usb_dev_handle* h, int index, int langid, char* buf, int buflen)
{
    if (!buf || buflen <= 0)
        return 0;
    // Zeroed, so a reply shorter than the two header bytes reads as "not a string".
    std::array<unsigned char, StringBufferSize> scratch{};
    const int received = m_library.usb_control_msg(
        h, USB_ENDPOINT_IN, USB_REQ_GET_DESCRIPTOR, (USB_DT_STRING << 8) + index, langid,
        reinterpret_cast<char*>(scratch.data()), static_cast<int>(scratch.size()),
        StringTimeoutMs);
    if (received < 0)
        return received;
    buf[0] = '\0';
    if (scratch[1] != USB_DT_STRING)
        return 0;

    // Whole 16-bit units; the header counts as the first.
    const int units = std::min<int>(scratch[0], received) / 2;
    int length = 0;
    for (int i = 1; i < units && length < buflen - 1; ++i) {
        const unsigned char low = scratch[2 * i];
        const unsigned char high = scratch[2 * i + 1];
        buf[length++] = high ? '?' : static_cast<char>(low);
    }
    buf[length] = '\0';
    return length;
}

int TUsbBulk::USB_transmit(unsigned char receive, unsigned char request,
                           const unsigned char* setup, unsigned char* buf, int len)
{
    if (!m_handle || !setup)
        return -1;
    const int requestType = receive == 1 ? 0xC0 : 0x40;
    const int value = setup[0] + 256 * setup[1];
    const int index = setup[2] + 256 * setup[3];
    const int result = m_library.usb_control_msg(m_handle, requestType, request, value, index,
                                                 reinterpret_cast<char*>(buf), len,
                                                 TransmitTimeoutMs);
    return result < 0 ? -1 : result;
}
