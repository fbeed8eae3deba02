#include "SimWorld.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr int ReqGetDescriptor = 6;

// UTF-8 to UTF-16 code units, so a configured non-Latin character reaches the host with a
// non-zero high byte as a real device would send it.
std::vector<std::uint16_t> utf16(const std::string& s)
{
    std::vector<std::uint16_t> units;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::uint32_t cp = c;
        std::size_t extra = 0;
        if (c >= 0xF0) { cp = c & 0x07; extra = 3; }
        else if (c >= 0xE0) { cp = c & 0x0F; extra = 2; }
        else if (c >= 0xC0) { cp = c & 0x1F; extra = 1; }
        ++i;
        for (std::size_t k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(cp));
        }
    }
    return units;
}

std::string readFile(const char* path, bool& ok)
{
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string tag(int index, long transfer)
{
    return "dev=" + std::to_string(index) + " t=" + std::to_string(transfer);
}

bool contains(const std::vector<long>& list, long value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// What tells one appearance of chip_present_file from the next, even when a test removes and
// creates it again between two transfers: its inode and change time. Empty while it is missing.
std::string presenceStamp(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_ino) + "." + std::to_string(st.st_ctim.tv_sec) + "."
        + std::to_string(st.st_ctim.tv_nsec);
}

}  // namespace

World& World::instance()
{
    static World world;
    return world;
}

World::World()
{
    if (reset(nullptr) != 0)
        std::fprintf(stderr, "zorvex-sim: %s\n", m_lastError.c_str());
}

int World::reset(const char* text)
{
    std::string source = text ? text : DefaultConfigText;
    std::string origin = text ? "configuration text" : "built-in default";
    bool readable = true;
    if (const char* path = text ? nullptr : std::getenv("ZORVEX_SIM_CONFIG"); path && *path) {
        source = readFile(path, readable);
        origin = path;
    }

    // A file that cannot be read is refused like a wrong one: the last run's devices and trace go.
    Config config;
    m_lastError = readable ? parseConfig(source, config) : "cannot be read";
    m_devices.clear();  // chips are flushed and unmapped here
    m_lastDevnum.clear();
    ++m_generation;
    clearTrace();
    if (m_traceFile) {
        std::fclose(m_traceFile);
        m_traceFile = nullptr;
    }
    if (!m_lastError.empty()) {
        m_lastError = origin + ": " + m_lastError;
        return -1;
    }

    m_traceLimit = config.traceLimit;
    if (!config.traceFile.empty())
        m_traceFile = std::fopen(config.traceFile.c_str(), "a");
    int result = 0;
    for (const DeviceConfig& dc : config.devices) {
        auto d = std::make_unique<Device>();
        d->config = dc;
        d->devnum = ++m_lastDevnum[dc.bus];
        if (!dc.presentPath.empty())
            d->presenceStamp = presenceStamp(dc.presentPath);
        if (dc.chipFamily != NoChip && (dc.presentPath.empty() || !d->presenceStamp.empty())) {
            d->chip = std::make_unique<Chip>(d->config);
            if (!d->chip->error().empty()) {
                m_lastError = d->chip->error();
                result = -2;
            }
        }
        d->firmware = std::make_unique<Firmware>(
            d->config, d->chip.get(), [this](const std::string& line) { trace(line); });
        m_devices.push_back(std::move(d));
    }
    return result;
}

void World::trace(const std::string& line)
{
    if (line.rfind("violation ", 0) == 0) {
        // Counted across resets, so a test that reconfigures midway still sees its own; and
        // said on stderr, where a run of the program under the simulator shows it too.
        ++m_violations;
        std::fprintf(stderr, "zorvex-sim: protocol %s\n", line.c_str());
    }
    if (m_traceFile) {
        std::fprintf(m_traceFile, "%s\n", line.c_str());
        std::fflush(m_traceFile);
    }
    if (m_trace.size() < m_traceLimit) {
        m_trace.push_back(line);
    } else if (!m_traceTruncated) {
        m_traceTruncated = true;
        if (!m_trace.empty())
            m_trace.back() = "sim trace-truncated";
    }
}

void World::clearTrace()
{
    m_trace.clear();
    m_traceTruncated = false;
}

Device* World::device(int index)
{
    if (index < 0 || index >= deviceCount())
        return nullptr;
    return m_devices[static_cast<std::size_t>(index)].get();
}

void World::rebuildTree()
{
    std::vector<int> numbers;
    for (const auto& d : m_devices)
        numbers.push_back(d->plugged ? d->devnum : 0);
    if (!m_trees.empty() && m_trees.back()->generation == m_generation
        && m_trees.back()->numbers == numbers)
        return;

    auto tree = std::make_unique<Tree>();
    tree->generation = m_generation;
    tree->numbers = numbers;
    std::set<int> busNumbers{1};  // a host always has a bus, even with nothing on it
    for (const auto& d : m_devices)
        busNumbers.insert(d->config.bus);

    for (const int number : busNumbers) {
        usb_bus& bus = tree->buses.emplace_back();
        std::snprintf(bus.dirname, sizeof bus.dirname, "%03d", number);
        bus.location = static_cast<std::uint32_t>(number);
        if (tree->buses.size() > 1) {
            usb_bus& previous = tree->buses[tree->buses.size() - 2];
            previous.next = &bus;
            bus.prev = &previous;
        }
        std::vector<int> onBus;  // in device file order
        for (int i = 0; i < deviceCount(); ++i) {
            if (m_devices[static_cast<std::size_t>(i)]->config.bus == number && m_devices[static_cast<std::size_t>(i)]->plugged)
                onBus.push_back(i);
        }
        std::ranges::sort(onBus, {}, [this](int i) { return m_devices[static_cast<std::size_t>(i)]->devnum; });
        struct usb_device* last = nullptr;
        for (const int i : onBus) {
            const Device& d = *m_devices[static_cast<std::size_t>(i)];
            DeviceNode& node = tree->devices.emplace_back();
            node.index = i;
            struct usb_device& dev = node.dev;
            std::snprintf(dev.filename, sizeof dev.filename, "%03d", d.devnum);
            dev.bus = &bus;
            dev.devnum = static_cast<std::uint8_t>(d.devnum);
            dev.descriptor = {18, USB_DT_DEVICE, 0x0200, 0, 0, 0, 64, d.config.vendorId,
                              d.config.productId, 0x0100, 1, 2, 3, 1};
            // The descriptors a real device reports, field by field in <usb.h> order.
            const int eps[3] = {d.epIn(), d.epOut(), d.epCmd()};
            for (int k = 0; k < 3; ++k)
                node.endpoints[k] = {USB_DT_ENDPOINT_SIZE, USB_DT_ENDPOINT, static_cast<std::uint8_t>(eps[k]),
                                     USB_ENDPOINT_TYPE_BULK, 64, 0, 0, 0, nullptr, 0};
            node.altsetting = {USB_DT_INTERFACE_SIZE, USB_DT_INTERFACE,
                               static_cast<std::uint8_t>(d.config.interfaceNumber), 0, 3, USB_CLASS_VENDOR_SPEC,
                               0, 0, 0, node.endpoints, nullptr, 0};
            node.interface = {&node.altsetting, 1};
            node.config = {USB_DT_CONFIG_SIZE, USB_DT_CONFIG,
                           USB_DT_CONFIG_SIZE + USB_DT_INTERFACE_SIZE + 3 * USB_DT_ENDPOINT_SIZE, 1, 1, 0, 0x80, 50,
                           &node.interface, nullptr, 0};
            dev.config = &node.config;
            if (last) {
                last->next = &dev;
                dev.prev = last;
            } else {
                bus.devices = &dev;
            }
            last = &dev;
        }
    }
    m_trees.push_back(std::move(tree));
    usb_busses = busses();
}

int World::findBusses()
{
    rebuildTree();
    return static_cast<int>(m_trees.back()->buses.size());
}

int World::findDevices()
{
    rebuildTree();
    return static_cast<int>(m_trees.back()->devices.size());
}

usb_bus* World::busses() const
{
    return m_trees.empty() ? nullptr : &m_trees.back()->buses.front();
}

usb_dev_handle* World::open(struct usb_device* device)
{
    if (m_trees.empty() || m_trees.back()->generation != m_generation)
        return nullptr;
    for (DeviceNode& node : m_trees.back()->devices) {
        if (&node.dev != device)
            continue;
        Device& d = *m_devices[static_cast<std::size_t>(node.index)];
        if (!d.plugged || d.config.openFails) {
            trace("usb open-refused dev=" + std::to_string(node.index));
            return nullptr;
        }
        auto* h = new usb_dev_handle{node.index, m_generation};
        m_handles.insert(h);
        ++d.opens;
        d.firmware->forgetReply();
        trace("usb open dev=" + std::to_string(node.index));
        return h;
    }
    return nullptr;
}

Device* World::deviceFor(usb_dev_handle* h) const
{
    if (!m_handles.count(h) || h->generation != m_generation)
        return nullptr;
    return m_devices[static_cast<std::size_t>(h->device)].get();
}

int World::check(usb_dev_handle* h) const
{
    if (!m_handles.count(h))
        return -EINVAL;
    const Device* d = deviceFor(h);
    return d && d->plugged ? 0 : -ENODEV;
}

void World::dropClaimLock(usb_dev_handle* h)
{
    if (h->claimLockFd >= 0) {
        ::close(h->claimLockFd);  // the lock goes with the descriptor
        h->claimLockFd = -1;
    }
}

int World::close(usb_dev_handle* h)
{
    if (!m_handles.count(h))
        return -EINVAL;
    dropClaimLock(h);
    if (Device* d = deviceFor(h)) {
        ++d->closes;
        trace("usb close dev=" + std::to_string(h->device));
        d->firmware->dropUnreadReply("dev=" + std::to_string(h->device), "close");
    }
    m_handles.erase(h);
    delete h;
    return 0;
}

struct usb_device* World::deviceOf(usb_dev_handle* h) const
{
    if (!deviceFor(h) || m_trees.empty())
        return nullptr;
    for (DeviceNode& node : m_trees.back()->devices) {
        if (node.index == h->device)
            return &node.dev;
    }
    return nullptr;
}

int World::claim(usb_dev_handle* h, int interface)
{
    if (const int e = check(h))
        return e;
    Device& d = *deviceFor(h);
    int result = d.config.refuseClaim ? -EBUSY : interface != d.config.interfaceNumber ? -ENOENT : 0;
    if (result == 0 && !d.config.claimLockPath.empty() && h->claimLockFd < 0) {
        h->claimLockFd = ::open(d.config.claimLockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (h->claimLockFd < 0 || flock(h->claimLockFd, LOCK_EX | LOCK_NB) != 0) {
            dropClaimLock(h);
            result = -EBUSY;
        }
    }
    if (result == 0) {
        h->claimedInterface = interface;
        ++d.claims;
    }
    trace("usb claim dev=" + std::to_string(h->device) + " interface=" + std::to_string(interface)
          + " result=" + std::to_string(result));
    return result;
}

int World::release(usb_dev_handle* h, int interface)
{
    if (const int e = check(h))
        return e;
    Device& d = *deviceFor(h);
    const int result = h->claimedInterface == interface ? 0 : -ENOENT;
    if (result == 0) {
        h->claimedInterface.reset();
        dropClaimLock(h);
        ++d.releases;
    }
    trace("usb release dev=" + std::to_string(h->device) + " interface="
          + std::to_string(interface) + " result=" + std::to_string(result));
    return result;
}

std::vector<std::uint8_t> World::stringDescriptor(const Device& d, int index) const
{
    std::vector<std::uint16_t> units;
    if (index == 0) {
        units = {0x0409};
    } else {
        const std::string* text = index == 1 ? &d.config.manufacturer
            : index == 2                     ? &d.config.product
            : index == 3                     ? &d.config.serial
                                             : nullptr;
        if (!text)
            return {};
        units = utf16(*text);
    }
    units.resize(std::min<std::size_t>(units.size(), 126));
    std::vector<std::uint8_t> desc{static_cast<std::uint8_t>(2 + 2 * units.size()),
                                   static_cast<std::uint8_t>(d.config.stringType)};
    for (const std::uint16_t u : units) {
        desc.push_back(static_cast<std::uint8_t>(u));
        desc.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return desc;
}

int World::control(usb_dev_handle* h, int requestType, int request, int value, int index,
                   char* bytes, int size)
{
    if (const int e = check(h))
        return e;
    Device& d = *deviceFor(h);
    const std::string who = "dev=" + std::to_string(h->device);
    if (size < 0 || (size > 0 && !bytes))
        return -EINVAL;
    if (requestType == USB_ENDPOINT_IN && request == ReqGetDescriptor) {
        const int type = value >> 8;
        const int descIndex = value & 0xFF;
        std::vector<std::uint8_t> desc;
        if (type == USB_DT_STRING && !d.config.stringError) {
            desc = stringDescriptor(d, descIndex);
        } else if (type == USB_DT_DEVICE) {
            if (const struct usb_device* dev = deviceOf(h)) {
                const auto* p = reinterpret_cast<const std::uint8_t*>(&dev->descriptor);
                desc.assign(p, p + USB_DT_DEVICE_SIZE);
            }
        }
        const int result = desc.empty() ? -EPIPE : std::min(size, static_cast<int>(desc.size()));
        if (result > 0)
            std::memcpy(bytes, desc.data(), static_cast<std::size_t>(result));
        if (type == USB_DT_STRING)
            trace("usb string " + who + " index=" + std::to_string(descIndex) + " langid="
                  + hex(static_cast<std::uint32_t>(index)) + " result=" + std::to_string(result));
        return result;
    }
    if ((requestType & 0x60) == USB_TYPE_VENDOR) {
        if (requestType & USB_ENDPOINT_IN)
            std::memset(bytes, 0, static_cast<std::size_t>(size));
        trace("usb vendor " + who + " type=" + hex(static_cast<std::uint32_t>(requestType))
              + " request=" + std::to_string(request) + " value=" + hex(static_cast<std::uint32_t>(value))
              + " index=" + hex(static_cast<std::uint32_t>(index)) + " length=" + std::to_string(size));
        return size;
    }
    return -EPIPE;
}

int World::getStringSimple(usb_dev_handle* h, int index, char* buf, std::size_t buflen)
{
    if (const int e = check(h))
        return e;
    if (!buf || buflen == 0)
        return -EINVAL;
    const auto desc = stringDescriptor(*deviceFor(h), index);
    if (desc.size() < 2 || deviceFor(h)->config.stringError)
        return -EPIPE;
    std::size_t n = 0;
    for (std::size_t i = 2; i + 1 < desc.size() && n + 1 < buflen; i += 2)
        buf[n++] = desc[i + 1] ? '?' : static_cast<char>(desc[i]);
    buf[n] = '\0';
    return static_cast<int>(n);
}

void World::followSocket(Device& d, int index)
{
    if (d.config.presentPath.empty())
        return;
    const std::string stamp = presenceStamp(d.config.presentPath);
    if (stamp == d.presenceStamp)
        return;
    const bool wasFilled = !d.presenceStamp.empty();
    d.presenceStamp = stamp;
    d.firmware->setChip(nullptr);
    d.chip.reset();
    if (wasFilled)
        trace("chip removed dev=" + std::to_string(index));
    if (!stamp.empty() && d.config.chipFamily != NoChip) {
        // A new chip in the socket: its image is read again, the file may have been replaced.
        d.chip = std::make_unique<Chip>(d.config);
        if (!d.chip->error().empty())
            m_lastError = d.chip->error();
        d.firmware->setChip(d.chip.get());
        trace("chip inserted dev=" + std::to_string(index));
    }
}

Device* World::startTransfer(usb_dev_handle* h, int ep, bool in, const void* bytes, int& size, int& result)
{
    if ((result = check(h)) != 0)
        return nullptr;
    if (size < 0 || (size > 0 && !bytes)) {
        result = -EINVAL;
        return nullptr;
    }
    Device& d = *deviceFor(h);
    followSocket(d, h->device);
    const long t = ++d.transfers;
    const std::string where = tag(h->device, t) + " ep=" + hex(static_cast<std::uint32_t>(ep));
    if (d.plugged && d.config.unplugAfter >= 0 && t > d.config.unplugAfter) {
        d.plugged = false;
        trace("usb unplug " + tag(h->device, t));
    }
    if (!d.plugged || contains(d.config.timeoutAt, t)) {
        result = d.plugged ? -ETIMEDOUT : -ENODEV;
        trace((d.plugged ? "fault timeout " : "fault unplugged ") + where + " result=" + std::to_string(result));
        // A reply queued for the host is lost with the IN transfer that failed on the way.
        if (in)
            d.firmware->forgetReply();
        return nullptr;
    }
    if (contains(d.config.shortAt, t)) {
        const int cut = d.config.shortLength >= 0 ? std::min(d.config.shortLength, size) : size / 2;
        trace("fault short " + where + " length=" + std::to_string(size) + " result=" + std::to_string(cut));
        size = cut;
    }
    if (in ? ep != d.epIn() : ep != d.epCmd() && ep != d.epOut()) {
        result = -EPIPE;
        trace("fault endpoint " + where + " result=" + std::to_string(result));
        return nullptr;
    }
    return &d;
}

int World::bulkWrite(usb_dev_handle* h, int ep, const char* bytes, int size)
{
    const int requested = size;
    int result = 0;
    Device* d = startTransfer(h, ep, false, bytes, size, result);
    if (!d)
        return result;
    const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes), static_cast<std::size_t>(size));
    const std::string where = tag(h->device, d->transfers);
    if (ep != d->epCmd())
        return d->firmware->dataWrite(data, where);
    ++d->commands;
    // The firmware waits for a whole packet; a cut one is never executed.
    if (size < requested)
        trace("cmd dropped " + where + " length=" + std::to_string(size));
    else
        d->firmware->command(data, where);
    return size;
}

int World::bulkRead(usb_dev_handle* h, int ep, char* bytes, int size)
{
    const int requested = size;
    int result = 0;
    Device* d = startTransfer(h, ep, true, bytes, size, result);
    if (!d)
        return result;
    return d->firmware->read(std::span(reinterpret_cast<std::uint8_t*>(bytes), static_cast<std::size_t>(size)),
                             static_cast<std::size_t>(requested), tag(h->device, d->transfers));
}

std::string World::set(int index, const std::string& key, const std::string& value)
{
    Device* d = device(index);
    if (!d)
        return "no device " + std::to_string(index);
    if (isChipKey(key))
        return key + " shapes the chip image; give it in the configuration";
    DeviceConfig changed = d->config;
    std::string e = applyDeviceKey(changed, key, value);
    if (!e.empty())
        return e;
    if (changed.bus != d->config.bus)
        d->devnum = ++m_lastDevnum[changed.bus];  // moved to another bus: a new device there
    // The firmware keeps a reference to this configuration, so it is updated in place.
    d->config = changed;
    return {};
}

int World::setPlugged(int index, bool plugged)
{
    Device* d = device(index);
    if (!d)
        return -1;
    if (plugged && !d->plugged)
        d->devnum = ++m_lastDevnum[d->config.bus];
    d->plugged = plugged;
    if (plugged)
        d->config.unplugAfter = -1;  // else the next transfer would pull it again
    trace(std::string(plugged ? "usb plug" : "usb unplug") + " dev=" + std::to_string(index));
    return 0;
}

}  // namespace sim
