#include "SimFixture.h"

#include <sstream>

namespace {

// The value of key=... in a trace line, or "" when absent.
std::string field(const std::string& line, const std::string& key)
{
    const std::string marker = " " + key + "=";
    const std::size_t at = line.find(marker);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + marker.size();
    return line.substr(start, line.find(' ', start) - start);
}

} // namespace

std::vector<std::string> SimFixture::protocol() const
{
    std::vector<std::string> steps;
    for (const std::string& line : sim.trace()) {
        if (line.rfind("cmd ", 0) == 0) {
            std::istringstream words(line);
            std::string kind, name;
            words >> kind >> name;
            steps.push_back(name);
        } else if (line.rfind("read ", 0) == 0 || line.rfind("write ", 0) == 0) {
            steps.push_back(line.substr(0, line.find(' ')) + " " + field(line, "length"));
        }
    }
    return steps;
}

long SimFixture::streamBytes(const std::string& direction) const
{
    long total = 0;
    for (const std::string& line : traceWith(direction + " "))
        total += std::stol(field(line, "result"));
    return total;
}
