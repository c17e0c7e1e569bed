// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kGreen(40, 160, 60);
const QColor kRed(210, 40, 40);

QPixmap blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap arrow(bool right) {
    QPixmap pixmap = blank(50, 25);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape({{2, 8}, {30, 8}, {30, 1}, {48, 12.5}, {30, 24}, {30, 17}, {2, 17}});
    if (!right) {
        for (QPointF& point : shape) {
            point.setX(50 - point.x());
        }
    }
    painter.setPen(QPen(kGreen.darker(140), 1));
    painter.setBrush(kGreen);
    painter.drawPolygon(shape);
    return pixmap;
}

} // namespace

QPixmap CButtonPictures::add() {
    QPixmap pixmap = blank(40, 40);
    QPainter painter(&pixmap);
    painter.fillRect(16, 5, 8, 30, kGreen);
    painter.fillRect(5, 16, 30, 8, kGreen);
    return pixmap;
}

QPixmap CButtonPictures::remove() {
    QPixmap pixmap = blank(40, 40);
    QPainter painter(&pixmap);
    painter.fillRect(5, 16, 30, 8, kRed);
    return pixmap;
}

QPixmap CButtonPictures::save() {
    QPixmap pixmap = blank(40, 40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(30, 4);
    body.lineTo(36, 10);
    body.lineTo(36, 36);
    body.lineTo(4, 36);
    body.closeSubpath();
    painter.setPen(QPen(QColor(20, 30, 80), 1));
    painter.setBrush(QColor(50, 70, 160));
    painter.drawPath(body);
    painter.fillRect(10, 4, 18, 11, QColor(200, 200, 210)); // shutter
    painter.fillRect(22, 6, 4, 7, QColor(50, 70, 160));
    painter.fillRect(9, 21, 22, 15, Qt::white); // label
    return pixmap;
}

QPixmap CButtonPictures::close() {
    QPixmap pixmap = blank(40, 40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGreen);
    painter.drawRoundedRect(QRectF(2, 2, 36, 36), 4, 4);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{10, 21}, {17, 28}, {30, 12}}));
    return pixmap;
}

QPixmap CButtonPictures::nextColour() {
    return arrow(true);
}

QPixmap CButtonPictures::previousColour() {
    return arrow(false);
}

QIcon CButtonPictures::programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap = blank(size, size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = size / 16.0;
        // Four coloured squares, like the pictures of a list.
        painter.fillRect(QRectF(0, 0, 8 * unit, 8 * unit), QColor(0xFD, 0xE1, 0x22));
        painter.fillRect(QRectF(8 * unit, 0, 8 * unit, 8 * unit), QColor(0x3F, 0xCE, 0xFD));
        painter.fillRect(QRectF(0, 8 * unit, 8 * unit, 8 * unit), QColor(0x70, 0xBA, 0x17));
        painter.fillRect(QRectF(8 * unit, 8 * unit, 8 * unit, 8 * unit), QColor(0xDB, 0x3A, 0x3A));
        painter.setPen(QPen(Qt::white, 2 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(
            QPolygonF({{4 * unit, 4 * unit}, {8 * unit, 12 * unit}, {12 * unit, 4 * unit}}));
        icon.addPixmap(pixmap);
    }
    return icon;
}
