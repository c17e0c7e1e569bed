// SPDX-License-Identifier: GPL-3.0-or-later
// The child choice at the foot of the main dialog: children are added, renamed and deleted in the
// children's folder, names are trimmed and refused with a word on what to type, the last child
// stays, and the Switch settings dialog writes the chosen child's settings.
#include "EditorDialogFixture.h"
#include "common/content/AccessSettings.h"
#include "common/files/ProfileFileSystem.h"
#include "editor/dialog/CChildChoice.h"
#include "editor/dialog/CSwitchSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

class ChildChoiceTest : public EditorDialogFixture {
public:
    TemporaryFolder children;
    std::vector<std::unique_ptr<ProfileFileSystem>> childFiles;
    QStringList told; // the children the dialog was given, by folder name

    void openChoice(const std::filesystem::path& first) {
        openContent();
        auto* choice = new CChildChoice(
            children.path(), first, platform(), dialog->texts(),
            [this](const std::filesystem::path& profile) {
                told.push_back(QString::fromStdString(profile.filename().string()));
                childFiles.push_back(std::make_unique<ProfileFileSystem>(folder.path(), profile));
                dialog->actOnChild(*childFiles.back(), {});
            },
            dialog.get());
        dialog->showChildChoice(*choice);
        QApplication::processEvents();
    }
    QComboBox& childList() const { return *dialog->findChild<QComboBox*>("child"); }
    // The children listed, the chosen one in brackets.
    QString shown() const {
        QStringList entries;
        for (int i = 0; i < childList().count(); ++i) {
            const QString name = childList().itemText(i);
            entries.push_back(i == childList().currentIndex() ? "[" + name + "]" : name);
        }
        return entries.join(' ');
    }
};

TEST_F(ChildChoiceTest, ChildrenAreAddedRenamedAndDeletedAndTheChosenOneGetsItsSettings) {
    children.makeFolder("Anna");
    children.makeFolder("Bo");
    openChoice(children.path() / "Bo");
    EXPECT_EQ(shown(), "Anna [Bo]");
    struct Step {
        const char* action; // a button, or "pick" to choose `typed` in the list
        std::optional<QString> typed;
        std::deque<bool> answers;
        const char* shown;
        const char* said; // the start of what was asked or told, "" for nothing
    };
    const Step steps[] = {
        {"newChild", "  Cleo ", {}, "Anna Bo [Cleo]", ""},
        {"newChild", ".Cleo", {}, "Anna Bo [Cleo]", "\".Cleo\" cannot be a child's name"},
        {"newChild", "Anna", {}, "Anna Bo [Cleo]", "There is a child named \"Anna\" already"},
        {"newChild", "  ", {}, "Anna Bo [Cleo]", ""},
        {"renameChild", "Dora", {}, "Anna Bo [Dora]", ""},
        {"renameChild", "a/b", {}, "Anna Bo [Dora]", "\"a/b\" cannot be a child's name"},
        {"deleteChild", {}, {false}, "Anna Bo [Dora]", "Delete \"Dora\"? The child's switch"},
        {"deleteChild", {}, {true}, "[Anna] Bo", "Delete \"Dora\"?"},
        {"pick", "Bo", {}, "Anna [Bo]", ""},
        {"deleteChild", {}, {true}, "[Anna]", "Delete \"Bo\"?"},
        {"deleteChild", {}, {}, "[Anna]", "\"Anna\" cannot be deleted"},
        {"renameChild", "Eva", {}, "[Eva]", ""},
    };
    for (const Step& step : steps) {
        const QString action = QString::fromLatin1(step.action);
        questions.clear();
        errors.clear();
        answers = step.answers;
        if (action == "pick") {
            childList().setCurrentText(*step.typed);
        } else {
            if (step.typed) {
                names.push_back(step.typed);
            }
            press(step.action);
        }
        EXPECT_EQ(shown(), step.shown) << step.action;
        const QString said = QString::fromUtf8(step.said);
        EXPECT_EQ((questions + errors).join(' ').left(said.size()), said) << step.action;
        EXPECT_EQ(questions.size() + errors.size(), *step.said ? 1 : 0) << step.action;
    }
    EXPECT_EQ(told.join(' '), "Bo Cleo Dora Anna Bo Anna Eva");
    EXPECT_EQ(listChildProfiles(children.path()).size(), 1U);

    press("switchSettings");
    auto* settings = dialog->findChild<CSwitchSettingsDialog*>();
    ASSERT_NE(settings, nullptr);
    settings->findChild<QSpinBox*>("scanRounds")->setValue(3);
    QTest::mouseClick(settings->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    EXPECT_EQ(readAccessSettings(*childFiles.back()).scanRounds, 3);
    EXPECT_TRUE(children.read("Eva/options/access.opt").find("scanRounds=3") != std::string::npos);
}

// An empty children's folder gets one child, named after the account, and it is chosen.
TEST_F(ChildChoiceTest, AnEmptyFolderGetsOneChild) {
    openChoice({});
    const std::vector<ChildProfile> made = listChildProfiles(children.path());
    ASSERT_EQ(made.size(), 1U);
    EXPECT_EQ(shown(), "[" + QString::fromStdU16String(made[0].name) + "]");
    EXPECT_EQ(told, QStringList{QString::fromStdU16String(made[0].name)});
}
