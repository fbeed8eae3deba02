#pragma once

class TUsbBulk;
class OperatorFeedback;
class OperationHost;

// verify --all, after the verify stopped at its first difference: reads the whole chip into an
// image of its own, compares it with the range the verify compares, and prints the count of
// differing bytes and the first differing ranges under the first-difference message. Returns
// the exit code: 1 (the chip differs), or 3 when the programmer went away during the read.
[[nodiscard]] int reportAllDifferences(TUsbBulk& usb, OperatorFeedback& terminal, OperationHost& reference);
