#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QString>
#include <QStringList>

// Records every message and answers questions with a preset answer.
class RecordingFeedback : public BufferFileFeedback {
public:
    explicit RecordingFeedback(bool answer = true) : m_answer(answer) {}

    void showError(const QString& message) override { errors << message; }
    bool askYesNo(const QString& message) override
    {
        questions << message;
        return m_answer;
    }
    void errorLocation(const QString& file, qint64 line) override { lastLocation = QStringLiteral("%1:%2").arg(file).arg(line); }

    // The first line of each error: the fixed message, without the file and reason below it.
    [[nodiscard]] QStringList messages() const
    {
        QStringList firstLines;
        for (const QString& error : errors)
            firstLines << error.section(QLatin1Char('\n'), 0, 0);
        return firstLines;
    }

    QStringList errors;
    QStringList questions;
    QString lastLocation;

private:
    bool m_answer;
};
