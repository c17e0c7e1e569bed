// SPDX-License-Identifier: GPL-3.0-or-later
// The 100 x 75 preview of an exercise: its colour (with its alpha, so "no colour" shows the
// dialog behind), the chosen picture stretched over the whole rectangle, and a black outline.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

class CPreviewWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 75;

    explicit CPreviewWidget(QWidget* parent = nullptr);

    void setColour(std::uint32_t argb);
    std::uint32_t colour() const { return colour_; }

    // The picture a file's bytes hold, at the preview's size; null when they hold none, or one
    // larger than the game would show (which would take seconds and gigabytes to decode).
    static QImage decodePicture(const std::string& bytes);

    // The picture is kept until it is released; painting stretches it over the rectangle.
    // `fileName` says which file it was made from (even when it held no picture), so that the
    // same file need not be read and decoded again.
    void setPicture(QImage picture, QString fileName = {});
    void releasePicture();
    bool hasPicture() const { return !picture_.isNull(); }
    const QString& pictureFile() const { return pictureFile_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t colour_ = 0xFFFFFFFF;
    QImage picture_;
    QString pictureFile_;
};
