#pragma once

#include "text/OperationTexts.h"

#include <cerrno>

// libusb results that mean the programmer itself is gone (unplugged, or its device node
// removed), not that one transfer went wrong.
[[nodiscard]] constexpr bool meansDisconnected(int result)
{
    return result == -ENODEV || result == -ENOENT;
}

// The outcome of one bulk transfer: the libusb result (bytes moved or a negative error) against
// the bytes asked for. The protocol has no error replies, so this count is the only sign that a
// command or block did not get through.
struct TransferStatus {
    int result = 0;
    int expected = 0;

    [[nodiscard]] bool ok() const { return result == expected; }

    // The failure to report when the routine stops here.
    [[nodiscard]] TransferFailure failureAt(OperationStage stage, qint64 address) const
    {
        using enum TransferFailure::Kind;
        return {.stage = stage, .address = address,
                .kind = meansDisconnected(result) ? Disconnected : result < 0 ? Error : Short,
                .value = result, .expected = expected};
    }
};
