#include "PanelStatusBar.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <numeric>

PanelStatusBar::PanelStatusBar(QWidget* parent)
    : QWidget(parent)
    , m_texts(PanelCount)
{
    setFixedHeight(DesignedHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PanelStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel < 0 || panel >= PanelCount || m_texts[panel] == text)
        return;
    m_texts[panel] = text;
    update(panelRect(panel));
}

QString PanelStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < PanelCount ? m_texts[panel] : QString();
}

QRect PanelStatusBar::panelRect(int panel) const
{
    if (panel < 0 || panel >= PanelCount)
        return {};
    const int left = std::accumulate(PanelWidths.begin(), PanelWidths.begin() + panel, 0);
    const int width = panel == PanelCount - 1 ? qMax(PanelWidths[panel], this->width() - left)
                                              : PanelWidths[panel];
    return QRect(left, 0, width, height());
}

void PanelStatusBar::setOwnerDrawnPanel(int panel, DrawPanelHandler handler)
{
    m_ownerDrawnPanel = panel;
    m_drawPanel = std::move(handler);
    update();
}

void PanelStatusBar::setPanelToolTip(int panel, PanelToolTip toolTip)
{
    if (panel >= 0 && panel < PanelCount)
        m_toolTips[static_cast<std::size_t>(panel)] = std::move(toolTip);
}

QString PanelStatusBar::panelToolTip(int panel) const
{
    if (panel < 0 || panel >= PanelCount || !m_toolTips[static_cast<std::size_t>(panel)])
        return {};
    return m_toolTips[static_cast<std::size_t>(panel)]();
}

bool PanelStatusBar::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int panel = 0; panel < PanelCount; ++panel) {
        const QRect rect = panelRect(panel);
        if (!rect.contains(help->pos()))
            continue;
        const QString tip = panelToolTip(panel);
        if (tip.isEmpty())
            break;
        // As rich text the tip is wrapped to a readable width instead of one long line.
        QToolTip::showText(help->globalPos(), QStringLiteral("<p>") + tip.toHtmlEscaped()
            + QStringLiteral("</p>"), this, rect);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

QSize PanelStatusBar::sizeHint() const
{
    return {std::accumulate(PanelWidths.begin(), PanelWidths.end(), 0), DesignedHeight};
}

void PanelStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int panel = 0; panel < PanelCount; ++panel) {
        // Panels sit side by side with a 2-pixel gap, each in a thin sunken frame.
        const QRect outer = panelRect(panel).adjusted(0, 0, -2, 0);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = outer;
        frame.lineWidth = borderWidth();
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        const QRect inner = outer.adjusted(2, 1, -2, -1);
        if (panel == m_ownerDrawnPanel && m_drawPanel) {
            painter.save();
            painter.setClipRect(inner);
            m_drawPanel(painter, panel, inner);
            painter.restore();
            continue;
        }
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            m_texts[panel]);
    }
}

void PanelStatusBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}
