#include "dialog/qt/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace corvane {
namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // Rounded tile.
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(0x2f, 0x6f, 0xb5));
    tile.setColorAt(1, QColor(0x1a, 0x3f, 0x73));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    // Brackets.
    QPen bracket(Qt::white, qMax(1.0, s * 0.07), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(bracket);
    painter.setBrush(Qt::NoBrush);
    const qreal top = s * 0.2, bottom = s * 0.8, left = s * 0.18, right = s * 0.82, arm = s * 0.09;
    QPainterPath brackets;
    brackets.moveTo(left + arm, top);
    brackets.lineTo(left, top);
    brackets.lineTo(left, bottom);
    brackets.lineTo(left + arm, bottom);
    brackets.moveTo(right - arm, top);
    brackets.lineTo(right, top);
    brackets.lineTo(right, bottom);
    brackets.lineTo(right - arm, bottom);
    painter.drawPath(brackets);

    // A 3 x 3 matrix: the diagonal in orange, the other entries in white.
    painter.setPen(Qt::NoPen);
    const qreal cell = (bottom - top) / 3.0;
    const qreal dot = qMax(1.5, cell * 0.52);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == column ? QColor(0xff, 0xa5, 0x2e) : QColor(0xe8, 0xf0, 0xfa));
            QPointF centre(s * 0.5 + (column - 1) * cell, top + (row + 0.5) * cell);
            painter.drawRect(QRectF(centre.x() - dot / 2, centre.y() - dot / 2, dot, dot));
        }
    }
    return pixmap;
}

}  // namespace

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) drawn.addPixmap(drawIcon(size));
        return drawn;
    }();
    return icon;
}

}  // namespace corvane
