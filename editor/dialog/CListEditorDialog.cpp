// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CListEditorDialog.h"

#include "common/content/Language.h"
#include "editor/dialog/CFileDropTarget.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSessionLogDialog.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CSwitchSettingsDialog.h"
#include "editor/dialog/CTextBox.h"
#include "editor/dialog/QtText.h"
#include "editor/lists/CItemName.h"
#include "editor/lists/CListUsers.h"
#include "editor/lists/ExerciseColours.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <utility>

namespace {

constexpr std::u16string_view kClick = u"sfx\\click.wav";

} // namespace

CListEditorDialog::CListEditorDialog(FileSystem& files, Sound& sound, CEditorPlatform platform,
                                     QWidget* parent)
    : QDialog(parent), files_(files), sound_(sound), language_(readLanguage(files)),
      texts_(EditorTexts::read(files, language_)), lists_(files, language_), controls_(*this),
      messages_(std::move(platform), texts_, *this, *controls_.textBox),
      media_(files, language_, texts_, controls_, messages_), edited_(lists_) {
    setWindowTitle(QStringLiteral("Vimo! - ") + toQString(language_));
    controls_.showLanguage(texts_, language_);
    connectControls();
    lists_.askBeforeWritingOver([this](std::u16string_view name) {
        reloadChosen_ = !messages_.mayWriteOverChangedList(name);
        return !reloadChosen_;
    });
    connectReplays();
    refreshAll();
    controls_.column(CEditorControls::ListColumn).setFocus();
}

CListEditorDialog::~CListEditorDialog() {
    // The controls outlive this part of the dialog; nothing they signal while Qt takes them
    // down (a lost focus, an emptied column) may reach it.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->blockSignals(true);
    }
}

void CListEditorDialog::connectControls() {
    using Controls = CEditorControls;
    const auto onClick = [this](QToolButton* button, auto action) {
        connect(button, &QToolButton::clicked, this, action);
    };
    connect(&controls_.column(Controls::ListColumn), &CSortedColumn::chosen, this,
            &CListEditorDialog::listChosen);
    connect(&controls_.column(Controls::ExerciseColumn), &CSortedColumn::chosen, this,
            &CListEditorDialog::exerciseChosen);
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        const auto index = Controls::ImageColumn + static_cast<std::size_t>(kind);
        connect(controls_.columns[index], &CSortedColumn::chosen, this,
                [this, kind] { mediaChosen(kind); });
        // Slots run in the order connected: the click sounds first.
        for (QToolButton* button : {controls_.addButtons[index], controls_.deleteButtons[index]}) {
            onClick(button, &CListEditorDialog::playClick);
        }
        onClick(controls_.addButtons[index], [this, kind] { media_.addFile(kind); });
        // Files dropped on the column are copied in as added ones are.
        connect(new CFileDropTarget(*controls_.columns[index]->viewport()),
                &CFileDropTarget::dropped, this,
                [this, kind](const std::vector<std::filesystem::path>& files) {
                    media_.copyIn(kind, files);
                });
        onClick(controls_.deleteButtons[index], [this, kind] { media_.deleteFile(kind); });
    }
    // F2 or a double click renames the chosen list or exercise.
    const auto onRename = [this](CSortedColumn& column, auto action) {
        connect(&column, &QListWidget::itemDoubleClicked, this, action);
        connect(
            new QShortcut(QKeySequence(Qt::Key_F2), &column, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, action);
    };
    onRename(controls_.column(Controls::ListColumn), &CListEditorDialog::renameList);
    onRename(controls_.column(Controls::ExerciseColumn), &CListEditorDialog::renameExercise);
    onClick(controls_.addButtons[Controls::ListColumn], &CListEditorDialog::addList);
    onClick(controls_.deleteButtons[Controls::ListColumn], &CListEditorDialog::deleteList);
    onClick(controls_.addButtons[Controls::ExerciseColumn], &CListEditorDialog::addExercise);
    onClick(controls_.deleteButtons[Controls::ExerciseColumn], &CListEditorDialog::deleteExercise);
    connect(controls_.textBox, &CTextBox::focusLost, this, [this](Qt::FocusReason reason) {
        // The box's own context menu takes the focus for a moment; that is no leaving.
        if (reason != Qt::PopupFocusReason) {
            storeText();
        }
    });
    connect(controls_.textBox, &CTextBox::textEdited, controls_.preview, &CPreviewWidget::setText);
    onClick(controls_.playEarlier, [this] { moveInPlayOrder(true); });
    onClick(controls_.playLater, [this] { moveInPlayOrder(false); });
    onClick(controls_.nextColour, [this] { moveColour(true); });
    onClick(controls_.previousColour, [this] { moveColour(false); });
    onClick(controls_.save, [this] {
        if (mayRewrite()) {
            saved(edited_.save());
        }
    });
    onClick(controls_.close, &CListEditorDialog::closeButton);
    connect(controls_.switchSettings, &QPushButton::clicked, this,
            &CListEditorDialog::openSwitchSettings);
    connect(controls_.sessionLog, &QPushButton::clicked, this,
            [this] { CSessionLogDialog(files_, texts_, this).exec(); });
}

void CListEditorDialog::openSwitchSettings() {
    auto* settings = new CSwitchSettingsDialog(
        files_, texts_, messages_.openControllers(),
        [this](const QString& message) { messages_.tell(message); }, this);
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->open();
}

void CListEditorDialog::refreshAll() {
    CSortedColumn& lists = controls_.column(CEditorControls::ListColumn);
    lists.removeAll();
    for (const std::u16string& name : lists_.enumerateLists()) {
        lists.addEntry(toQString(name));
    }
    media_.fillAll();
    fillExerciseColumn();
}

void CListEditorDialog::fillExerciseColumn() {
    CSortedColumn& exercises = controls_.column(CEditorControls::ExerciseColumn);
    exercises.removeAll();
    for (const Exercise& exercise : edited_.exercises()) {
        exercises.addEntry(toQString(exercise.name));
    }
    showState();
}

void CListEditorDialog::showState() {
    // Closing or filling the text box may take the focus from it; that is no leaving by the user.
    const QSignalBlocker quiet(controls_.textBox);
    const Exercise* exercise = edited_.chosen();
    const auto shown = [exercise](std::u16string Exercise::*field) {
        return exercise != nullptr ? std::optional(toQString(exercise->*field)) : std::nullopt;
    };
    const std::optional<std::u16string>& list = edited_.name();
    controls_.column(CEditorControls::ListColumn)
        .showChosen(list ? std::optional(toQString(*list)) : std::nullopt);
    controls_.column(CEditorControls::ExerciseColumn).showChosen(shown(&Exercise::name));
    controls_.textBox->showText(shown(&Exercise::text));
    showPlayOrder();
    media_.show(exercise);
    // The preview shows the exercise's own colour, in or out of the palette.
    controls_.preview->setColour(exercise != nullptr ? exercise->colour
                                                     : ExerciseColours::at(edited_.colourIndex()));
    controls_.preview->setText(shown(&Exercise::text).value_or(QString()));
}

void CListEditorDialog::showPlayOrder() {
    const std::optional<std::size_t> place = edited_.chosenPlace();
    const std::size_t count = edited_.exercises().size();
    controls_.playOrder->setText(place ? messages_.playOrder(*place + 1, count) : QString());
    controls_.playEarlier->setEnabled(place && *place > 0);
    controls_.playLater->setEnabled(place && *place + 1 < count);
}

void CListEditorDialog::moveInPlayOrder(bool earlier) {
    if (edited_.chosen() != nullptr) {
        saved(edited_.moveChosen(earlier));
        showState();
    }
}

void CListEditorDialog::listChosen() {
    sound_.stop();
    const std::optional<QString> chosen =
        controls_.column(CEditorControls::ListColumn).selectedText();
    if (!chosen) {
        return;
    }
    // Changes that could not be written are not dropped without the user's word.
    if (!letGoOfUnsaved()) {
        showState();
        return;
    }
    if (edited_.open(fromQString(*chosen)) == CEditedList::Opening::NotThere) {
        messages_.listGone(lists_.pathOf(fromQString(*chosen)));
        refreshAll();
        return;
    }
    fillExerciseColumn();
    tellLinesAfterEnd();
}

void CListEditorDialog::exerciseChosen() {
    const std::optional<QString> chosen =
        controls_.column(CEditorControls::ExerciseColumn).selectedText();
    if (!chosen) {
        return;
    }
    sound_.stop();
    storeText(); // typing not taken yet belongs to the exercise chosen before
    edited_.choose(fromQString(*chosen));
    showState();
}

bool CListEditorDialog::refusesListName(std::u16string_view name) {
    // A list's name becomes a file in data\<language>\ and nowhere else.
    if (const CItemName::Fault fault = CItemName::faultOf(name); fault != CItemName::Fault::None) {
        messages_.refuseListName(name, fault);
        return true;
    }
    if (lists_.isFolderName(name)) {
        messages_.refuseFolderName(name);
        return true;
    }
    return false;
}

void CListEditorDialog::addList() {
    playClick();
    const std::optional<QString> typed = messages_.askName();
    if (!typed || typed->isEmpty()) {
        return;
    }
    const std::u16string name = fromQString(*typed);
    if (refusesListName(name)) {
        return;
    }
    // Only a list of exactly this name is replaced; one in another letter case is chosen.
    const std::optional<std::u16string> listed = lists_.find(name);
    if (listed == name && !messages_.mayReplaceList(name)) {
        return;
    }
    if (!letGoOfUnsaved()) {
        return;
    }
    const bool created = edited_.create(name);
    refreshAll();
    if (!created) {
        messages_.saveFailed(lists_.pathOf(name), lists_.lastWriteError());
    } else if (listed && *listed != name) {
        messages_.listChosenInstead(name, *listed);
        tellLinesAfterEnd();
    }
}

void CListEditorDialog::deleteList() {
    playClick();
    if (!edited_.name()) {
        return;
    }
    const std::u16string name = *edited_.name();
    if (!messages_.mayDeleteList(name, CListUsers::activitiesPlaying(lists_, name))) {
        return;
    }
    std::uint32_t error = 0;
    if (!edited_.removeFile(error)) {
        messages_.removeFailed(error, lists_.pathOf(name));
    }
    // A list removed by other means leaves the column with the others.
    if (!edited_.isOpen()) {
        refreshAll();
    }
}

void CListEditorDialog::renameList() {
    if (!edited_.name() || !letGoOfUnsaved()) {
        return;
    }
    const std::u16string old = *edited_.name();
    const std::optional<QString> typed = messages_.askNewName(old);
    if (!typed || typed->isEmpty() || fromQString(*typed) == old) {
        return;
    }
    const std::u16string name = fromQString(*typed);
    if (refusesListName(name)) {
        return;
    }
    if (!messages_.mayRenameList(old, CListUsers::activitiesPlaying(lists_, old))) {
        return;
    }
    std::uint32_t error = 0;
    const CEditedList::Renaming renaming = edited_.renameList(name, error);
    switch (renaming) {
    case CEditedList::Renaming::Renamed:
        refreshAll();
        return;
    case CEditedList::Renaming::Taken:
    case CEditedList::Renaming::OnlyLetterCase:
        messages_.renameRefused(name, renaming == CEditedList::Renaming::Taken);
        return;
    case CEditedList::Renaming::Failed:
        messages_.renameFailed(error, lists_.pathOf(old));
        refreshAll();
        return;
    }
}

void CListEditorDialog::renameExercise() {
    const Exercise* exercise = edited_.chosen();
    if (exercise == nullptr) {
        return;
    }
    storeText(); // typing not taken yet belongs to this exercise
    const std::optional<QString> typed = messages_.askNewName(exercise->name);
    if (typed && !typed->isEmpty()) {
        saved(edited_.renameChosen(fromQString(*typed)));
        fillExerciseColumn();
    }
}

void CListEditorDialog::addExercise() {
    playClick();
    if (!edited_.isOpen()) {
        return;
    }
    const std::optional<QString> typed = messages_.askName();
    if (typed && !typed->isEmpty() && mayRewrite()) {
        saved(edited_.addExercise(fromQString(*typed)));
        fillExerciseColumn();
    }
}

void CListEditorDialog::deleteExercise() {
    if (edited_.chosen() != nullptr) {
        playClick();
        if (!mayRewrite()) {
            return;
        }
        saved(edited_.deleteChosen());
        fillExerciseColumn();
    }
}

std::optional<bool> CListEditorDialog::storeText() {
    // Only what the user typed is taken: an untouched box leaves the exercise and its file alone.
    const std::optional<QString> typed =
        edited_.chosen() != nullptr ? controls_.textBox->takeTyped() : std::nullopt;
    if (typed && !mayRewrite()) {
        return std::nullopt;
    }
    return typed ? std::optional(saved(edited_.setChosenText(fromQString(*typed)))) : std::nullopt;
}

void CListEditorDialog::moveColour(bool forward) {
    if (edited_.chosen() != nullptr && mayRewrite()) {
        saved(edited_.moveChosenColour(forward));
        showState();
    }
}

void CListEditorDialog::mediaChosen(CMediaKind::Kind kind) {
    if (kind != CMediaKind::Speech) {
        sound_.stop();
    }
    const std::optional<std::u16string> name = media_.chosenFile(kind);
    if (!name) {
        return;
    }
    // Without an exercise the entry must not look assigned.
    if (edited_.chosen() == nullptr) {
        messages_.chooseExerciseFirst();
        showState();
        return;
    }
    if (!mayRewrite()) {
        return;
    }
    // Sounds and speech play when chosen; the None entry (an empty name) plays nothing.
    if (kind != CMediaKind::Image && !name->empty()) {
        sound_.playOnce(media_.folder(kind).pathOf(*name));
    }
    saved(edited_.setChosenFile(CMediaKind(kind).field(), *name));
    showState();
}

bool CListEditorDialog::saved(bool written) {
    if (std::exchange(reloadChosen_, false)) {
        reloadList();
        return true;
    }
    // The file on disk is whole, and the exercises stay here until they can be written.
    if (!written) {
        messages_.saveFailed(lists_.pathOf(*edited_.name()), lists_.lastWriteError());
    }
    return written;
}

void CListEditorDialog::reloadList() {
    const std::u16string name = *edited_.name();
    edited_.discardUnsaved();
    if (edited_.open(name) == CEditedList::Opening::NotThere) {
        messages_.listGone(lists_.pathOf(name));
        refreshAll();
        return;
    }
    fillExerciseColumn();
    showState();
}

bool CListEditorDialog::letGoOfUnsaved() {
    if (saved(edited_.saveUnsaved())) {
        return true;
    }
    if (!messages_.mayDiscardUnsaved(*edited_.name())) {
        return false;
    }
    edited_.discardUnsaved();
    return true;
}

bool CListEditorDialog::keepWorkBeforeEnding() {
    const std::optional<bool> stored = storeText();
    if (!(stored ? *stored : saved(edited_.save())) &&
        !messages_.mayCloseUnsaved(*edited_.name())) {
        return false;
    }
    // Nothing held is written any more, whatever the controls still signal.
    edited_.discardUnsaved();
    edited_.close();
    return true;
}

void CListEditorDialog::done(int result) {
    if (!keepWorkBeforeEnding()) {
        return; // the user keeps working
    }
    controls_.preview->releasePicture();
    QDialog::done(result);
}

void CListEditorDialog::playClick() {
    sound_.playOnce(kClick);
}

void CListEditorDialog::closeButton() {
    sound_.playToEnd(kClick);
    accept();
}

void CListEditorDialog::connectReplays() {
    for (CMediaKind::Kind kind : {CMediaKind::Sound, CMediaKind::Speech}) {
        const auto index = CEditorControls::ImageColumn + static_cast<std::size_t>(kind);
        connect(controls_.columns[index], &CSortedColumn::chosenAgain, this,
                [this, kind] { mediaChosenAgain(kind); });
    }
}

void CListEditorDialog::mediaChosenAgain(CMediaKind::Kind kind) {
    const std::optional<std::u16string> name = media_.chosenFile(kind);
    if (name && !name->empty() && edited_.chosen() != nullptr) {
        sound_.playOnce(media_.folder(kind).pathOf(*name));
    }
}

void CListEditorDialog::tellLinesAfterEnd() {
    if (edited_.linesAfterEnd() > 0) {
        messages_.linesAfterEnd(*edited_.name(), edited_.linesAfterEnd());
    }
}

bool CListEditorDialog::mayRewrite() {
    const std::size_t dropped = edited_.linesAfterEnd();
    if (dropped == 0) {
        return true;
    }
    if (!messages_.mayDropLinesAfterEnd(*edited_.name(), dropped)) {
        showState(); // what the user just chose or typed goes back to what the list holds
        return false;
    }
    edited_.dropLinesAfterEnd();
    return true;
}

void CListEditorDialog::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere ends the editor, as it always has; Esc is the dialog's own Cancel.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
