#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <optional>

// One chip of a production run as its log records it.
struct ProducedChip {
    QString programmer;               // serial, or BUS:DEVICE when it has none
    QString chip;                     // the model
    std::optional<quint32> jedecId;   // when the chip query gave one
    std::optional<quint64> serial;
    quint32 crc32 = 0;
    QString sha256;                   // hex
    bool passed = false;
    QString reason;                   // why it failed
    double seconds = 0;
};

// The production log: one JSON object per chip appended to a file (JSON Lines), each line
// flushed as it is written, so a log survives a run that is stopped or crashes.
class ProductionLog {
public:
    // False, with the reason in error, when the file cannot be opened for appending.
    [[nodiscard]] bool open(const QString& path, QString& error);
    // Nothing happens while no file is open. False when the line could not be written whole.
    [[nodiscard]] bool append(const ProducedChip& chip);

    // The JSON object of one chip, without the line end; time is the moment it finished.
    [[nodiscard]] static QByteArray line(const ProducedChip& chip, const QString& time);

private:
    QFile m_file;
};
