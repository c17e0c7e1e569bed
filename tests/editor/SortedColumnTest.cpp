// SPDX-License-Identifier: GPL-3.0-or-later
// The sorted column of the editor's dialog on its own, as a real Qt widget.
#include "editor/dialog/CSortedColumn.h"

#include <gtest/gtest.h>

TEST(SortedColumn, SortsWithoutRegardToCaseInTheLanguagesOrder) {
    struct Case {
        const char* locale;
        QStringList added;
        QStringList sorted;
    };
    const Case cases[] = {
        {"en_US",
         {"dog.wav", "Cat.wav", "apple.wav", "cat2.wav"},
         {"apple.wav", "Cat.wav", "cat2.wav", "dog.wav"}},
        {"en_US", {"zebra", " None", "apple"}, {" None", "apple", "zebra"}}, // the blank first
        {"sv_SE", {"öga", "zebra", "åska", "apa"}, {"apa", "zebra", "åska", "öga"}},
    };
    for (const Case& c : cases) {
        CSortedColumn column;
        column.setCollationLocale(QLocale(QString::fromLatin1(c.locale)));
        for (const QString& text : c.added) {
            column.addEntry(text);
        }
        EXPECT_EQ(column.entries(), c.sorted) << c.added.join(',').toStdString();
    }
}
