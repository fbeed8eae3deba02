#pragma once

#include <QString>
#include <QtGlobal>

#include <map>
#include <string>
#include <vector>

// A randomized run of the chip commands against the programmer simulator: chips of every family
// and size class, random sequences of read, write, verify, erase, blank check and auto on random
// buffers, and random faults (time-out, short transfer, unplug, empty socket) at random
// transfers. After each step it checks what the person was told against the chip and the buffer:
// a completion only when the chip and the buffer really hold what the command promised, the
// buffer changed only by a read, the chip only by erase or write, the programmer never left open.
// The same seed gives the same run.
struct SoakReport {
    quint32 seed = 0;
    int steps = 0;
    std::map<std::string, long> counts;  // steps by command, outcomes, faults injected and hit
    std::vector<std::string> failures;   // one line per broken promise, naming step and seed
};

// simLibrary: the simulator the transport binds; workDir: a folder for the chip image files.
[[nodiscard]] SoakReport runSoak(const std::string& simLibrary, const QString& workDir, quint32 seed, int steps);

// "seed 7, 300 steps: auto 51, blank 48, ... completed 170, stopped 95, disconnected 35, ..."
[[nodiscard]] std::string soakSummary(const SoakReport& report);
