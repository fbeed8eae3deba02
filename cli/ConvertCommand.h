#pragma once

// zorvex-cli convert IN OUT [--from bin|hex|srec] [--to bin|hex|srec] [--yes]
// Loads IN into a 64 MiB buffer of 0xFF as the Open command would and saves the loaded length
// as the Save command would, each format chosen by extension unless forced. OUT "-" writes to
// standard output, binary unless --to says otherwise.
[[nodiscard]] int runConvert(const struct ChipCommandLine& line);
