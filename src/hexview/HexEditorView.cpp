// Construction, properties and grid geometry of the hex view.
#include "HexBookmarkIcons.h"
#include "HexEditor.h"
#include "HexPainter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

HexEditor::HexEditor(QWidget* parent)
    : HexGrid(parent), m_painter(std::make_unique<HexPainter>(*this))
{
    setFont(FixedFont(-1, 11));
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_bookmarkBitmap = hexBookmarkIcons();
    m_offsetFormat = HexOffsetFormat::parse(QStringLiteral("-!10:0x|"));
    SetColors(HexColors::defaults());
    CreateEmptyFile(QString());
}

HexEditor::~HexEditor() = default;

QFont HexEditor::FixedFont(int pixelSize, qreal pointSize)
{
    // Courier New is the face the control is designed around; Linux desktops rarely ship it, so
    // the system's fixed-width font stands in with the same size.
    QFont font = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                     ? QFont(QStringLiteral("Courier New"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    else if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

int HexEditor::OffsetUnit() const noexcept
{
    switch (m_offsetFormat.unitKind()) {
    case HexOffsetFormat::UnitKind::Rows: return m_params.bytesPerRow;
    case HexOffsetFormat::UnitKind::ColumnGroups: return m_params.bytesPerColumn;
    case HexOffsetFormat::UnitKind::Fixed: return m_offsetFormat.fixedUnit();
    case HexOffsetFormat::UnitKind::Ruler: break;
    }
    return RulerUnit();
}

QString HexEditor::GetOffsetString(qint64 position) const
{
    const qint64 lastRowStart = qint64(m_layout.dataRows() - 1) * m_params.bytesPerRow;
    if (OnGetOffsetText) {
        QString text;
        OnGetOffsetText(position, position == lastRowStart, text);
        return text;
    }
    const int unit = OffsetUnit();
    return m_offsetFormat.format(position, unit, m_offsetFormat.digitsFor(lastRowStart / unit),
                                 m_params.hexLowerCase);
}

void HexEditor::RecomputeGrid()
{
    const QFontMetrics fm(font());
    HexLayout::Params p = m_params;
    p.rulerUnit = RulerUnit();
    p.dataSize = m_data.size();
    p.charWidth = std::max(1, fm.horizontalAdvance(QLatin1Char('w')));
    p.charHeight = fm.height();
    // The gutter width depends on the row count, which the first pass establishes.
    m_layout.update(p);
    const qint64 lastRowStart = qint64(m_layout.dataRows() - 1) * m_params.bytesPerRow;
    const int offsetDisplayWidth = static_cast<int>(GetOffsetString(lastRowStart).size()) + 1;
    p.gutterWidth = m_gutterWidth != -1 ? m_gutterWidth : offsetDisplayWidth * p.charWidth + 21;
    m_layout.update(p);
    LayoutChanged();
    KeepStateInStore();
}

qint64 HexEditor::GetCursorPosition() const
{
    return m_layout.positionOf(Col(), Row());
}

void HexEditor::MoveCaretTo(qint64 position, bool inCharField, bool secondNibble)
{
    position = std::clamp<qint64>(position, 0, LastCaretPosition());
    m_inCharField = inCharField;
    const int col = inCharField ? m_layout.charColOf(position) : m_layout.nibbleColOf(position);
    SetCurrentCell(col, m_layout.rowOf(position));
    // A low nibble exists only for a byte in the store.
    if (secondNibble && !inCharField && position < m_data.size())
        SetCurrentCell(col + 1, Row());
}

void HexEditor::ResetSelection()
{
    if (m_selStart >= 0)
        viewport()->update();
    m_selAnchor = m_selStart = m_selEnd = -1;
    m_selBeginPosition = -1;
}

void HexEditor::CurrentCellMoved()
{
    m_inCharField = m_layout.isCharCol(Col());
    // A caret move changes only the ruler, the row left and the row entered (gutter highlight,
    // caret, twin frame); the rest of the view stays as painted.
    const int width = viewport()->width();
    viewport()->update(0, 0, width, FixedHeight());
    for (const int row : {m_caretRowPainted, Row()})
        if (row >= TopRow() && row <= LastVisibleRow())
            viewport()->update(0, RowTop(row), width, m_layout.rowHeight());
    m_caretRowPainted = Row();
}

void HexEditor::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged();
}

qint64 HexEditor::DisplayStart() const
{
    if (m_data.size() == 0)
        return -1;
    return std::min(TopLeftPosition(), m_data.size() - 1);
}

qint64 HexEditor::DisplayEnd() const
{
    if (m_data.size() == 0)
        return -1;
    const qint64 rowEnd = qint64(LastVisibleRow() - HexLayout::FixedRows + 1) * m_params.bytesPerRow;
    return std::min(rowEnd, m_data.size()) - 1;
}

qint64 HexEditor::TopLeftPosition() const
{
    return m_layout.positionOf(HexLayout::FixedCols, TopRow());
}

void HexEditor::SetTopLeftPosition(qint64 position)
{
    SetTopRow(m_layout.rowOf(std::clamp<qint64>(position, 0, std::max<qint64>(m_data.size() - 1, 0))));
}

QRect HexEditor::CaretRect() const
{
    if (!hasFocus())
        return {};
    const QRect cell = CellRect(Col(), Row());
    if (cell.isNull())
        return {};
    const int cw = CharWidth();
    const int h = m_layout.rowHeight() - 2;
    HexCaretKind kind = m_caretKind;
    if (kind == ckAuto)
        kind = m_readOnlyView ? ckBottom : (m_params.insertMode ? ckLeft : ckFull);
    switch (kind) {
    case ckLeft: return {cell.left(), cell.top(), 2, h};
    case ckBottom: return {cell.left(), cell.top() + h - 2, cw, 2};
    default: return {cell.left(), cell.top(), cw, h};
    }
}

QChar HexEditor::DisplayChar(std::uint8_t byte) const
{
    if (m_translation == tkASCII && byte >= 128)
        return QLatin1Char(m_maskChar);
    const std::uint8_t shown = m_tables.toAnsi(m_translation)[byte];
    if (m_maskedChars.test(shown))
        return QLatin1Char(m_maskChar);
    // 0x80..0x9F show as their ANSI characters rather than C1 controls that fonts draw as empty
    // boxes; the codes the ANSI table leaves unassigned show the mask character.
    const QChar ch = ansiChar(shown);
    return ch.isNull() ? QLatin1Char(m_maskChar) : ch;
}

void HexEditor::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    m_painter->paint(painter, event->rect());
}

void HexEditor::resizeEvent(QResizeEvent* event)
{
    HexGrid::resizeEvent(event);
    if (m_autoBytesPerRow)
        applyAutoBytesPerRow();
    // The caret follows once the resize has settled, as the grid may still scroll.
    QTimer::singleShot(0, viewport(), [this] { viewport()->update(); });
}

void HexEditor::applyAutoBytesPerRow()
{
    const int avail = viewport()->width() - ColWidth(0) - ColWidth(1) - 8;
    HexLayout probe;
    HexLayout::Params p = m_layout.params();
    const auto rowWidth = [&](int bytes) {
        p.bytesPerRow = bytes;
        probe.update(p);
        return probe.colLeft(probe.colCount()) - probe.colLeft(HexLayout::FixedCols);
    };
    // The last even count before the first one whose row no longer fits.
    int chosen = 2;
    while (chosen < 256 && rowWidth(chosen + 2) <= avail)
        chosen += 2;
    SetBytesPerRow(chosen);  // even, so valid in the 16-bit character mode too
}

void HexEditor::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0 || event->modifiers() != Qt::NoModifier) {
        event->ignore();
        return;
    }
    const int page = std::max(1, VisibleRowCount() - 1);
    SetTopRow(TopRow() - steps * page);
    event->accept();
}

void HexEditor::focusInEvent(QFocusEvent* event)
{
    HexGrid::focusInEvent(event);
    viewport()->update();
}

void HexEditor::focusOutEvent(QFocusEvent* event)
{
    HexGrid::focusOutEvent(event);
    viewport()->update();
}

void HexEditor::changeEvent(QEvent* event)
{
    HexGrid::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        const qint64 caret = GetCursorPosition();
        RecomputeGrid();
        MoveCaretTo(caret, m_inCharField);
    }
}
