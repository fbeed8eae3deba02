#pragma once

#include <usb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

// Returned by usb_get_version() of the Windows builds of the 0.1 API; its layout is never read.
struct usb_version;

// The libusb-0.1 entry points, bound by name at run time from a shared library chosen by path,
// so the real library and the programmer simulator are reached through the same code. A
// library that cannot be loaded, or lacks a name, leaves slots unbound; every wrapper checks
// its slot and reports failure instead of calling through a null pointer: -2 for calls that
// return a status or a count, null for the pointer results, 0 for usb_get_version, nothing for
// the calls without a result.
class UsbLibrary {
public:
    static constexpr int Unbound = -2;

    // Binding order; a slot's index is its position here.
    static constexpr std::array<std::string_view, 36> EntryNames{
        "usb_open", "usb_close", "usb_get_string", "usb_get_string_simple",
        "usb_get_descriptor_by_endpoint", "usb_get_descriptor", "usb_bulk_write",
        "usb_bulk_read", "usb_interrupt_write", "usb_interrupt_read", "usb_control_msg",
        "usb_set_configuration", "usb_claim_interface", "usb_release_interface",
        "usb_set_altinterface", "usb_resetep", "usb_clear_halt", "usb_reset", "usb_reset_ex",
        "usb_strerror", "usb_init", "usb_set_debug", "usb_find_busses", "usb_find_devices",
        "usb_device", "usb_get_busses", "usb_install_service_np", "usb_uninstall_service_np",
        "usb_install_driver_np", "usb_get_version", "usb_isochronous_setup_async",
        "usb_bulk_setup_async", "usb_interrupt_setup_async", "usb_submit_async",
        "usb_reap_async", "usb_free_async"};

    explicit UsbLibrary(std::string path);
    ~UsbLibrary();
    UsbLibrary(const UsbLibrary&) = delete;
    UsbLibrary& operator=(const UsbLibrary&) = delete;

    // Loads the library and resolves every name, unless an earlier call already did; a library
    // that was missing is looked for again, so one installed later is found. Then calls
    // usb_init when it is bound. Returns whether the library is loaded.
    bool load();

    [[nodiscard]] bool isLoaded() const { return m_library != nullptr; }
    [[nodiscard]] bool isBound(std::string_view name) const;
    // Whether every entry point the device search and a transfer need is bound.
    [[nodiscard]] bool hasSearchEntries() const;
    [[nodiscard]] const std::string& path() const { return m_path; }

private:
    // The slot of an entry point: its position in EntryNames. A name not listed there does not compile.
    static consteval std::size_t slotOf(std::string_view name)
    {
        const auto it = std::ranges::find(EntryNames, name);
        if (it == EntryNames.end())
            throw "not an entry point of the library";
        return static_cast<std::size_t>(it - EntryNames.begin());
    }

public:
    usb_dev_handle* usb_open(struct usb_device* dev) const
    {
        return call<decltype(&::usb_open)>(slotOf("usb_open"), nullptr, dev);
    }
    int usb_close(usb_dev_handle* dev) const
    {
        return call<decltype(&::usb_close)>(slotOf("usb_close"), Unbound, dev);
    }
    int usb_get_string(usb_dev_handle* dev, int index, int langid, char* buf, size_t buflen) const
    {
        return call<decltype(&::usb_get_string)>(slotOf("usb_get_string"), Unbound, dev, index, langid, buf, buflen);
    }
    int usb_get_string_simple(usb_dev_handle* dev, int index, char* buf, size_t buflen) const
    {
        return call<decltype(&::usb_get_string_simple)>(slotOf("usb_get_string_simple"), Unbound, dev, index, buf,
                                                        buflen);
    }
    int usb_get_descriptor_by_endpoint(usb_dev_handle* dev, int ep, unsigned char type, unsigned char index, void* buf,
                                       int size) const
    {
        return call<decltype(&::usb_get_descriptor_by_endpoint)>(slotOf("usb_get_descriptor_by_endpoint"), Unbound, dev,
                                                                  ep, type, index, buf, size);
    }
    int usb_get_descriptor(usb_dev_handle* dev, unsigned char type, unsigned char index, void* buf, int size) const
    {
        return call<decltype(&::usb_get_descriptor)>(slotOf("usb_get_descriptor"), Unbound, dev, type, index, buf, size);
    }
    int usb_bulk_write(usb_dev_handle* dev, int ep, const char* bytes, int size, int timeout) const
    {
        return call<decltype(&::usb_bulk_write)>(slotOf("usb_bulk_write"), Unbound, dev, ep, bytes, size, timeout);
    }
    int usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout) const
    {
        return call<decltype(&::usb_bulk_read)>(slotOf("usb_bulk_read"), Unbound, dev, ep, bytes, size, timeout);
    }
    int usb_interrupt_write(usb_dev_handle* dev, int ep, const char* bytes, int size, int timeout) const
    {
        return call<decltype(&::usb_interrupt_write)>(slotOf("usb_interrupt_write"), Unbound, dev, ep, bytes, size,
                                                      timeout);
    }
    int usb_interrupt_read(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout) const
    {
        return call<decltype(&::usb_interrupt_read)>(slotOf("usb_interrupt_read"), Unbound, dev, ep, bytes, size,
                                                     timeout);
    }
    int usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value, int index, char* bytes, int size,
                        int timeout) const
    {
        return call<decltype(&::usb_control_msg)>(slotOf("usb_control_msg"), Unbound, dev, requesttype, request, value,
                                                  index, bytes, size, timeout);
    }
    int usb_set_configuration(usb_dev_handle* dev, int configuration) const
    {
        return call<decltype(&::usb_set_configuration)>(slotOf("usb_set_configuration"), Unbound, dev, configuration);
    }
    int usb_claim_interface(usb_dev_handle* dev, int interface) const
    {
        return call<decltype(&::usb_claim_interface)>(slotOf("usb_claim_interface"), Unbound, dev, interface);
    }
    int usb_release_interface(usb_dev_handle* dev, int interface) const
    {
        return call<decltype(&::usb_release_interface)>(slotOf("usb_release_interface"), Unbound, dev, interface);
    }
    int usb_set_altinterface(usb_dev_handle* dev, int alternate) const
    {
        return call<decltype(&::usb_set_altinterface)>(slotOf("usb_set_altinterface"), Unbound, dev, alternate);
    }
    int usb_resetep(usb_dev_handle* dev, unsigned int ep) const
    {
        return call<decltype(&::usb_resetep)>(slotOf("usb_resetep"), Unbound, dev, ep);
    }
    int usb_clear_halt(usb_dev_handle* dev, unsigned int ep) const
    {
        return call<decltype(&::usb_clear_halt)>(slotOf("usb_clear_halt"), Unbound, dev, ep);
    }
    int usb_reset(usb_dev_handle* dev) const
    {
        return call<decltype(&::usb_reset)>(slotOf("usb_reset"), Unbound, dev);
    }
    int usb_reset_ex(usb_dev_handle* dev, unsigned int resetType) const
    {
        return call<int (*)(usb_dev_handle*, unsigned int)>(slotOf("usb_reset_ex"), Unbound, dev, resetType);
    }
    char* usb_strerror() const
    {
        return call<decltype(&::usb_strerror)>(slotOf("usb_strerror"), nullptr);
    }
    void usb_init() const
    {
        if (const auto f = entry<decltype(&::usb_init)>(slotOf("usb_init")))
            f();
    }
    void usb_set_debug(int level) const
    {
        if (const auto f = entry<decltype(&::usb_set_debug)>(slotOf("usb_set_debug")))
            f(level);
    }
    int usb_find_busses() const
    {
        return call<decltype(&::usb_find_busses)>(slotOf("usb_find_busses"), Unbound);
    }
    int usb_find_devices() const
    {
        return call<decltype(&::usb_find_devices)>(slotOf("usb_find_devices"), Unbound);
    }
    struct usb_device* usb_device(usb_dev_handle* dev) const
    {
        return call<decltype(&::usb_device)>(slotOf("usb_device"), nullptr, dev);
    }
    struct usb_bus* usb_get_busses() const
    {
        return call<decltype(&::usb_get_busses)>(slotOf("usb_get_busses"), nullptr);
    }
    // The Windows-only names below have no prototype in <usb.h>.
    int usb_install_service_np() const
    {
        return call<int (*)()>(slotOf("usb_install_service_np"), Unbound);
    }
    int usb_uninstall_service_np() const
    {
        return call<int (*)()>(slotOf("usb_uninstall_service_np"), Unbound);
    }
    int usb_install_driver_np(const char* infFile) const
    {
        return call<int (*)(const char*)>(slotOf("usb_install_driver_np"), Unbound, infFile);
    }
    const struct usb_version* usb_get_version() const
    {
        return call<const usb_version* (*)()>(slotOf("usb_get_version"), nullptr);
    }
    int usb_isochronous_setup_async(usb_dev_handle* dev, void** context, unsigned char ep, int pktsize) const
    {
        return call<int (*)(usb_dev_handle*, void**, unsigned char, int)>(slotOf("usb_isochronous_setup_async"),
                                                                           Unbound, dev, context, ep, pktsize);
    }
    int usb_bulk_setup_async(usb_dev_handle* dev, void** context, unsigned char ep) const
    {
        return call<SetupAsyncFn>(slotOf("usb_bulk_setup_async"), Unbound, dev, context, ep);
    }
    int usb_interrupt_setup_async(usb_dev_handle* dev, void** context, unsigned char ep) const
    {
        return call<SetupAsyncFn>(slotOf("usb_interrupt_setup_async"), Unbound, dev, context, ep);
    }
    int usb_submit_async(void* context, char* bytes, int size) const
    {
        return call<int (*)(void*, char*, int)>(slotOf("usb_submit_async"), Unbound, context, bytes, size);
    }
    int usb_reap_async(void* context, int timeout) const
    {
        return call<int (*)(void*, int)>(slotOf("usb_reap_async"), Unbound, context, timeout);
    }
    int usb_free_async(void** context) const
    {
        return call<int (*)(void**)>(slotOf("usb_free_async"), Unbound, context);
    }

private:
    struct Closer {
        void operator()(void* library) const;
    };
    using SetupAsyncFn = int (*)(usb_dev_handle*, void**, unsigned char);

    // Typed view of slot i; null when unbound.
    template <typename Fn>
    [[nodiscard]] Fn entry(std::size_t slot) const
    {
        return reinterpret_cast<Fn>(m_table[slot]);
    }

    // Calls slot's function with args; unbound is the result while the slot is empty.
    template <typename Fn, typename... Args>
    [[nodiscard]] std::invoke_result_t<Fn, Args...> call(std::size_t slot, std::invoke_result_t<Fn, Args...> unbound,
                                                         Args... args) const
    {
        const auto f = entry<Fn>(slot);
        return f ? f(args...) : unbound;
    }

    std::string m_path;
    std::unique_ptr<void, Closer> m_library;
    std::array<void*, EntryNames.size()> m_table{};
};
