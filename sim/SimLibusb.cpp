// The libusb-0.1 entry points of the simulator, with the signatures of Debian's <usb.h>. Calls
// the programmer never needs fail the way the real library fails for an unsupported request.
#include "SimWorld.h"

#include <cerrno>

namespace {

using Locked = sim::LockedWorld;
using sim::locked;
using sim::World;

// The call's result when the handle is live and its device plugged, else the handle's error.
int whenLive(usb_dev_handle* dev, int result)
{
    const int e = locked<&World::check>(dev);
    return e ? e : result;
}

}  // namespace

// The bus list the 0.1 API also exposes as a variable; kept equal to usb_get_busses().
struct usb_bus* usb_busses __attribute__((visibility("default"))) = nullptr;

SIM_EXPORT void usb_init(void)
{
    Locked l;
}

SIM_EXPORT void usb_set_debug(int) {}

SIM_EXPORT int usb_find_busses(void)
{
    return locked<&World::findBusses>();
}

SIM_EXPORT int usb_find_devices(void)
{
    return locked<&World::findDevices>();
}

SIM_EXPORT struct usb_bus* usb_get_busses(void)
{
    return locked<&World::busses>();
}

SIM_EXPORT usb_dev_handle* usb_open(struct usb_device* dev)
{
    return locked<&World::open>(dev);
}

SIM_EXPORT int usb_close(usb_dev_handle* dev)
{
    return locked<&World::close>(dev);
}

SIM_EXPORT struct usb_device* usb_device(usb_dev_handle* dev)
{
    return locked<&World::deviceOf>(dev);
}

SIM_EXPORT int usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value,
                               int index, char* bytes, int size, int)
{
    return locked<&World::control>(dev, requesttype, request, value, index, bytes, size);
}

SIM_EXPORT int usb_get_string(usb_dev_handle* dev, int index, int langid, char* buf,
                              size_t buflen)
{
    const int size = static_cast<int>(buflen > 255 ? 255 : buflen);
    return locked<&World::control>(dev, USB_ENDPOINT_IN, USB_REQ_GET_DESCRIPTOR, (USB_DT_STRING << 8) + index,
                                   langid, buf, size);
}

SIM_EXPORT int usb_get_string_simple(usb_dev_handle* dev, int index, char* buf, size_t buflen)
{
    return locked<&World::getStringSimple>(dev, index, buf, buflen);
}

SIM_EXPORT int usb_get_descriptor(usb_dev_handle* dev, unsigned char type, unsigned char index,
                                  void* buf, int size)
{
    return locked<&World::control>(dev, USB_ENDPOINT_IN, USB_REQ_GET_DESCRIPTOR, (type << 8) + index, 0,
                                   static_cast<char*>(buf), size);
}

SIM_EXPORT int usb_get_descriptor_by_endpoint(usb_dev_handle* dev, int, unsigned char type,
                                              unsigned char index, void* buf, int size)
{
    return usb_get_descriptor(dev, type, index, buf, size);
}

SIM_EXPORT int usb_bulk_write(usb_dev_handle* dev, int ep, const char* bytes, int size, int)
{
    return locked<&World::bulkWrite>(dev, ep, bytes, size);
}

SIM_EXPORT int usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size, int)
{
    return locked<&World::bulkRead>(dev, ep, bytes, size);
}

// The programmer has no interrupt endpoints.
SIM_EXPORT int usb_interrupt_write(usb_dev_handle* dev, int, const char*, int, int)
{
    return whenLive(dev, -EPIPE);
}

SIM_EXPORT int usb_interrupt_read(usb_dev_handle* dev, int, char*, int, int)
{
    return whenLive(dev, -EPIPE);
}

SIM_EXPORT int usb_claim_interface(usb_dev_handle* dev, int interface)
{
    return locked<&World::claim>(dev, interface);
}

SIM_EXPORT int usb_release_interface(usb_dev_handle* dev, int interface)
{
    return locked<&World::release>(dev, interface);
}

// Harmless requests on a one-configuration, one-setting device: accepted when it is there.
SIM_EXPORT int usb_set_configuration(usb_dev_handle* dev, int configuration)
{
    return whenLive(dev, configuration == 1 ? 0 : -EINVAL);
}

SIM_EXPORT int usb_set_altinterface(usb_dev_handle* dev, int alternate)
{
    return whenLive(dev, alternate == 0 ? 0 : -EINVAL);
}

SIM_EXPORT int usb_resetep(usb_dev_handle* dev, unsigned int)
{
    return whenLive(dev, 0);
}

SIM_EXPORT int usb_clear_halt(usb_dev_handle* dev, unsigned int)
{
    return whenLive(dev, 0);
}

SIM_EXPORT int usb_reset(usb_dev_handle* dev)
{
    return whenLive(dev, 0);
}

SIM_EXPORT char* usb_strerror(void)
{
    static char text[] = "operation not supported by the programmer simulator";
    return text;
}

// Names of the Windows builds of the 0.1 API, which a Linux host does not have.
SIM_EXPORT int usb_reset_ex(usb_dev_handle*, unsigned int)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_install_service_np(void)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_uninstall_service_np(void)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_install_driver_np(const char*)
{
    return -ENOSYS;
}

SIM_EXPORT const void* usb_get_version(void)
{
    return nullptr;
}

SIM_EXPORT int usb_isochronous_setup_async(usb_dev_handle*, void**, unsigned char, int)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_bulk_setup_async(usb_dev_handle*, void**, unsigned char)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_interrupt_setup_async(usb_dev_handle*, void**, unsigned char)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_submit_async(void*, char*, int)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_reap_async(void*, int)
{
    return -ENOSYS;
}

SIM_EXPORT int usb_free_async(void**)
{
    return -ENOSYS;
}
