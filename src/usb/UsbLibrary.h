#pragma once

#include <usb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

// The name of a libusb entry point as a template argument (UsbLibrary::Entry).
template <std::size_t N>
struct UsbEntryName {
    consteval UsbEntryName(const char (&text)[N]) { std::copy_n(text, N, chars); }
    char chars[N];
};

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

    // One entry point, called like the function of its name through the slot bound to that name.
    // While the slot is empty the call reports what its result type can say: null for a pointer,
    // Unbound for a status or a count, nothing for a call without a result.
    template <UsbEntryName name, typename Fn>
    class Entry;
    template <UsbEntryName name, typename Result, typename... Args>
    class Entry<name, Result (*)(Args...)> {
    public:
        explicit Entry(const UsbLibrary& library) : m_library(library) {}
        Result operator()(Args... args) const
        {
            const auto f = reinterpret_cast<Result (*)(Args...)>(m_library.m_table[slotOf(name.chars)]);
            if constexpr (std::is_void_v<Result>) {
                if (f)
                    f(args...);
            } else if constexpr (std::is_pointer_v<Result>) {
                return f ? f(args...) : nullptr;
            } else {
                return f ? f(args...) : Unbound;
            }
        }

    private:
        const UsbLibrary& m_library;
    };
    using SetupAsyncFn = int (*)(usb_dev_handle*, void**, unsigned char);

public:
    Entry<"usb_open", decltype(&::usb_open)> usb_open{*this};
    Entry<"usb_close", decltype(&::usb_close)> usb_close{*this};
    Entry<"usb_get_string", decltype(&::usb_get_string)> usb_get_string{*this};
    Entry<"usb_get_string_simple", decltype(&::usb_get_string_simple)> usb_get_string_simple{*this};
    Entry<"usb_get_descriptor_by_endpoint", decltype(&::usb_get_descriptor_by_endpoint)>
        usb_get_descriptor_by_endpoint{*this};
    Entry<"usb_get_descriptor", decltype(&::usb_get_descriptor)> usb_get_descriptor{*this};
    Entry<"usb_bulk_write", decltype(&::usb_bulk_write)> usb_bulk_write{*this};
    Entry<"usb_bulk_read", decltype(&::usb_bulk_read)> usb_bulk_read{*this};
    Entry<"usb_interrupt_write", decltype(&::usb_interrupt_write)> usb_interrupt_write{*this};
    Entry<"usb_interrupt_read", decltype(&::usb_interrupt_read)> usb_interrupt_read{*this};
    Entry<"usb_control_msg", decltype(&::usb_control_msg)> usb_control_msg{*this};
    Entry<"usb_set_configuration", decltype(&::usb_set_configuration)> usb_set_configuration{*this};
    Entry<"usb_claim_interface", decltype(&::usb_claim_interface)> usb_claim_interface{*this};
    Entry<"usb_release_interface", decltype(&::usb_release_interface)> usb_release_interface{*this};
    Entry<"usb_set_altinterface", decltype(&::usb_set_altinterface)> usb_set_altinterface{*this};
    Entry<"usb_resetep", decltype(&::usb_resetep)> usb_resetep{*this};
    Entry<"usb_clear_halt", decltype(&::usb_clear_halt)> usb_clear_halt{*this};
    Entry<"usb_reset", decltype(&::usb_reset)> usb_reset{*this};
    Entry<"usb_strerror", decltype(&::usb_strerror)> usb_strerror{*this};
    Entry<"usb_init", decltype(&::usb_init)> usb_init{*this};
    Entry<"usb_set_debug", decltype(&::usb_set_debug)> usb_set_debug{*this};
    Entry<"usb_find_busses", decltype(&::usb_find_busses)> usb_find_busses{*this};
    Entry<"usb_find_devices", decltype(&::usb_find_devices)> usb_find_devices{*this};
    Entry<"usb_device", decltype(&::usb_device)> usb_device{*this};
    Entry<"usb_get_busses", decltype(&::usb_get_busses)> usb_get_busses{*this};
    // The names below have no prototype in <usb.h>: usb_reset_ex and the Windows-only ones.
    Entry<"usb_reset_ex", int (*)(usb_dev_handle*, unsigned int)> usb_reset_ex{*this};
    Entry<"usb_install_service_np", int (*)()> usb_install_service_np{*this};
    Entry<"usb_uninstall_service_np", int (*)()> usb_uninstall_service_np{*this};
    Entry<"usb_install_driver_np", int (*)(const char*)> usb_install_driver_np{*this};
    Entry<"usb_get_version", const usb_version* (*)()> usb_get_version{*this};
    Entry<"usb_isochronous_setup_async", int (*)(usb_dev_handle*, void**, unsigned char, int)>
        usb_isochronous_setup_async{*this};
    Entry<"usb_bulk_setup_async", SetupAsyncFn> usb_bulk_setup_async{*this};
    Entry<"usb_interrupt_setup_async", SetupAsyncFn> usb_interrupt_setup_async{*this};
    Entry<"usb_submit_async", int (*)(void*, char*, int)> usb_submit_async{*this};
    Entry<"usb_reap_async", int (*)(void*, int)> usb_reap_async{*this};
    Entry<"usb_free_async", int (*)(void**)> usb_free_async{*this};

private:
    struct Closer {
        void operator()(void* library) const;
    };
    std::string m_path;
    std::unique_ptr<void, Closer> m_library;
    std::array<void*, EntryNames.size()> m_table{};
};
