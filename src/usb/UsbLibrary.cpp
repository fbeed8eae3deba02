#include "usb/UsbLibrary.h"

#include <dlfcn.h>

#include <algorithm>

namespace {

// Slot numbers, in the order of UsbLibrary::EntryNames.
enum Slot : std::size_t {
    Open, Close, GetString, GetStringSimple, GetDescriptorByEndpoint, GetDescriptor, BulkWrite,
    BulkRead, InterruptWrite, InterruptRead, ControlMsg, SetConfiguration, ClaimInterface,
    ReleaseInterface, SetAltinterface, Resetep, ClearHalt, Reset, ResetEx, Strerror, Init,
    SetDebug, FindBusses, FindDevices, Device, GetBusses, InstallServiceNp, UninstallServiceNp,
    InstallDriverNp, GetVersion, IsochronousSetupAsync, BulkSetupAsync, InterruptSetupAsync,
    SubmitAsync, ReapAsync, FreeAsync, SlotCount
};
static_assert(SlotCount == UsbLibrary::EntryNames.size());

// The Windows-only names have no prototype in <usb.h>.
using ResetExFn = int (*)(usb_dev_handle*, unsigned int);
using NoArgIntFn = int (*)();
using InstallDriverFn = int (*)(const char*);
using GetVersionFn = const usb_version* (*)();
using IsoSetupFn = int (*)(usb_dev_handle*, void**, unsigned char, int);
using SetupAsyncFn = int (*)(usb_dev_handle*, void**, unsigned char);
using SubmitAsyncFn = int (*)(void*, char*, int);
using ReapAsyncFn = int (*)(void*, int);
using FreeAsyncFn = int (*)(void**);

}  // namespace

void UsbLibrary::Closer::operator()(void* library) const
{
    dlclose(library);
}

UsbLibrary::UsbLibrary(std::string path) : m_path(std::move(path)) {}

UsbLibrary::~UsbLibrary() = default;

bool UsbLibrary::load()
{
    if (!m_library) {
        m_library.reset(dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL));
        if (!m_library)
            return false;
        for (std::size_t i = 0; i < EntryNames.size(); ++i)
            m_table[i] = dlsym(m_library.get(), std::string(EntryNames[i]).c_str());
    }
    usb_init();
    return true;
}

bool UsbLibrary::isBound(std::string_view name) const
{
    const auto it = std::find(EntryNames.begin(), EntryNames.end(), name);
    return it != EntryNames.end() && m_table[static_cast<std::size_t>(it - EntryNames.begin())];
}

bool UsbLibrary::hasSearchEntries() const
{
    return std::ranges::all_of(std::array{FindBusses, FindDevices, GetBusses, Open, Close, ControlMsg, ClaimInterface,
                                          ReleaseInterface, BulkWrite, BulkRead},
                               [this](Slot slot) { return m_table[slot] != nullptr; });
}

usb_dev_handle* UsbLibrary::usb_open(struct usb_device* dev) const
{
    return call<decltype(&::usb_open)>(Open, nullptr, dev);
}

int UsbLibrary::usb_close(usb_dev_handle* dev) const
{
    return call<decltype(&::usb_close)>(Close, Unbound, dev);
}

int UsbLibrary::usb_get_string(usb_dev_handle* dev, int index, int langid, char* buf,
                               size_t buflen) const
{
    return call<decltype(&::usb_get_string)>(GetString, Unbound, dev, index, langid, buf, buflen);
}

int UsbLibrary::usb_get_string_simple(usb_dev_handle* dev, int index, char* buf,
                                      size_t buflen) const
{
    return call<decltype(&::usb_get_string_simple)>(GetStringSimple, Unbound, dev, index, buf, buflen);
}

int UsbLibrary::usb_get_descriptor_by_endpoint(usb_dev_handle* dev, int ep, unsigned char type,
                                               unsigned char index, void* buf, int size) const
{
    return call<decltype(&::usb_get_descriptor_by_endpoint)>(GetDescriptorByEndpoint, Unbound, dev, ep, type, index,
                                                              buf, size);
}

int UsbLibrary::usb_get_descriptor(usb_dev_handle* dev, unsigned char type, unsigned char index,
                                   void* buf, int size) const
{
    return call<decltype(&::usb_get_descriptor)>(GetDescriptor, Unbound, dev, type, index, buf, size);
}

int UsbLibrary::usb_bulk_write(usb_dev_handle* dev, int ep, const char* bytes, int size,
                               int timeout) const
{
    return call<decltype(&::usb_bulk_write)>(BulkWrite, Unbound, dev, ep, bytes, size, timeout);
}

int UsbLibrary::usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size,
                              int timeout) const
{
    return call<decltype(&::usb_bulk_read)>(BulkRead, Unbound, dev, ep, bytes, size, timeout);
}

int UsbLibrary::usb_interrupt_write(usb_dev_handle* dev, int ep, const char* bytes, int size,
                                    int timeout) const
{
    return call<decltype(&::usb_interrupt_write)>(InterruptWrite, Unbound, dev, ep, bytes, size, timeout);
}

int UsbLibrary::usb_interrupt_read(usb_dev_handle* dev, int ep, char* bytes, int size,
                                   int timeout) const
{
    return call<decltype(&::usb_interrupt_read)>(InterruptRead, Unbound, dev, ep, bytes, size, timeout);
}

int UsbLibrary::usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value,
                                int index, char* bytes, int size, int timeout) const
{
    return call<decltype(&::usb_control_msg)>(ControlMsg, Unbound, dev, requesttype, request, value, index, bytes, size,
                                              timeout);
}

int UsbLibrary::usb_set_configuration(usb_dev_handle* dev, int configuration) const
{
    return call<decltype(&::usb_set_configuration)>(SetConfiguration, Unbound, dev, configuration);
}

int UsbLibrary::usb_claim_interface(usb_dev_handle* dev, int interface) const
{
    return call<decltype(&::usb_claim_interface)>(ClaimInterface, Unbound, dev, interface);
}

int UsbLibrary::usb_release_interface(usb_dev_handle* dev, int interface) const
{
    return call<decltype(&::usb_release_interface)>(ReleaseInterface, Unbound, dev, interface);
}

int UsbLibrary::usb_set_altinterface(usb_dev_handle* dev, int alternate) const
{
    return call<decltype(&::usb_set_altinterface)>(SetAltinterface, Unbound, dev, alternate);
}

int UsbLibrary::usb_resetep(usb_dev_handle* dev, unsigned int ep) const
{
    return call<decltype(&::usb_resetep)>(Resetep, Unbound, dev, ep);
}

int UsbLibrary::usb_clear_halt(usb_dev_handle* dev, unsigned int ep) const
{
    return call<decltype(&::usb_clear_halt)>(ClearHalt, Unbound, dev, ep);
}

int UsbLibrary::usb_reset(usb_dev_handle* dev) const
{
    return call<decltype(&::usb_reset)>(Reset, Unbound, dev);
}

int UsbLibrary::usb_reset_ex(usb_dev_handle* dev, unsigned int resetType) const
{
    return call<ResetExFn>(ResetEx, Unbound, dev, resetType);
}

char* UsbLibrary::usb_strerror() const
{
    return call<decltype(&::usb_strerror)>(Strerror, nullptr);
}

void UsbLibrary::usb_init() const
{
    if (const auto f = entry<decltype(&::usb_init)>(Init))
        f();
}

void UsbLibrary::usb_set_debug(int level) const
{
    if (const auto f = entry<decltype(&::usb_set_debug)>(SetDebug))
        f(level);
}

int UsbLibrary::usb_find_busses() const
{
    return call<decltype(&::usb_find_busses)>(FindBusses, Unbound);
}

int UsbLibrary::usb_find_devices() const
{
    return call<decltype(&::usb_find_devices)>(FindDevices, Unbound);
}

struct usb_device* UsbLibrary::usb_device(usb_dev_handle* dev) const
{
    return call<decltype(&::usb_device)>(Device, nullptr, dev);
}

struct usb_bus* UsbLibrary::usb_get_busses() const
{
    return call<decltype(&::usb_get_busses)>(GetBusses, nullptr);
}

int UsbLibrary::usb_install_service_np() const
{
    return call<NoArgIntFn>(InstallServiceNp, Unbound);
}

int UsbLibrary::usb_uninstall_service_np() const
{
    return call<NoArgIntFn>(UninstallServiceNp, Unbound);
}

int UsbLibrary::usb_install_driver_np(const char* infFile) const
{
    return call<InstallDriverFn>(InstallDriverNp, Unbound, infFile);
}

const struct usb_version* UsbLibrary::usb_get_version() const
{
    return call<GetVersionFn>(GetVersion, nullptr);
}

int UsbLibrary::usb_isochronous_setup_async(usb_dev_handle* dev, void** context, unsigned char ep,
                                            int pktsize) const
{
    return call<IsoSetupFn>(IsochronousSetupAsync, Unbound, dev, context, ep, pktsize);
}

int UsbLibrary::usb_bulk_setup_async(usb_dev_handle* dev, void** context, unsigned char ep) const
{
    return call<SetupAsyncFn>(BulkSetupAsync, Unbound, dev, context, ep);
}

int UsbLibrary::usb_interrupt_setup_async(usb_dev_handle* dev, void** context,
                                          unsigned char ep) const
{
    return call<SetupAsyncFn>(InterruptSetupAsync, Unbound, dev, context, ep);
}

int UsbLibrary::usb_submit_async(void* context, char* bytes, int size) const
{
    return call<SubmitAsyncFn>(SubmitAsync, Unbound, context, bytes, size);
}

int UsbLibrary::usb_reap_async(void* context, int timeout) const
{
    return call<ReapAsyncFn>(ReapAsync, Unbound, context, timeout);
}

int UsbLibrary::usb_free_async(void** context) const
{
    return call<FreeAsyncFn>(FreeAsync, Unbound, context);
}
