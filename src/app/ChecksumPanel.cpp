#include "ChecksumPanel.h"

#include "buffer/ImageChecksum.h"

#include <algorithm>

ChecksumPanel::ChecksumPanel(const std::function<std::span<const std::uint8_t>()>& image, QWidget* parent)
    : ChecksumPanel([image] { return Parts{image(), {}}; }, parent)
{
}

ChecksumPanel::ChecksumPanel(std::function<Parts()> image, QWidget* parent)
    : QLabel(parent)
    , m_image(std::move(image))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setIndent(3);
    setTextFormat(Qt::PlainText);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ChecksumPanel::sumSlice);
    imageChanged();
}

void ChecksumPanel::imageChanged()
{
    m_crc = crc32Start();
    m_offset = 0;
    setEnabled(false);
    m_timer.start();
}

void ChecksumPanel::sumSlice()
{
    const Parts parts = m_image();
    const std::size_t total = parts[0].size() + parts[1].size();
    // The image may have shrunk since the last slice without a change being reported yet.
    const std::size_t begin = std::min(m_offset, total);
    const std::size_t end = std::min(total, begin + SliceBytes);
    std::size_t partStart = 0;
    for (const std::span<const std::uint8_t>& part : parts) {
        const std::size_t from = std::clamp(begin, partStart, partStart + part.size());
        const std::size_t to = std::clamp(end, partStart, partStart + part.size());
        m_crc = crc32Continue(m_crc, part.subspan(from - partStart, to - from));
        partStart += part.size();
    }
    m_offset = end;
    if (end < total)
        return;
    m_timer.stop();
    setText(QStringLiteral("CRC32: %1").arg(crc32Text(m_crc)));
    setEnabled(true);
}
