#include "HexBookmarkIcons.h"

#include <QFont>
#include <QPainter>

namespace {

void drawIcon(QPainter& p, int x, int digit, const QColor& fill)
{
    p.fillRect(x, 0, 10, 10, fill.darker(160));
    p.fillRect(x + 1, 1, 8, 8, fill);
    p.setPen(Qt::white);
    p.drawText(QRect(x, 0, 10, 10), Qt::AlignCenter, QString::number(digit));
}

} // namespace

QPixmap hexBookmarkIcons()
{
    QImage strip(200, 10, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    QFont font;
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < 10; ++i) {
        drawIcon(p, i * 10, i, QColor(0, 64, 192));
        drawIcon(p, 100 + i * 10, i, QColor(0, 128, 64));
    }
    p.end();
    return QPixmap::fromImage(strip);
}
