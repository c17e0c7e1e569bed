// SPDX-License-Identifier: GPL-3.0-or-later
// The switch settings dialog, opened from the main dialog's button: it shows options\access.opt,
// writes it on OK and leaves it on Cancel, and its test area lights up the switch a key, a
// mouse button or a controller button is in the game.
#include "EditorDialogFixture.h"
#include "common/content/AccessSettings.h"
#include "editor/dialog/CSwitchSettingsDialog.h"
#include "editor/dialog/CSwitchTestPad.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <cerrno>

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

// Space and Enter while the test area has the focus, a mouse press on it and a controller's
// button each light up the switch they are in the game, and name what was pressed.
TEST_F(SwitchSettingsDialogTest, APressOfAnySwitchLightsUpWhichSwitchItWas) {
    openSettings();
    EXPECT_EQ(controllersOpen, 1);
    CSwitchTestPad& pad = control<CSwitchTestPad>("switchTest");
    control<QSpinBox>("controllerFirstButton").setValue(2);
    struct Row {
        char by; // a key, the mouse or a controller
        int which;
        CSwitchTestPad::Switch lit;
        const char* named;
    };
    const Row rows[] = {
        {'k', Qt::Key_Return, CSwitchTestPad::SecondSwitch, "Enter"},
        {'k', Qt::Key_Space, CSwitchTestPad::FirstSwitch, "Space"},
        {'m', Qt::MiddleButton, CSwitchTestPad::NoSwitch,
         "The game takes only the left and the right mouse button."},
        {'c', 2, CSwitchTestPad::FirstSwitch, "Controller button 2"},
        {'c', 0, CSwitchTestPad::SecondSwitch, "Controller button 0"},
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
        EXPECT_EQ(control<QLabel>("pressedSwitch").text().toStdString(), row.named);
    }
    EXPECT_TRUE(settings->isVisible()); // keys pressed in the test area do not close it

    // Closing lets go of the controllers.
    click(QDialogButtonBox::Cancel);
    EXPECT_EQ(controllersOpen, 0);
}
