#include "AppIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library; nothing refers to them by symbol, so they are pulled
// in explicitly (outside any namespace, as the macro requires).
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace AppIcons {

QIcon icon(const QString& name)
{
    initIconResources();
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QIcon result;
    for (const int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

}  // namespace AppIcons
