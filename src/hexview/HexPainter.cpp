#include "HexPainter.h"

#include "HexEditor.h"

#include <QPainter>

#include <algorithm>

// Background rectangles of one row, merged while they touch and share a colour.
class HexPainter::Fills {
public:
    explicit Fills(QPainter& p) : m_p(p) {}
    ~Fills() { flush(); }
    void add(const QRect& r, const QColor& c)
    {
        if (r.width() <= 0 || r.height() <= 0)
            return;
        if (m_pending.isValid() && c == m_color && r.top() == m_pending.top() &&
            r.height() == m_pending.height() && r.left() == m_pending.right() + 1) {
            m_pending.setRight(r.right());
            return;
        }
        flush();
        m_pending = r;
        m_color = c;
    }
    void flush()
    {
        if (m_pending.isValid())
            m_p.fillRect(m_pending, m_color);
        m_pending = QRect();
    }

private:
    QPainter& m_p;
    QRect m_pending;
    QColor m_color;
};

QColor HexPainter::inverted(const QColor& c)
{
    return QColor::fromRgb(c.rgb() ^ 0xFFFFFF);
}

QColor HexPainter::grayed(const QColor& c)
{
    const int l = (74 * c.red() + 146 * c.green() + 36 * c.blue()) / 256;
    return QColor(l, l, l);
}

const QStaticText& HexPainter::glyph(QChar ch)
{
    if (m_glyphFont != m_e.font()) {
        m_glyphFont = m_e.font();
        m_glyphs.fill(QStaticText());
    }
    // A glyph not prepared yet has no text.
    const std::size_t i = ch.unicode() & 0xFF;
    if (m_glyphs[i].text().isEmpty()) {
        m_glyphs[i] = QStaticText(QString(ch));
        m_glyphs[i].setTextFormat(Qt::PlainText);
        m_glyphs[i].prepare(QTransform(), m_glyphFont);
    }
    return m_glyphs[i];
}

void HexPainter::drawTexts(QPainter& p, const std::vector<Text>& texts)
{
    QColor pen;
    for (const Text& t : texts) {
        if (t.color != pen) {
            pen = t.color;
            p.setPen(pen);
        }
        if (t.ch.unicode() < 256)
            p.drawStaticText(t.x, t.y, glyph(t.ch));
        else
            p.drawText(QRect(t.x, t.y, 4 * m_e.CharWidth(), m_e.Layout().rowHeight()),
                       Qt::AlignLeft | Qt::AlignTop, QString(t.ch));
    }
}

void HexPainter::paint(QPainter& p, const QRect& dirty)
{
    const HexLayout& l = m_e.Layout();
    const bool focused = m_e.hasFocus();
    const int firstCol = m_e.LeftCol();
    const int lastCol = m_e.LastVisibleCol();
    p.setFont(m_e.font());
    std::vector<Text> texts;
    texts.reserve(1024);

    if (l.rulerHeight() > 0 && dirty.top() < l.rulerHeight()) {
        {
            Fills fills(p);
            paintRuler(fills, texts, firstCol, lastCol);
        }
        drawTexts(p, texts);
    }
    const int lastRow = m_e.LastVisibleRow();
    for (int row = m_e.TopRow(); row <= lastRow; ++row) {
        const int top = m_e.RowTop(row);
        if (top > dirty.bottom() || top + l.rowHeight() <= dirty.top())
            continue;
        texts.clear();
        {
            Fills fills(p);
            paintGutterCell(fills, row);
            paintDataRow(p, fills, texts, row, firstCol, lastCol, focused);
        }
        drawTexts(p, texts);
        // Gutter text and icons sit on top of the merged backgrounds.
        const qint64 rowStart = qint64(row - HexLayout::FixedRows) * l.params().bytesPerRow;
        const QRect gutter(0, top, m_e.ColWidth(0), l.rowHeight());
        const HexColors& c = m_e.Colors();
        p.setPen(row == m_e.Row() ? c.CurrentOffset : c.Offset);
        p.drawText(gutter.adjusted(0, 1, -4, 0), Qt::AlignRight | Qt::AlignTop,
                   m_e.GetOffsetString(rowStart));
        for (int b = 0; b < 10; ++b) {
            const HexBookmark& bm = m_e.Bookmarks()[static_cast<std::size_t>(b)];
            if (bm.position >= rowStart && bm.position < rowStart + l.params().bytesPerRow) {
                const int icon = b + (bm.inCharField ? 10 : 0);
                p.drawPixmap(3, top + (l.rowHeight() - 10) / 2, m_e.BookmarkBitmap(),
                             icon * 10, 0, 10, 10);
            }
        }
    }
    paintOutside(p, lastCol);
    paintLines(p, lastCol);
    paintFramesAndCaret(p, focused);
}

void HexPainter::paintRuler(Fills& fills, std::vector<Text>& texts, int firstCol, int lastCol)
{
    const HexLayout& l = m_e.Layout();
    const HexColors& c = m_e.Colors();
    const int h = l.rulerHeight();
    // A column past the ruler's end shows a blank.
    const auto rulerChar = [](const QString& ruler, int i) { return i < ruler.size() ? ruler[i] : QChar(u' '); };
    fills.add(QRect(0, 0, m_e.ColWidth(0) + m_e.ColWidth(1), h), c.OffsetBackground);
    for (int col = firstCol; col <= lastCol; ++col) {
        const int x = m_e.ColLeft(col);
        const bool current = col == m_e.Col();
        fills.add(QRect(x, 0, m_e.ColWidth(col), h), current ? c.CurrentOffsetBackground : c.OffsetBackground);
        QChar ch = QLatin1Char(' ');
        if (l.isNibbleCol(col))
            ch = rulerChar(l.hexRuler(), col - l.firstNibbleCol());
        else if (l.isCharCol(col))
            ch = rulerChar(l.charRuler(), col - l.firstCharCol());
        if (ch != QLatin1Char(' '))
            texts.push_back({x, 2, ch, current ? c.CurrentOffset : c.Offset});
    }
}

void HexPainter::paintGutterCell(Fills& fills, int row)
{
    const HexColors& c = m_e.Colors();
    const int top = m_e.RowTop(row);
    const int h = m_e.Layout().rowHeight();
    fills.add(QRect(0, top, m_e.ColWidth(0), h),
              row == m_e.Row() ? c.CurrentOffsetBackground : c.OffsetBackground);
    fills.add(QRect(m_e.ColWidth(0), top, m_e.ColWidth(1), h), c.Background);
}

void HexPainter::paintDataRow(QPainter& p, Fills& fills, std::vector<Text>& texts, int row,
                              int firstCol, int lastCol, bool focused)
{
    const HexLayout& l = m_e.Layout();
    const HexColors& c = m_e.Colors();
    const int bpr = l.params().bytesPerRow;
    const int cw = m_e.CharWidth();
    const int top = m_e.RowTop(row);
    const int h = l.rowHeight();
    const qint64 rowStart = qint64(row - HexLayout::FixedRows) * bpr;
    const std::span<const std::uint8_t> data = m_e.Data();
    const qint64 avail = std::clamp<qint64>(qint64(data.size()) - rowStart, 0, bpr);
    const std::uint8_t* bytes = data.data() + std::min<qint64>(rowStart, qint64(data.size()));
    const bool showSelection = m_e.HasSelection() && !(m_e.HideSelection() && !focused);
    const bool gray = showSelection && m_e.GraySelectionIfNotFocused() && !focused;
    const bool hexActive = !m_e.InCharField();
    const bool insertMode = m_e.InsertMode();
    const bool lower = m_e.HexLowerCase();
    const bool swap = m_e.SwapNibbles();
    const int bpc = m_e.BytesPerColumn();
    const QColor charText = m_e.palette().color(QPalette::Text);
    const char* digits = lower ? "0123456789abcdef" : "0123456789ABCDEF";

    for (int col = firstCol; col <= lastCol; ++col) {
        const int x = m_e.ColLeft(col);
        const int w = m_e.ColWidth(col);
        const bool nibble = l.isNibbleCol(col);
        const qint64 index = nibble ? (col - l.firstNibbleCol()) / 2
                                    : qint64(col - l.firstCharCol()) * l.bytesPerChar();
        // Spacers and cells past the data are background only.
        if ((!nibble && !l.isCharCol(col)) || index >= avail) {
            fills.add(QRect(x, top, w, h), c.Background);
            continue;
        }
        const qint64 pos = rowStart + index;
        const bool active = nibble == hexActive;
        const bool lastOfField = col == l.lastNibbleCol() || col == l.lastCharCol();
        QColor back = active ? c.ActiveFieldBackground : c.Background;
        QColor pad = (active && !lastOfField) ? c.ActiveFieldBackground : c.Background;
        QColor fore = !nibble ? charText : ((index / bpc) % 2 == 0) ? c.OddColumn : c.EvenColumn;
        if (!insertMode && m_e.IsByteModified(pos)) {
            fore = c.ChangedText;
            back = c.ChangedBackground;
        }
        if (m_e.IsByteDifferent(pos)) {
            fore = c.DifferenceText;
            back = c.DifferenceBackground;
        }
        QChar ch;
        if (nibble) {
            const bool high = l.isSecondNibble(col) == swap;
            ch = QLatin1Char(digits[high ? bytes[index] >> 4 : bytes[index] & 0xF]);
        } else if (l.bytesPerChar() == 2 && index + 1 < avail) {
            const std::uint16_t v = m_e.UnicodeBigEndian() ? (bytes[index] << 8 | bytes[index + 1])
                                                           : (bytes[index + 1] << 8 | bytes[index]);
            ch = (v < 256 && m_e.MaskedChars().test(v)) ? QLatin1Char(m_e.MaskChar()) : QChar(char16_t(v));
        } else {
            ch = m_e.DisplayChar(bytes[index]);
        }
        const qint64 lastSelected = m_e.SelectionHigh();
        if (showSelection && pos >= m_e.SelectionLow() && pos <= lastSelected) {
            fore = inverted(fore);
            back = inverted(back);
            // Inner gaps of a selected run take the selection colour, so the run reads as one band.
            if (!lastOfField && pos != lastSelected)
                pad = inverted(pad);
            if (gray) {
                fore = grayed(fore);
                back = grayed(back);
                pad = grayed(pad);
            }
        }
        if (m_e.OnDrawCell) {
            HexDrawCellArgs args{&p, col, row, QRect(x, top, w, h), QString(ch), fore, back, false};
            m_e.OnDrawCell(args);
            if (args.handled)
                continue;
            fore = args.textColor;
            back = args.background;
            ch = args.text.isEmpty() ? QLatin1Char(' ') : args.text[0];
        }
        fills.add(QRect(x, top, std::min(cw, w), h), back);
        fills.add(QRect(x + cw, top, w - cw, h), pad);
        texts.push_back({x, top + 1, ch, fore});
    }
}

void HexPainter::paintOutside(QPainter& p, int lastCol)
{
    const HexLayout& l = m_e.Layout();
    const HexColors& c = m_e.Colors();
    const int right = m_e.ColLeft(lastCol) + m_e.ColWidth(lastCol);
    const int bottom = m_e.RowTop(m_e.LastVisibleRow()) + l.rowHeight();
    const int vw = m_e.viewport()->width();
    const int vh = m_e.viewport()->height();
    if (right < vw) {
        p.fillRect(QRect(right, 0, vw - right, l.rulerHeight()), c.OffsetBackground);
        p.fillRect(QRect(right, l.rulerHeight(), vw - right, vh), c.Background);
    }
    if (bottom < vh) {
        p.fillRect(QRect(0, bottom, m_e.ColWidth(0), vh - bottom), c.OffsetBackground);
        p.fillRect(QRect(m_e.ColWidth(0), bottom, std::max(right, vw), vh - bottom), c.Background);
    }
}

void HexPainter::paintLines(QPainter& p, int lastCol)
{
    const HexLayout& l = m_e.Layout();
    const HexColors& c = m_e.Colors();
    const int gutterRight = m_e.ColWidth(0) - 1;
    const int right = m_e.ColLeft(lastCol) + m_e.ColWidth(lastCol) - 1;
    const int dataTop = m_e.FixedHeight();
    const int bottom = std::min(m_e.viewport()->height(),
                                m_e.RowTop(m_e.LastVisibleRow()) + l.rowHeight()) - 1;
    const int rulerBottom = l.rulerHeight() - 1;
    // The gutter's right edge and the ruler's bottom edge, `inset` pixels in.
    const auto edges = [&](const QColor& color, int inset) {
        p.setPen(color);
        p.drawLine(gutterRight - inset, dataTop, gutterRight - inset, bottom);
        if (rulerBottom > 0)
            p.drawLine(0, rulerBottom - inset, right, rulerBottom - inset);
    };
    if (m_e.DrawGutter3D()) {
        edges(m_e.palette().color(QPalette::Dark), 1);
        edges(m_e.palette().color(QPalette::Light), 0);
    } else if (m_e.DrawGridLines()) {
        edges(c.Grid, 0);
    }
    if (!m_e.DrawGridLines())
        return;
    p.setPen(c.Grid);
    for (int row = m_e.TopRow(); row <= m_e.LastVisibleRow(); ++row) {
        const int y = m_e.RowTop(row) + l.rowHeight() - 1;
        p.drawLine(m_e.ColWidth(0), y, right, y);
    }
    const int spacerX = m_e.ColLeft(l.fieldSpacerCol()) + m_e.ColWidth(l.fieldSpacerCol()) / 2;
    p.drawLine(m_e.ColWidth(0) + m_e.ColWidth(1) / 2, dataTop, m_e.ColWidth(0) + m_e.ColWidth(1) / 2, bottom);
    if (l.fieldSpacerCol() >= m_e.LeftCol())
        p.drawLine(spacerX, dataTop, spacerX, bottom);
    if (lastCol == l.lastCharCol())
        p.drawLine(right, dataTop, right, bottom);
}

void HexPainter::paintFramesAndCaret(QPainter& p, bool focused)
{
    const HexLayout& l = m_e.Layout();
    const HexColors& c = m_e.Colors();
    const int cw = m_e.CharWidth();
    const int col = m_e.Col();
    const int row = m_e.Row();
    const auto frame = [&](const QRect& r, const QColor& color) {
        if (r.isNull())
            return;
        if (m_e.FocusFrame()) {
            QPen pen(m_e.palette().color(QPalette::Text));
            pen.setStyle(Qt::DotLine);
            p.setPen(pen);
        } else {
            p.setPen(color);
        }
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    if (focused) {
        const int twin = l.twinCol(col);
        QRect cell = m_e.CellRect(twin, row);
        if (!cell.isNull()) {
            if (l.isNibbleCol(twin))
                cell = QRect(cell.left(), cell.top(), m_e.ColLeft(twin + 1) - cell.left() + cw, cell.height());
            else
                cell.setWidth(cw);
            frame(cell, c.CursorFrame);
        }
        const QRect caret = m_e.CaretRect();
        if (!caret.isNull()) {
            p.setCompositionMode(QPainter::CompositionMode_Difference);
            p.fillRect(caret, Qt::white);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    } else if (m_e.ShowPositionIfNotFocused()) {
        QRect cell = m_e.CellRect(col, row);
        if (!cell.isNull()) {
            cell.setWidth(cw);
            frame(cell, c.NonFocusCursorFrame);
        }
    }
}
