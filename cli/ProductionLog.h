#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// One chip of a production run as its log records it, or a serial number a run reserved and
// left unused (a gap in the numbers, recorded so that it can be told from a lost chip).
struct ProducedChip {
    enum class Result { Pass, Fail, Unused };

    QString programmer;               // serial, or BUS:DEVICE when it has none
    QString chip;                     // the model
    std::optional<quint32> jedecId;   // when the chip query gave one
    std::optional<quint64> serial;
    std::optional<quint32> crc32;     // of the programmed image; none for an unused number
    QString sha256;                   // hex
    qint64 bytes = 0;                 // how many bytes the two sums cover
    Result result = Result::Fail;
    QString reason;                   // why it failed
    double seconds = 0;
};

// The production log: one JSON object per chip appended to a file (JSON Lines) that several
// runs may share. Each record is one write under an exclusive lock, synced before append
// returns; a record cut short by a full disk is taken back, and a last line left without its
// line end (by an older program or a crash) gets one before the next record.
class ProductionLog {
public:
    // Creates the folder when it is missing and opens the file for appending; for a regular
    // file, also proves that its folder takes a written, synced file. False, with the reason in
    // error, otherwise.
    [[nodiscard]] bool open(const QString& path, QString& error);
    // Nothing happens while no file is open. False, with the reason in error, when the record
    // could not be written whole and synced.
    [[nodiscard]] bool append(const ProducedChip& chip, QString& error);

    // The JSON object of one chip, without the line end; time is the moment it finished.
    [[nodiscard]] static QByteArray line(const ProducedChip& chip, const QString& time);

    ProductionLog() = default;
    ~ProductionLog();
    ProductionLog(const ProductionLog&) = delete;
    ProductionLog& operator=(const ProductionLog&) = delete;

private:
    // A log removed or replaced while the run goes on (by hand, or rotated): the records go on
    // into the file its name now names, never into one that no one can find any more. False,
    // with the reason in error, when that file cannot be opened.
    [[nodiscard]] bool followName(QString& error);
    [[nodiscard]] bool appendLocked(const QByteArray& record, QString& error);

    QString m_path;
    int m_fd = -1;
};
