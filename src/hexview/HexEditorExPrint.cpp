// Printing of the extended hex view: one row of offset, hex pairs and characters per line.
#include "HexEditorError.h"
#include "HexEditorEx.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

int linesFor(const QRect& area, const QFontMetrics& fm, bool ruler)
{
    // Header and footer take one line each, the ruler one more.
    return std::max(1, area.height() / std::max(1, fm.height()) - 2 - (ruler ? 1 : 0));
}

} // namespace

QFont HexEditorEx::printingFont(int dpi) const
{
    QFont f = m_useEditorFont ? font() : m_printFont;
    // Pixel sizes are screen pixels; scale them to the device so paper shows the same size.
    // Point sizes become device pixels too: the line metrics are taken without a device, so a
    // point size would be measured at screen resolution but drawn at the printer's.
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, f.pixelSize() * dpi / 96));
    else
        f.setPixelSize(std::max(1, int(std::lround(f.pointSizeF() * dpi / 72.0))));
    return f;
}

std::pair<qint64, qint64> HexEditorEx::printRange() const
{
    if (DataSize() == 0)
        return {0, -1};
    if ((m_printOptions.Flags & pfSelectionOnly) && HasSelection())
        return {SelectionLow(), SelectionHigh()};
    if (m_printOptions.Flags & pfCurrentViewOnly)
        return {DisplayStart(), DisplayEnd()};
    return {0, DataSize() - 1};
}

QRect HexEditorEx::PrinterMarginRect(const QSize& pageSize, int dpi) const
{
    const auto px = [dpi](int mm) { return int(mm * dpi / 25.4); };
    return QRect(QPoint(px(m_printOptions.MarginLeft), px(m_printOptions.MarginTop)),
                 QPoint(pageSize.width() - px(m_printOptions.MarginRight) - 1,
                        pageSize.height() - px(m_printOptions.MarginBottom) - 1));
}

int HexEditorEx::PrintNumPages(const QRect& pageRect, int dpi) const
{
    const auto [first, last] = printRange();
    if (last < first)
        return 1;
    const qint64 bpr = BytesPerRow();
    const qint64 rows = last / bpr - first / bpr + 1;
    const int perPage = linesFor(pageRect, QFontMetrics(printingFont(dpi)), m_printOptions.Flags & pfIncludeRuler);
    return int((rows + perPage - 1) / perPage);
}

void HexEditorEx::renderPage(QPainter& p, const QRect& area, int dpi, int page) const
{
    const QFont base = printingFont(dpi);
    QFont bold = base;
    bold.setBold(true);
    const QFontMetrics fm(base);
    const int lh = fm.height();
    const int cw = fm.horizontalAdvance(QLatin1Char('w'));
    const bool mono = m_printOptions.Flags & pfMonochrome;
    const bool ruler = m_printOptions.Flags & pfIncludeRuler;
    const HexColors& c = Colors();
    if (m_printOptions.Flags & pfUseBackgroundColor)
        p.fillRect(area, c.Background);
    p.setFont(base);
    p.setPen(Qt::black);
    p.drawText(QRect(area.left(), area.top(), area.width(), lh), Qt::AlignHCenter, m_printOptions.PageHeader);
    p.drawText(QRect(area.left(), area.bottom() - lh, area.width(), lh), Qt::AlignHCenter,
               m_printOptions.PageFooter.isEmpty() ? QString::number(page) : m_printOptions.PageFooter);

    const auto [first, last] = printRange();
    const qint64 bpr = BytesPerRow();
    const int bpc = BytesPerColumn();
    const int offsetChars = int(GetOffsetString(std::max<qint64>(last, 0)).size()) + 2;
    const auto hexX = [&](int i) { return area.left() + (offsetChars + 2 * i + i / bpc) * cw; };
    const auto charX = [&](int i) { return hexX(int(bpr)) + (1 + i) * cw; };
    int y = area.top() + lh;
    if (ruler) {
        for (int i = 0; i < bpr; ++i)
            p.drawText(hexX(i), y + fm.ascent(), Layout().hexRuler().mid(2 * i, 2));
        y += lh;
    }
    const int perPage = linesFor(area, fm, ruler);
    const qint64 firstRow = first / bpr + qint64(page - 1) * perPage;
    const std::span<const std::uint8_t> data = Data();
    for (int line = 0; line < perPage && last >= first; ++line) {
        const qint64 rowStart = (firstRow + line) * bpr;
        if (rowStart > last)
            break;
        p.setFont(base);
        p.setPen(mono ? QColor(Qt::black) : c.Offset);
        p.drawText(area.left(), y + fm.ascent(), GetOffsetString(rowStart));
        for (int i = 0; i < bpr; ++i) {
            const qint64 pos = rowStart + i;
            if (pos < first || pos > last)
                continue;
            const bool selected = HasSelection() && pos >= SelectionLow() && pos <= SelectionHigh();
            p.setFont(selected && (m_printOptions.Flags & pfSelectionBold) ? bold : base);
            p.setPen(mono ? QColor(Qt::black) : ((i / bpc) % 2 == 0 ? c.OddColumn : c.EvenColumn));
            p.drawText(hexX(i), y + fm.ascent(), QString::asprintf("%02X", data[std::size_t(pos)]));
            p.setPen(mono ? QColor(Qt::black) : palette().color(QPalette::Text));
            p.drawText(charX(i), y + fm.ascent(), QString(DisplayChar(data[std::size_t(pos)])));
        }
        y += lh;
    }
}

QImage HexEditorEx::PrintPreview(int page, const QSize& pageSize, int dpi)
{
    if (page < 1)
        throw HexEditorError(HexMessages::PageIndex);
    QImage image(pageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, PrinterMarginRect(pageSize, dpi), dpi, page);
    return image;
}

void HexEditorEx::Print(int page)
{
    if (page < 1)
        throw HexEditorError(HexMessages::PageIndex);
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        throw HexEditorError(HexMessages::PrintFailed);
    const QRect pageRect = printer.pageLayout().fullRectPixels(printer.resolution());
    renderPage(painter, PrinterMarginRect(pageRect.size(), printer.resolution()), printer.resolution(), page);
    if (!painter.end())
        throw HexEditorError(HexMessages::PrintFailed);
}
