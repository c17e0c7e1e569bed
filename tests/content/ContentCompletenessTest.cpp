// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the demo content folder that ships in content/: every file the two programs name is
// there for both languages, pictures decode at the sizes the screens rely on, sounds open with
// the game's audio library, and lists, settings and texts read with the project's own readers.
// The folder is opened read-only, so running the tests never changes it.
#include "RecordingErrorBox.h"
#include "TextLines.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/audio/sdl/WaveFile.h"
#include "common/content/Language.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"
#include "common/textfile/TextEncoding.h"
#include "common/textfile/TextFile.h"
#include "editor/texts/EditorTexts.h"
#include "game/content/ContentList.h"
#include "game/content/GameTexts.h"
#include "game/content/Options.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::u16string>;

const fs::path kContent = VIMO_CONTENT_DIR;
const std::array<std::u16string, 2> kLanguages = {u"English", u"Swedish"};

// The content folder as the programs see it, except that nothing can be written: the settings
// record would otherwise create options\vimo.opt in the repository.
class ReadOnlyContent : public DiskFileSystem {
public:
    ReadOnlyContent() : DiskFileSystem(kContent) {}
    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view,
                                                   std::uint32_t& error) override {
        error = EACCES;
        return nullptr;
    }
};

// "gfx\" + `folder` + name + ".png" for each of the space-separated `names`.
Paths pictures(const std::string& folder, const std::string& names) {
    Paths out;
    std::istringstream in(names);
    for (std::string name; in >> name;) {
        out.push_back(fromUtf8("gfx\\" + folder + name + ".png"));
    }
    return out;
}

// Every line of a text file as the project's reader delivers it, without the empty line that a
// final line end gives.
Paths readLines(const FileSystem& files, std::u16string_view path) {
    Paths lines = readAllLines(files, path);
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// The relative paths (with backslashes) of all files of the content with one of the extensions.
Paths filesWithExtension(const std::set<std::string>& extensions) {
    Paths out;
    for (const auto& entry : fs::recursive_directory_iterator(kContent)) {
        if (entry.is_regular_file() && extensions.count(entry.path().extension().string()) != 0) {
            std::string rel = fs::relative(entry.path(), kContent).generic_string();
            std::replace(rel.begin(), rel.end(), '/', '\\');
            out.push_back(fromUtf8(rel));
        }
    }
    return out;
}

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Size& size) {
    return out << size.width << " x " << size.height;
}

// Paths that the game and the editor name in their code.
Paths namedPaths() {
    Paths paths = {u"gfx\\icons\\vimo.ico", u"sfx\\click.wav",    u"sfx\\findimages\\wrong.wav",
                   u"data\\lang.txt",       u"music\\menu.wav",   u"music\\intro1.wav",
                   u"music\\intro2.wav",    u"music\\intro3.wav", u"music\\intro4.wav",
                   u"music\\intro5.wav",    u"music\\intro6.wav", u"sfx\\scan.wav"};
    const std::pair<const char*, const char*> named[] = {
        {"splash\\", "splash"},
        {"menu\\", "selFrame game01 game02 game03 game04 game05 game06 game00s game01s game02s "
                   "game03s game04s game05s game06s"},
        {"findimages\\", "hDivider selFrame reminder"},
        {"buttons\\", "stop options reset about musicOn soundOn oneContact twoContacts scanTime "
                      "keyTime"},
        {"options\\", "about frame selectedFrame offCross random ordered useStop useEsc "
                      "numPatterns1 numPatterns2 numPatterns4 numPatterns8 numFinds2 numFinds3 "
                      "numFinds4 speechOn speechOff textOn textOff capsOn capsOff speed0 speed1 "
                      "speed2 contactMode0 contactMode1 contactMode2 movie findPause"},
    };
    for (const auto& [folder, names] : named) {
        const Paths more = pictures(folder, names);
        paths.insert(paths.end(), more.begin(), more.end());
    }
    for (const auto& language : kLanguages) {
        paths.insert(paths.end(),
                     {u"data\\" + language + u"\\vimo",
                      u"data\\" + language + u"\\Options\\options.txt",
                      u"data\\" + language + u"\\Tool\\tool.txt", GameTexts::pathOf(language),
                      EditorTexts::messagesPathOf(language), u"options\\" + language + u".opt"});
        for (char16_t n = u'1'; n <= u'6'; ++n) { // the activities' spoken names
            paths.push_back(u"speech\\" + language + u"\\menu" + n + u".wav");
        }
    }
    return paths;
}

// The colours the list editor offers, as the lists hold them (the last means no colour).
const std::set<std::uint32_t> kEditorPalette = {
    0xFFFFFFFF, 0xFF000000, 0xFF46DFF1, 0xFF3FCEFD, 0xFF0000FF, 0xFF2236AA, 0xFFEDFDC1,
    0xFFB5F58A, 0xFF99CF58, 0xFF70BA17, 0xFF4D763F, 0xFFFDE122, 0xFFFCA43B, 0xFFF46823,
    0xFFDB3A3A, 0xFFFFD4D4, 0xFFCD378C, 0xFFBC3FFD, 0x00FFFFFF};

class ContentFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
        IMG_Init(IMG_INIT_PNG);
    }
    static void TearDownTestSuite() { IMG_Quit(); }

    bool isFile(std::u16string_view path) const { return files.openForReading(path) != nullptr; }

    // Decodes a picture with SDL_image, as the game's drawing layer does; 0 x 0 when it cannot.
    Size size(std::u16string_view path) const {
        SDL_Surface* surface = IMG_Load(files.resolve(path).string().c_str());
        if (surface == nullptr) {
            return {};
        }
        const Size decoded{surface->w, surface->h};
        SDL_FreeSurface(surface);
        return decoded;
    }

    ReadOnlyContent files;
};

TEST_F(ContentFolder, HoldsEveryFileTheProgramsNameAndTheLanguageFileNamesEnglish) {
    for (const auto& path : namedPaths()) {
        EXPECT_TRUE(isFile(path)) << toUtf8(path);
    }
    EXPECT_EQ(readLanguage(files), u"English");
}

TEST_F(ContentFolder, EveryPictureDecodesAndTheScreensOwnHaveTheSizesTheyRelyOn) {
    const Paths all = filesWithExtension({".png", ".ico"});
    ASSERT_GT(all.size(), 100u);
    for (const auto& path : all) {
        EXPECT_GT(size(path).width, 0) << toUtf8(path) << ": " << IMG_GetError();
    }
    const std::pair<Paths, Size> groups[] = {
        {{u"gfx\\splash\\splash.png", u"gfx\\options\\about.png",
          u"data\\Swedish\\Options\\about.png"},
         {800, 600}},
        // centred on a 260 x 195 menu picture, a band just outside it
        {{u"gfx\\menu\\selFrame.png"}, {272, 207}},
        // drawn 7 pixels up and left of a 200 x 150 choice
        {{u"gfx\\findimages\\selFrame.png"}, {214, 164}},
        {pictures("menu\\", "game01 game02 game03 game04 game05 game06"), {260, 195}},
        {pictures("menu\\", "game00s game01s game02s game03s game04s game05s game06s"), {100, 75}},
    };
    for (const auto& [paths, expected] : groups) {
        for (const auto& path : paths) {
            EXPECT_EQ(size(path), expected) << toUtf8(path);
        }
    }
}

TEST_F(ContentFolder, ThreeOptionBoxesFitSideBySideAndTheirPicturesFitInside) {
    const Size frame = size(u"gfx\\options\\frame.png");
    ASSERT_GT(frame.width, 0);
    // boxes at x 24, W + 48 and 2W + 72; two rows at y 250 and H + 310, clear of the buttons
    // along the bottom
    EXPECT_LE(2 * frame.width + 72 + frame.width, 800);
    EXPECT_LE(frame.height + 310 + frame.height,
              600 - size(u"gfx\\buttons\\reset.png").height - 10);
    // pictures that the cross is drawn over share the cross's size
    const Size cross = size(u"gfx\\options\\offCross.png");
    const Paths crossed = pictures("", "buttons\\musicOn buttons\\soundOn buttons\\scanTime "
                                       "options\\random options\\ordered options\\useStop "
                                       "options\\useEsc");
    for (const auto& path : crossed) {
        EXPECT_EQ(size(path), cross) << toUtf8(path);
    }
    // two pictures side by side, 36 pixels in from each side of the sound and order boxes,
    // without overlapping
    const Size music = size(u"gfx\\buttons\\musicOn.png");
    EXPECT_LE(36 + music.width, frame.width - 36 - music.width);
    const Paths boxed = pictures("", "buttons\\oneContact buttons\\twoContacts "
                                     "options\\numPatterns8 options\\numFinds4 options\\speechOn "
                                     "options\\textOn options\\speed0 options\\contactMode1 "
                                     "options\\movie");
    for (const auto& path : boxed) {
        EXPECT_LE(size(path).width, frame.width - 24) << toUtf8(path);
        EXPECT_LE(size(path).height, frame.height - 24) << toUtf8(path);
    }
    // the count pictures end before their number, written from the box's centre + 52
    EXPECT_LT(size(u"gfx\\options\\numPatterns8.png").width / 2, 52);
    // the tab marker rings a 100 x 75 tab
    const Size marker = size(u"gfx\\options\\selectedFrame.png");
    EXPECT_GT(marker.width, 100);
    EXPECT_GT(marker.height, 75);
}

TEST_F(ContentFolder, EverySoundOpensWithTheAudioLibraryInTheAgreedFormat) {
    SdlSound sound(files);
    ASSERT_TRUE(sound.isOpen());
    const Paths sounds = filesWithExtension({".wav"});
    ASSERT_GT(sounds.size(), 100u);
    for (const auto& path : sounds) {
        EXPECT_NE(loadWave(files, path), nullptr) << toUtf8(path);
        // 16-bit mono PCM at 22050 or 44100 Hz in a plain header
        std::ifstream in(files.resolve(path), std::ios::binary);
        unsigned char head[36] = {};
        in.read(reinterpret_cast<char*>(head), sizeof head);
        const auto u16le = [&](int at) { return head[at] | (head[at + 1] << 8); };
        const auto rate = static_cast<unsigned>(u16le(24) | (u16le(26) << 16));
        EXPECT_EQ(u16le(20), 1) << toUtf8(path) << " is not PCM";
        EXPECT_EQ(u16le(22), 1) << toUtf8(path) << " is not mono";
        EXPECT_TRUE(rate == 22050 || rate == 44100) << toUtf8(path) << " plays at " << rate;
        EXPECT_EQ(u16le(34), 16) << toUtf8(path) << " is not 16-bit";
    }
}

// The activities pick their files by wildcard: each must find what it looks for.
TEST_F(ContentFolder, TheFoldersTheActivitiesSearchHoldWhatTheyLookFor) {
    // picture steps: a step for every picture of every set size, and a sound for the end
    for (int n : {1, 2, 4, 8}) {
        const auto folder = u"sfx\\shapes\\" + fromUtf8(std::to_string(n)) + u"\\";
        for (int k = 0; k <= 3; ++k) {
            const auto variant = fromUtf8(std::to_string(k));
            EXPECT_EQ(files.list(folder + u"step" + variant + u"*.*", FolderEntries::Skip).size(),
                      static_cast<std::size_t>(n))
                << "set size " << n << ", variant " << k;
            EXPECT_TRUE(isFile(folder + u"done" + variant + u".wav"))
                << "set size " << n << ", variant " << k;
        }
    }
    // painting: series of five to nine frames, each series with its sound
    const auto firsts = files.list(u"gfx\\paint\\*01.*", FolderEntries::Skip);
    EXPECT_GE(firsts.size(), 4u);
    for (const auto& first : firsts) {
        // base name + two digits + a three-letter extension
        const auto base = first.substr(0, first.size() - 6);
        const auto frames = files.list(u"gfx\\paint\\" + base + u"0*.*", FolderEntries::Skip);
        EXPECT_GE(frames.size(), 5u) << toUtf8(base);
        EXPECT_LE(frames.size(), 9u) << toUtf8(base);
        EXPECT_TRUE(isFile(u"sfx\\images\\" + base + u".wav")) << toUtf8(base);
    }
    // the folders sounds are drawn from at random
    EXPECT_FALSE(files.list(u"sfx\\sounds\\*.*", FolderEntries::Skip).empty());
    EXPECT_GE(files.list(u"sfx\\findimages\\sounds\\*.*", FolderEntries::Skip).size(), 3u);
    EXPECT_FALSE(files.list(u"sfx\\paint\\paint*.*", FolderEntries::Skip).empty());
}

TEST_F(ContentFolder, StaysUnderTwentyMegabytes) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kContent)) {
        total += entry.is_regular_file() ? entry.file_size() : 0;
    }
    EXPECT_LT(total, 20u * 1000u * 1000u);
}

class ContentLanguage : public ContentFolder,
                        public ::testing::WithParamInterface<std::u16string> {};

TEST_P(ContentLanguage, EveryListLoadsAndNamesFilesThatExist) {
    const std::u16string language = GetParam();
    ContentList contentList(files, language);
    const auto lists = files.list(u"data\\" + language + u"\\*.*", FolderEntries::Skip);
    EXPECT_NE(std::find(lists.begin(), lists.end(), u"vimo"), lists.end());
    EXPECT_GE(lists.size(), 4u) << "the list vimo and at least three themed lists";
    bool ownColour = false;
    bool noColour = false;
    bool letterBeyondAtoZ = false;
    for (const auto& list : lists) {
        RecordingErrorBox errors;
        ASSERT_TRUE(contentList.loadList(list, errors)) << toUtf8(list);
        EXPECT_FALSE(contentList.exercises.empty()) << toUtf8(list);
        for (const Exercise& e : contentList.exercises) {
            const std::string where = toUtf8(list) + ": " + toUtf8(e.name);
            EXPECT_FALSE(e.name.empty()) << where;
            EXPECT_FALSE(e.text.empty()) << where;
            EXPECT_TRUE(isFile(u"sfx\\images\\" + e.sound)) << where;
            EXPECT_TRUE(isFile(u"speech\\" + language + u"\\" + e.speech)) << where;
            EXPECT_EQ(kEditorPalette.count(e.colour), 1u) << where;
            (e.colour == 0x00FFFFFF ? noColour : ownColour) = true;
            letterBeyondAtoZ = letterBeyondAtoZ || std::any_of(e.text.begin(), e.text.end(),
                                                               [](char16_t c) { return c > 0x7F; });
            const Size picture = size(u"gfx\\images\\" + e.image);
            EXPECT_GE(picture.width, 400) << where << ", a missing picture is 0 wide";
            EXPECT_EQ(picture.width * 3, picture.height * 4) << where << " is not 4:3";
        }
    }
    EXPECT_TRUE(ownColour);
    EXPECT_TRUE(noColour);
    if (language == u"Swedish") {
        EXPECT_TRUE(letterBeyondAtoZ) << "Swedish words with å, ä or ö read back as such";
    }
}

// Every setting takes one of the values the options screen offers.
TEST_P(ContentLanguage, StartingSettingsHoldFiftyLinesAndRead) {
    const std::u16string language = GetParam();
    const auto path = u"options\\" + language + u".opt";
    EXPECT_EQ(readLines(files, path).size(), 50u);
    TextFile text;
    ASSERT_TRUE(text.openForReading(files, path));
    EXPECT_EQ(text.encoding(), Utf8Text);

    Options options(files);
    options.language = language;
    ASSERT_TRUE(options.readOptionsFile(path));
    const float keyFifths = options.keyTime * 5;
    EXPECT_NEAR(keyFifths, std::round(keyFifths), 1e-4) << "keyTime goes in steps of 0.2";
    const std::tuple<const char*, int, std::set<int>> settings[] = {
        {"oneContact", options.oneContact, {0, 1}},
        {"useStop", options.useStop, {0, 1}},
        {"scanTime", options.scanTime, {1, 2, 3, 4, 5}},
        {"keyTime x 5", static_cast<int>(std::lround(keyFifths)), {1, 2, 3, 4, 5}},
        {"numPatterns", options.numPatterns, {1, 2, 4, 8}},
        {"numFinds", options.numFinds, {2, 3, 4}},
        {"speedGame1", options.speedGame1, {25, 50, 75}},
        {"speedGame6", options.speedGame6, {25, 50, 75}},
        {"lineWidth", options.lineWidth, {10, 20, 30}},
        {"contactMode", options.contactMode, {0, 1, 2}},
        {"findPause", options.findPause, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto& [name, value, offered] : settings) {
        EXPECT_EQ(offered.count(value), 1u) << name << " is " << value;
    }
    for (int i = 0; i < Options::kScreens; ++i) {
        EXPECT_TRUE(isFile(u"data\\" + language + u"\\" + options.listName[i])) << "screen " << i;
        EXPECT_EQ(options.backgroundColour[i] >> 24, 0xFFu) << "screen " << i;
    }
}

TEST_P(ContentLanguage, HelpLinesGameAndEditorTextsAreComplete) {
    const std::u16string language = GetParam();
    const auto help = readLines(files, u"data\\" + language + u"\\Options\\options.txt");
    ASSERT_EQ(help.size(), 22u);
    EXPECT_EQ(std::count(help.begin(), help.end(), u""), 0);
    const auto tool = readLines(files, u"data\\" + language + u"\\Tool\\tool.txt");
    ASSERT_EQ(tool.size(), 13u);
    EXPECT_EQ(tool[6].front(), u' ') << "the None entry keeps its leading blank";
    EXPECT_EQ(tool[8].back(), u' ') << "the list's name follows the question";
    EXPECT_EQ(tool[12].back(), u' ') << "the file's path follows the message";

    // One line for every text the programs have, each keeping the %1 of its English text (the
    // reader would pass over a line that does not); the English files are the built-in texts.
    const auto expectComplete = [&](std::u16string_view path,
                                    std::span<const std::u16string_view> english) {
        const Paths lines = readLines(files, path);
        EXPECT_EQ(lines.size(), english.size()) << toUtf8(path);
        EXPECT_EQ(readLanguageTexts(files, path, english), lines) << toUtf8(path);
        if (language == u"English") {
            EXPECT_EQ(lines, Paths(english.begin(), english.end()));
        }
    };
    expectComplete(GameTexts::pathOf(language), GameTexts::kEnglish);
    expectComplete(EditorTexts::messagesPathOf(language),
                   std::span(EditorTexts::kEnglish).subspan(EditorTexts::kToolTexts));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ContentLanguage, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<std::u16string>& language) {
                             return toUtf8(language.param);
                         });

} // namespace
