// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CMediaKind.h"

#include "common/audio/SoundFormat.h"

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
    // The picture and sound formats the game shows and plays, in either letter case.
    if (kind_ == Image) {
        return texts[EditorTexts::ImageFiles] +
               u" (*.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff *.webp *.svg "
               u"*.PNG *.JPG *.JPEG *.GIF *.BMP *.TIF *.TIFF *.WEBP *.SVG)";
    }
    std::u16string lower;
    std::u16string upper;
    for (const std::u16string_view ending : kPlayableSoundEndings) {
        lower += u" *" + std::u16string(ending);
        upper += u" *";
        for (const char16_t c : ending) {
            upper += c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
        }
    }
    return texts[EditorTexts::SoundFiles] + u" (" + lower.substr(1) + upper + u")";
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
