// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's user-interface texts: the built-in English ones, replaced line by line by the
// language's files. The first thirteen, the column titles, the prompt and the questions before
// deleting, come from data\<language>\Tool\tool.txt; the editor's other messages come from
// data\<language>\Tool\editor.txt beside it.
#pragma once

#include "common/content/GameScreen.h"
#include "common/content/LanguageTexts.h"
#include "common/files/FileSystem.h"
#include "editor/texts/EditorTextNames.h"

#include <array>
#include <string>
#include <string_view>

class EditorTexts : public EditorTextNames {
public:
    static constexpr std::array<std::u16string_view, Count> kEnglish = {
        u"List",
        u"Exercise",
        u"Image",
        u"Sound",
        u"Speech",
        u"Text",
        u" None", // the blank sorts it above every file name
        u"Please enter the name for the new item.",
        u"Really delete list ", // the list's name and "?" follow
        u"Really delete image file?",
        u"Really delete sound file?",
        u"Really delete speech file?",
        u"The output file could not be opened. Save aborted. File: ", // the path follows
        u"The list %1 is no longer there.",
        u"A list named %1 exists already. Replace it with an empty list?",
        u"The changes to the list %1 could not be saved. Discard them?",
        u"The list %1 could not be saved. Close the editor anyway? The changes will be lost.",
        u"%1 cannot be the name of a list. A name may not contain / \\ < > : \" | ? * or line "
        u"breaks, be . or .., or end with a blank or a dot.",
        u"The file %1 cannot be copied into the content folder under this name. Please rename "
        u"it first.",
        u"%1 is already there. Nothing was copied.",
        u"The file could not be copied to %1.",
        u"%1 was not found.",
        u"%1 contains an invalid path.",
        u"Access to %1 was denied.",
        u"A sharing violation occurred while accessing %1.",
        u"A locking violation occurred while accessing %1.",
        u"An unknown error occurred while accessing %1.",
        u"The disk is full.",
        u"The file or folder is read-only.",
        u"You have no permission to write there.",
        u"Its folder is missing.",
        u"A folder has that name.",
        u"A file of that name is already there.",
        u"The disk reported an error.",
        u"Image Files", // the file dialog's filter, before its patterns
        u"Sound Files",
        u"OK",
        u"Cancel",
        u"a name must hold more than dots",
        u"it contains a character that is not allowed in a name (one of / \\ < > : \" | ? * or "
        u"a line break)",
        u"it ends with a blank or a dot, which Windows leaves out",
        u"Windows keeps this name for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, "
        u"with any extension)",
        u"the editor keeps names of this form for files it is saving",
        u"it is too long: a name may have at most 255 bytes, which is 255 plain letters or fewer "
        u"with accents",
        u"The file %1 cannot be copied under this name: %2. Copy it as %3?", // %2: why, %3: new
                                                                             // name
        u"There is a list named %1 already, which differs from %2 only in letter case. It is "
        u"chosen now and was left as it is. To make a new list, please choose another name.",
        u"The list %1 has an empty line where the name of an exercise should be. The game stops "
        u"reading the list there and never shows the %2 lines after it, so the editor shows only "
        u"the exercises before it. Before the list is saved, you will be asked whether to leave "
        u"those lines out.", // %2: how many lines
        u"Saving the list %1 keeps only the exercises shown: the %2 lines after its empty line, "
        u"which the game never shows, will be left out. Save it this way? No leaves the file as "
        u"it is.",
        u"Please choose an exercise first, or add one with the plus button under the Exercise "
        u"column. A picture, sound or speech clicked then goes to that exercise.",
        u"%1 cannot be the name of a list: %2. Please choose another name.", // %2: why
        u"%1 cannot be the name of a list: the game keeps a folder of that name beside the lists. "
        u"Please choose another name.",
        u"The list %1 was changed on disk since it was opened, by another editor or by hand. Write "
        u"your version over it? Choose No to load the list from the disk again; your last change "
        u"is then dropped.",
        u"Colour rings",
        u"Picture steps",
        u"Find images",
        u"Painting",
        u"Picture and word",
        u"Moving pictures",
        u"The game's settings play this list in: %1. These activities will find no list until "
        u"another one is chosen for them on the game's options screen.", // %1: the activities
        u"The game's settings play the list %1 in: %2. Under a new name these activities will "
        u"find no list until it is chosen for them again on the game's options screen. Rename it?",
        u"The lists %1 use it. Their exercises keep its name, and the game will show or play "
        u"nothing for it.", // %1: the lists' names
        u"A list named %1 exists already. Please choose another name.",
        u"%1 differs from the list's name only in letter case, which not every disk tells apart. "
        u"Please choose another name.",
        u"The list %1 could not be renamed; it keeps its name.", // the cause follows
        u"Please enter the new name.",
        u"%1 is not a picture the game can show, so it was not copied: it is damaged, or it is no "
        u"picture at all. The game shows PNG, JPEG, GIF, BMP, TIFF, WebP and SVG pictures.",
        u"%1 of %2", // the play order: an exercise's place and the list's length
        u"Play earlier",
        u"Play later",
        u"Switch settings…",
        u"Switch settings",
        u"Sound at each scanning step",
        u"None",
        u"A short tick",
        u"The item's own sound",
        u"Lets a child who sees little follow the scanning by ear: a tick, or the spoken name of "
        u"the activity or picture.",
        u"Rounds before scanning rests",
        u"Never rests", // 0 rounds
        u"Automatic scanning waits after this many rounds without a press; the next press starts "
        u"it again and chooses nothing.",
        u"Scan frame width",
        u"The picture's own frame", // 0 pixels
        u"A bold frame of 2 to 16 pixels around the scanned item, for a child with low vision.",
        u"Scan frame colour",
        u"Choose…",
        u"The colour of the bold frame.",
        u"Lock the game for the child",
        u"Esc and the stop buttons work only when held for the time set under Switch timing, and "
        u"the menu's scanning passes over its stop button.",
        u"Keep a session log",
        u"The game writes every press and answer to the child's log folder, for the summary "
        u"by day, week and month.",
        u"Controller button of the first switch",
        u"On a switch interface that is a game controller, this button steps like Space; every "
        u"other button chooses like Enter.",
        u"Test",
        u"Click here, then press a switch or a key: you see what the game heard and how each "
        u"screen takes it.",
        u"First switch (Space): steps",
        u"Second switch (Enter): chooses",
        u"Space",
        u"Enter",
        u"Left mouse button",
        u"Right mouse button",
        u"The game takes only the left and the right mouse button.",
        u"Controller button %1",
        u"The switch settings could not be saved to %1. %2 Please mend that and press OK again, "
        u"or Cancel to keep the settings as they were.", // %2: the cause
        u"Session log…",
        u"Session log",
        u"Day",
        u"Activity",
        u"Sessions",
        u"Minutes",
        u"Presses",
        u"Correct",
        u"Wrong",
        u"Seconds to press", // the median time from a new picture to the child's next press
        u"Open log folder",
        u"Nothing has been logged yet. The game keeps a log of each session when the log is "
        u"turned on in the switch settings (log=1 in options/access.opt).",
        u"Switch timing",
        u"Hold before a press counts",
        u"A press counts only once the switch has been held this long; a shorter touch is no "
        u"press. For a child with a tremor or who brushes the switch.",
        u"Act when the switch is let go",
        u"The press counts when the switch is let go rather than when it goes down, for a child "
        u"who can press but not let go on time.",
        u"Ignore repeated presses for",
        u"After a press counts, further presses within this time are passed over on every screen, "
        u"so a bouncing switch or a shaking hand cannot choose twice.",
        u"Time of each scanning step",
        u"How long automatic scanning stays on each target, to a tenth of a second. As on the "
        u"options screen: its whole seconds stand.",
        u"Extra time on the first target",
        u"How much longer automatic scanning stays on the first target of each round, so the "
        u"child can get ready.",
        u"Scanning starts with a press",
        u"Automatic scanning waits for a first press instead of starting with the screen.",
        u"Let each step's sound finish",
        u"With a sound at each scanning step, scanning moves on only once the target's sound has "
        u"ended, so a spoken name is never cut off.",
        u"Hold to leave when locked",
        u"How long Esc or a stop button must be held while the game is locked for the child.",
        u"Off",                      // no time at all
        u"As on the options screen", // no scan time of its own
        u" s",                       // after a number of seconds
        u"Any key: a press",
        u"Menu",
        u"Every screen",
        u"%1: %2", // %1: the screens, %2: how they take the press
        u"first switch, steps",
        u"second switch, chooses",
        u"a press",
        u"not used",
        u"the way out, no switch",
        u"The game does not hear this key: Alt, keys pressed with Alt, and F10 stay with the "
        u"system.",
        u"%1 is too large for the game to show (%2 x %3 pixels), so it was not copied. The game "
        u"shows photos (JPEG) of up to 60 million pixels and other pictures of up to 25 million, "
        u"none over 16384 pixels a side; please save it smaller first.",
        u"%1 is a %2 picture, which the game does not show, so it was not copied. The game shows "
        u"PNG, JPEG, GIF, BMP, TIFF, WebP and SVG pictures; please save it in one of these "
        u"formats first. A phone set to take its photos as JPEG (on an iPhone: Settings, Camera, "
        u"Formats, Most Compatible) saves photos the game shows.",
        u"%1 is not a sound the game can play, so it was not copied. The game plays WAV, Ogg "
        u"Vorbis, Opus, MP3 and FLAC files named for what they hold (.wav, .ogg, .oga, .opus, "
        u".mp3, .flac); please save it in one of these formats first.",
        u"%1 is an M4A or AAC recording, as phones make them, which the game cannot play, so it "
        u"was not copied. Please share it from the phone as MP3 or WAV, or convert it to one of "
        u"these with a sound converter, and add that file instead.",
        u"another file of the folder has this name, and the lists would find that one",
        u"Undo",
        u"Takes back the last deleting, moving or renaming of an exercise (Ctrl+Z).",
        u"The list is now called %1, but the game's settings could not be changed to the new "
        u"name, so these activities will find no list until it is chosen for them again on the "
        u"game's options screen: %2.", // the cause follows
        // a right click's action on a picture, sound or speech file
        u"Delete file…",
        u"%1 was not copied: the game could not draw this SVG picture within the time and memory "
        u"it allows one picture, so it would show nothing in its place. The picture may be too "
        u"detailed, or made to stop the programs that open it; please save it as a PNG picture "
        u"first, or choose another.",
        // %1: the system file that turns the editor off
        u"The list editor is turned off on this computer. The computer's administrator can turn "
        u"it on with the line editor=1 in %1.",
        // the child choice
        u"Child:",
        u"New child…",
        u"Rename…",
        u"Delete…",
        u"The new child's name, as the switch settings and the session log will show it:",
        u"The new name of %1:",
        u"Delete %1? The child's switch settings and session log are deleted with the name, and "
        u"cannot be brought back.",
        u"%1 cannot be deleted: a computer needs one child's settings to play with. Add another "
        u"child with New child… first; then %1 can be deleted.",
        u"%1 cannot be a child's name. Please type a name that does not start with a dot and holds "
        u"no / or \\, such as the child's first name.",
        u"There is a child named %1 already. Please type another name, for example the first name "
        u"with the first letter of the family name after it.",
        u"The children's folder %1 could not be changed.",
        // the views of the session log
        u"Days",
        u"Weeks",
        u"Months",
        // column titles
        u"Week",
        u"Month",
        u"Share right",
        // the median time from the scan frame reaching the right choice to the press
        u"Seconds from frame to press",
        u"Missed chances per task",
        // %1: the week's number, %2: its year
        u"Week %1, %2",
        // two dates
        u"%1 to %2",
        u"Chart:",
        u"Report for:",
        u"Save report…",
        u"Session log report",
        u"Child: %1",
        u"Period: %1",
        u"Settings in force",
        u"No settings were logged in this period.",
        u"Changes of settings",
        u"No settings were changed in this period.",
        u"Therapist's notes",
        // the file dialog's filter, before its pattern
        u"PDF files",
        u"The report could not be saved to %1.",
        // a log file left out of the summary
        u"The log file %1 could not be read and is left out.",
        u"The log file %1 is too large to be a day's log and is left out.",
        u"The log file %1 is cut short: its last row is incomplete or could not be read. The rows "
        u"before it are counted.",
    };
    static_assert(noneEmpty(kEnglish), "every text needs its English");

    // The built-in English texts.
    EditorTexts();

    // The texts of `language`. Line n of its tool.txt replaces text n; lines the file lacks keep
    // their English text, an empty line gives an empty text, lines after the thirteenth are not
    // read. Line n of editor.txt replaces the n-th text after those, where it is there and not
    // empty. Missing or unreadable files leave the English texts.
    static EditorTexts read(const FileSystem& files, std::u16string_view language);

    static std::u16string pathOf(std::u16string_view language);
    static std::u16string messagesPathOf(std::u16string_view language);

    const std::u16string& operator[](Text text) const { return texts_[text]; }

    // The name of `activity`, one of the menu's.
    const std::u16string& activityName(GameScreen activity) const {
        return texts_[static_cast<std::size_t>(ActivityNames + rowOf(activity).menuPlace - 1)];
    }

    // Text `text` with %1 replaced by `value`.
    std::u16string with(Text text, std::u16string_view value) const {
        return fillIn(texts_[text], {value});
    }

private:
    std::array<std::u16string, Count> texts_;
};
