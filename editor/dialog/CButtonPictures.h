// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the editor's buttons (add, delete, save, close, the colour arrows) and the
// program's icon, drawn at start so the program needs no image files of its own.
#pragma once

#include <QIcon>
#include <QPixmap>

class CButtonPictures {
public:
    static QPixmap add();            // green plus sign, 40 x 40
    static QPixmap remove();         // red minus bar, 40 x 40
    static QPixmap save();           // floppy disk, 40 x 40
    static QPixmap close();          // white check mark on a green square, 40 x 40
    static QPixmap nextColour();     // green arrow pointing right, 50 x 25
    static QPixmap previousColour(); // green arrow pointing left, 50 x 25
    // The program's icon in 16, 32 and 48 pixels.
    static QIcon programIcon();
};
