#pragma once

#include <QByteArray>
#include <QBuffer>
#include <QFile>
#include <QString>

#include <ostream>

#include <cstdint>
#include <span>
#include <vector>

// In-memory files for the codec tests.
inline QByteArray bytesOf(std::span<const std::uint8_t> data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
}

inline std::vector<std::uint8_t> erased(std::size_t size)
{
    return std::vector<std::uint8_t>(size, 0xFF);
}

inline QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeWholeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QString testDataPath(const char* name)
{
    return QStringLiteral(ZORVEX_BUFFER_TEST_DATA "/") + QLatin1String(name);
}

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
