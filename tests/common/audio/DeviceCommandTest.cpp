// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/audio/sdl/DeviceCommand.h"

#include <gtest/gtest.h>

namespace {

using Verb = DeviceCommand::Verb;

struct Reading {
    std::u16string text;
    Verb verb;
    std::u16string path;
    std::u16string alias;
    std::u16string type;
    std::uint32_t position;
};

TEST(DeviceCommandTest, ReadsEachFormFromItsEnds) {
    const std::vector<Reading> readings = {
        {u"Open music\\intro1.wav ALIAS music\\intro1.wav TYPE Waveaudio wait", Verb::Open,
         u"music\\intro1.wav", u"music\\intro1.wav", u"Waveaudio", 0},
        {u"Open sfx\\my ALIAS b.wav ALIAS sfx\\my ALIAS b.wav TYPE Waveaudio wait", Verb::Open,
         u"sfx\\my ALIAS b.wav", u"sfx\\my ALIAS b.wav", u"Waveaudio", 0},
        {u"Open a b.wav ALIAS c d TYPE Waveaudio wait", Verb::Open, u"a b.wav", u"c d",
         u"Waveaudio", 0},
        {u"Open x TYPE y.wav ALIAS x TYPE y.wav TYPE Waveaudio wait", Verb::Open, u"x TYPE y.wav",
         u"x TYPE y.wav", u"Waveaudio", 0},
        {u"open m.wav alias m.wav type waveaudio", Verb::Open, u"m.wav", u"m.wav", u"waveaudio", 0},
        {u"Open xwait ALIAS xwait TYPE wait wait", Verb::Open, u"xwait", u"xwait", u"wait", 0},
        {u"Seek music\\a to b.wav to 0", Verb::Seek, u"", u"music\\a to b.wav", u"", 0},
        {u"Seek m.wav to 1500", Verb::Seek, u"", u"m.wav", u"", 1500},
        {u"Play sfx\\a b.wav", Verb::Play, u"", u"sfx\\a b.wav", u"", 0},
        {u"STOP m.wav", Verb::Stop, u"", u"m.wav", u"", 0},
        {u"Close m.wav", Verb::Close, u"", u"m.wav", u"", 0},
    };
    for (const Reading& reading : readings) {
        const auto command = DeviceCommand::parse(reading.text);
        ASSERT_TRUE(command.has_value()) << std::string(reading.text.begin(), reading.text.end());
        EXPECT_EQ(command->verb, reading.verb);
        EXPECT_EQ(command->path, reading.path);
        EXPECT_EQ(command->alias, reading.alias);
        EXPECT_EQ(command->type, reading.type);
        EXPECT_EQ(command->position, reading.position);
    }
}

TEST(DeviceCommandTest, RefusesWhatIsNoneOfTheForms) {
    const std::vector<std::u16string> texts = {
        u"",
        u"Play",
        u"Play ",
        u"Pause m.wav",
        u"Open m.wav ALIAS m.wav wait",
        u"Open m.wav TYPE Waveaudio wait",
        u"Open  ALIAS  TYPE Waveaudio wait",
        u"Open m.wav ALIAS m.wav TYPE  wait",
        u"Seek m.wav to",
        u"Seek m.wav to -1",
        u"Seek m.wav to 1e3",
        u"Seek m.wav to 12345678901",
        u"Seek  to 0",
        u"Seek m.wav 0",
    };
    for (const std::u16string& text : texts) {
        EXPECT_FALSE(DeviceCommand::parse(text).has_value())
            << std::string(text.begin(), text.end());
    }
}

} // namespace
