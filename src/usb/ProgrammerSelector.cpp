#include "usb/ProgrammerSelector.h"

#include <algorithm>
#include <charconv>

namespace {

// A decimal number of at most nine digits, as the text of a bus, a device or a list number.
std::optional<int> smallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

bool ProgrammerSelector::isLocationOf(const ProgrammerIdentity& programmer) const
{
    const std::size_t colon = m_text.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string_view text(m_text);
    const auto bus = smallNumber(text.substr(0, colon));
    const auto device = smallNumber(text.substr(colon + 1));
    if (!bus || !device)
        return m_text == programmer.location();
    return bus == smallNumber(programmer.bus) && device == smallNumber(programmer.device);
}

const ProgrammerIdentity* ProgrammerSelector::pick(const std::vector<ProgrammerIdentity>& programmers) const
{
    const auto find = [&](auto matches) -> const ProgrammerIdentity* {
        const auto it = std::find_if(programmers.begin(), programmers.end(), matches);
        return it == programmers.end() ? nullptr : &*it;
    };
    if (m_text.empty())
        return nullptr;
    if (const auto* bySerial = find([&](const ProgrammerIdentity& p) { return p.serial != "-" && p.serial == m_text; }))
        return bySerial;
    if (const auto* byLocation = find([&](const ProgrammerIdentity& p) { return isLocationOf(p); }))
        return byLocation;
    const auto number = smallNumber(m_text);
    if (!number)
        return nullptr;
    return find([&](const ProgrammerIdentity& p) { return p.number == *number; });
}
