#include "ProductionLog.h"

#include "buffer/ImageChecksum.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

#include <unistd.h>

namespace {

// ISO 8601 with the local time zone's offset, whatever zone the bench runs in.
QString nowWithZone()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
}

}  // namespace

bool ProductionLog::open(const QString& path, QString& error)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return true;
    error = QStringLiteral("cannot open the log %1: %2").arg(path, m_file.errorString());
    return false;
}

bool ProductionLog::append(const ProducedChip& chip)
{
    if (!m_file.isOpen())
        return true;
    const QByteArray text = line(chip, nowWithZone()) + '\n';
    if (m_file.write(text) != text.size())
        return false;
    // A line is on the disk before the next chip is started.
    return fsync(m_file.handle()) == 0;
}

QByteArray ProductionLog::line(const ProducedChip& chip, const QString& time)
{
    QJsonObject object;
    object.insert(QStringLiteral("time"), time);
    object.insert(QStringLiteral("programmer"), chip.programmer);
    object.insert(QStringLiteral("chip"), chip.chip);
    if (chip.jedecId)
        object.insert(QStringLiteral("jedec_id"), QStringLiteral("%1").arg(*chip.jedecId, 6, 16, QLatin1Char('0')).toUpper());
    // JSON readers take integers exactly only up to 2^53; a larger serial is written as text.
    constexpr quint64 ExactLimit = quint64{1} << 53;
    if (!chip.serial)
        object.insert(QStringLiteral("serial"), QJsonValue::Null);
    else if (*chip.serial <= ExactLimit)
        object.insert(QStringLiteral("serial"), static_cast<qint64>(*chip.serial));
    else
        object.insert(QStringLiteral("serial"), QString::number(*chip.serial));
    object.insert(QStringLiteral("crc32"), crc32Text(chip.crc32));
    object.insert(QStringLiteral("sha256"), chip.sha256);
    object.insert(QStringLiteral("result"), chip.passed ? QStringLiteral("pass") : QStringLiteral("fail"));
    object.insert(QStringLiteral("reason"), chip.passed ? QJsonValue(QJsonValue::Null) : QJsonValue(chip.reason));
    object.insert(QStringLiteral("seconds"), std::round(chip.seconds * 10) / 10);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
