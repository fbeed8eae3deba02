#include "FuzzChecks.h"

#include "buffer/BufferFile.h"
#include "buffer/IntelHex.h"
#include "buffer/SRecord.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryFile>

#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace fuzzchecks {
namespace {

class SilentFeedback : public BufferFileFeedback {
public:
    void showError(const QString&) override { ++errors; }
    bool askYesNo(const QString&) override { return false; }
    int errors = 0;
};

using Reader = qint32 (*)(QIODevice&, std::span<std::uint8_t>, BufferFileFeedback&);
using Writer = bool (*)(QIODevice&, std::span<const std::uint8_t>);

// A heap block of exactly the capacity, so a write one past the end hits the sanitizer's red zone.
std::unique_ptr<std::uint8_t[]> erasedBlock()
{
    auto block = std::make_unique<std::uint8_t[]>(kCapacity);
    std::memset(block.get(), 0xFF, kCapacity);
    return block;
}

bool check(const std::uint8_t* data, std::size_t size, Reader read, Writer write)
{
    QBuffer input;
    input.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    input.open(QIODevice::ReadOnly);
    const auto loaded = erasedBlock();
    SilentFeedback feedback;
    const qint32 length = read(input, {loaded.get(), kCapacity}, feedback);
    if (length < 0 || static_cast<std::size_t>(length) > kCapacity || (length > 0 && feedback.errors > 0))
        return false;
    if (length == 0)
        return true;
    // Bytes past the size were never set, so the image is the first `length` bytes.
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    if (!write(output, {loaded.get(), static_cast<std::size_t>(length)}))
        return false;
    output.close();
    output.open(QIODevice::ReadOnly);
    const auto again = erasedBlock();
    SilentFeedback second;
    const qint32 relength = read(output, {again.get(), kCapacity}, second);
    // memcmp rather than a loop: the harness's own comparisons are instrumented, libc's are not.
    return second.errors == 0 && relength <= length && std::memcmp(loaded.get(), again.get(), kCapacity) == 0;
}

}  // namespace

bool checkIntelHex(const std::uint8_t* data, std::size_t size)
{
    return check(data, size, ReadIntelHex, WriteIntelHex);
}

bool checkSRecord(const std::uint8_t* data, std::size_t size)
{
    return check(data, size, ReadSRecord, WriteSRecord);
}

bool checkEepFile(const std::uint8_t* data, std::size_t size)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/zorvex-fuzz-XXXXXX.eep"));
    if (!file.open())
        return false;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    const auto buffer = erasedBlock();
    SilentFeedback feedback;
    const qint32 length = OpenBufferFile(file.fileName(), {buffer.get(), kCapacity}, feedback);
    return length >= 0 && static_cast<std::size_t>(length) <= kCapacity;
}

}  // namespace fuzzchecks
