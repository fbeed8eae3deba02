#pragma once

#include "text/FixedTexts.h"

#include <QDir>
#include <QFileDevice>
#include <QString>

// A file error as it is shown: the fixed message on the first line, then the file and the
// system's reason ("/home/me/chip.bin: No space left on device"). The window shows both lines
// in its box, the command-line tool prints them as two lines.
[[nodiscard]] inline QString withFileAndReason(const QString& message, const QString& path, const QString& reason)
{
    return message + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

// "Can't open File" for a file that open() refused, with the reason it gave.
[[nodiscard]] inline QString cantOpenText(const QFileDevice& file)
{
    return withFileAndReason(fixedText(FixedText::CantOpenFile), file.fileName(), file.errorString());
}
