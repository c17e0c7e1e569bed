// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CMediaKind.h"

std::u16string CMediaKind::folder(std::u16string_view language) const {
    switch (kind_) {
    case Image:
        return u"gfx\\images\\";
    case Sound:
        return u"sfx\\images\\";
    case Speech:
        break;
    }
    return u"speech\\" + std::u16string(language) + u"\\";
}

std::u16string Exercise::*CMediaKind::field() const {
    switch (kind_) {
    case Image:
        return &Exercise::image;
    case Sound:
        return &Exercise::sound;
    case Speech:
        break;
    }
    return &Exercise::speech;
}

std::u16string CMediaKind::fileFilter(const EditorTexts& texts) const {
    // The picture formats the game shows, and wave files, in either letter case.
    return kind_ == Image ? texts[EditorTexts::ImageFiles] +
                                u" (*.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff *.webp *.svg "
                                u"*.PNG *.JPG *.JPEG *.GIF *.BMP *.TIF *.TIFF *.WEBP *.SVG)"
                          : texts[EditorTexts::SoundFiles] + u" (*.wav *.WAV)";
}

EditorTexts::Text CMediaKind::deleteQuestion() const {
    switch (kind_) {
    case Image:
        return EditorTexts::DeleteImageQuestion;
    case Sound:
        return EditorTexts::DeleteSoundQuestion;
    case Speech:
        break;
    }
    return EditorTexts::DeleteSpeechQuestion;
}
