#include "shell/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace velmora {

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = size / 16.0;
    const QRectF outer(edge, edge, size - 2 * edge, size - 2 * edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0, 0));
    painter.drawRoundedRect(outer, size / 8.0, size / 8.0);

    // The four-by-four chart with its empty centre.
    const qreal cell = (outer.width() - 2 * edge) / 4;
    const QPointF origin = outer.topLeft() + QPointF(edge, edge);
    QPen pen(QColor(0xff, 0xe0, 0x80));
    pen.setWidthF(qMax<qreal>(1.0, size / 32.0));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool centre = (row == 1 || row == 2) && (col == 1 || col == 2);
            if (!centre) painter.drawRect(QRectF(origin + QPointF(col * cell, row * cell), QSizeF(cell, cell)));
        }
    }
    painter.setBrush(QColor(0xff, 0xe0, 0x80));
    painter.drawEllipse(QRectF(origin + QPointF(1.5 * cell, 1.5 * cell), QSizeF(cell, cell)));
    return pixmap;
}

}  // namespace

QIcon VelmoraIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
    return icon;
}

}  // namespace velmora
