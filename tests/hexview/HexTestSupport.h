#pragma once

#include <QString>

#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
