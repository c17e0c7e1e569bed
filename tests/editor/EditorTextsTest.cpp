// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's texts: tool.txt of the content folder's language over the English built-ins.
#include "editor/texts/EditorTexts.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"
#include "editor/app/CQtTranslation.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

const std::string kMark = "\xEF\xBB\xBF";

std::string lines(int count, const char* end) {
    std::string text = kMark;
    for (int n = 1; n <= count; ++n) {
        text += "T" + std::to_string(n) + (n < count ? "\r\n" : end);
    }
    return text;
}

} // namespace

TEST(EditorTexts, EachLineOfToolTxtReplacesItsTextAndMissingLinesStayEnglish) {
    struct Case {
        const char* what;
        std::string file; // empty: no tool.txt at all
        // For texts 1, 6, 7, 8 and 13: the translation "Tn", or "" for the English text.
        std::array<std::u16string, 5> expected;
    };
    const EditorTexts english;
    auto english7 = english[EditorTexts::NoneEntry];
    auto english8 = english[EditorTexts::NewItemPrompt];
    auto english13 = english[EditorTexts::SaveFailed];
    const Case cases[] = {
        {"no file", "", {u"List", u"Text", english7, english8, english13}},
        {"three lines", lines(3, ""), {u"T1", u"Text", english7, english8, english13}},
        {"twelve lines and a line end", lines(12, "\r\n"), {u"T1", u"T6", u"T7", u"T8", u""}},
        {"fourteen lines", lines(14, ""), {u"T1", u"T6", u"T7", u"T8", u"T13"}},
        {"empty seventh line",
         kMark + "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\nh",
         {u"a", u"f", u"", u"h", english13}},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        if (!c.file.empty()) {
            folder.write("data/Swedish/Tool/tool.txt", c.file);
        }
        DiskFileSystem files(folder.path());
        const EditorTexts texts = EditorTexts::read(files, u"Swedish");
        const std::array<std::u16string, 5> seen = {
            texts[EditorTexts::ListTitle], texts[EditorTexts::TextTitle],
            texts[EditorTexts::NoneEntry], texts[EditorTexts::NewItemPrompt],
            texts[EditorTexts::SaveFailed]};
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(toUtf8(seen[i]), toUtf8(c.expected[i])) << c.what << ", text " << i;
        }
    }
}

// The messages beyond tool.txt come from editor.txt beside it, never from tool.txt's later lines;
// what editor.txt lacks or leaves empty stays English.
TEST(EditorTexts, EditorTxtHoldsTheMessagesAfterToolTxt) {
    struct Case {
        const char* what;
        std::string tool, editor; // empty: no such file
        std::u16string listGone, replace, cancel;
    };
    const EditorTexts english;
    const std::u16string gone = u"Listan %1 finns inte l\u00e4ngre.";
    const Case cases[] = {
        {"neither file", "", "", english[EditorTexts::ListGone],
         english[EditorTexts::ReplaceListQuestion], u"Cancel"},
        {"a fourteenth line of tool.txt", lines(14, ""), "", english[EditorTexts::ListGone],
         english[EditorTexts::ReplaceListQuestion], u"Cancel"},
        {"Swedish, an empty second line", "",
         kMark + "Listan %1 finns inte l\xC3\xA4ngre.\r\n\r\nx %1\r\n", gone,
         english[EditorTexts::ReplaceListQuestion], u"Cancel"},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        if (!c.tool.empty()) {
            folder.write("data/Swedish/Tool/tool.txt", c.tool);
        }
        if (!c.editor.empty()) {
            folder.write("data/Swedish/Tool/editor.txt", c.editor);
        }
        DiskFileSystem files(folder.path());
        const EditorTexts texts = EditorTexts::read(files, u"Swedish");
        EXPECT_EQ(toUtf8(texts[EditorTexts::ListGone]), toUtf8(c.listGone)) << c.what;
        EXPECT_EQ(toUtf8(texts[EditorTexts::ReplaceListQuestion]), toUtf8(c.replace)) << c.what;
        EXPECT_EQ(toUtf8(texts[EditorTexts::DiscardChangesQuestion]),
                  toUtf8(c.editor.empty() ? english[EditorTexts::DiscardChangesQuestion] : u"x %1"))
            << c.what;
        EXPECT_EQ(toUtf8(texts[EditorTexts::CancelButton]), toUtf8(c.cancel)) << c.what;
    }
}

// Qt's standard buttons follow the content's language, by any of its names, and go back to
// English when the translation ends.
TEST(QtTranslationTest, StandardButtonsSpeakTheContentsLanguage) {
    struct Case {
        std::u16string language;
        QString yes, no, cancel;
    };
    const Case cases[] = {
        {u"Svenska", QStringLiteral("&Ja"), QStringLiteral("&Nej"), QStringLiteral("Avbryt")},
        {u"English", QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")},
        {u"Klingon", QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")},
    };
    const auto buttonTexts = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return QStringList{box.button(QMessageBox::Yes)->text(),
                           box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Cancel)->text()};
    };
    for (const Case& c : cases) {
        {
            const CQtTranslation translation(c.language);
            EXPECT_EQ(buttonTexts(), (QStringList{c.yes, c.no, c.cancel})) << toUtf8(c.language);
        }
        EXPECT_EQ(buttonTexts().front(), QStringLiteral("&Yes")) << toUtf8(c.language);
    }
}
