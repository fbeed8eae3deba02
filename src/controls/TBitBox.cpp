#include "controls/TBitBox.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int BoxRight = 16;      // the box spans x = 0 .. 16
constexpr int CaptionLeft = 21;
constexpr QRgb BoxFill = 0x000000;
constexpr QRgb BoxFillDisabled = 0x111111;
constexpr QRgb FrameOuterDark = 0x808080;
constexpr QRgb FrameInnerDark = 0x555555;
constexpr QRgb FrameOuterLight = 0xFFFFFF;
constexpr QRgb FrameInnerLight = 0xC0C0C0;

// Pen strokes of the frame follow the classic "move to, line to" convention: the start point is
// drawn, the end point is not (the next stroke starts there). Plain QPainter lines include both
// ends, which would put the wrong colour on the corners.
// Every stroke is vertical or horizontal.
void stroke(QPainter& painter, QPoint from, QPoint to, QRgb colour)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    for (QPoint p = from; p != to; p += step)
        painter.fillRect(p.x(), p.y(), 1, 1, QColor(colour));
}

}  // namespace

TBitBox::TBitBox(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // A control named while its caption is empty takes its name as the caption.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        if (m_caption.isEmpty())
            setCaption(name);
    });
}

void TBitBox::setState(bool state)
{
    m_state = state;
    update();
    emit OnChange();
}

void TBitBox::setCaption(const QString& caption)
{
    m_caption = caption;
    updateGeometry();
    update();
}

void TBitBox::setOnColor(const QColor& color)
{
    m_onColor = color;
    update();
}

void TBitBox::setOffColor(const QColor& color)
{
    m_offColor = color;
    update();
}

bool TBitBox::tabStop() const
{
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TBitBox::setTabStop(bool tabStop)
{
    // Without a tab stop the control still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

QSize TBitBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {CaptionLeft + metrics.horizontalAdvance(m_caption) + 4,
            std::max(19, metrics.height() + 6)};
}

void TBitBox::toggleByMouse()
{
    m_state = !m_state;
    setFocus(Qt::MouseFocusReason);
    repaint();
    emit OnClick();
    emit OnChange();
}

void TBitBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void TBitBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A click completes on release inside the control, after a press that started here.
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->position().toPoint())) {
            toggleByMouse();
            return;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void TBitBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the pair has already toggled; the double click toggles once more.
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        toggleByMouse();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TBitBox::keyPressEvent(QKeyEvent* event)
{
    if (event->text() != QStringLiteral(" ")) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_state = !m_state;
    repaint();
    emit OnChange();
}

void TBitBox::focusInEvent(QFocusEvent* event)
{
    m_focused = true;
    repaint();
    QWidget::focusInEvent(event);
}

void TBitBox::focusOutEvent(QFocusEvent* event)
{
    m_focused = false;
    repaint();
    QWidget::focusOutEvent(event);
}

void TBitBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int middle = (height() - 1) / 2;
    paintBox(painter, middle);
    paintDigit(painter, middle);
    paintCaption(painter, middle);
}

void TBitBox::paintBox(QPainter& painter, int m) const
{
    painter.fillRect(QRect(QPoint(0, m - 8), QPoint(BoxRight - 1, m + 7)),
                     QColor(isEnabled() ? BoxFill : BoxFillDisabled));

    stroke(painter, {0, m + 8}, {0, m - 8}, FrameOuterDark);
    stroke(painter, {0, m - 8}, {16, m - 8}, FrameOuterDark);
    stroke(painter, {1, m + 7}, {1, m - 7}, FrameInnerDark);
    stroke(painter, {1, m - 7}, {15, m - 7}, FrameInnerDark);
    stroke(painter, {16, m - 8}, {16, m + 8}, FrameOuterLight);
    stroke(painter, {16, m + 8}, {0, m + 8}, FrameOuterLight);
    stroke(painter, {15, m - 7}, {15, m + 7}, FrameInnerLight);
    stroke(painter, {15, m + 7}, {1, m + 7}, FrameInnerLight);
}

void TBitBox::paintDigit(QPainter& painter, int m) const
{
    const QString digit = m_state ? QStringLiteral("1") : QStringLiteral("0");
    QFont font(QStringLiteral("Courier"), 10, QFont::Bold);
    font.setStyleHint(QFont::TypeWriter);
    const QFontMetrics metrics(font);
    const int x = (BoxRight - metrics.horizontalAdvance(digit)) / 2;
    const int top = m - metrics.height() / 2;
    painter.setFont(font);
    painter.setPen(isEnabled() ? (m_state ? m_onColor : m_offColor)
                               : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(x, top + metrics.ascent(), digit);
}

void TBitBox::paintCaption(QPainter& painter, int m) const
{
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int top = m - metrics.height() / 2;
    const int baseline = top + metrics.ascent();
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        painter.drawText(CaptionLeft, baseline, m_caption);
    } else {
        // Engraved look: a light copy one pixel down and right, the grey text on top.
        painter.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
        painter.drawText(CaptionLeft + 1, baseline + 1, m_caption);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(CaptionLeft, baseline, m_caption);
    }

    if (m_focused) {
        const QRect focusRect(QPoint(19, top - 2),
                              QPoint(metrics.horizontalAdvance(m_caption) + 22,
                                     m + metrics.height() / 2 + 1));
        // A dotted outline, every second pixel, like the system focus rectangle.
        const QColor dots = palette().color(QPalette::Active, QPalette::WindowText);
        for (int x = focusRect.left(); x <= focusRect.right(); x += 2) {
            painter.fillRect(x, focusRect.top(), 1, 1, dots);
            painter.fillRect(x, focusRect.bottom(), 1, 1, dots);
        }
        for (int y = focusRect.top(); y <= focusRect.bottom(); y += 2) {
            painter.fillRect(focusRect.left(), y, 1, 1, dots);
            painter.fillRect(focusRect.right(), y, 1, 1, dots);
        }
    }
}
