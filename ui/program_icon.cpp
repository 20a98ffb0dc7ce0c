#include "ui/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace ui {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(QPen(QColor(60, 60, 60), 2.5));
        painter.drawLine(QPointF(1, 16), QPointF(31, 16));
        painter.setPen(QPen(QColor(90, 70, 40), 1));
        painter.setBrush(QColor(255, 230, 149));
        painter.drawRoundedRect(QRectF(6, 9, 20, 14), 5, 5);
        const QColor bands[] = {QColor(255, 255, 0), QColor(192, 0, 192), QColor(255, 0, 0), QColor(192, 192, 0)};
        const qreal lefts[] = {9, 13, 17, 22};
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            painter.setBrush(bands[i]);
            painter.drawRect(QRectF(lefts[i], 9.5, 2, 13));
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ui
