// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's texts: tool.txt and editor.txt of the content folder's language over the English
// built-ins.
#include "editor/texts/EditorTexts.h"

#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>

namespace {

const std::string kMark = "\xEF\xBB\xBF";

std::string lines(int count) {
    std::string text = kMark;
    for (int n = 1; n <= count; ++n) {
        text += "T" + std::to_string(n) + (n < count ? "\r\n" : "");
    }
    return text;
}

} // namespace

// Each line of tool.txt replaces its text; what is missing stays English. The messages
// after it come from editor.txt, never from tool.txt's later lines.
TEST(EditorTexts, EachLineReplacesItsTextAndMissingLinesStayEnglish) {
    using T = EditorTexts;
    struct Case {
        const char* what;
        std::string tool, editor;                // empty: no such file
        std::array<const char16_t*, 5> expected; // null: the English text
    };
    const T::Text shown[] = {T::ListTitle, T::TextTitle, T::NoneEntry, T::SaveFailed, T::ListGone};
    const Case cases[] = {
        {"three lines", lines(3), "", {u"T1"}},
        {"fourteen lines", lines(14), "", {u"T1", u"T6", u"T7", u"T13"}},
        {"empty seventh line, and editor.txt",
         kMark + "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\nh",
         kMark + "Listan %1 finns inte l\xC3\xA4ngre.\r\n",
         {u"a", u"f", u"", nullptr, u"Listan %1 finns inte l\u00e4ngre."}},
    };
    const EditorTexts english;
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
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const std::u16string expected =
                c.expected[i] == nullptr ? english[shown[i]] : c.expected[i];
            EXPECT_EQ(toUtf8(texts[shown[i]]), toUtf8(expected)) << c.what << ", text " << i;
        }
    }
}
