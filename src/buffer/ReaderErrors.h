#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QFileDevice>
#include <QIODevice>
#include <QString>

// Shows a reader's format error with the file and line it was found at; the reader returns the
// 0 it yields.
class ReaderErrors {
public:
    ReaderErrors(BufferFileFeedback& feedback, const QIODevice& device) : m_feedback(feedback)
    {
        if (const auto* file = qobject_cast<const QFileDevice*>(&device))
            m_file = file->fileName();
    }

    qint32 fail(qint64 line, const char* message)
    {
        m_feedback.errorLocation(m_file, line);
        m_feedback.showError(QString::fromLatin1(message));
        return 0;
    }

private:
    BufferFileFeedback& m_feedback;
    QString m_file;
};
