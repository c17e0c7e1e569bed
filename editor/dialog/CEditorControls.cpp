// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CEditorControls.h"

#include "common/content/Language.h"
#include "editor/dialog/CButtonPictures.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CTextBox.h"
#include "editor/dialog/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr std::array<const char*, CEditorControls::Columns> kNames = {"list", "exercise", "image",
                                                                      "sound", "speech"};
constexpr QSize kPictureButtonSize(48, 48);

// A button that shows one picture in every state and takes the focus by Tab, so the whole
// dialog can be worked with the keyboard.
QToolButton* pictureButton(QDialog& dialog, const QString& name, const QPixmap& picture,
                           QSize size) {
    auto* button = new QToolButton(&dialog);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setFixedSize(size);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

QHBoxLayout* CEditorControls::playOrderRow(const QFont& font) {
    playOrder = new QLabel(&dialog_);
    playOrder->setObjectName(QStringLiteral("playOrder"));
    playOrder->setFont(font);
    // Their tips come with the language's texts.
    auto arrowButton = [this](const QString& name, Qt::ArrowType arrow) {
        auto* button = new QToolButton(&dialog_);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setFixedSize(36, 30);
        button->setFocusPolicy(Qt::StrongFocus);
        // Held, an arrow goes on moving the exercise, as far as a long list needs.
        button->setAutoRepeat(true);
        return button;
    };
    playEarlier = arrowButton(QStringLiteral("playEarlier"), Qt::UpArrow);
    playLater = arrowButton(QStringLiteral("playLater"), Qt::DownArrow);
    // Undo sits with the arrows: what it takes back is a change to the exercises.
    undo = new QPushButton(&dialog_);
    undo->setObjectName(QStringLiteral("undo"));
    undo->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(playOrder);
    row->addStretch();
    row->addWidget(undo);
    row->addSpacing(8);
    row->addWidget(playEarlier);
    row->addWidget(playLater);
    return row;
}

QFont CEditorControls::columnFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(18);
    font.setWeight(QFont::DemiBold);
    return font;
}

void CEditorControls::showLanguage(const EditorTexts& texts, std::u16string_view language) {
    const std::vector<std::string> locales = localeNamesFor(language);
    const QLocale order =
        locales.empty()
            ? QLocale(QLocale::English)
            : QLocale(QString::fromStdString(locales.front().substr(0, locales.front().find('.'))));
    constexpr std::array<EditorTexts::Text, Columns> kTitles = {
        EditorTexts::ListTitle, EditorTexts::ExerciseTitle, EditorTexts::ImageTitle,
        EditorTexts::SoundTitle, EditorTexts::SpeechTitle};
    for (std::size_t i = 0; i < kTitles.size(); ++i) {
        titles[i]->setText(toQString(texts[kTitles[i]]));
        columns[i]->setCollationLocale(order);
    }
    textTitle->setText(toQString(texts[EditorTexts::TextTitle]));
    switchSettings->setText(toQString(texts[EditorTexts::SwitchSettingsButton]));
    sessionLog->setText(toQString(texts[EditorTexts::SessionLogButton]));
    undo->setText(toQString(texts[EditorTexts::UndoButton]));
    undo->setToolTip(toQString(texts[EditorTexts::UndoTip]));
    for (auto [button, tip] : {std::pair{playEarlier, EditorTexts::PlayEarlierTip},
                               std::pair{playLater, EditorTexts::PlayLaterTip}}) {
        button->setToolTip(toQString(texts[tip]));
        button->setAccessibleName(toQString(texts[tip]));
    }
}

CEditorControls::CEditorControls(QDialog& dialog) : dialog_(dialog) {
    dialog.setObjectName(QStringLiteral("listEditor"));
    dialog.setWindowIcon(CButtonPictures::programIcon());
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    const QFont font = columnFont();
    auto* grid = new QGridLayout(&dialog);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    addColumns(*grid, font);
    grid->setRowStretch(1, 1);
    grid->addLayout(textArea(font), 3, 0, 1, 2);
    grid->addLayout(colourArea(), 3, 2, Qt::AlignHCenter | Qt::AlignTop);
    grid->addLayout(endingRow(), 3, 3, 1, 2, Qt::AlignBottom);
    chainTabs();
}

void CEditorControls::addColumns(QGridLayout& grid, const QFont& font) {
    for (int column = 0; column < Columns; ++column) {
        const QString name = QString::fromLatin1(kNames[static_cast<std::size_t>(column)]);
        QLabel*& title = titles[static_cast<std::size_t>(column)];
        title = new QLabel(&dialog_);
        title->setObjectName(name + QStringLiteral("Title"));
        title->setFont(font);

        CSortedColumn*& list = columns[static_cast<std::size_t>(column)];
        list = new CSortedColumn(&dialog_);
        list->setObjectName(name + QStringLiteral("Column"));
        list->setFont(font);
        list->setMinimumSize(135, 234);
        title->setBuddy(list);

        const QString capitalised = name.left(1).toUpper() + name.mid(1);
        QToolButton*& add = addButtons[static_cast<std::size_t>(column)];
        add = pictureButton(dialog_, QStringLiteral("add") + capitalised, CButtonPictures::add(),
                            kPictureButtonSize);
        QToolButton*& remove = deleteButtons[static_cast<std::size_t>(column)];
        remove = pictureButton(dialog_, QStringLiteral("delete") + capitalised,
                               CButtonPictures::remove(), kPictureButtonSize);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(add);
        buttons->addSpacing(8);
        buttons->addWidget(remove);
        buttons->addStretch();

        grid.addWidget(title, 0, column);
        grid.addWidget(list, 1, column);
        grid.addLayout(buttons, 2, column);
        grid.setColumnStretch(column, 1);
    }
}

QVBoxLayout* CEditorControls::textArea(const QFont& font) {
    // The text box, under the List column.
    textTitle = new QLabel(&dialog_);
    textTitle->setObjectName(QStringLiteral("textTitle"));
    textTitle->setFont(font);
    textBox = new CTextBox(&dialog_);
    textBox->setObjectName(QStringLiteral("textBox"));
    textBox->setFont(font);
    textTitle->setBuddy(textBox);
    auto* text = new QVBoxLayout;
    text->addSpacing(12);
    text->addWidget(textTitle);
    text->addWidget(textBox);
    text->addLayout(playOrderRow(font));
    text->addStretch();
    return text;
}

QVBoxLayout* CEditorControls::colourArea() {
    // The preview, centred under the Image column, with the arrows 5 pixels below its left and
    // right ends.
    preview = new CPreviewWidget(&dialog_);
    preview->setObjectName(QStringLiteral("preview"));
    previousColour = pictureButton(dialog_, QStringLiteral("previousColour"),
                                   CButtonPictures::previousColour(), QSize(50, 30));
    nextColour = pictureButton(dialog_, QStringLiteral("nextColour"), CButtonPictures::nextColour(),
                               QSize(50, 30));
    auto* arrows = new QHBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(previousColour);
    arrows->addStretch();
    arrows->addWidget(nextColour);
    auto* colour = new QVBoxLayout;
    colour->setSpacing(5);
    colour->addSpacing(17);
    colour->addWidget(preview);
    colour->addLayout(arrows);
    colour->addStretch();
    return colour;
}

QHBoxLayout* CEditorControls::endingRow() {
    // Save and close at the bottom right.
    save =
        pictureButton(dialog_, QStringLiteral("save"), CButtonPictures::save(), kPictureButtonSize);
    close = pictureButton(dialog_, QStringLiteral("close"), CButtonPictures::close(),
                          kPictureButtonSize);
    switchSettings = new QPushButton(&dialog_);
    switchSettings->setObjectName(QStringLiteral("switchSettings"));
    switchSettings->setAutoDefault(false);
    auto* ending = new QHBoxLayout;
    ending->addWidget(switchSettings, 0, Qt::AlignVCenter);
    sessionLog = new QPushButton(&dialog_);
    sessionLog->setObjectName(QStringLiteral("sessionLog"));
    sessionLog->setAutoDefault(false);
    ending->addWidget(sessionLog, 0, Qt::AlignVCenter);
    ending->addStretch();
    ending->addWidget(save);
    ending->addSpacing(12);
    ending->addWidget(close);
    return ending;
}

void CEditorControls::chainTabs() {
    // Tab goes column by column: each list, then its two buttons; then the text, the colour
    // arrows, save, close and the play-order arrows.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    for (int column = 0; column < Columns; ++column) {
        chain(columns[static_cast<std::size_t>(column)]);
        chain(addButtons[static_cast<std::size_t>(column)]);
        chain(deleteButtons[static_cast<std::size_t>(column)]);
    }
    // The play-order arrows come last, so the keys that lead to the others stay as they were.
    for (QWidget* widget :
         {static_cast<QWidget*>(textBox), static_cast<QWidget*>(previousColour),
          static_cast<QWidget*>(nextColour), static_cast<QWidget*>(save),
          static_cast<QWidget*>(close), static_cast<QWidget*>(playEarlier),
          static_cast<QWidget*>(playLater), static_cast<QWidget*>(undo),
          static_cast<QWidget*>(switchSettings), static_cast<QWidget*>(sessionLog)}) {
        chain(widget);
    }
}

CEditorControls::~CEditorControls() {
    for (QWidget* child : dialog_.findChildren<QWidget*>()) {
        child->blockSignals(true);
    }
}
