// SPDX-License-Identifier: GPL-3.0-or-later
// The conversation about writing the list being edited, without widgets, on real files: a list
// changed on disk is written over or read again at the user's word, the lines after a list's end
// stay until the user lets them go, and changes the disk refused go only at the user's word.
#include "ContentFiles.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "editor/lists/CListSession.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Outcome = CListSession::Outcome;

class ListSessionTest : public ::testing::Test, public CListConversation {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
    CListFolder lists{files, u"English"};
    CEditedList edited{lists};
    CListSession session{lists, edited, *this};
    std::string answers; // y for Yes, n for No, in order
    std::string said;    // what the user was asked and told, in order, each followed by "|"

    bool ask(const std::string& question) {
        said += question + "|";
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << question;
            return false;
        }
        const bool yes = answers.front() == 'y';
        answers.erase(0, 1);
        return yes;
    }
    bool mayWriteOverChangedList(std::u16string_view) override { return ask("write over?"); }
    bool mayDiscardUnsaved(std::u16string_view) override { return ask("let go?"); }
    bool mayCloseUnsaved(std::u16string_view) override { return ask("end?"); }
    bool mayDropLinesAfterEnd(std::u16string_view, std::size_t count) override {
        return ask("drop " + std::to_string(count) + "?");
    }
    void linesAfterEnd(std::u16string_view, std::size_t count) override {
        said += std::to_string(count) + " after the end|";
    }
    void saveFailed(std::u16string_view, std::uint32_t error) override {
        said += "not saved: " + std::to_string(error) + "|";
    }
    void listGone(std::u16string_view) override { said += "gone|"; }
};

} // namespace

TEST_F(ListSessionTest, EachStepAsksWhatItMustAndSaysWhatItCameTo) {
    const std::string ball = listBytes({{.name = "ball"}});
    const std::string typed = listBytes({{.name = "ball", .text = "Ball"}});
    // The game stops at the first empty name: the six lines after it are never shown.
    const std::string after = ball + "\r\n" + listBytes({{.name = "dog"}}).substr(3);
    const auto path = folder.path() / "data/English/toys";
    // What happens after the list was opened.
    const auto none = [] {};
    const auto rewrite = [&] { folder.write("data/English/toys", after); };
    const auto touch = [&] {
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() +
                                                   std::chrono::hours(1));
    };
    const auto remove = [&] { std::filesystem::remove(path); };
    const auto full = [this] { files.writeFailsAfter = 0; };
    const auto tell = [this] { session.tellLinesAfterEnd(); };
    // The steps.
    const auto type = [this] {
        return session.write([this] { return edited.setChosenText(u"Ball"); });
    };
    const auto typeTwice = [&] { return type() == Outcome::Done ? type() : Outcome::Kept; };
    const auto letGo = [&] {
        return type() == Outcome::Kept ? session.letGoOfUnsaved() : Outcome::Done;
    };
    const auto end = [&] { return session.letGoBeforeEnding(type() == Outcome::Done); };
    const auto saveThenType = [&] { return edited.save() ? type() : Outcome::Kept; };
    struct Case {
        const char* what;
        const std::string& before;
        std::function<void()> meanwhile;
        const char* answers;
        std::function<Outcome()> step;
        Outcome outcome;
        const char* said;        // what the user was asked and told, each followed by "|"
        const std::string& disk; // the list's file after the step
        bool unsaved;
    };
    const Case cases[] = {
        {"nothing happened", ball, none, "", type, Outcome::Done, "", typed, false},
        // Written by this editor since, the list is written without asking again.
        {"another editor's version, written over", ball, rewrite, "y", typeTwice, Outcome::Done,
         "write over?|", typed, false},
        {"touched by hand, read again", ball, touch, "n", type, Outcome::Reloaded, "write over?|",
         ball, false},
        {"removed meanwhile, written anew", ball, remove, "", type, Outcome::Done, "", typed,
         false},
        {"the disk is full", ball, full, "", type, Outcome::Kept, "not saved: 28|", ball, true},
        {"let go: kept at No", ball, full, "n", letGo, Outcome::Kept,
         "not saved: 28|not saved: 28|let go?|", ball, true},
        {"ending: ends at Yes", ball, full, "y", end, Outcome::Done, "not saved: 28|end?|", ball,
         false},
        {"lines after the end, kept at No", after, tell, "n", saveThenType, Outcome::Refused,
         "6 after the end|drop 6?|", after, false},
        {"lines after the end, let go at Yes", after, none, "y", type, Outcome::Done, "drop 6?|",
         typed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("data/English/toys", c.before);
        files.writeFailsAfter = SIZE_MAX;
        said.clear();
        ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
        edited.choose(u"ball");
        c.meanwhile();
        answers = c.answers;
        EXPECT_EQ(c.step(), c.outcome);
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(folder.read("data/English/toys"), c.disk);
        EXPECT_EQ(edited.hasUnsavedChanges(), c.unsaved);
        EXPECT_TRUE(answers.empty());
        edited.discardUnsaved();
    }
}
