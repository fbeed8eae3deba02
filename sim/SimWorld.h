#pragma once

#include "SimChip.h"
#include "SimConfig.h"
#include "SimFirmware.h"

#include <usb.h>

#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

// An open simulated device. A reset of the simulator makes older handles stale: they then fail
// every call with -ENODEV instead of reaching a device that no longer exists.
struct usb_dev_handle {
    int device = 0;
    unsigned long generation = 0;
    std::optional<int> claimedInterface = std::nullopt;
    int claimLockFd = -1;  // the claim_lock file, locked while claimed
};

namespace sim {

struct Device {
    DeviceConfig config;
    std::unique_ptr<Chip> chip;
    std::unique_ptr<Firmware> firmware;
    bool plugged = true;
    // Its device file number on its bus while plugged. A device keeps its number until it is
    // pulled and takes the bus's next one when plugged in again, as on a real bus, so that the
    // programmer the host knows by BUS:DEVICE is never another one in its place.
    int devnum = 0;
    std::string presenceStamp;  // of chip_present_file as last seen; empty while missing
    long transfers = 0;
    long commands = 0;
    long opens = 0;
    long closes = 0;
    long claims = 0;
    long releases = 0;

    [[nodiscard]] int epIn() const { return config.olderVariant() ? 0x82 : 0x85; }
    [[nodiscard]] int epOut() const { return config.olderVariant() ? 1 : 5; }
    [[nodiscard]] int epCmd() const { return config.olderVariant() ? 2 : 4; }
};

// All simulator state, behind one lock: the configured devices, the bus tree handed to the
// host, the open handles and the trace.
class World {
public:
    static World& instance();
    std::mutex& mutex() { return m_mutex; }

    // Null text: the file named by ZORVEX_SIM_CONFIG, else the built-in default. Returns 0, or
    // -1 when the configuration was refused (no devices then), -2 when a chip image file could
    // not be used (the chip then lives in memory). lastError() tells why.
    int reset(const char* text);
    [[nodiscard]] const std::string& lastError() const { return m_lastError; }

    int findBusses();
    int findDevices();
    [[nodiscard]] usb_bus* busses() const;
    usb_dev_handle* open(struct usb_device* device);
    int close(usb_dev_handle* h);
    [[nodiscard]] struct usb_device* deviceOf(usb_dev_handle* h) const;
    int claim(usb_dev_handle* h, int interface);
    int release(usb_dev_handle* h, int interface);
    int control(usb_dev_handle* h, int requestType, int request, int value, int index,
                char* bytes, int size);
    int getStringSimple(usb_dev_handle* h, int index, char* buf, std::size_t buflen);
    int bulkWrite(usb_dev_handle* h, int ep, const char* bytes, int size);
    int bulkRead(usb_dev_handle* h, int ep, char* bytes, int size);
    // 0 for a live handle of a plugged device, else the error to return.
    [[nodiscard]] int check(usb_dev_handle* h) const;

    // Lines starting "violation " are also counted and printed on stderr.
    void trace(const std::string& line);
    [[nodiscard]] long violations() const { return m_violations; }
    [[nodiscard]] const std::vector<std::string>& traceLines() const { return m_trace; }
    void clearTrace();

    [[nodiscard]] int deviceCount() const { return static_cast<int>(m_devices.size()); }
    [[nodiscard]] Device* device(int index);
    // Applies a configuration key to a running device (not the chip keys); error text or empty.
    std::string set(int index, const std::string& key, const std::string& value);
    int setPlugged(int index, bool plugged);

private:
    World();
    struct DeviceNode {
        struct usb_device dev {};
        usb_config_descriptor config{};
        struct usb_interface interface {};
        usb_interface_descriptor altsetting{};
        usb_endpoint_descriptor endpoints[3]{};
        int index = 0;
    };
    struct Tree {
        std::deque<usb_bus> buses;
        std::deque<DeviceNode> devices;
        std::vector<int> numbers;  // each device's devnum, 0 while unplugged
        unsigned long generation = 0;
    };

    void rebuildTree();
    [[nodiscard]] Device* deviceFor(usb_dev_handle* h) const;
    [[nodiscard]] std::vector<std::uint8_t> stringDescriptor(const Device& d, int index) const;
    // Checks a bulk transfer (in: a read), counts it and applies the injected faults and the
    // endpoint's direction. Its device, or null when the transfer is over with result; size may
    // have been cut short.
    [[nodiscard]] Device* startTransfer(usb_dev_handle* h, int ep, bool in, const void* bytes, int& size,
                                        int& result);
    // Follows chip_present_file: empties the socket when it went, loads a fresh chip when it came.
    void followSocket(Device& d, int index);
    static void dropClaimLock(usb_dev_handle* h);

    std::mutex m_mutex;
    std::vector<std::unique_ptr<Device>> m_devices;
    unsigned long m_generation = 0;
    // Older trees stay allocated: the host may still hold pointers into them.
    std::vector<std::unique_ptr<Tree>> m_trees;
    std::map<int, int> m_lastDevnum;  // by bus
    std::set<usb_dev_handle*> m_handles;
    std::vector<std::string> m_trace;
    std::size_t m_traceLimit = 1000000;
    bool m_traceTruncated = false;
    std::FILE* m_traceFile = nullptr;
    std::string m_lastError;
    long m_violations = 0;
};

// A function the simulator library exports under its C name.
#define SIM_EXPORT extern "C" __attribute__((visibility("default")))

// The world, locked for the span of one exported call: the host may call from any thread.
struct LockedWorld {
    World& world = World::instance();
    std::lock_guard<std::mutex> lock{world.mutex()};
};

// The world's member Call, made under its lock.
template <auto Call, typename... Args>
auto locked(Args... args)
{
    LockedWorld l;
    return (l.world.*Call)(args...);
}

}  // namespace sim
