#include "usb/UsbLibrary.h"

#include <dlfcn.h>

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
    return std::ranges::all_of(std::array{"usb_find_busses", "usb_find_devices", "usb_get_busses", "usb_open",
                                          "usb_close", "usb_control_msg", "usb_claim_interface",
                                          "usb_release_interface", "usb_bulk_write", "usb_bulk_read"},
                               [this](std::string_view name) { return isBound(name); });
}
