# SPDX-License-Identifier: GPL-3.0-or-later
"""Text files of the content folder: the language file, the content lists,
the options screen's help lines, the game's and the editor's own words and
the starting settings of each language.

All are written as the programs write text: UTF-8 with the byte-order mark
EF BB BF and every line, the last one included, ended by CR LF."""

import os

import catalog

BOM = b"\xef\xbb\xbf"


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = BOM + b"".join(line.encode("utf-8") + b"\r\n" for line in lines)
    with open(path, "wb") as f:
        f.write(data)


# ------------------------------------------------------------------- lists

def list_lines(exercises, language):
    """Six lines per exercise: name, image, sound, speech, text, colour."""
    lines = []
    for e in exercises:
        word = e.word(language)
        lines += [word, e.id + ".png", e.id + ".wav", e.id + ".wav", word, str(e.colour)]
    return lines


# ------------------------------------------------ help lines of the options

# One line per control, in the order the options screen numbers them: stop
# button, reset button, colour box, music, sound, random order, list order,
# stop button shown, Esc only, switches, scan time, key time, list, count,
# speech, text, capitals, speed, movie, line width, switch mode, pause,
# language.
HELP = {
    "English": [
        "Stop: leave the settings and go back to the menu.",
        "Reset: go back to the starting settings.",
        "Background colour. Stripes: each picture's own colour.",
        "Music on or off.",
        "Sounds on or off.",
        "Pictures in random order.",
        "Pictures in the order of the list.",
        "A stop button on the screen ends the activity.",
        "No stop button: only the Esc key ends the activity.",
        "One switch that scans by itself, or two switches.",
        "Scan time: seconds between the automatic steps.",
        "Key time: quicker presses after a press are ignored.",
        "The list of pictures and words. Click for the next list.",
        "How many pictures at a time.",
        "Say the word of each picture.",
        "Write the word under the picture.",
        "Capital letters: ABC or abc.",
        "Speed: slow, medium or fast.",
        "One press carries the picture across, or hold to move.",
        "Width of the rings' lines.",
        "Draw while held, start over on release, or one press.",
        "Pause after a right answer.",
        "The language of the game. Click for the next language.",
    ],
    "Swedish": [
        "Stopp: lämna inställningarna och gå tillbaka till menyn.",
        "Återställ: gå tillbaka till startinställningarna.",
        "Bakgrundsfärg. Ränder: varje bilds egen färg.",
        "Musik på eller av.",
        "Ljud på eller av.",
        "Bilderna i slumpvis ordning.",
        "Bilderna i listans ordning.",
        "En stoppknapp på skärmen avslutar aktiviteten.",
        "Ingen stoppknapp: bara Esc-tangenten avslutar.",
        "En kontakt som stegar själv, eller två kontakter.",
        "Stegtid: sekunder mellan de automatiska stegen.",
        "Tangenttid: snabbare tryck efter ett tryck räknas inte.",
        "Listan med bilder och ord. Klicka för nästa lista.",
        "Hur många bilder åt gången.",
        "Säg ordet till varje bild.",
        "Skriv ordet under bilden.",
        "Stora bokstäver: ABC eller abc.",
        "Hastighet: långsam, mellan eller snabb.",
        "Ett tryck för bilden hela vägen, eller håll in.",
        "Linjebredd för ringarna.",
        "Rita medan kontakten hålls, börja om, eller ett tryck.",
        "Paus efter ett rätt svar.",
        "Spelets språk. Klicka för nästa språk.",
    ],
}

# ------------------------------------------------------------ editor texts

# Column titles (list, exercise, image, sound, speech, text), the entry for
# no speech (it starts with a blank so that it sorts first), the prompt for a
# new name, the three questions before deleting, the question before deleting
# a list (the list's name and "?" follow) and the message when a list cannot
# be saved (the file's path follows).
TOOL = {
    "English": [
        "List",
        "Exercise",
        "Image",
        "Sound",
        "Speech",
        "Text",
        " None",
        "Please enter the name for the new item.",
        "Really delete list ",
        "Really delete image file?",
        "Really delete sound file?",
        "Really delete speech file?",
        "The output file could not be opened. Save aborted. File: ",
    ],
    "Swedish": [
        "Lista",
        "Övning",
        "Bild",
        "Ljud",
        "Tal",
        "Text",
        " Inget",
        "Skriv namnet på det nya.",
        "Vill du verkligen ta bort listan ",
        "Vill du verkligen ta bort bildfilen?",
        "Vill du verkligen ta bort ljudfilen?",
        "Vill du verkligen ta bort talfilen?",
        "Utfilen kunde inte öppnas. Sparandet avbröts. Fil: ",
    ],
}

# ------------------------------------------------------ the game's own words

# The splash notice, the message when a list is missing (%1: its path) and
# its caption, the version line on the about picture, and the message when
# the settings cannot be saved: its caption, its frame (%1: the cause, %2:
# the fix) and six causes, each followed by its fix; in the order of
# GameTexts in game/content/GameTexts.h.
GAME = {
    "English": [
        "Vimo \u00a9 2026 the Vimo developers. Free software.",
        "A list is missing: %1",
        "Error - list is missing.",
        "Version 1.0",
        "Error - settings not saved.",
        "The settings could not be saved. %1 The changes hold until Vimo ends. To keep them, %2, "
        "then open the options screen and leave it again.",
        "The disk is full.",
        "free some space on the disk",
        "The folder is read-only.",
        "make the options folder writable",
        "Vimo may not write there.",
        "give the user who runs Vimo permission to write in the options folder",
        "The options folder is missing.",
        "make a folder named options in the content folder, after renaming any file of that name",
        "A folder has the name of the settings file.",
        "remove the folder options/vimo.opt",
        "The disk reported an error.",
        "check the disk",
        "Error - list cannot be read.",
        "A list cannot be read: %1. %2 Choose another list on the options screen, or mend this "
        "one in the list editor.",
        "One of its lines is far too long.",
    ],
    "Swedish": [
        "Vimo \u00a9 2026 Vimos utvecklare. Fri programvara.",
        "En lista saknas: %1",
        "Fel - en lista saknas.",
        "Version 1.0",
        "Fel - inställningarna sparades inte.",
        "Inställningarna kunde inte sparas. %1 Ändringarna gäller tills Vimo avslutas. För att "
        "behålla dem: %2, öppna sedan inställningsskärmen och lämna den igen.",
        "Disken är full.",
        "frigör utrymme på disken",
        "Mappen är skrivskyddad.",
        "gör mappen options skrivbar",
        "Vimo får inte skriva där.",
        "ge användaren som kör Vimo behörighet att skriva i mappen options",
        "Mappen options saknas.",
        "skapa en mapp som heter options i innehållsmappen, efter att ha bytt namn på en fil med "
        "det namnet om det finns någon",
        "En mapp har inställningsfilens namn.",
        "ta bort mappen options/vimo.opt",
        "Disken rapporterade ett fel.",
        "kontrollera disken",
        "Fel - listan kan inte läsas.",
        "En lista kan inte läsas: %1. %2 Välj en annan lista på inställningsskärmen, eller laga "
        "den här i listredigeraren.",
        "En av dess rader är alldeles för lång.",
    ],
}

# ------------------------------------------------ the editor's other words

# The editor's messages beyond tool.txt, in the order of EditorTexts in
# editor/texts/EditorTexts.h after its thirteen tool.txt texts. %1 stands for
# the list, file or path the message is about. A new text is one more line at
# the end of each language's list.
EDITOR = {
    "English": [
        "The list %1 is no longer there.",
        "A list named %1 exists already. Replace it with an empty list?",
        "The changes to the list %1 could not be saved. Discard them?",
        "The list %1 could not be saved. Close the editor anyway? The changes will be lost.",
        "%1 cannot be the name of a list. A name may not contain / \\ < > : \" | ? * or line "
        "breaks, be . or .., or end with a blank or a dot.",
        "The file %1 cannot be copied into the content folder under this name. Please rename "
        "it first.",
        "%1 is already there. Nothing was copied.",
        "The file could not be copied to %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "Access to %1 was denied.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "An unknown error occurred while accessing %1.",
        "The disk is full.",
        "The file or folder is read-only.",
        "You have no permission to write there.",
        "Its folder is missing.",
        "A folder has that name.",
        "A file of that name is already there.",
        "The disk reported an error.",
        "Image Files",
        "Sound Files",
        "OK",
        "Cancel",
        "a name must hold more than dots",
        "it contains a character that is not allowed in a name (one of / \\ < > : \" | ? * or "
        "a line break)",
        "it ends with a blank or a dot, which Windows leaves out",
        "Windows keeps this name for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, "
        "with any extension)",
        "the editor keeps names of this form for files it is saving",
        "it is too long: a name may have at most 255 bytes, which is 255 plain letters or fewer "
        "with accents",
        "The file %1 cannot be copied under this name: %2. Copy it as %3?",
        "There is a list named %1 already, which differs from %2 only in letter case. It is "
        "chosen now and was left as it is. To make a new list, please choose another name.",
        "The list %1 has an empty line where the name of an exercise should be. The game stops "
        "reading the list there and never shows the %2 lines after it, so the editor shows only "
        "the exercises before it. Before the list is saved, you will be asked whether to leave "
        "those lines out.",
        "Saving the list %1 keeps only the exercises shown: the %2 lines after its empty line, "
        "which the game never shows, will be left out. Save it this way? No leaves the file as "
        "it is.",
        "Please choose an exercise first, or add one with the plus button under the Exercise "
        "column. A picture, sound or speech clicked then goes to that exercise.",
        "%1 cannot be the name of a list: %2. Please choose another name.",
        "%1 cannot be the name of a list: the game keeps a folder of that name beside the lists. "
        "Please choose another name.",
        "The list %1 was changed on disk since it was opened, by another editor or by hand. Write "
        "your version over it? Choose No to load the list from the disk again; your last change "
        "is then dropped.",
        "Colour rings",
        "Picture steps",
        "Find images",
        "Painting",
        "Picture and word",
        "Moving pictures",
        "The game's settings play this list in: %1. These activities will find no list until "
        "another one is chosen for them on the game's options screen.",
        "The game's settings play the list %1 in: %2. Under a new name these activities will "
        "find no list until it is chosen for them again on the game's options screen. Rename it?",
        "The lists %1 use it. Their exercises keep its name, and the game will show or play "
        "nothing for it.",
        "A list named %1 exists already. Please choose another name.",
        "%1 differs from the list's name only in letter case, which not every disk tells apart. "
        "Please choose another name.",
        "The list %1 could not be renamed; it keeps its name.",
        "Please enter the new name.",
        "%1 is not a picture the game can show, so it was not copied: it is damaged, or it is no "
        "picture at all. The game shows PNG, JPEG, GIF, BMP, TIFF, WebP and SVG pictures.",
        "%1 of %2",
        "Play earlier",
        "Play later",
        "Switch settings…",
        "Switch settings",
        "Sound at each scanning step",
        "None",
        "A short tick",
        "The item's own sound",
        "Lets a child who sees little follow the scanning by ear: a tick, or the spoken name of "
        "the activity or picture.",
        "Rounds before scanning rests",
        "Never rests",
        "Automatic scanning waits after this many rounds without a press; the next press starts "
        "it again and chooses nothing.",
        "Scan frame width",
        "The picture's own frame",
        "A bold frame of 2 to 16 pixels around the scanned item, for a child with low vision.",
        "Scan frame colour",
        "Choose…",
        "The colour of the bold frame.",
        "Lock the game for the child",
        "Esc and the stop buttons work only when held for the time set under Switch timing, and "
        "the menu's scanning passes over its stop button.",
        "Keep a session log",
        "The game writes every press and answer to the child's log folder, for the summary "
        "by day, week and month.",
        "Controller button of the first switch",
        "On a switch interface that is a game controller, this button steps like Space; every "
        "other button chooses like Enter.",
        "Test",
        "Click here, then press a switch or a key: you see what the game heard and how each "
        "screen takes it.",
        "First switch (Space): steps",
        "Second switch (Enter): chooses",
        "Space",
        "Enter",
        "Left mouse button",
        "Right mouse button",
        "The game takes only the left and the right mouse button.",
        "Controller button %1",
        "The switch settings could not be saved to %1. %2 Please mend that and press OK again, "
        "or Cancel to keep the settings as they were.",
        "Session log…",
        "Session log",
        "Day",
        "Activity",
        "Sessions",
        "Minutes",
        "Presses",
        "Correct",
        "Wrong",
        "Seconds to press",
        "Open log folder",
        "Nothing has been logged yet. The game keeps a log of each session when the log is "
        "turned on in the switch settings (log=1 in options/access.opt).",
        "Switch timing",
        "Hold before a press counts",
        "A press counts only once the switch has been held this long; a shorter touch is no "
        "press. For a child with a tremor or who brushes the switch.",
        "Act when the switch is let go",
        "The press counts when the switch is let go rather than when it goes down, for a child "
        "who can press but not let go on time.",
        "Ignore repeated presses for",
        "After a press counts, further presses within this time are passed over on every screen, "
        "so a bouncing switch or a shaking hand cannot choose twice.",
        "Time of each scanning step",
        "How long automatic scanning stays on each target, to a tenth of a second. As on the "
        "options screen: its whole seconds stand.",
        "Extra time on the first target",
        "How much longer automatic scanning stays on the first target of each round, so the "
        "child can get ready.",
        "Scanning starts with a press",
        "Automatic scanning waits for a first press instead of starting with the screen.",
        "Let each step's sound finish",
        "With a sound at each scanning step, scanning moves on only once the target's sound has "
        "ended, so a spoken name is never cut off.",
        "Hold to leave when locked",
        "How long Esc or a stop button must be held while the game is locked for the child.",
        "Off",
        "As on the options screen",
        " s",
        "Any key: a press",
        "Menu",
        "Every screen",
        "%1: %2",
        "first switch, steps",
        "second switch, chooses",
        "a press",
        "not used",
        "the way out, no switch",
        "The game does not hear this key: Alt, keys pressed with Alt, and F10 stay with the "
        "system.",
        "%1 is too large for the game to show (%2 x %3 pixels), so it was not copied. The game "
        "shows photos (JPEG) of up to 60 million pixels and other pictures of up to 25 million, "
        "none over 16384 pixels a side; please save it smaller first.",
        "%1 is a %2 picture, which the game does not show, so it was not copied. The game shows "
        "PNG, JPEG, GIF, BMP, TIFF, WebP and SVG pictures; please save it in one of these formats "
        "first. A phone set to take its photos as JPEG (on an iPhone: Settings, Camera, Formats, "
        "Most Compatible) saves photos the game shows.",
        "%1 is not a sound the game can play, so it was not copied. The game plays WAV, Ogg "
        "Vorbis, Opus, MP3 and FLAC files named for what they hold (.wav, .ogg, .oga, .opus, "
        ".mp3, .flac); please save it in one of these formats first.",
        "%1 is an M4A or AAC recording, as phones make them, which the game cannot play, so it "
        "was not copied. Please share it from the phone as MP3 or WAV, or convert it to one of "
        "these with a sound converter, and add that file instead.",
        "another file of the folder has this name, and the lists would find that one",
        "Undo",
        "Takes back the last deleting, moving or renaming of an exercise (Ctrl+Z).",
        "The list is now called %1, but the game's settings could not be changed to the new "
        "name, so these activities will find no list until it is chosen for them again on the "
        "game's options screen: %2.",
        "Delete file…",
        "%1 was not copied: the game could not draw this SVG picture within the time and memory "
        "it allows one picture, so it would show nothing in its place. The picture may be too "
        "detailed, or made to stop the programs that open it; please save it as a PNG picture "
        "first, or choose another.",
        "The list editor is turned off on this computer. The computer's administrator can turn "
        "it on with the line editor=1 in %1.",
        "Child:",
        "New child…",
        "Rename…",
        "Delete…",
        "The new child's name, as the switch settings and the session log will show it:",
        "The new name of %1:",
        "Delete %1? The child's switch settings and session log are deleted with the name, and "
        "cannot be brought back.",
        "%1 cannot be deleted: a computer needs one child's settings to play with. Add another "
        "child with New child… first; then %1 can be deleted.",
        "%1 cannot be a child's name. Please type a name that does not start with a dot and "
        "holds no / or \\, such as the child's first name.",
        "There is a child named %1 already. Please type another name, for example the first "
        "name with the first letter of the family name after it.",
        "The children's folder %1 could not be changed.",
        "Days",
        "Weeks",
        "Months",
        "Week",
        "Month",
        "Share right",
        "Seconds from frame to press",
        "Missed chances per task",
        "Week %1, %2",
        "%1 to %2",
        "Chart:",
        "Report for:",
        "Save report…",
        "Session log report",
        "Child: %1",
        "Period: %1",
        "Settings in force",
        "No settings were logged in this period.",
        "Changes of settings",
        "No settings were changed in this period.",
        "Therapist's notes",
        "PDF files",
        "The report could not be saved to %1.",
        "The log file %1 could not be read and is left out.",
        "The log file %1 is too large to be a day's log and is left out.",
        "The log file %1 is cut short: its last row is incomplete or could not be read. The rows "
        "before it are counted.",
    ],
    "Swedish": [
        "Listan %1 finns inte längre.",
        "Det finns redan en lista som heter %1. Vill du byta ut den mot en tom lista?",
        "Ändringarna i listan %1 kunde inte sparas. Vill du kasta dem?",
        "Listan %1 kunde inte sparas. Vill du ändå stänga redigeraren? Ändringarna går förlorade.",
        "%1 kan inte vara namnet på en lista. Ett namn får inte innehålla / \\ < > : \" | ? * "
        "eller radbrytningar, vara . eller .., eller sluta med blanksteg eller punkt.",
        "Filen %1 kan inte kopieras in i innehållsmappen med det namnet. Byt namn på den först.",
        "%1 finns redan. Ingenting kopierades.",
        "Filen kunde inte kopieras till %1.",
        "%1 hittades inte.",
        "%1 innehåller en ogiltig sökväg.",
        "Åtkomst till %1 nekades.",
        "%1 används av ett annat program.",
        "%1 är låst av ett annat program.",
        "Ett okänt fel inträffade med %1.",
        "Disken är full.",
        "Filen eller mappen är skrivskyddad.",
        "Du har inte behörighet att skriva där.",
        "Dess mapp saknas.",
        "En mapp har det namnet.",
        "Det finns redan en fil med det namnet.",
        "Disken rapporterade ett fel.",
        "Bildfiler",
        "Ljudfiler",
        "OK",
        "Avbryt",
        "ett namn måste innehålla mer än punkter",
        "det innehåller ett tecken som inte får finnas i ett namn (något av / \\ < > : \" | ? * "
        "eller en radbrytning)",
        "det slutar med ett blanksteg eller en punkt, som Windows tar bort",
        "Windows har det namnet för en enhet (CON, PRN, AUX, NUL, COM1 till COM9, LPT1 till "
        "LPT9, med vilket filtillägg som helst)",
        "redigeraren använder namn av den formen för filer som den håller på att spara",
        "det är för långt: ett namn får ha högst 255 byte, vilket är 255 vanliga bokstäver eller "
        "färre om det har å, ä, ö eller andra accenter",
        "Filen %1 kan inte kopieras med det namnet: %2. Vill du kopiera den som %3?",
        "Det finns redan en lista som heter %1, som skiljer sig från %2 bara i stora och små "
        "bokstäver. Den är vald nu och lämnades som den var. Välj ett annat namn för att göra en "
        "ny lista.",
        "Listan %1 har en tom rad där namnet på en övning borde stå. Spelet slutar läsa listan "
        "där och visar aldrig de %2 raderna efter den, så redigeraren visar bara övningarna före "
        "den. Innan listan sparas får du frågan om de raderna ska tas bort.",
        "När listan %1 sparas behålls bara övningarna som visas: de %2 raderna efter den tomma "
        "raden, som spelet aldrig visar, tas bort. Vill du spara den så? Nej lämnar filen som "
        "den är.",
        "Välj först en övning, eller lägg till en med plusknappen under kolumnen Övning. En "
        "bild, ett ljud eller ett tal som du sedan klickar på hamnar i den övningen.",
        "%1 kan inte vara namnet på en lista: %2. Välj ett annat namn.",
        "%1 kan inte vara namnet på en lista: spelet har en mapp med det namnet bredvid listorna. "
        "Välj ett annat namn.",
        "Listan %1 har ändrats på disken sedan den öppnades, av en annan redigerare eller för "
        "hand. Vill du skriva din version över den? Välj Nej för att läsa in listan från disken "
        "igen; din senaste ändring försvinner då.",
        "Färgringar",
        "Bildsteg",
        "Hitta bilder",
        "Måla",
        "Bild och ord",
        "Rörliga bilder",
        "Spelets inställningar spelar den här listan i: %1. De aktiviteterna hittar ingen lista "
        "förrän en annan har valts åt dem på spelets inställningsskärm.",
        "Spelets inställningar spelar listan %1 i: %2. Med ett nytt namn hittar de aktiviteterna "
        "ingen lista förrän den har valts åt dem igen på spelets inställningsskärm. Vill du byta "
        "namn på den?",
        "Listorna %1 använder den. Deras övningar behåller dess namn, och spelet visar eller "
        "spelar ingenting för den.",
        "Det finns redan en lista som heter %1. Välj ett annat namn.",
        "%1 skiljer sig från listans namn bara i stora och små bokstäver, vilket inte alla diskar "
        "skiljer på. Välj ett annat namn.",
        "Listan %1 kunde inte byta namn; den behåller sitt namn.",
        "Skriv det nya namnet.",
        "%1 är inte en bild som spelet kan visa, så den kopierades inte: den är skadad, eller så "
        "är den ingen bild alls. Spelet visar bilder i PNG, JPEG, GIF, BMP, TIFF, WebP och SVG.",
        "%1 av %2",
        "Spela tidigare",
        "Spela senare",
        "Kontaktinställningar…",
        "Kontaktinställningar",
        "Ljud vid varje steg i skanningen",
        "Inget",
        "Ett kort tick",
        "Objektets eget ljud",
        "Låter ett barn som ser dåligt följa skanningen med hörseln: ett tick, eller "
        "aktivitetens eller bildens talade namn.",
        "Varv innan skanningen vilar",
        "Vilar aldrig",
        "Den automatiska skanningen väntar efter så många varv utan tryck; nästa tryck "
        "startar den igen och väljer ingenting.",
        "Skanningsramens bredd",
        "Bildens egen ram",
        "En tjock ram på 2 till 16 bildpunkter runt det skannade objektet, för ett barn med "
        "nedsatt syn.",
        "Skanningsramens färg",
        "Välj…",
        "Den tjocka ramens färg.",
        "Lås spelet för barnet",
        "Esc och stoppknapparna fungerar bara när de hålls nere den tid som anges under "
        "Kontakternas tider, och menyns skanning hoppar över dess stoppknapp.",
        "Spara en logg över passen",
        "Spelet skriver varje tryck och svar i barnets loggmapp, för sammanfattningen per dag, "
        "vecka och månad.",
        "Handkontrollens knapp för första kontakten",
        "På ett kontaktgränssnitt som är en spelkontroll stegar den här knappen som "
        "mellanslag; alla andra knappar väljer som Enter.",
        "Test",
        "Klicka här och tryck sedan på en kontakt eller en tangent: du ser vad spelet hörde och "
        "hur varje skärm tar emot det.",
        "Första kontakten (mellanslag): stegar",
        "Andra kontakten (Enter): väljer",
        "Mellanslag",
        "Enter",
        "Vänster musknapp",
        "Höger musknapp",
        "Spelet tar bara emot vänster och höger musknapp.",
        "Handkontrollens knapp %1",
        "Kontaktinställningarna kunde inte sparas i %1. %2 Åtgärda det och tryck på OK igen, "
        "eller på Avbryt för att behålla inställningarna som de var.",
        "Sessionslogg…",
        "Sessionslogg",
        "Dag",
        "Aktivitet",
        "Sessioner",
        "Minuter",
        "Tryck",
        "Rätt",
        "Fel",
        "Sekunder till tryck",
        "Öppna loggmappen",
        "Ingenting har loggats än. Spelet loggar varje session när loggen är påslagen i "
        "kontaktinställningarna (log=1 i options/access.opt).",
        "Kontakternas tider",
        "Hålltid innan ett tryck räknas",
        "Ett tryck räknas först när kontakten har hållits nere så här länge; en kortare "
        "beröring är inget tryck. För ett barn med darrningar eller som råkar stryka mot "
        "kontakten.",
        "Agera när kontakten släpps",
        "Trycket räknas när kontakten släpps i stället för när den trycks ned, för ett barn som "
        "kan trycka men inte släppa i tid.",
        "Bortse från upprepade tryck under",
        "När ett tryck har räknats hoppas fler tryck inom den här tiden över på alla skärmar, så "
        "att en studsande kontakt eller en skakande hand inte kan välja två gånger.",
        "Tid för varje skanningssteg",
        "Hur länge den automatiska skanningen stannar på varje mål, på en tiondels sekund när. "
        "Som på inställningsskärmen: dess hela sekunder gäller.",
        "Extra tid på det första målet",
        "Hur mycket längre den automatiska skanningen stannar på det första målet i varje varv, "
        "så att barnet hinner göra sig redo.",
        "Skanningen startar med ett tryck",
        "Den automatiska skanningen väntar på ett första tryck i stället för att starta med "
        "skärmen.",
        "Låt varje stegs ljud spelas klart",
        "Med ljud vid varje steg går skanningen vidare först när målets ljud har tagit slut, så "
        "att ett talat namn aldrig klipps av.",
        "Hålltid för att lämna när spelet är låst",
        "Hur länge Esc eller en stoppknapp måste hållas nere när spelet är låst för barnet.",
        "Av",
        "Som på inställningsskärmen",
        " s",
        "Valfri tangent: ett tryck",
        "Meny",
        "Alla skärmar",
        "%1: %2",
        "första kontakten, stegar",
        "andra kontakten, väljer",
        "ett tryck",
        "används inte",
        "vägen ut, ingen kontakt",
        "Spelet hör inte den här tangenten: Alt, tangenter som trycks med Alt samt F10 behålls "
        "av systemet.",
        "%1 är för stor för att spelet ska kunna visa den (%2 x %3 bildpunkter), så den "
        "kopierades inte. Spelet visar foton (JPEG) med högst 60 miljoner bildpunkter och andra "
        "bilder med högst 25 miljoner, ingen över 16384 bildpunkter per sida; spara den i en "
        "mindre storlek först.",
        "%1 är en bild i formatet %2, som spelet inte visar, så den kopierades inte. Spelet visar "
        "bilder i PNG, JPEG, GIF, BMP, TIFF, WebP och SVG; spara den i något av de formaten "
        "först. En telefon som tar sina foton som JPEG (på en iPhone: Inställningar, Kamera, "
        "Format, Mest kompatibel) sparar foton som spelet visar.",
        "%1 är inte ett ljud som spelet kan spela, så det kopierades inte. Spelet spelar filer "
        "i WAV, Ogg Vorbis, Opus, MP3 och FLAC med ett namn som säger vad de innehåller (.wav, "
        ".ogg, .oga, .opus, .mp3, .flac); spara det i något av de formaten först.",
        "%1 är en inspelning i M4A eller AAC, som telefoner sparar dem, och sådana kan spelet "
        "inte spela, så den kopierades inte. Dela den från telefonen som MP3 eller WAV, eller "
        "konvertera den till något av de formaten med ett ljudprogram, och lägg sedan till den "
        "filen i stället.",
        "en annan fil i mappen har det namnet, och listorna skulle hitta den",
        "Ångra",
        "Ångrar den senaste borttagningen, flyttningen eller namnbytet av en övning (Ctrl+Z).",
        "Listan heter nu %1, men spelets inställningar kunde inte ändras till det nya namnet, så "
        "de här aktiviteterna hittar ingen lista förrän den har valts åt dem igen på spelets "
        "inställningsskärm: %2.",
        "Ta bort filen…",
        "%1 kopierades inte: spelet kunde inte rita denna SVG-bild inom den tid och det minne "
        "som det ger en bild, så den skulle inte synas. Bilden kan vara för detaljerad eller "
        "gjord för att stoppa de program som öppnar den; spara den först som en PNG-bild, eller "
        "välj en annan.",
        "Listredigeraren är avstängd på den här datorn. Datorns administratör kan slå på den med "
        "raden editor=1 i %1.",
        "Barn:",
        "Nytt barn…",
        "Byt namn…",
        "Ta bort…",
        "Det nya barnets namn, så som kontaktinställningarna och sessionsloggen ska visa det:",
        "Det nya namnet för %1:",
        "Vill du ta bort %1? Barnets kontaktinställningar och sessionslogg tas bort tillsammans "
        "med namnet och kan inte återställas.",
        "%1 kan inte tas bort: en dator behöver ett barns inställningar att spela med. Lägg "
        "först till ett annat barn med Nytt barn…; sedan kan %1 tas bort.",
        "%1 kan inte vara ett barns namn. Skriv ett namn som inte börjar med en punkt och inte "
        "innehåller / eller \\, till exempel barnets förnamn.",
        "Det finns redan ett barn som heter %1. Skriv ett annat namn, till exempel förnamnet "
        "följt av efternamnets första bokstav.",
        "Barnens mapp %1 kunde inte ändras.",
        "Dagar",
        "Veckor",
        "Månader",
        "Vecka",
        "Månad",
        "Andel rätt",
        "Sekunder från ram till tryck",
        "Missade chanser per uppgift",
        "Vecka %1, %2",
        "%1 till %2",
        "Diagram:",
        "Rapport för:",
        "Spara rapport…",
        "Rapport från sessionsloggen",
        "Barn: %1",
        "Period: %1",
        "Gällande inställningar",
        "Inga inställningar loggades under perioden.",
        "Ändrade inställningar",
        "Inga inställningar ändrades under perioden.",
        "Terapeutens anteckningar",
        "PDF-filer",
        "Rapporten kunde inte sparas i %1.",
        "Loggfilen %1 kunde inte läsas och är inte med.",
        "Loggfilen %1 är för stor för att vara en dags logg och är inte med.",
        "Loggfilen %1 är avbruten: dess sista rad är ofullständig eller kunde inte läsas. Raderna "
        "före den är medräknade.",
    ],
}

# -------------------------------------------------------- starting settings

MENU_BLUE = -14534998        # 0xFF2236AA
BLACK = -16777216
OWN_COLOUR = -8355712        # 0xFF808080: each exercise's own colour
VIOLET = -4440067            # 0xFFBC3FFD
LIGHT_BLUE = -12595459       # 0xFF3FCEFD


def key_time_text(seconds):
    """The float value as the options file holds it: 12 significant digits of
    the single-precision value widened to double, trailing zeros removed, the
    decimal point kept (0.2 -> 0.20000000298, 1.0 -> 1.)."""
    import struct
    value = struct.unpack("<f", struct.pack("<f", seconds))[0]
    text = "%.12g" % value
    if "." not in text:
        text += "."
    return text


def options_lines(language):
    """Settings a new installation starts from: two switches, a stop button
    on the activity screens so that an adult with a mouse can always get back
    to the menu, a key time of 0.4 s that swallows the bounce of a shaky press,
    and the exercises' own colours behind picture steps and picture and word."""
    general = [
        0,      # oneContact: two switches
        1,      # useStop: stop button shown
        3,      # scanTime
        key_time_text(0.4),
        1,      # textOn
        0,      # capsOn
        1,      # speechOn
        4,      # numPatterns
        3,      # numFinds
        50,     # speedGame1
        50,     # speedGame6
        0,      # movie
        20,     # lineWidth
        0,      # contactMode
        3,      # findPause
    ]
    backgrounds = [MENU_BLUE, BLACK, OWN_COLOUR, BLACK, VIOLET, OWN_COLOUR, LIGHT_BLUE]
    lines = [str(v) for v in general]
    for i in range(7):
        lines += ["1", "1", "1", str(backgrounds[i]), "vimo"]
    assert len(lines) == 50
    return lines


def build(root):
    data = os.path.join(root, "data")
    write_lines(os.path.join(data, "lang.txt"), ["English"])
    for language in catalog.LANGUAGES:
        for name, exercises in catalog.lists_for(language):
            write_lines(os.path.join(data, language, name), list_lines(exercises, language))
        assert len(HELP[language]) == 23
        write_lines(os.path.join(data, language, "Options", "options.txt"), HELP[language])
        assert len(TOOL[language]) == 13
        write_lines(os.path.join(data, language, "Tool", "tool.txt"), TOOL[language])
        assert len(GAME[language]) == len(GAME["English"])
        write_lines(os.path.join(data, language, "Options", "vimo.txt"), GAME[language])
        assert len(EDITOR[language]) == len(EDITOR["English"])
        write_lines(os.path.join(data, language, "Tool", "editor.txt"), EDITOR[language])
        write_lines(os.path.join(root, "options", language + ".opt"), options_lines(language))
