#pragma once

#include <QIODevice>

#include <cstddef>
#include <memory>

// Collects formatted lines in a fixed block and hands whole blocks to the device, so a writer
// makes one write call per block instead of one per line; unformatted data goes out in blocks
// of the same size. A failed write, or a short one whose rest is refused, is remembered (a full
// disk must not pass for a saved file); later output is then dropped.
class TextSink {
public:
    explicit TextSink(QIODevice& device, std::size_t blockSize = 1024 * 1024);
    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;

    // Room for `length` characters (at most the block size) at the returned position; commit() what was used.
    [[nodiscard]] char* reserve(std::size_t length);
    void commit(char* end) { m_used = static_cast<std::size_t>(end - m_block.get()); }

    // Passes bytes that need no formatting straight to the device, in blocks.
    void writeRaw(const char* data, std::size_t length);

    // Hands the rest to the device; true when every byte written so far was accepted.
    [[nodiscard]] bool finish();

private:
    void flush();
    void put(const char* data, qint64 length);
    void startWriteback(qint64 length);

    QIODevice& m_device;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_block;  // not cleared: only what was formatted is written
    std::size_t m_used = 0;
    bool m_failed = false;
    qint64 m_written = 0;  // bytes handed to the disk so far
};
