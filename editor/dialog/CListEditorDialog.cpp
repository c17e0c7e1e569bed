// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CListEditorDialog.h"

#include "common/content/CharacterRules.h"
#include "common/content/Language.h"
#include "common/content/SettingValues.h"
#include "editor/dialog/CEditorWiring.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSessionLogDialog.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CSwitchSettingsDialog.h"
#include "editor/dialog/CTextBox.h"
#include "editor/dialog/QtText.h"
#include "editor/lists/ExerciseColours.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <utility>

CListEditorDialog::CListEditorDialog(FileSystem& files, Sound& sound, CEditorPlatform platform,
                                     QWidget* parent)
    : QDialog(parent), files_(files), sound_(sound), language_(readLanguage(files)),
      texts_(EditorTexts::read(files, language_)), lists_(files, language_), controls_(*this),
      messages_(std::move(platform), texts_, *this, *controls_.textBox),
      media_(files, language_, texts_, controls_, messages_), edited_(lists_),
      session_(lists_, edited_, messages_),
      actions_(lists_, edited_, session_, messages_, [this] { refreshAll(); }) {
    setWindowTitle(QStringLiteral("Vimo! - ") + toQString(language_));
    controls_.showLanguage(texts_, language_);
    CEditorWiring::wire(*this, controls_, media_, actions_, sound_);
    refreshAll();
    controls_.column(CEditorControls::ListColumn).setFocus();
}

void CListEditorDialog::actOnChild(FileSystem& childFiles, const AccessSettings& accessDefaults) {
    childFiles_ = &childFiles;
    accessDefaults_ = accessDefaults;
}

void CListEditorDialog::showChildChoice(QWidget& choice) {
    static_cast<QGridLayout*>(layout())->addWidget(&choice, 4, 0, 1, CEditorControls::Columns);
}

void CListEditorDialog::openSwitchSettings() {
    auto* settings = new CSwitchSettingsDialog(
        childFiles_ != nullptr ? *childFiles_ : files_, texts_, messages_.openControllers(),
        [this](const QString& message) { messages_.tell(message); }, accessDefaults_, this);
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->open();
}

void CListEditorDialog::openSessionLog() {
    // The report names the child whose profile it is; without profiles it names none.
    const QString child =
        childFiles_ != nullptr
            ? QString::fromStdU16String(
                  childFiles_->resolve(u"log").parent_path().filename().u16string())
            : QString();
    CSessionLogDialog(childFiles_ != nullptr ? *childFiles_ : files_, texts_, language_, child,
                      this)
        .exec();
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
    const std::vector<Exercise>& listed = edited_.exercises();
    for (std::size_t place = 0; place < listed.size(); ++place) {
        exercises.addEntry(toQString(listed[place].name), false, static_cast<int>(place));
    }
    showState();
}

void CListEditorDialog::showState() {
    using Controls = CEditorControls;
    // Closing or filling the text box may take the focus from it; that is no leaving by the user.
    const QSignalBlocker quiet(controls_.textBox);
    const Exercise* exercise = edited_.chosen();
    const auto shown = [exercise](std::u16string Exercise::*field) {
        return exercise != nullptr ? std::optional(toQString(exercise->*field)) : std::nullopt;
    };
    const std::optional<std::u16string>& list = edited_.name();
    controls_.column(Controls::ListColumn)
        .showChosen(list ? std::optional(toQString(*list)) : std::nullopt);
    controls_.column(Controls::ExerciseColumn).showChosen(shown(&Exercise::name));
    controls_.textBox->showText(shown(&Exercise::text));
    media_.show(exercise);
    // The preview shows the exercise's own colour, in or out of the palette.
    controls_.preview->setColour(exercise != nullptr ? exercise->colour
                                                     : ExerciseColours::at(edited_.colourIndex()));
    controls_.preview->setText(exercise != nullptr ? asTheGameShows(exercise->text) : QString());
    const std::optional<std::size_t> place = edited_.chosenPlace();
    const std::size_t count = edited_.exercises().size();
    controls_.playOrder->setText(place ? messages_.playOrder(*place + 1, count) : QString());
    // A button that would do nothing now cannot be pressed.
    const bool open = edited_.isOpen();
    const std::pair<QAbstractButton*, bool> states[] = {
        {controls_.deleteButtons[Controls::ListColumn], open},
        {controls_.addButtons[Controls::ExerciseColumn], open},
        {controls_.deleteButtons[Controls::ExerciseColumn], exercise != nullptr},
        {controls_.previousColour, exercise != nullptr},
        {controls_.nextColour, exercise != nullptr},
        {controls_.save, open},
        {controls_.playEarlier, place && *place > 0},
        {controls_.playLater, place && *place + 1 < count},
        {controls_.undo, edited_.canUndo()}};
    for (auto [button, enabled] : states) {
        button->setEnabled(enabled);
    }
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        controls_.deleteButtons[Controls::ImageColumn + static_cast<std::size_t>(kind)]->setEnabled(
            !media_.chosenFile(kind).value_or(std::u16string()).empty());
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
    const CListSession::Outcome opened = session_.open(fromQString(*chosen));
    shown(opened);
    if (opened == CListSession::Outcome::Done) {
        fillExerciseColumn();
        session_.tellLinesAfterEnd();
    }
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

void CListEditorDialog::renameExercise() {
    const Exercise* exercise = edited_.chosen();
    if (exercise == nullptr) {
        return;
    }
    storeText(); // typing not taken yet belongs to this exercise
    const std::optional<QString> typed = messages_.askNewName(exercise->name);
    if (typed && !typed->isEmpty()) {
        shown(session_.saved(edited_.renameChosen(fromQString(*typed))));
        fillExerciseColumn();
    }
}

void CListEditorDialog::addExercise() {
    const std::optional<QString> typed = messages_.askName();
    if (typed && !typed->isEmpty()) {
        shown(session_.write([&] { return edited_.addExercise(fromQString(*typed)); }));
        fillExerciseColumn();
    }
}

void CListEditorDialog::deleteExercise() {
    shown(session_.write([this] { return edited_.deleteChosen(); }));
    fillExerciseColumn();
}

void CListEditorDialog::undo() {
    storeText(); // typing not taken yet stays with its exercise
    shown(session_.write([this] { return edited_.undo(); }));
    fillExerciseColumn();
}

std::optional<bool> CListEditorDialog::storeText() {
    // Only what the user typed is taken: an untouched box leaves the exercise and its file alone.
    const std::optional<QString> typed =
        edited_.chosen() != nullptr ? controls_.textBox->takeTyped() : std::nullopt;
    if (!typed) {
        return std::nullopt;
    }
    const CListSession::Outcome outcome =
        session_.write([&] { return edited_.setChosenText(fromQString(*typed)); });
    const bool written = shown(outcome);
    return outcome == CListSession::Outcome::Refused ? std::nullopt : std::optional(written);
}

void CListEditorDialog::moveColour(bool forward) {
    shown(session_.write([&] { return edited_.moveChosenColour(forward); }));
    showState();
}

void CListEditorDialog::moveInPlayOrder(bool earlier) {
    shown(session_.saved(edited_.moveChosen(earlier)));
    showState();
}

void CListEditorDialog::moveInPlayOrderTo(std::size_t place) {
    shown(session_.saved(edited_.moveChosenTo(place)));
    fillExerciseColumn(); // the entries' places change
}

void CListEditorDialog::saveList() {
    shown(session_.write([this] { return edited_.save(); }));
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
    } else {
        shown(session_.write([&] {
            media_.playChosen(kind, sound_); // sounds and speech play when chosen
            return edited_.setChosenFile(CMediaKind(kind).field(), *name);
        }));
    }
    showState();
}

void CListEditorDialog::mediaChosenAgain(CMediaKind::Kind kind) {
    if (edited_.chosen() != nullptr) {
        media_.playChosen(kind, sound_);
    }
}

bool CListEditorDialog::shown(CListSession::Outcome outcome) {
    using Outcome = CListSession::Outcome;
    if (outcome == Outcome::Reloaded) {
        fillExerciseColumn();
    } else if (outcome == Outcome::Gone) {
        refreshAll();
    } else if (outcome != Outcome::Done) {
        showState(); // what the user just chose or typed goes back to what the list holds
    }
    return outcome != Outcome::Kept && outcome != Outcome::Refused;
}

void CListEditorDialog::done(int result) {
    const std::optional<bool> stored = storeText();
    const bool written = stored ? *stored : shown(session_.saved(edited_.save()));
    if (!shown(session_.letGoBeforeEnding(written))) {
        return; // the user keeps working
    }
    controls_.preview->releasePicture();
    QDialog::done(result);
}

void CListEditorDialog::endForTheSystem() {
    if (std::exchange(endingForTheSystem_, true)) {
        return;
    }
    messages_.answerUnattended();
    reject();
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

QString CListEditorDialog::asTheGameShows(std::u16string text) const {
    // Read at every showing: the game's options screen may change it while the editor is open.
    SettingValues settings;
    if (readSettingValues(files_, kSettingsPath, settings) != SettingsRead::NotOpened &&
        settings.capsOn == 1) {
        CharacterRules(language_).toUpperCase(text);
    }
    return toQString(text);
}
