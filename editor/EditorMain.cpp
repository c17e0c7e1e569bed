// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the list editor. It runs in the content folder, its current directory, and ends when
// its dialog ends.
#include "editor/app/CListEditorApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vimoedit"));
    CListEditorApp editor;
    return editor.run();
}
