// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CPreviewWidget.h"

#include "common/pictures/ImageFileSize.h"

#include <QByteArray>
#include <QPainter>
#include <utility>

CPreviewWidget::CPreviewWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
}

void CPreviewWidget::setColour(std::uint32_t argb) {
    colour_ = argb;
    update();
}

QImage CPreviewWidget::decodePicture(const std::string& bytes) {
    const std::optional<ImageFileSize> size = readImageFileSize(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    QImage picture;
    if (!size || !isDecodableSize(*size) ||
        !picture.loadFromData(
            QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))) {
        return {};
    }
    // Only the preview's own size is kept: a camera photo would hold a hundred megabytes.
    return picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void CPreviewWidget::setPicture(QImage picture, QString fileName) {
    picture_ = std::move(picture);
    pictureFile_ = std::move(fileName);
    update();
}

void CPreviewWidget::releasePicture() {
    picture_ = QImage();
    pictureFile_.clear();
    update();
}

void CPreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area(0, 0, kWidth, kHeight);
    painter.fillRect(area, QColor::fromRgba(colour_));
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture_); // stretched: the rectangle's shape wins
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
