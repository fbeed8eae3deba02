#pragma once

#include <QString>

// Why a command could not write its output file, asked before the programmer is touched: a
// long read must not end in a file that cannot be kept. Empty when the file can be written.
// Nothing that exists is changed; a new file is made and removed again, the surest test.
[[nodiscard]] QString whyNotWritable(const QString& path);
