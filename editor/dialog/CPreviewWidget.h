// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of an exercise: the picture-and-word screen in miniature, as the child will see it.
// The exercise's colour fills it (opaque, as the game draws it; the game's grey for an exercise
// without a colour of its own), the picture sits in it whole and keeping its shape, and the text
// stands beneath in the black or white the game chooses for that colour. A black outline frames
// it.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

class CPreviewWidget : public QWidget {
    Q_OBJECT

public:
    // The game's 800 x 600 frame at 16 %, as wide as a column.
    static constexpr int kWidth = 128;
    static constexpr int kHeight = 96;

    explicit CPreviewWidget(QWidget* parent = nullptr);

    // The exercise's colour as stored; any ARGB value.
    void setColour(std::uint32_t argb);
    std::uint32_t colour() const { return colour_; }
    // The colour the game fills the screen with for an exercise of colour `argb`.
    static std::uint32_t shownColour(std::uint32_t argb);

    // The word shown beneath the picture; none when empty.
    void setText(const QString& text);
    const QString& text() const { return text_; }

    // The picture a file's bytes hold, decoded as the game decodes it: only the formats the game
    // shows, and only a size the game decodes (larger ones would take seconds and gigabytes); a
    // JPEG straight at a fraction of its size. Kept small enough for the preview, in its own
    // shape, standing upright as the game shows it. Null when there is none to show.
    static QImage decodePicture(const std::string& bytes);

    // The picture is kept until it is released. `fileName` says which file it was made from
    // (even when it held no picture), so that the same file need not be read and decoded again.
    void setPicture(QImage picture, QString fileName = {});
    void releasePicture();
    bool hasPicture() const { return !picture_.isNull(); }
    const QString& pictureFile() const { return pictureFile_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t colour_ = 0xFFFFFFFF;
    QString text_;
    QImage picture_;
    QString pictureFile_;
};
