// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CMediaColumns.h"

#include "common/audio/SoundFormat.h"
#include "common/pictures/ImageFileSize.h"
#include "common/pictures/PictureRefusal.h"
#include "editor/dialog/CEditorMessages.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/QtText.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/CListUsers.h"
#include "editor/media/CFileErrorText.h"

#include <cerrno>

CMediaColumns::CMediaColumns(FileSystem& files, const std::u16string& language,
                             const EditorTexts& texts, CEditorControls& controls,
                             CEditorMessages& messages)
    : files_(files), language_(language), texts_(texts), controls_(controls),
      messages_(messages), folders_{CMediaFolder(files, CMediaKind(CMediaKind::Image), language),
                                    CMediaFolder(files, CMediaKind(CMediaKind::Sound), language),
                                    CMediaFolder(files, CMediaKind(CMediaKind::Speech), language)} {
}

CSortedColumn& CMediaColumns::column(CMediaKind::Kind kind) const {
    return controls_.column(static_cast<CEditorControls::Column>(CEditorControls::ImageColumn +
                                                                 static_cast<int>(kind)));
}

void CMediaColumns::fill(CMediaKind::Kind kind) {
    CSortedColumn& list = column(kind);
    list.removeAll();
    for (const std::u16string& name : folder(kind).fileNames()) {
        list.addEntry(toQString(name));
    }
    if (kind == CMediaKind::Speech) {
        list.addEntry(toQString(texts_[EditorTexts::NoneEntry]), true);
    }
}

void CMediaColumns::fillAll() {
    for (const CMediaFolder& each : folders_) {
        fill(each.kind().kind());
    }
}

void CMediaColumns::show(const Exercise* exercise) {
    for (const CMediaFolder& shown : folders_) {
        CSortedColumn& list = column(shown.kind().kind());
        if (exercise == nullptr) {
            list.removeSelection();
            continue;
        }
        // A stored name may be the start of the file's name (one without its extension); the
        // entry the user chose for it, or None for no file, stays chosen.
        const std::u16string& field = shown.kind().fieldOf(*exercise);
        const std::optional<QString> selected = list.selectedText();
        const bool showing =
            field.empty() ? !selected || list.selectedIsMarked() : selected == toQString(field);
        if (!showing) {
            list.selectFirstStartingWith(toQString(field));
        }
    }
    showPicture();
}

void CMediaColumns::showPicture() {
    // The same file is not read and decoded again: a large picture takes a while.
    CPreviewWidget& preview = *controls_.preview;
    const QString image = column(CMediaKind::Image).selectedText().value_or(QString());
    if (image == preview.pictureFile()) {
        return;
    }
    preview.releasePicture();
    if (!image.isEmpty()) {
        preview.setPicture(
            CPreviewWidget::decodePicture(folder(CMediaKind::Image).contentsOf(fromQString(image))),
            image);
    }
}

std::optional<std::u16string> CMediaColumns::chosenFile(CMediaKind::Kind kind) const {
    const CSortedColumn& list = column(kind);
    const std::optional<QString> chosen = list.selectedText();
    if (!chosen) {
        return std::nullopt;
    }
    return list.selectedIsMarked() ? std::u16string() : fromQString(*chosen);
}

void CMediaColumns::playChosen(CMediaKind::Kind kind, Sound& sound) {
    const std::optional<std::u16string> name = chosenFile(kind);
    if (kind != CMediaKind::Image && name && !name->empty()) {
        sound.playOnce(folder(kind).pathOf(*name));
    }
}

void CMediaColumns::addFile(CMediaKind::Kind kind) {
    const CMediaFolder& into = folder(kind);
    copyIn(kind, messages_.chooseFiles(toQString(into.kind().fileFilter(texts_)),
                                       files_.resolve(into.folder())));
}

void CMediaColumns::copyIn(CMediaKind::Kind kind,
                           const std::vector<std::filesystem::path>& sources) {
    CMediaFolder& into = folder(kind);
    QStringList problems;
    bool copied = false;
    for (const std::filesystem::path& source : sources) {
        std::u16string name;
        std::uint32_t error = 0;
        CMediaFolder::CopyResult result = into.copyIn(source, name, error);
        if (result == CMediaFolder::CopyResult::BadName ||
            result == CMediaFolder::CopyResult::AlreadyThere) {
            const std::optional<CMediaFolder::CopyResult> renamed =
                copyUnderOtherName(into, source, name, error);
            if (!renamed) {
                continue;
            }
            result = *renamed;
        }
        switch (result) {
        case CMediaFolder::CopyResult::Copied:
            if (const std::optional<QString> refusal = refuseCopy(into, name)) {
                problems.push_back(*refusal);
                break;
            }
            copied = true;
            break;
        case CMediaFolder::CopyResult::BadName:
            problems.push_back(
                toQString(texts_[EditorTexts::BadFileName]).arg(CEditorMessages::inQuotes(name)));
            break;
        case CMediaFolder::CopyResult::AlreadyThere:
            problems.push_back(
                toQString(texts_.with(EditorTexts::FileAlreadyThere, into.pathOf(name))));
            break;
        case CMediaFolder::CopyResult::Failed:
            problems.push_back(
                toQString(CFileErrorText::copyFailed(texts_, error, into.pathOf(name))));
            break;
        }
    }
    if (copied) {
        fill(kind);
    }
    if (!problems.isEmpty()) {
        messages_.tell(problems.join(QStringLiteral("\n")));
    }
}

namespace {

bool isVectorPicture(const std::string& bytes) {
    const std::optional<ImageFileSize> size = readImageFileSize(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    return size && size->format == ImageFormat::Svg;
}

} // namespace

std::optional<QString> CMediaColumns::refuseCopy(CMediaFolder& into, const std::u16string& name) {
    std::optional<QString> refusal;
    if (into.kind().kind() == CMediaKind::Image) {
        const std::string bytes = into.contentsOf(name);
        // Judged before the preview's decoder sees it, which could hang on it just the same.
        if (isVectorPicture(bytes) && !messages_.vectorDraws(bytes)) {
            refusal = messages_.pictureTooDemanding(name);
        } else if (CPreviewWidget::decodePicture(bytes).isNull()) {
            refusal = messages_.pictureRefused(
                name, pictureRefusal(std::span(reinterpret_cast<const unsigned char*>(bytes.data()),
                                               bytes.size())));
        }
    } else {
        const SoundFormat format = soundFormatOfFile(files_, into.pathOf(name));
        if (!playable(format) || !messages_.soundDecodes(into.pathOf(name))) {
            refusal = messages_.notASound(name, format == SoundFormat::Mpeg4Audio);
        }
    }
    if (refusal) {
        std::uint32_t removeError = 0;
        into.remove(name, removeError);
    }
    return refusal;
}

std::optional<CMediaFolder::CopyResult>
CMediaColumns::copyUnderOtherName(CMediaFolder& into, const std::filesystem::path& source,
                                  std::u16string& name, std::uint32_t& error) {
    const CItemName::Fault fault = CItemName::faultOf(name);
    std::u16string other = fault == CItemName::Fault::None ? name : CItemName::corrected(name);
    // The teacher's file is never hidden behind another of its name, such as the demo's own.
    if (files_.exists(into.pathOf(other))) {
        other = into.freeName(other);
    }
    if (!messages_.mayCopyAs(name, fault, other)) {
        return std::nullopt;
    }
    name = other;
    return into.copyInAs(source, name, error);
}

void CMediaColumns::deleteFile(CMediaKind::Kind kind) {
    const std::optional<std::u16string> name = chosenFile(kind);
    // The None entry stands for no file; there is nothing to delete.
    if (name && !name->empty()) {
        deleteFile(kind, *name);
    }
}

void CMediaColumns::deleteFile(CMediaKind::Kind kind, const std::u16string& name) {
    CMediaFolder& from = folder(kind);
    const CListFolder lists(files_, language_);
    if (!messages_.mayDeleteFile(texts_[from.kind().deleteQuestion()], name,
                                 CListUsers::listsNaming(lists, from.kind().field(), name))) {
        return;
    }
    if (kind == CMediaKind::Image) {
        controls_.preview->releasePicture(); // the picture's file is let go before it is removed
    }
    std::uint32_t error = 0;
    if (!from.remove(name, error)) {
        messages_.removeFailed(error, from.pathOf(name));
        return;
    }
    fill(kind);
}
