#include "editor/dialog/CListEditorDialog.h"

#include "editor/dialog/CButtonPictures.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CTextBox.h"
#include "editor/dialog/QtText.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/ExerciseColours.h"
#include "editor/media/CFileErrorText.h"
#include "common/content/Language.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScopedValueRollback>
#include <QToolButton>
#include <algorithm>
#include <cerrno>

namespace {

constexpr std::u16string_view kClick = u"sfx\\click.wav";
constexpr std::uint32_t kNewExerciseColour = 0xFF000000;

// The alphabetical order of the language; English where the language is not known.
QLocale collationLocale(std::u16string_view language) {
    const std::vector<std::string> names = localeNamesFor(language);
    if (names.empty()) {
        return QLocale(QLocale::English);
    }
    const std::string& name = names.front();
    return QLocale(QString::fromStdString(name.substr(0, name.find('.'))));
}

QString inQuotes(std::u16string_view text) {
    return QStringLiteral("\"") + toQString(text) + QStringLiteral("\"");
}

} // namespace

CListEditorDialog::CListEditorDialog(FileSystem& files, Sound& sound, CEditorPlatform platform,
                                     QWidget* parent)
    : QDialog(parent), files_(files), sound_(sound), platform_(std::move(platform)),
      language_(readLanguage(files)), texts_(EditorTexts::read(files, language_)),
      lists_(files, language_),
      media_{CMediaFolder(files, CMediaKind(CMediaKind::Image), language_),
             CMediaFolder(files, CMediaKind(CMediaKind::Sound), language_),
             CMediaFolder(files, CMediaKind(CMediaKind::Speech), language_)},
      controls_(*this) {
    setObjectName(QStringLiteral("listEditor"));
    setWindowIcon(CButtonPictures::programIcon());
    setWindowTitle(QStringLiteral("Vimo! - ") + toQString(language_));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    const QLocale locale = collationLocale(language_);
    for (CSortedColumn* list : controls_.columns) {
        list->setCollationLocale(locale);
    }
    const std::array<EditorTexts::Text, CEditorControls::Columns> titles = {
        EditorTexts::ListTitle, EditorTexts::ExerciseTitle, EditorTexts::ImageTitle,
        EditorTexts::SoundTitle, EditorTexts::SpeechTitle};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        controls_.titles[i]->setText(toQString(texts_[titles[i]]));
    }
    controls_.textTitle->setText(toQString(texts_[EditorTexts::TextTitle]));
    controls_.preview->setColour(ExerciseColours::at(colourIndex_));

    connect(&column(CEditorControls::ListColumn), &CSortedColumn::chosen, this,
            &CListEditorDialog::listChosen);
    connect(&column(CEditorControls::ExerciseColumn), &CSortedColumn::chosen, this,
            &CListEditorDialog::showExercise);
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        connect(&mediaColumn(kind), &CSortedColumn::chosen, this,
                [this, kind] { mediaChosen(kind); });
        const auto index = static_cast<std::size_t>(static_cast<int>(CEditorControls::ImageColumn) +
                                                    static_cast<int>(kind));
        connect(controls_.addButtons[index], &QToolButton::clicked, this,
                [this, kind] { addMediaFile(kind); });
        connect(controls_.deleteButtons[index], &QToolButton::clicked, this,
                [this, kind] { deleteMediaFile(kind); });
    }
    connect(controls_.addButtons[CEditorControls::ListColumn], &QToolButton::clicked, this,
            &CListEditorDialog::addList);
    connect(controls_.deleteButtons[CEditorControls::ListColumn], &QToolButton::clicked, this,
            &CListEditorDialog::deleteList);
    connect(controls_.addButtons[CEditorControls::ExerciseColumn], &QToolButton::clicked, this,
            &CListEditorDialog::addExercise);
    connect(controls_.deleteButtons[CEditorControls::ExerciseColumn], &QToolButton::clicked, this,
            &CListEditorDialog::deleteExercise);
    connect(controls_.textBox, &CTextBox::focusLost, this, [this](Qt::FocusReason reason) {
        // The box's own context menu takes the focus for a moment; that is no leaving.
        if (reason != Qt::PopupFocusReason) {
            storeText();
        }
    });
    connect(controls_.nextColour, &QToolButton::clicked, this, [this] { moveColour(true); });
    connect(controls_.previousColour, &QToolButton::clicked, this, [this] { moveColour(false); });
    connect(controls_.save, &QToolButton::clicked, this, [this] { saveList(); });
    connect(controls_.close, &QToolButton::clicked, this, &CListEditorDialog::closeButton);

    refreshAll();
    column(CEditorControls::ListColumn).setFocus();
}

CListEditorDialog::~CListEditorDialog() {
    // The controls outlive this part of the dialog; nothing they signal while Qt takes them
    // down (a lost focus, an emptied column) may reach it.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->blockSignals(true);
    }
}

CSortedColumn& CListEditorDialog::column(CEditorControls::Column which) const {
    return *controls_.columns[static_cast<std::size_t>(which)];
}

CSortedColumn& CListEditorDialog::mediaColumn(CMediaKind::Kind kind) const {
    return column(static_cast<CEditorControls::Column>(
        static_cast<int>(CEditorControls::ImageColumn) + static_cast<int>(kind)));
}

CMediaFolder& CListEditorDialog::media(CMediaKind::Kind kind) {
    return media_[static_cast<std::size_t>(kind)];
}

// ---- Columns and selection -------------------------------------------------------------------

void CListEditorDialog::refreshAll() {
    for (CSortedColumn* list : controls_.columns) {
        list->removeAll();
    }
    // No list is selected now, so the held exercises can be neither shown nor written.
    loadedList_.reset();
    unsaved_ = false;
    showNoExercise();
    enumerateLists();
    for (const std::u16string& name : listNames_) {
        column(CEditorControls::ListColumn).addEntry(toQString(name));
    }
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        fillMediaColumn(kind);
    }
}

void CListEditorDialog::enumerateLists() {
    listNames_ = lists_.enumerateLists();
}

void CListEditorDialog::fillExerciseColumn() {
    CSortedColumn& exercises = column(CEditorControls::ExerciseColumn);
    exercises.removeAll();
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        mediaColumn(kind).removeSelection();
    }
    for (const Exercise& exercise : exercises_) {
        exercises.addEntry(toQString(exercise.name));
    }
    showNoExercise();
}

void CListEditorDialog::fillMediaColumn(CMediaKind::Kind kind) {
    CSortedColumn& list = mediaColumn(kind);
    list.removeAll();
    for (const std::u16string& name : media(kind).fileNames()) {
        list.addEntry(toQString(name));
    }
    if (kind == CMediaKind::Speech) {
        list.addEntry(toQString(texts_[EditorTexts::NoneEntry]), true);
    }
}

void CListEditorDialog::listChosen() {
    sound_.stop();
    const std::optional<QString> chosen = column(CEditorControls::ListColumn).selectedText();
    if (!chosen) {
        return;
    }
    // Changes that could not be written are not dropped without the user's word.
    if (!settleUnsavedChanges()) {
        CSortedColumn& lists = column(CEditorControls::ListColumn);
        if (loadedList_) {
            lists.selectEqualTo(toQString(*loadedList_));
        } else {
            lists.removeSelection();
        }
        return;
    }
    // The file may have gone since the column was filled (removed by hand, or by another
    // editor): the columns are made anew rather than showing it as an empty list.
    const std::u16string name = fromQString(*chosen);
    if (!lists_.exists(name)) {
        platform_.showError(
            this,
            QStringLiteral("The list %1 is no longer there.").arg(toQString(lists_.pathOf(name))));
        refreshAll();
        return;
    }
    controls_.textBox->clear();
    loadList(name);
    fillExerciseColumn();
    updatePreview();
}

void CListEditorDialog::showExercise() {
    if (!column(CEditorControls::ExerciseColumn).selectedText()) {
        showNoExercise();
        return;
    }
    sound_.stop();
    if (const Exercise* exercise = chosenExercise()) {
        for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
            // A stored name may be the start of the file's name (one without its extension).
            mediaColumn(kind).selectFirstStartingWith(
                toQString(media(kind).kind().fieldOf(*exercise)));
        }
        controls_.textBox->setText(toQString(exercise->text));
        controls_.textBox->setEnabled(true);
        colourIndex_ = ExerciseColours::findColourIndex(colourIndex_, exercise->colour);
    } else {
        showNoExercise();
    }
    updatePreview();
}

void CListEditorDialog::showNoExercise() {
    // With no exercise to take it, text typed here would be lost: the box is empty and closed.
    // Closing the box may take the focus from it; that is no leaving by the user.
    const QScopedValueRollback<bool> quiet(textBoxQuiet_, true);
    controls_.textBox->clear();
    controls_.textBox->setEnabled(false);
}

Exercise* CListEditorDialog::chosenExercise() {
    const std::optional<QString> chosen = column(CEditorControls::ExerciseColumn).selectedText();
    if (!chosen || !loadedList_) {
        return nullptr;
    }
    const std::u16string name = fromQString(*chosen);
    // Names need not be unique: the first one in file order is the one meant.
    const auto found =
        std::find_if(exercises_.begin(), exercises_.end(),
                     [&](const Exercise& exercise) { return exercise.name == name; });
    return found == exercises_.end() ? nullptr : &*found;
}

// ---- Lists and exercises ---------------------------------------------------------------------

void CListEditorDialog::loadList(const std::u16string& name) {
    exercises_ = lists_.load(name);
    loadedList_ = name;
    unsaved_ = false;
}

bool CListEditorDialog::saveList() {
    if (!loadedList_ || saving_) {
        return true;
    }
    const QScopedValueRollback<bool> saving(saving_, true);
    if (lists_.save(*loadedList_, exercises_)) {
        unsaved_ = false;
        return true;
    }
    // The file on disk is whole, and the exercises stay here until they can be written.
    unsaved_ = true;
    platform_.showError(this,
                        toQString(texts_[EditorTexts::SaveFailed] + lists_.pathOf(*loadedList_)));
    return false;
}

bool CListEditorDialog::askToDiscardUnsaved() {
    if (platform_.askYesNo(this, QStringLiteral("The changes to the list %1 could not be saved. "
                                                "Discard them?")
                                     .arg(inQuotes(*loadedList_)))) {
        unsaved_ = false;
        return true;
    }
    return false;
}

bool CListEditorDialog::settleUnsavedChanges() {
    return !unsaved_ || !loadedList_ || saveList() || askToDiscardUnsaved();
}

void CListEditorDialog::addList() {
    playClick();
    const std::optional<QString> typed = platform_.askName(this);
    if (!typed || typed->isEmpty()) {
        return;
    }
    const std::u16string name = fromQString(*typed);
    // The name becomes a file in data\<language>\ and nowhere else.
    if (!CItemName::isPortableFileName(name)) {
        platform_.showError(this, QStringLiteral("%1 cannot be the name of a list. A name may not "
                                                 "contain / \\ < > : \" | ? * or line breaks, "
                                                 "be . or .., or end with a blank or a dot.")
                                      .arg(inQuotes(name)));
        return;
    }
    if (lists_.exists(name) &&
        !platform_.askYesNo(this, QStringLiteral("A list named %1 exists already. Replace it "
                                                 "with an empty list?")
                                      .arg(inQuotes(name)))) {
        return;
    }
    if (loadedList_ && !saveList() && !askToDiscardUnsaved()) {
        return;
    }
    exercises_.clear();
    loadedList_.reset();
    const bool created = lists_.save(name, exercises_);
    refreshAll();
    if (!created) {
        platform_.showError(this, toQString(texts_[EditorTexts::SaveFailed] + lists_.pathOf(name)));
        return;
    }
    CSortedColumn& lists = column(CEditorControls::ListColumn);
    if (lists.selectFirstStartingWith(toQString(name))) {
        loadedList_ = fromQString(*lists.selectedText());
    }
}

void CListEditorDialog::deleteList() {
    playClick();
    const std::optional<QString> chosen = column(CEditorControls::ListColumn).selectedText();
    if (!chosen) {
        return;
    }
    const std::u16string name = fromQString(*chosen);
    if (!platform_.askYesNo(this,
                            toQString(texts_[EditorTexts::DeleteListQuestion] + name + u"?"))) {
        return;
    }
    std::uint32_t error = 0;
    if (!lists_.remove(name, error)) {
        platform_.showError(this,
                            toQString(CFileErrorText::removeFailed(error, lists_.pathOf(name))));
        // A list removed by other means leaves the column with the others.
        if (error != ENOENT) {
            return;
        }
    }
    refreshAll();
}

void CListEditorDialog::addExercise() {
    playClick();
    if (!loadedList_) {
        return;
    }
    const std::optional<QString> typed = platform_.askName(this);
    if (typed && !typed->isEmpty()) {
        Exercise exercise;
        exercise.name = CItemName::onOneLine(fromQString(*typed));
        exercise.colour = kNewExerciseColour;
        exercises_.push_back(std::move(exercise));
        fillExerciseColumn();
    }
    saveList();
}

void CListEditorDialog::deleteExercise() {
    const Exercise* exercise = chosenExercise();
    if (exercise == nullptr) {
        return;
    }
    exercises_.erase(exercises_.begin() + (exercise - exercises_.data()));
    playClick();
    fillExerciseColumn();
    saveList();
}

void CListEditorDialog::storeText() {
    if (ending_ || saving_ || textBoxQuiet_) {
        return;
    }
    Exercise* exercise = chosenExercise();
    if (exercise == nullptr || !takeTypedText(*exercise)) {
        return;
    }
    saveList();
}

bool CListEditorDialog::takeTypedText(Exercise& exercise) {
    // Only what the user typed is taken: an untouched box leaves the exercise and its file alone.
    CTextBox& box = *controls_.textBox;
    if (!box.isEnabled() || !box.isModified()) {
        return false;
    }
    exercise.text = CItemName::onOneLine(fromQString(box.text()));
    box.setModified(false);
    return true;
}

void CListEditorDialog::moveColour(bool forward) {
    Exercise* exercise = chosenExercise();
    if (exercise == nullptr) {
        return;
    }
    colourIndex_ =
        forward ? ExerciseColours::next(colourIndex_) : ExerciseColours::previous(colourIndex_);
    exercise->colour = ExerciseColours::at(colourIndex_);
    updatePreview();
    saveList();
}

// ---- Media files and the preview -------------------------------------------------------------

void CListEditorDialog::mediaChosen(CMediaKind::Kind kind) {
    CSortedColumn& list = mediaColumn(kind);
    if (kind != CMediaKind::Speech) {
        sound_.stop();
    }
    const std::optional<QString> chosen = list.selectedText();
    Exercise* exercise = chosenExercise();
    if (!chosen || exercise == nullptr) {
        return;
    }
    const std::u16string name = fromQString(*chosen);
    std::u16string& field = media(kind).kind().fieldOf(*exercise);
    switch (kind) {
    case CMediaKind::Image:
        updatePreview();
        field = name;
        break;
    case CMediaKind::Sound:
        sound_.playOnce(media(kind).pathOf(name));
        field = name;
        break;
    case CMediaKind::Speech:
        if (list.selectedIsMarked()) {
            field.clear(); // the None entry: the exercise has no speech
        } else {
            sound_.playOnce(media(kind).pathOf(name));
            field = name;
        }
        break;
    }
    saveList();
}

void CListEditorDialog::addMediaFile(CMediaKind::Kind kind) {
    playClick();
    CMediaFolder& folder = media(kind);
    const std::optional<std::filesystem::path> source = platform_.chooseFile(
        this, toQString(folder.kind().fileFilter()), files_.resolve(folder.folder()));
    if (!source) {
        return;
    }
    std::u16string name;
    switch (folder.copyIn(*source, name)) {
    case CMediaFolder::CopyResult::Copied:
        fillMediaColumn(kind);
        return;
    case CMediaFolder::CopyResult::BadName:
        platform_.showError(this, QStringLiteral("The file %1 cannot be copied into the content "
                                                 "folder under this name. Please rename it first.")
                                      .arg(inQuotes(name)));
        return;
    case CMediaFolder::CopyResult::AlreadyThere:
        platform_.showError(this, QStringLiteral("%1 is already there. Nothing was copied.")
                                      .arg(toQString(folder.pathOf(name))));
        return;
    case CMediaFolder::CopyResult::Failed:
        platform_.showError(this, QStringLiteral("The file could not be copied to %1.")
                                      .arg(toQString(folder.pathOf(name))));
        return;
    }
}

void CListEditorDialog::deleteMediaFile(CMediaKind::Kind kind) {
    playClick();
    CSortedColumn& list = mediaColumn(kind);
    const std::optional<QString> chosen = list.selectedText();
    // The None entry stands for no file; there is nothing to delete.
    if (!chosen || list.selectedIsMarked()) {
        return;
    }
    CMediaFolder& folder = media(kind);
    if (!platform_.askYesNo(this, toQString(texts_[folder.kind().deleteQuestion()]))) {
        return;
    }
    if (kind == CMediaKind::Image) {
        controls_.preview->releasePicture();
    }
    const std::u16string name = fromQString(*chosen);
    std::uint32_t error = 0;
    if (!folder.remove(name, error)) {
        platform_.showError(this,
                            toQString(CFileErrorText::removeFailed(error, folder.pathOf(name))));
        return;
    }
    fillMediaColumn(kind);
}

void CListEditorDialog::updatePreview() {
    CPreviewWidget& preview = *controls_.preview;
    preview.releasePicture();
    if (const std::optional<QString> image = mediaColumn(CMediaKind::Image).selectedText()) {
        preview.setPicture(CPreviewWidget::decodePicture(
            media(CMediaKind::Image).contentsOf(fromQString(*image))));
    }
    preview.setColour(ExerciseColours::at(colourIndex_));
}

// ---- Clicks and ending -----------------------------------------------------------------------

void CListEditorDialog::playClick() {
    sound_.playOnce(kClick);
}

void CListEditorDialog::closeButton() {
    sound_.playToEnd(kClick);
    accept();
}

bool CListEditorDialog::keepWorkBeforeEnding() {
    if (Exercise* exercise = chosenExercise()) {
        takeTypedText(*exercise);
    }
    if (!loadedList_ || saveList()) {
        return true;
    }
    return platform_.askYesNo(this, QStringLiteral("The list %1 could not be saved. Close the "
                                                   "editor anyway? The changes will be lost.")
                                        .arg(inQuotes(*loadedList_)));
}

void CListEditorDialog::done(int result) {
    if (!ending_) {
        if (!keepWorkBeforeEnding()) {
            return; // the user keeps working
        }
        ending_ = true;
        controls_.preview->releasePicture();
    }
    QDialog::done(result);
}

void CListEditorDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    // Enter anywhere ends the editor, as it always has; Esc is the dialog's own Cancel.
    if (enter && plain) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
