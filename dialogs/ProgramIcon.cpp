#include "dialogs/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumorca {

// A listing sheet with coloured source lines under a magnifying glass.
QPixmap ProgramPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    const QRectF sheet(8, 4, 40, 52);
    p.setPen(QPen(QColor(0x30, 0x40, 0x60), 1.5));
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    paper.setColorAt(1, QColor(0xDD, 0xE4, 0xF0));
    p.setBrush(paper);
    p.drawRoundedRect(sheet, 3, 3);

    const QColor lines[] = {QColor(0x00, 0x00, 0xFF), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00),
                            QColor(0x00, 0x00, 0x00), QColor(0xFF, 0x80, 0x00), QColor(0x80, 0x80, 0x80)};
    const int indents[] = {0, 4, 8, 8, 4, 0};
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(lines[i], 3, Qt::SolidLine, Qt::RoundCap));
        const qreal y = 12 + i * 7;
        p.drawLine(QPointF(14 + indents[i], y), QPointF(42 - (i % 3) * 5, y));
    }

    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 48), QPointF(60, 60));
    p.setPen(QPen(QColor(0x20, 0x30, 0x50), 3));
    p.setBrush(QColor(0xA0, 0xC8, 0xFF, 0x70));
    p.drawEllipse(QPointF(40, 40), 12, 12);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(ProgramPixmap(size));
    return icon;
}

}  // namespace lumorca
