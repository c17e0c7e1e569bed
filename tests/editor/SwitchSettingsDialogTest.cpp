// SPDX-License-Identifier: GPL-3.0-or-later
// The switch settings dialog, opened from the main dialog's button: it shows options\access.opt,
// writes it on OK and leaves it on Cancel, and its test area lights up the switch a key, a
// mouse button or a controller button is in the game and says how each screen takes it.
#include "EditorDialogFixture.h"
#include "common/content/AccessSettings.h"
#include "common/files/ProfileFileSystem.h"
#include "editor/dialog/CSwitchSettingsDialog.h"
#include "editor/dialog/CSwitchTestPad.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kPath = "options/access.opt";

} // namespace

class SwitchSettingsDialogTest : public EditorDialogFixture {
public:
    QPointer<CSwitchSettingsDialog> settings;

    void openSettings() {
        openContent();
        folder.makeFolder("options");
        press("switchSettings");
        settings = dialog->findChild<CSwitchSettingsDialog*>();
        ASSERT_TRUE(settings);
        ASSERT_TRUE(settings->isVisible());
    }
    template <typename Widget> Widget& control(const char* name) {
        auto* found = settings->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    void click(QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(settings->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }
    AccessSettings written() const { return readAccessSettings(files); }
};

// What the dialog shows of a file, what the user changes, and what OK leaves on disk: the
// settings changed, the others as they were, the colour with them.
TEST_F(SwitchSettingsDialogTest, ShowsTheFileAndOkWritesWhatIsShown) {
    folder.write(kPath, "scanCue=2\r\nscanRounds=5\r\nscanFrameWidth=8\r\n"
                        "scanFrameColour=-16776961\r\nkioskLock=1\r\nlog=0\r\n"
                        "controllerFirstButton=3\r\n");
    openSettings();
    EXPECT_EQ(settings->shown(),
              (AccessSettings{AccessSettings::ItemCue, 5, 8, 0xFF0000FF, true, false, 3}));
    control<QComboBox>("scanCue").setCurrentIndex(AccessSettings::TickCue);
    control<QSpinBox>("scanRounds").setValue(3);
    QTest::mouseClick(&control<QCheckBox>("kioskLock"), Qt::LeftButton);
    QTest::mouseClick(&control<QCheckBox>("log"), Qt::LeftButton);
    control<QSpinBox>("controllerFirstButton").setValue(1);
    click(QDialogButtonBox::Ok);
    EXPECT_FALSE(settings && settings->isVisible());
    EXPECT_EQ(written(),
              (AccessSettings{AccessSettings::TickCue, 3, 8, 0xFF0000FF, false, true, 1}));
}

// With a child's profile the dialog shows and writes the child's settings, with the
// administrator's defaults under them; the content folder's own file is left as it was.
TEST_F(SwitchSettingsDialogTest, WithAProfileTheChildsSettingsOverTheSystemsAreShownAndWritten) {
    folder.write(kPath, "scanRounds=9\r\n");
    TemporaryFolder profile;
    profile.write(kPath, "acceptTime=500\r\n");
    ProfileFileSystem child(folder.path(), profile.path());
    openContent();
    dialog->actOnChild(child, AccessSettings{.scanRounds = 4, .acceptTime = 300});
    press("switchSettings");
    settings = dialog->findChild<CSwitchSettingsDialog*>();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->shown(), (AccessSettings{.scanRounds = 4, .acceptTime = 500}));
    control<QSpinBox>("scanRounds").setValue(3);
    click(QDialogButtonBox::Ok);
    EXPECT_EQ(readAccessSettings(child), (AccessSettings{.scanRounds = 3, .acceptTime = 500}));
    EXPECT_EQ(folder.read(kPath), "scanRounds=9\r\n");
}

// The timing's milliseconds are shown as seconds with one decimal, 0 by its word, and what is set
// is written back in milliseconds; a time finer than a tenth is kept while its box is untouched.
TEST_F(SwitchSettingsDialogTest, TimingIsShownInSecondsAndWrittenInMilliseconds) {
    folder.write(kPath, "acceptTime=250\r\nfirstItemDelay=2500\r\nactOnRelease=1\r\n");
    openSettings();
    struct Row {
        const char* name;
        const char* shown;
        double set; // below 0: left alone
        int written;
    };
    const Row rows[] = {
        {"acceptTime", "0.3 s", -1, 250},
        {"ignoreRepeatTime", "Off", 2.5, 2500},
        {"scanTimeMs", "As on the options screen", 0.1, 500}, // up from 0 skips to the shortest
        {"firstItemDelay", "2.5 s", 0, 0},
        {"lockHoldTime", "3.0 s", 10, 10000},
    };
    for (const Row& row : rows) {
        auto& box = control<QDoubleSpinBox>(row.name);
        EXPECT_EQ(box.text().toStdString(), row.shown) << row.name;
        if (row.set >= 0) {
            box.setValue(row.set);
        }
    }
    // The wheel that scrolls the rows past a box it has not been clicked into changes nothing.
    QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&control<QDoubleSpinBox>("lockHoldTime"), &wheel);
    QTest::mouseClick(&control<QCheckBox>("actOnRelease"), Qt::LeftButton);
    QTest::mouseClick(&control<QCheckBox>("waitForCue"), Qt::LeftButton);
    click(QDialogButtonBox::Ok);
    const AccessSettings file = written();
    const int times[] = {file.acceptTime, file.ignoreRepeatTime, file.scanTimeMs,
                         file.firstItemDelay, file.lockHoldTime};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(times[i], rows[i].written) << rows[i].name;
    }
    EXPECT_EQ(std::tuple(file.actOnRelease, file.scanStartsOnPress, file.waitForCue),
              std::tuple(false, false, true));
}

// A file that cannot be written is reported with its cause and what to do; the dialog stays
// open with what was set, and Cancel leaves the old file whole.
TEST_F(SwitchSettingsDialogTest, AFailedWriteKeepsTheDialogAndCancelTheFile) {
    folder.write(kPath, "scanRounds=4\r\n");
    openSettings();
    control<QSpinBox>("scanRounds").setValue(6);
    files.replacingFailsWith = ENOSPC;
    click(QDialogButtonBox::Ok);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("The disk is full. Please mend that and press OK again"));
    EXPECT_TRUE(settings->isVisible());
    files.replacingFailsWith = 0;
    click(QDialogButtonBox::Cancel);
    EXPECT_EQ(file(kPath), "scanRounds=4\r\n");
}

// Keys while the test area has the focus, a mouse press on it and a controller's button each
// light up the switch they are in the game, name what was heard and say how the screens take it.
TEST_F(SwitchSettingsDialogTest, APressOfAnySwitchLightsUpWhichSwitchItWas) {
    openSettings();
    EXPECT_EQ(controllersOpen, 1);
    CSwitchTestPad& pad = control<CSwitchTestPad>("switchTest");
    control<QSpinBox>("controllerFirstButton").setValue(2);
    struct Row {
        char by; // a key, the mouse or a controller
        int which;
        CSwitchTestPad::Switch lit;
        bool anyKey; // a press in the five other activities
        const char* named;
        const char* uses; // how the screens take it, from its start
    };
    const char* kMenuUses = "Menu, Find images: ";
    const Row rows[] = {
        {'k', Qt::Key_Return, CSwitchTestPad::SecondSwitch, true, "Enter", kMenuUses},
        {'k', Qt::Key_Space, CSwitchTestPad::FirstSwitch, true, "Space",
         "Menu, Find images: first switch, steps\nColour rings, Picture steps, Painting, Picture "
         "and word, Moving pictures: a press"},
        {'k', Qt::Key_A, CSwitchTestPad::NoSwitch, true, "A", "Menu, Find images: not used"},
        {'k', Qt::Key_F5, CSwitchTestPad::NoSwitch, true, "F5", kMenuUses},
        {'k', Qt::Key_Escape, CSwitchTestPad::NoSwitch, false, "Esc",
         "Every screen: the way out, no switch"},
        {'k', Qt::Key_F10, CSwitchTestPad::NoSwitch, false, "F10", "The game does not hear"},
        {'m', Qt::MiddleButton, CSwitchTestPad::NoSwitch, false,
         "The game takes only the left and the right mouse button.", ""},
        {'m', Qt::RightButton, CSwitchTestPad::SecondSwitch, true, "Right mouse button",
         "Menu, Find images: second switch, chooses"},
        {'c', 2, CSwitchTestPad::FirstSwitch, true, "Controller button 2", kMenuUses},
        {'c', 0, CSwitchTestPad::SecondSwitch, true, "Controller button 0",
         "Menu, Find images: second"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.named);
        QTest::mouseClick(&pad, Qt::MiddleButton); // puts the light out
        if (row.by == 'k') {
            QTest::keyClick(&pad, Qt::Key(row.which));
        } else if (row.by == 'm') {
            QTest::mouseClick(&pad, Qt::MouseButton(row.which));
        } else {
            controllerPresses.push_back(row.which);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return controllerPresses.empty(); }));
        EXPECT_EQ(pad.lit(), row.lit);
        EXPECT_EQ(control<QLabel>("firstSwitch").property("lit").toBool(),
                  row.lit == CSwitchTestPad::FirstSwitch);
        EXPECT_EQ(control<QLabel>("anyKey").property("lit").toBool(), row.anyKey);
        EXPECT_EQ(control<QLabel>("pressedSwitch").text().toStdString(), row.named);
        const std::string uses = control<QLabel>("screenUses").text().toStdString();
        EXPECT_EQ(uses.substr(0, std::strlen(row.uses)), row.uses) << uses;
    }
    EXPECT_TRUE(settings->isVisible()); // keys pressed in the test area do not close it

    // Closing lets go of the controllers.
    click(QDialogButtonBox::Cancel);
    EXPECT_EQ(controllersOpen, 0);
}
