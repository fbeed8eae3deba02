#include "ChecksumPanel.h"

#include "buffer/ImageChecksum.h"

#include <algorithm>

ChecksumPanel::ChecksumPanel(std::function<std::span<const std::uint8_t>()> image, QWidget* parent)
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
    const std::span<const std::uint8_t> image = m_image();
    // The image may have shrunk since the last slice without a change being reported yet.
    const std::size_t begin = std::min(m_offset, image.size());
    const std::size_t end = std::min(image.size(), begin + SliceBytes);
    m_crc = crc32Continue(m_crc, image.subspan(begin, end - begin));
    m_offset = end;
    if (end < image.size())
        return;
    m_timer.stop();
    setText(QStringLiteral("CRC32: %1").arg(crc32Text(m_crc)));
    setEnabled(true);
}
