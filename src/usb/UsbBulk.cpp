#include "usb/UsbBulk.h"

#include <algorithm>
#include <array>
#include <thread>

TUsbBulk::TUsbBulk(std::string libraryPath) : m_library(std::move(libraryPath)) {}

TUsbBulk::~TUsbBulk()
{
    USB_bulk_close();
}

int TUsbBulk::prog_open(int vid, int pid)
{
    // A handle still held would otherwise stay claimed and leak.
    USB_bulk_close();
    if (!m_library.load() || !m_library.hasSearchEntries())
        return 0;

    m_library.usb_find_busses();
    m_library.usb_find_devices();
    for (struct usb_bus* bus = m_library.usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* device = bus->devices; device; device = device->next) {
            if (device->descriptor.idVendor != vid || device->descriptor.idProduct != pid)
                continue;
            if (tryDevice(device))
                return 1;
        }
    }
    return 0;
}

bool TUsbBulk::tryDevice(struct usb_device* device)
{
    m_handle = m_library.usb_open(device);
    if (!m_handle)
        return false;

    std::array<char, StringBufferSize> text{};
    if (usbGetStringAscii(m_handle, device->descriptor.iManufacturer, LanguageId, text.data(),
                          static_cast<int>(text.size())) < 0
        || std::string_view(text.data()) != Manufacturer) {
        rejectDevice();
        return false;
    }
    if (usbGetStringAscii(m_handle, device->descriptor.iProduct, LanguageId, text.data(),
                          static_cast<int>(text.size())) < 0) {
        rejectDevice();
        return false;
    }
    const std::string_view product(text.data());
    const bool isDevice = product == ProductDevice;
    if (!isDevice && product != ProductLegacy) {
        rejectDevice();
        return false;
    }

    // A device without the descriptors libusb normally fills in cannot be claimed by number.
    const usb_config_descriptor* config = device->config;
    if (!config || !config->interface || config->interface->num_altsetting < 1
        || !config->interface->altsetting) {
        rejectDevice();
        return false;
    }
    s_interfaceNumber = config->interface->altsetting[0].bInterfaceNumber;
    if (m_library.usb_claim_interface(m_handle, s_interfaceNumber) != 0) {
        rejectDevice();
        return false;
    }
    if (isDevice) {
        m_epIn = 0x85;
        m_epOut = 5;
        m_epCmd = 4;
    } else {
        m_epIn = 0x82;
        m_epOut = 1;
        m_epCmd = 2;
    }
    return true;
}

void TUsbBulk::rejectDevice()
{
    m_library.usb_close(m_handle);
    m_handle = nullptr;
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

void TUsbBulk::USB_bulk_close()
{
    if (!m_handle)
        return;
    // The release may fail on an unplugged device; the handle is closed all the same.
    m_library.usb_release_interface(m_handle, s_interfaceNumber);
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
