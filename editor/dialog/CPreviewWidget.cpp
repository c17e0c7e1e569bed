// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CPreviewWidget.h"

#include "common/content/Exercise.h"
#include "common/pictures/ImageFileSize.h"
#include "common/pictures/PictureFit.h"
#include "common/pictures/PictureOrientation.h"
#include "common/pictures/ReadableText.h"
#include "common/pictures/WordFit.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The picture-and-word screen's layout in its 800 x 600 frame: a 600 x 450 picture box, at the
// top with the word 20 pixels beneath it, or in the middle without a word; the word 80 pixels
// high in the game's font, fitted to the width as the game fits it.
constexpr float kScale = static_cast<float>(CPreviewWidget::kWidth) / 800.0f;
constexpr RectF kPictureWithWord{100 * kScale, 0, 600 * kScale, 450 * kScale};
constexpr RectF kPictureAlone{100 * kScale, 75 * kScale, 600 * kScale, 450 * kScale};
constexpr float kWordTop = 470 * kScale;
// Pictures are kept at twice the preview's size, sharp on screens that scale by two.
constexpr int kKeptScale = 2;

const char* formatName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return "png";
    case ImageFormat::Jpeg:
        return "jpeg";
    case ImageFormat::Gif:
        return "gif";
    case ImageFormat::Bmp:
        return "bmp";
    case ImageFormat::Tiff:
        return "tiff";
    case ImageFormat::WebP:
        return "webp";
    case ImageFormat::Svg:
        break;
    }
    return "svg";
}

QSize keptSize(std::uint32_t width, std::uint32_t height) {
    const RectF fitted =
        fitInside(static_cast<int>(width), static_cast<int>(height),
                  RectF{0, 0, kPictureAlone.width * kKeptScale, kPictureAlone.height * kKeptScale});
    return QSize(std::max(1, static_cast<int>(std::lround(fitted.width))),
                 std::max(1, static_cast<int>(std::lround(fitted.height))));
}

// `picture` (ARGB32_Premultiplied, whose rows are whole pixels apart) standing upright.
QImage uprightImage(const QImage& picture, PictureOrientation orientation) {
    if (orientation == PictureOrientation::Upright) {
        return picture;
    }
    const QSize size = swapsSides(orientation) ? picture.size().transposed() : picture.size();
    QImage upright(size, QImage::Format_ARGB32_Premultiplied);
    if (upright.isNull()) {
        return {};
    }
    turnUpright(orientation, reinterpret_cast<const std::uint32_t*>(picture.constBits()),
                picture.width(), picture.height(), static_cast<int>(picture.bytesPerLine() / 4),
                reinterpret_cast<std::uint32_t*>(upright.bits()),
                static_cast<int>(upright.bytesPerLine() / 4));
    return upright;
}

QRectF toQRectF(RectF rect) {
    return QRectF(rect.x, rect.y, rect.width, rect.height);
}

} // namespace

CPreviewWidget::CPreviewWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
}

void CPreviewWidget::setColour(std::uint32_t argb) {
    colour_ = argb;
    update();
}

std::uint32_t CPreviewWidget::shownColour(std::uint32_t argb) {
    // The game copies its frames without blending: a transparent colour shows its channels.
    return argb == kNoOwnColour ? kUseExerciseColour : argb | 0xFF000000u;
}

void CPreviewWidget::setText(const QString& text) {
    text_ = text;
    update();
}

QImage CPreviewWidget::decodePicture(const std::string& bytes) {
    const std::optional<ImageFileSize> size = readImageFileSize(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    if (!size || !isDecodableSize(*size)) {
        return {};
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatName(size->format));
    // Turned upright here, as the game turns it, from the orientation the game reads.
    reader.setAutoTransform(false);
    const QSize upright = keptSize(size->uprightWidth(), size->uprightHeight());
    const QSize kept = swapsSides(size->orientation) ? upright.transposed() : upright;
    if (size->format == ImageFormat::Svg || size->format == ImageFormat::Jpeg) {
        // An SVG is drawn at the size it is shown, as the game does; a JPEG is decoded straight
        // at a fraction of its size no smaller than that, so a large photo costs little memory.
        reader.setScaledSize(kept);
    } else if (!isDecodableWhole(size->width, size->height)) {
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        return {};
    }
    // Pictures of 16 bits a channel (and every other pixel format) become 8-bit ARGB before
    // they are scaled, the one format the scaling and painting handle alike everywhere.
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (picture.size() != kept) {
        picture = picture.scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return uprightImage(picture, size->orientation);
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
    const std::uint32_t background = shownColour(colour_);
    painter.fillRect(area, QColor::fromRgba(background));
    const bool withWord = !text_.isEmpty();
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(toQRectF(fitInside(picture_.width(), picture_.height(),
                                             withWord ? kPictureWithWord : kPictureAlone)),
                          picture_);
    }
    if (withWord) {
        QFont font;
        font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
        font.setStyleHint(QFont::SansSerif);
        // Fitted in the game's pixels, as the game fits it, then drawn at the preview's scale.
        const FittedWord fitted =
            fitWord(text_.toStdU16String(), [&font](std::u16string_view line, int pixels) {
                QFont sized = font;
                sized.setPixelSize(pixels);
                return static_cast<float>(QFontMetricsF(sized).horizontalAdvance(
                    QString::fromStdU16String(std::u16string(line))));
            });
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(static_cast<float>(fitted.pixels) * kScale))));
        painter.setFont(font);
        painter.setPen(QColor::fromRgba(readableTextColour(background)));
        const QRectF line(0, kWordTop, kWidth, kHeight - kWordTop);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromStdU16String(fitted.text));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
