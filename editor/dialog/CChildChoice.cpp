// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CChildChoice.h"

#include "common/text/Utf8.h"
#include "editor/dialog/CEditorMessages.h"
#include "editor/dialog/QtText.h"
#include "editor/media/CFileErrorText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <cstdint>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <utility>

namespace {

// The first child's name: the account's, as the launcher names the first profile, or "child"
// where that cannot be a profile's name.
std::u16string accountName() {
    const passwd* account = ::getpwuid(::getuid());
    const char* user = account != nullptr ? account->pw_name : std::getenv("USER");
    const std::u16string name = user != nullptr ? fromUtf8(user) : std::u16string();
    return checkChildName(name) == ChildNameFault::None ? name : u"child";
}

} // namespace

CChildChoice::CChildChoice(std::filesystem::path children, const std::filesystem::path& first,
                           CEditorPlatform platform, const EditorTexts& texts, Chosen chosen,
                           QWidget* parent)
    : QWidget(parent), children_(std::move(children)), platform_(std::move(platform)),
      texts_(texts), chosen_(std::move(chosen)), names_(new QComboBox(this)) {
    setObjectName(QStringLiteral("childChoice"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text(EditorTexts::ChildLabel), this);
    label->setBuddy(names_);
    names_->setObjectName(QStringLiteral("child"));
    names_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    names_->setMinimumContentsLength(12); // a name typed later still fits
    row->addWidget(label);
    row->addWidget(names_);
    struct Button {
        const char* name;
        EditorTexts::Text title;
        void (CChildChoice::*action)();
    };
    const Button buttons[] = {
        {"newChild", EditorTexts::NewChildButton, &CChildChoice::addChild},
        {"renameChild", EditorTexts::RenameChildButton, &CChildChoice::renameChild},
        {"deleteChild", EditorTexts::DeleteChildButton, &CChildChoice::deleteChild}};
    for (const Button& made : buttons) {
        auto* button = new QPushButton(text(made.title), this);
        button->setObjectName(QString::fromLatin1(made.name));
        button->setAutoDefault(false); // Enter still ends the editor
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, made.action);
    }
    row->addStretch();
    if (listChildProfiles(children_).empty()) {
        std::error_code error;
        succeeded(makeChildProfile(children_, accountName(), error), error, accountName());
    }
    fill(first);
    connect(names_, &QComboBox::currentIndexChanged, this, &CChildChoice::choose);
}

CChildChoice::~CChildChoice() {
    names_->blockSignals(true);
}

void CChildChoice::addChild() {
    const std::optional<std::u16string> name =
        typedName(text(EditorTexts::NewChildPrompt), QString());
    std::error_code error;
    if (name && succeeded(makeChildProfile(children_, *name, error), error, *name)) {
        fill(children_ / std::filesystem::path(toUtf8(*name)));
    }
}

void CChildChoice::renameChild() {
    const int chosen = names_->currentIndex();
    if (chosen < 0) {
        return;
    }
    const ChildProfile& child = profiles_[static_cast<std::size_t>(chosen)];
    const std::optional<std::u16string> name =
        typedName(text(EditorTexts::RenameChildPrompt).arg(CEditorMessages::inQuotes(child.name)),
                  toQString(child.name));
    std::error_code error;
    if (name && succeeded(renameChildProfile(child.folder, *name, error), error, *name)) {
        fill(children_ / std::filesystem::path(toUtf8(*name)));
    }
}

void CChildChoice::deleteChild() {
    const int chosen = names_->currentIndex();
    if (chosen < 0) {
        return;
    }
    const ChildProfile child = profiles_[static_cast<std::size_t>(chosen)];
    const QString name = CEditorMessages::inQuotes(child.name);
    if (profiles_.size() == 1) {
        platform_.showError(window(), text(EditorTexts::LastChildKept).arg(name));
        return;
    }
    if (!platform_.askYesNo(window(), text(EditorTexts::DeleteChildQuestion).arg(name))) {
        return;
    }
    std::error_code error;
    succeeded(removeChildProfile(child.folder, error), error, child.name);
    fill(current_);
}

void CChildChoice::fill(const std::filesystem::path& folder) {
    profiles_ = listChildProfiles(children_);
    int chosen = 0;
    {
        const QSignalBlocker quiet(names_);
        names_->clear();
        for (const ChildProfile& child : profiles_) {
            std::error_code different;
            if (std::filesystem::equivalent(child.folder, folder, different)) {
                chosen = names_->count();
            }
            names_->addItem(toQString(child.name));
        }
        names_->setCurrentIndex(profiles_.empty() ? -1 : chosen);
    }
    choose(names_->currentIndex());
}

void CChildChoice::choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= profiles_.size() ||
        profiles_[static_cast<std::size_t>(index)].folder == current_) {
        return;
    }
    current_ = profiles_[static_cast<std::size_t>(index)].folder;
    chosen_(current_);
}

std::optional<std::u16string> CChildChoice::typedName(const QString& prompt,
                                                      const QString& current) {
    const std::optional<QString> typed = platform_.askNewName(window(), prompt, current);
    if (!typed || typed->trimmed().isEmpty()) {
        return std::nullopt;
    }
    return fromQString(typed->trimmed());
}

bool CChildChoice::succeeded(bool done, const std::error_code& error, const std::u16string& name) {
    if (done) {
        return true;
    }
    if (error == std::errc::invalid_argument || error == std::errc::file_exists) {
        const EditorTexts::Text why = error == std::errc::file_exists
                                          ? EditorTexts::ChildNameTaken
                                          : EditorTexts::ChildNameRefused;
        platform_.showError(window(), text(why).arg(CEditorMessages::inQuotes(name)));
    } else {
        platform_.showError(window(),
                            text(EditorTexts::ChildrenFolderFailed)
                                    .arg(CEditorMessages::inQuotes(fromUtf8(children_.string()))) +
                                QStringLiteral(" ") +
                                toQString(CFileErrorText::writeFailureCause(
                                    texts_, static_cast<std::uint32_t>(error.value()))));
    }
    return false;
}

QString CChildChoice::text(EditorTexts::Text which) const {
    return toQString(texts_[which]);
}
