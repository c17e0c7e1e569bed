// SPDX-License-Identifier: GPL-3.0-or-later
// The editor program: it takes the current directory as the content folder (or, when that holds
// no content, the one the user chooses), opens the sound back end and runs the main dialog until
// it ends. It owns the file layer and the sound, which outlive the dialog.
#pragma once

class CListEditorApp {
public:
    // Runs the editor to its end; the program's exit status.
    int run();
};
