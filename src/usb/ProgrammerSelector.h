#pragma once

#include <optional>
#include <string>
#include <vector>

// One attached programmer as a person tells it from its twins: its place in the transport's
// search order (from 1), libusb-0.1's bus directory and device file names, and its serial and
// product strings.
struct ProgrammerIdentity {
    int number = 0;
    std::string bus;      // "001"
    std::string device;   // "004"
    std::string serial;   // "-" when the device has none
    std::string product;

    // "001:004"
    [[nodiscard]] std::string location() const { return bus + ":" + device; }
    // The serial when there is one, else the location: what a log names the programmer by.
    [[nodiscard]] std::string name() const { return serial == "-" ? location() : serial; }
};

// Which programmer to open when several are attached, as a person writes it: a serial string,
// a BUS:DEVICE pair (with or without leading zeros) or the list number N. A text can mean more
// than one of these ("12" is a serial and a number); a serial that matches exactly wins over a
// location, a location over a number, so a digits-only serial still selects its programmer.
class ProgrammerSelector {
public:
    explicit ProgrammerSelector(std::string text) : m_text(std::move(text)) {}

    [[nodiscard]] const std::string& text() const { return m_text; }
    // The programmer of the list this selects, or null.
    [[nodiscard]] const ProgrammerIdentity* pick(const std::vector<ProgrammerIdentity>& programmers) const;

private:
    [[nodiscard]] bool isLocationOf(const ProgrammerIdentity& programmer) const;

    std::string m_text;
};
