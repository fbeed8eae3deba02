#pragma once

// zorvex-cli checksum IN [--from bin|hex|srec] [--chip MODEL [--maker M]] [--db FILE]
// Prints the CRC32 and SHA-256 line of IN as it would be programmed: decoded, and with --chip
// cut or padded with 0xFF to the chip's size.
[[nodiscard]] int runChecksum(const struct ChipCommandLine& line);
