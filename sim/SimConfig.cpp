#include "SimConfig.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <tuple>
#include <type_traits>

namespace sim {

const char* const DefaultConfigText =
    "[device]\n"
    "manufacturer = Zorvex\n"
    "product = WinUSBComm Device\n"
    "chip = 25flash\n"
    "chip_size = 8M\n"
    "chip_id = 0xEF4017\n"
    "chip_content = pattern\n";

namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s)
{
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return r;
}

// Decimal or 0x-hex, with an optional K or M multiplier.
bool parseNumber(std::string_view text, long long& out)
{
    std::string s(trim(text));
    if (s.empty())
        return false;
    long long scale = 1;
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(s.back())));
    if (last == 'K' || last == 'M') {
        scale = last == 'K' ? 1024 : 1024 * 1024;
        s.pop_back();
    }
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 0);
    if (errno != 0 || end == s.c_str() || *end != '\0')
        return false;
    out = v * scale;
    return true;
}

// The value the table gives a name, letter case and surrounding blanks ignored; out stays as
// it was for a name not in it.
template <typename T, std::size_t N>
bool lookUp(const std::pair<const char*, T> (&names)[N], std::string_view text, T& out)
{
    const std::string v = lower(trim(text));
    for (const auto& [name, value] : names) {
        if (v == lower(name)) {
            out = value;
            return true;
        }
    }
    return false;
}

bool parseBool(std::string_view text, bool& out)
{
    static const std::pair<const char*, bool> names[] = {
        {"1", true}, {"yes", true}, {"true", true}, {"on", true},
        {"0", false}, {"no", false}, {"false", false}, {"off", false}};
    return lookUp(names, text, out);
}

std::vector<std::string_view> splitList(std::string_view text)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',' || text[i] == ' ' || text[i] == '\t') {
            const auto item = trim(text.substr(start, i - start));
            if (!item.empty())
                items.push_back(item);
            start = i + 1;
        }
    }
    return items;
}

bool parseCommandCode(std::string_view text, int& out)
{
    if (lookUp(CommandNames, text, out))
        return true;
    long long n = 0;
    if (!parseNumber(text, n) || n < 0 || n > 255)
        return false;
    out = static_cast<int>(n);
    return true;
}

bool parseFamily(std::string_view text, int& out)
{
    static const std::pair<const char*, int> names[] = {
        {"none", NoChip}, {"empty", NoChip}, {"25flash", Flash25}, {"flash", Flash25},
        {"24", Eeprom24}, {"24eeprom", Eeprom24}, {"93", Eeprom93}, {"93eeprom", Eeprom93},
        {"25eeprom", Eeprom25}, {"95", Eeprom95}, {"95eeprom", Eeprom95}};
    return lookUp(names, text, out);
}

// Quotes keep leading and trailing spaces, which a product string test needs.
std::string parseString(std::string_view text)
{
    const auto t = trim(text);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        return std::string(t.substr(1, t.size() - 2));
    return std::string(t);
}

std::string numberInto(std::string_view value, long long lo, long long hi, long long& out)
{
    if (!parseNumber(value, out))
        return "not a number: " + std::string(value);
    if (out < lo || out > hi)
        return "out of range: " + std::string(value);
    return {};
}

std::string numberList(std::string_view value, std::vector<long>& out)
{
    std::vector<long> list;
    for (const auto item : splitList(value)) {
        long long n = 0;
        if (auto e = numberInto(item, 1, 1LL << 40, n); !e.empty())
            return e;
        list.push_back(static_cast<long>(n));
    }
    out = std::move(list);
    return {};
}

// Where a numeric device key's value goes.
template <auto Member>
void setNumber(DeviceConfig& d, long long n)
{
    d.*Member = static_cast<std::remove_reference_t<decltype(d.*Member)>>(n);
}

}  // namespace

bool isChipKey(std::string_view key)
{
    return key == "chip" || key == "chip_size" || key == "chip_id" || key == "chip_sst"
        || key == "chip_content" || key == "chip_image" || key == "chip_present_file";
}

std::string applyDeviceKey(DeviceConfig& d, std::string_view key, std::string_view value)
{
    static const std::pair<std::string_view, std::string DeviceConfig::*> strings[] = {
        {"manufacturer", &DeviceConfig::manufacturer}, {"product", &DeviceConfig::product},
        {"serial", &DeviceConfig::serial}, {"chip_image", &DeviceConfig::imagePath},
        {"chip_present_file", &DeviceConfig::presentPath}, {"claim_lock", &DeviceConfig::claimLockPath}};
    static const std::pair<std::string_view, bool DeviceConfig::*> flags[] = {
        {"string_error", &DeviceConfig::stringError}, {"open_fails", &DeviceConfig::openFails},
        {"refuse_claim", &DeviceConfig::refuseClaim}, {"chip_sst", &DeviceConfig::sst}};
    // A numeric key's lowest and highest value, and where it goes.
    static const std::tuple<std::string_view, long long, long long, void (*)(DeviceConfig&, long long)> numbers[] = {
        {"bus", 1, 255, setNumber<&DeviceConfig::bus>}, {"vendor_id", 0, 0xFFFF, setNumber<&DeviceConfig::vendorId>},
        {"product_id", 0, 0xFFFF, setNumber<&DeviceConfig::productId>}, {"string_type", 0, 255, setNumber<&DeviceConfig::stringType>},
        {"interface", 0, 255, setNumber<&DeviceConfig::interfaceNumber>}, {"chip_size", 1, MaxChipSize, setNumber<&DeviceConfig::chipSize>},
        {"chip_id", 0, 0xFFFFFF, setNumber<&DeviceConfig::chipId>}, {"erase_polls", 0, 1000000, setNumber<&DeviceConfig::erasePolls>},
        {"short_length", 0, 1 << 20, setNumber<&DeviceConfig::shortLength>}, {"unplug_after", -1, 1LL << 40, setNumber<&DeviceConfig::unplugAfter>}};
    for (const auto& [name, member] : strings) {
        if (key == name) {
            d.*member = parseString(value);
            return {};
        }
    }
    for (const auto& [name, member] : flags) {
        if (key == name)
            return parseBool(value, d.*member) ? std::string{} : "not a yes/no value: " + std::string(value);
    }
    for (const auto& [name, lo, hi, set] : numbers) {
        if (key != name)
            continue;
        long long n = 0;
        std::string e = numberInto(value, lo, hi, n);
        if (e.empty())
            set(d, n);
        return e;
    }

    if (key == "chip")
        return parseFamily(value, d.chipFamily) ? std::string{} : "unknown chip family: " + std::string(trim(value));
    if (key == "chip_content") {
        static const std::pair<const char*, Content> contents[] = {
            {"blank", Content::Blank}, {"pattern", Content::Pattern}, {"zero", Content::Zero}};
        return lookUp(contents, value, d.content) ? std::string{} : "unknown chip content: " + std::string(trim(value));
    }
    if (key == "timeout_at" || key == "short_at")
        return numberList(value, key == "timeout_at" ? d.timeoutAt : d.shortAt);
    if (key != "no_reply")
        return "unknown key: " + std::string(key);
    std::vector<int> codes;
    for (const auto item : splitList(value)) {
        int code = 0;
        if (!parseCommandCode(item, code))
            return "unknown command: " + std::string(item);
        codes.push_back(code);
    }
    d.noReply = std::move(codes);
    return {};
}

std::string parseConfig(std::string_view text, Config& out)
{
    Config config;
    DeviceConfig* device = nullptr;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t eol = std::min(text.find('\n', pos), text.size());
        const auto line = trim(text.substr(pos, eol - pos));
        pos = eol + 1;
        ++lineNo;
        auto fail = [&](const std::string& why) { return "line " + std::to_string(lineNo) + ": " + why; };

        if (line.empty() || line.front() == '#' || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (lower(line) != "[device]")
                return fail("unknown section: " + std::string(line));
            device = &config.devices.emplace_back();
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            return fail("expected key = value");
        const std::string key = lower(trim(line.substr(0, eq)));
        const auto value = line.substr(eq + 1);

        if (key == "trace_file") {
            config.traceFile = parseString(value);
        } else if (key == "trace_limit") {
            long long n = 0;
            if (auto e = numberInto(value, 0, 1LL << 32, n); !e.empty())
                return fail(e);
            config.traceLimit = static_cast<std::size_t>(n);
        } else if (!device) {
            // A key no section takes either is a misspelling, not a key in the wrong place.
            DeviceConfig unused;
            const std::string e = applyDeviceKey(unused, key, value);
            return fail(e.starts_with("unknown key: ") ? e : "device key outside a [device] section: " + key);
        } else if (auto e = applyDeviceKey(*device, key, value); !e.empty()) {
            return fail(e);
        }
    }
    out = std::move(config);
    return {};
}

}  // namespace sim
