// SPDX-License-Identifier: GPL-3.0-or-later
// Which control of the main window leads to which of its handlers: a choice in a column, each
// button (with its click), F2 or a double click to rename, files dropped on a media column, the
// text box left. What a handler then does is the dialog's, the list actions' or the media
// columns' business.
#pragma once

#include "common/audio/Sound.h"

class CEditorControls;
class CListActions;
class CListEditorDialog;
class CMediaColumns;
class QAbstractButton;

class CEditorWiring {
public:
    // Connects the controls, all children of `dialog`, for as long as they live; the others
    // must live as long.
    static void wire(CListEditorDialog& dialog, CEditorControls& controls, CMediaColumns& media,
                     CListActions& actions, Sound& sound);

private:
    CEditorWiring(CListEditorDialog& dialog, CEditorControls& controls, CMediaColumns& media,
                  CListActions& actions, Sound& sound)
        : dialog_(dialog), controls_(controls), media_(media), actions_(actions), sound_(sound) {}

    void wireColumns() const;
    void wireMedia() const;
    void wireButtons() const;
    // Slots run in the order connected: the click first, then what the button does.
    template <typename Action> void onClick(QAbstractButton* button, Action action) const;
    template <typename Action> void onClickWithSound(QAbstractButton* button, Action action) const;

    CListEditorDialog& dialog_;
    CEditorControls& controls_;
    CMediaColumns& media_;
    CListActions& actions_;
    Sound& sound_;
};
