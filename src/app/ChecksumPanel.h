#pragma once

#include <QLabel>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

// The status bar's "CRC32: XXXXXXXX" of an image, given as two parts read one after the other
// (the window's saved image: the view's bytes, then the buffer's beyond them). A change starts the sum
// over from the first byte; it is then taken a slice per turn of the event loop, so a 64 MiB
// image never holds up typing or painting, and the value is there well within a fifth of a
// second after the last change. While a new value is being summed the old one is shown greyed.
class ChecksumPanel : public QLabel {
    Q_OBJECT
public:
    // A slice takes about a millisecond on a slow machine.
    static constexpr std::size_t SliceBytes = 1024 * 1024;

    using Parts = std::array<std::span<const std::uint8_t>, 2>;
    // image: the bytes to sum, fetched again for every slice (a change may move them).
    ChecksumPanel(std::function<Parts()> image, QWidget* parent = nullptr);
    ChecksumPanel(const std::function<std::span<const std::uint8_t>()>& image, QWidget* parent = nullptr);

    // The image changed: sum it again.
    void imageChanged();
    [[nodiscard]] bool isCurrent() const { return !m_timer.isActive(); }

private:
    void sumSlice();

    std::function<Parts()> m_image;
    QTimer m_timer;
    std::uint32_t m_crc = 0;
    std::size_t m_offset = 0;
};
