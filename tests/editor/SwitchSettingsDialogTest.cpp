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
        QTest::mouseClick(dialog->findChild<QPushButton*>("switchSettings"), Qt::LeftButton);
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

// What the dialog shows of a file, what the user changes, and what OK (or Cancel) leaves on disk;
// then an OK whose write fails.
TEST_F(SwitchSettingsDialogTest, ShowsTheFileAndOkWritesWhatIsShownAndCancelNothing) {
    const AccessSettings defaults;
    const AccessSettings set{AccessSettings::ItemCue, 5, 8, 0xFF0000FF, true, false, 3};
    struct Row {
        const char* file; // nothing: no access.opt
        AccessSettings shown;
        std::function<void(SwitchSettingsDialogTest&)> change;
        QDialogButtonBox::StandardButton ending;
        AccessSettings afterwards;
    };
    const std::vector<Row> rows = {
        {nullptr, defaults,
         [](SwitchSettingsDialogTest& t) {
             t.control<QComboBox>("scanCue").setCurrentIndex(AccessSettings::TickCue);
             t.control<QSpinBox>("scanRounds").setValue(3);
             t.control<QSpinBox>("scanFrameWidth").stepUp(); // 0 goes straight to 2
             QTest::mouseClick(&t.control<QCheckBox>("kioskLock"), Qt::LeftButton);
             QTest::mouseClick(&t.control<QCheckBox>("log"), Qt::LeftButton);
             t.control<QSpinBox>("controllerFirstButton").setValue(1);
         },
         QDialogButtonBox::Ok, AccessSettings{1, 3, 2, 0xFFFFFF00, true, true, 1}},
        // Unchanged, the settings come back as they were, the colour with them.
        {"scanCue=2\r\nscanRounds=5\r\nscanFrameWidth=8\r\nscanFrameColour=-16776961\r\n"
         "kioskLock=1\r\nlog=0\r\ncontrollerFirstButton=3\r\n",
         set, [](SwitchSettingsDialogTest&) {}, QDialogButtonBox::Ok, set},
        {"scanRounds=7\n",
         {0, 7},
         [](SwitchSettingsDialogTest& t) { t.control<QSpinBox>("scanRounds").setValue(9); },
         QDialogButtonBox::Cancel,
         {0, 7}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file != nullptr ? row.file : "no file");
        if (dialog) {
            dialog->reject();
            dialog.reset();
        }
        std::filesystem::remove(folder.path() / kPath);
        if (row.file != nullptr) {
            folder.makeFolder("options");
            folder.write(kPath, row.file);
        }
        openSettings();
        const std::string before = row.file != nullptr ? row.file : "";
        EXPECT_EQ(settings->shown(), row.shown);
        EXPECT_EQ(control<QPushButton>("scanFrameColour").isEnabled(),
                  row.shown.scanFrameWidth > 0);
        row.change(*this);
        click(row.ending);
        EXPECT_FALSE(settings && settings->isVisible());
        EXPECT_EQ(written(), row.afterwards);
        if (row.ending == QDialogButtonBox::Cancel) {
            EXPECT_EQ(std::filesystem::exists(folder.path() / kPath) ? file(kPath) : "", before);
        }
        EXPECT_TRUE(errors.isEmpty());
    }

    // A file that cannot be written is reported with its cause and what to do; the dialog stays
    // open with what was set, so nothing is lost, and the old file stays whole.
    dialog->reject();
    dialog.reset();
    folder.write(kPath, "scanRounds=4\r\n");
    openSettings();
    control<QSpinBox>("scanRounds").setValue(6);
    files.replacingFailsWith = ENOSPC;
    click(QDialogButtonBox::Ok);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].toStdString(),
              "The switch settings could not be saved to options/access.opt. The disk is full. "
              "Please mend that and press OK again, or Cancel to keep the settings as they were.");
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(file(kPath), "scanRounds=4\r\n");

    files.replacingFailsWith = 0;
    click(QDialogButtonBox::Ok);
    EXPECT_EQ(written().scanRounds, 6);
}

// Space and Enter while the test area has the focus, a mouse press on it and a controller's
// button each light up the switch they are in the game, and name what was pressed.
TEST_F(SwitchSettingsDialogTest, APressOfAnySwitchLightsUpWhichSwitchItWas) {
    openSettings();
    EXPECT_EQ(controllersOpen, 1);
    CSwitchTestPad& pad = control<CSwitchTestPad>("switchTest");
    control<QSpinBox>("controllerFirstButton").setValue(2);
    struct Row {
        std::function<void(SwitchSettingsDialogTest&, CSwitchTestPad&)> press;
        CSwitchTestPad::Switch lit;
        const char* named;
    };
    const auto key = [](Qt::Key which) {
        return
            [which](SwitchSettingsDialogTest&, CSwitchTestPad& on) { QTest::keyClick(&on, which); };
    };
    const auto mouse = [](Qt::MouseButton which) {
        return [which](SwitchSettingsDialogTest&, CSwitchTestPad& on) {
            QTest::mouseClick(&on, which);
        };
    };
    const auto controller = [](int button) {
        return [button](SwitchSettingsDialogTest& t, CSwitchTestPad&) {
            t.controllerPresses.push_back(button);
        };
    };
    const std::vector<Row> rows = {
        {mouse(Qt::LeftButton), CSwitchTestPad::SecondSwitch, "Left mouse button"},
        {key(Qt::Key_Space), CSwitchTestPad::FirstSwitch, "Space"},
        {key(Qt::Key_Return), CSwitchTestPad::SecondSwitch, "Enter"},
        {mouse(Qt::RightButton), CSwitchTestPad::SecondSwitch, "Right mouse button"},
        {mouse(Qt::MiddleButton), CSwitchTestPad::NoSwitch,
         "The game takes only the left and the right mouse button."},
        {controller(2), CSwitchTestPad::FirstSwitch, "Controller button 2"},
        {controller(0), CSwitchTestPad::SecondSwitch, "Controller button 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.named);
        QTest::mouseClick(&pad, Qt::MiddleButton); // puts the light out
        ASSERT_EQ(pad.lit(), CSwitchTestPad::NoSwitch);
        row.press(*this, pad);
        ASSERT_TRUE(QTest::qWaitFor([&] { return controllerPresses.empty(); }));
        EXPECT_EQ(pad.lit(), row.lit);
        EXPECT_EQ(control<QLabel>("firstSwitch").property("lit").toBool(),
                  row.lit == CSwitchTestPad::FirstSwitch);
        EXPECT_EQ(control<QLabel>("secondSwitch").property("lit").toBool(),
                  row.lit == CSwitchTestPad::SecondSwitch);
        EXPECT_EQ(control<QLabel>("pressedSwitch").text().toStdString(), row.named);
    }
    // Keys pressed in the test area neither close the dialog nor write anything.
    EXPECT_TRUE(settings->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / kPath));

    // Closing lets go of the controllers.
    click(QDialogButtonBox::Cancel);
    EXPECT_EQ(controllersOpen, 0);
}
