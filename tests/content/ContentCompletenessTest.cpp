// Checks the demo content folder that ships in content/: every file the two programs name is
// there for both languages, pictures decode at the sizes the screens rely on, sounds open with
// the game's audio library, and lists, settings and texts read with the project's own readers.
// The folder is opened read-only, so running the tests never changes it.
#include "RecordingErrorBox.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/audio/sdl/WaveFile.h"
#include "common/files/DiskFileSystem.h"
#include "common/textfile/TextEncoding.h"
#include "common/textfile/TextFile.h"
#include "game/content/Language.h"
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
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

std::u16string u16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string shown(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

bool isFile(const FileSystem& files, std::u16string_view path) {
    return files.openForReading(path) != nullptr;
}

// Every line of a text file as the project's reader delivers it; a final line end gives one
// more, empty, line, which is dropped here.
std::vector<std::u16string> readLines(const FileSystem& files, std::u16string_view path,
                                      int* encoding = nullptr) {
    TextFile file;
    std::vector<std::u16string> lines;
    if (!file.openForReading(files, path)) {
        return lines;
    }
    if (encoding != nullptr) {
        *encoding = file.encoding();
    }
    std::u16string line;
    while (file.readLine(line)) {
        lines.push_back(line);
    }
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// The relative paths (with backslashes) of all files under `folder` of the content with the
// given ending.
std::vector<std::u16string> filesEndingIn(const std::string& ending) {
    std::vector<std::u16string> out;
    for (const auto& entry : fs::recursive_directory_iterator(kContent)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::string rel = fs::relative(entry.path(), kContent).generic_string();
        if (rel.size() >= ending.size() &&
            rel.compare(rel.size() - ending.size(), ending.size(), ending) == 0) {
            std::replace(rel.begin(), rel.end(), '/', '\\');
            out.push_back(u16(rel));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

struct Size {
    int width = 0;
    int height = 0;
};

// Decodes a picture with SDL_image, as the game's drawing layer does; 0 x 0 when it cannot.
Size decodedSize(const FileSystem& files, std::u16string_view path) {
    SDL_Surface* surface = IMG_Load(files.resolve(path).string().c_str());
    if (surface == nullptr) {
        return {};
    }
    Size size{surface->w, surface->h};
    SDL_FreeSurface(surface);
    return size;
}

// Paths that the game and the editor name in their code, whatever the language.
std::vector<std::u16string> namedPaths() {
    std::vector<std::u16string> paths = {
        u"gfx\\splash\\splash.png",        u"gfx\\icons\\vimo.ico",
        u"gfx\\menu\\selFrame.png",        u"gfx\\findimages\\hDivider.png",
        u"gfx\\findimages\\selFrame.png",  u"gfx\\findimages\\reminder.png",
        u"gfx\\options\\about.png",        u"gfx\\options\\frame.png",
        u"gfx\\options\\selectedFrame.png", u"gfx\\options\\offCross.png",
        u"sfx\\click.wav",                 u"sfx\\findimages\\wrong.wav",
        u"music\\menu.wav",                u"data\\lang.txt",
    };
    for (int k = 1; k <= 6; ++k) {
        paths.push_back(u"gfx\\menu\\game0" + u16(std::to_string(k)) + u".png");
        paths.push_back(u"music\\intro" + u16(std::to_string(k)) + u".wav");
    }
    for (int k = 0; k <= 6; ++k) {
        paths.push_back(u"gfx\\menu\\game0" + u16(std::to_string(k)) + u"s.png");
    }
    for (const char* name : {"stop", "options", "reset", "about", "musicOn", "soundOn",
                             "oneContact", "twoContacts", "scanTime", "keyTime"}) {
        paths.push_back(u"gfx\\buttons\\" + u16(name) + u".png");
    }
    for (const char* name :
         {"random", "ordered", "useStop", "useEsc", "numPatterns1", "numPatterns2",
          "numPatterns4", "numPatterns8", "numFinds2", "numFinds3", "numFinds4", "speechOn",
          "speechOff", "textOn", "textOff", "capsOn", "capsOff", "speed0", "speed1", "speed2",
          "contactMode0", "contactMode1", "contactMode2", "movie", "findPause"}) {
        paths.push_back(u"gfx\\options\\" + u16(name) + u".png");
    }
    for (const auto& language : kLanguages) {
        paths.push_back(u"data\\" + language + u"\\vimo");
        paths.push_back(u"data\\" + language + u"\\Options\\options.txt");
        paths.push_back(u"data\\" + language + u"\\Tool\\tool.txt");
        paths.push_back(u"options\\" + language + u".opt");
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

    ReadOnlyContent files;
};

TEST_F(ContentFolder, HoldsEveryFileTheProgramsName) {
    for (const auto& path : namedPaths()) {
        EXPECT_TRUE(isFile(files, path)) << shown(path);
    }
}

TEST_F(ContentFolder, TheLanguageFileNamesEnglish) {
    EXPECT_EQ(readLanguage(files), u"English");
}

TEST_F(ContentFolder, PicturesHaveTheSizesTheScreensRelyOn) {
    const std::vector<std::pair<std::u16string, Size>> sizes = {
        {u"gfx\\splash\\splash.png", {800, 600}},
        {u"gfx\\options\\about.png", {800, 600}},
        // centred on a 260 x 195 menu picture, a band just outside it
        {u"gfx\\menu\\selFrame.png", {272, 207}},
        // drawn 7 pixels up and left of a 200 x 150 choice
        {u"gfx\\findimages\\selFrame.png", {214, 164}},
    };
    for (const auto& [path, size] : sizes) {
        const Size got = decodedSize(files, path);
        EXPECT_EQ(got.width, size.width) << shown(path);
        EXPECT_EQ(got.height, size.height) << shown(path);
    }
    for (int k = 1; k <= 6; ++k) {
        const auto path = u"gfx\\menu\\game0" + u16(std::to_string(k)) + u".png";
        const Size got = decodedSize(files, path);
        EXPECT_EQ(got.width, 260) << shown(path);
        EXPECT_EQ(got.height, 195) << shown(path);
    }
    for (int k = 0; k <= 6; ++k) {
        const auto path = u"gfx\\menu\\game0" + u16(std::to_string(k)) + u"s.png";
        const Size got = decodedSize(files, path);
        EXPECT_EQ(got.width, 100) << shown(path);
        EXPECT_EQ(got.height, 75) << shown(path);
    }
}

TEST_F(ContentFolder, ThreeOptionBoxesFitSideBySideAndTheirPicturesFitInside) {
    const Size frame = decodedSize(files, u"gfx\\options\\frame.png");
    ASSERT_GT(frame.width, 0);
    // boxes at x 24, W + 48 and 2W + 72; two rows at y 250 and H + 310, clear of the buttons
    // along the bottom
    EXPECT_LE(2 * frame.width + 72 + frame.width, 800);
    const Size reset = decodedSize(files, u"gfx\\buttons\\reset.png");
    EXPECT_LE(frame.height + 310 + frame.height, 600 - reset.height - 10);
    // pictures that the cross is drawn over share the cross's size
    const Size cross = decodedSize(files, u"gfx\\options\\offCross.png");
    for (const char16_t* path :
         {u"gfx\\buttons\\musicOn.png", u"gfx\\buttons\\soundOn.png", u"gfx\\options\\random.png",
          u"gfx\\options\\ordered.png", u"gfx\\options\\useStop.png", u"gfx\\options\\useEsc.png",
          u"gfx\\buttons\\scanTime.png"}) {
        const Size got = decodedSize(files, path);
        EXPECT_EQ(got.width, cross.width) << shown(path);
        EXPECT_EQ(got.height, cross.height) << shown(path);
    }
    // two pictures side by side, 36 pixels in from each side of the sound and order boxes,
    // without overlapping
    const Size music = decodedSize(files, u"gfx\\buttons\\musicOn.png");
    EXPECT_LE(36 + music.width, frame.width - 36 - music.width);
    for (const char16_t* path :
         {u"gfx\\buttons\\oneContact.png", u"gfx\\buttons\\twoContacts.png",
          u"gfx\\options\\numPatterns8.png", u"gfx\\options\\numFinds4.png",
          u"gfx\\options\\speechOn.png", u"gfx\\options\\textOn.png", u"gfx\\options\\speed0.png",
          u"gfx\\options\\contactMode1.png", u"gfx\\options\\movie.png"}) {
        const Size got = decodedSize(files, path);
        EXPECT_LE(got.width, frame.width - 24) << shown(path);
        EXPECT_LE(got.height, frame.height - 24) << shown(path);
    }
    // the count pictures end before their number, written from the box's centre + 52
    EXPECT_LT(decodedSize(files, u"gfx\\options\\numPatterns8.png").width / 2, 52);
    // the tab marker rings a 100 x 75 tab
    const Size marker = decodedSize(files, u"gfx\\options\\selectedFrame.png");
    EXPECT_GT(marker.width, 100);
    EXPECT_GT(marker.height, 75);
}

TEST_F(ContentFolder, EveryPictureDecodes) {
    auto pictures = filesEndingIn(".png");
    const auto icons = filesEndingIn(".ico");
    pictures.insert(pictures.end(), icons.begin(), icons.end());
    ASSERT_GT(pictures.size(), 100u);
    for (const auto& path : pictures) {
        const Size got = decodedSize(files, path);
        EXPECT_GT(got.width, 0) << shown(path) << ": " << IMG_GetError();
    }
}

TEST_F(ContentFolder, EverySoundOpensWithTheAudioLibraryInTheAgreedFormat) {
    SdlSound sound(files);
    ASSERT_TRUE(sound.isOpen());
    const auto sounds = filesEndingIn(".wav");
    ASSERT_GT(sounds.size(), 100u);
    for (const auto& path : sounds) {
        EXPECT_NE(loadWave(files, path), nullptr) << shown(path);
        // 16-bit mono PCM at 22050 or 44100 Hz in a plain header
        std::ifstream in(files.resolve(path), std::ios::binary);
        unsigned char head[36] = {};
        in.read(reinterpret_cast<char*>(head), sizeof head);
        const auto u16le = [&](int at) { return head[at] | (head[at + 1] << 8); };
        const auto rate = static_cast<unsigned>(u16le(24) | (u16le(26) << 16));
        EXPECT_EQ(u16le(20), 1) << shown(path) << " is not PCM";
        EXPECT_EQ(u16le(22), 1) << shown(path) << " is not mono";
        EXPECT_TRUE(rate == 22050 || rate == 44100) << shown(path) << " plays at " << rate;
        EXPECT_EQ(u16le(34), 16) << shown(path) << " is not 16-bit";
    }
}

TEST_F(ContentFolder, PictureStepsHasAStepForEveryPictureOfEverySetAndADoneSound) {
    for (int n : {1, 2, 4, 8}) {
        const auto folder = u"sfx\\shapes\\" + u16(std::to_string(n)) + u"\\";
        for (int k = 0; k <= 3; ++k) {
            const auto variant = u16(std::to_string(k));
            EXPECT_EQ(files.list(folder + u"step" + variant + u"*.*", FolderEntries::Skip).size(),
                      static_cast<std::size_t>(n))
                << "set size " << n << ", variant " << k;
            EXPECT_TRUE(isFile(files, folder + u"done" + variant + u".wav"))
                << "set size " << n << ", variant " << k;
        }
    }
}

TEST_F(ContentFolder, PaintingHasSeriesOfFiveToNineFramesEachWithItsSound) {
    const auto firsts = files.list(u"gfx\\paint\\*01.*", FolderEntries::Skip);
    EXPECT_GE(firsts.size(), 4u);
    for (const auto& first : firsts) {
        // base name + two digits + a three-letter extension
        const auto base = first.substr(0, first.size() - 6);
        const auto frames = files.list(u"gfx\\paint\\" + base + u"0*.*", FolderEntries::Skip);
        EXPECT_GE(frames.size(), 5u) << shown(base);
        EXPECT_LE(frames.size(), 9u) << shown(base);
        EXPECT_TRUE(isFile(files, u"sfx\\images\\" + base + u".wav")) << shown(base);
    }
}

TEST_F(ContentFolder, TheFoldersActivitiesDrawSoundsFromAreFilled) {
    EXPECT_FALSE(files.list(u"sfx\\sounds\\*.*", FolderEntries::Skip).empty());
    EXPECT_GE(files.list(u"sfx\\findimages\\sounds\\*.*", FolderEntries::Skip).size(), 3u);
    EXPECT_FALSE(files.list(u"sfx\\paint\\paint*.*", FolderEntries::Skip).empty());
}

TEST_F(ContentFolder, StaysUnderTwentyMegabytes) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kContent)) {
        if (entry.is_regular_file()) {
            total += entry.file_size();
        }
    }
    EXPECT_LT(total, 20u * 1000u * 1000u);
}

class ContentLanguage : public ContentFolder,
                        public ::testing::WithParamInterface<std::u16string> {};

TEST_P(ContentLanguage, EveryListLoadsAndNamesFilesThatExist) {
    const std::u16string language = GetParam();
    Options options(files);
    options.language = language;
    const auto lists = files.list(u"data\\" + language + u"\\*.*", FolderEntries::Skip);
    EXPECT_NE(std::find(lists.begin(), lists.end(), u"vimo"), lists.end());
    EXPECT_GE(lists.size(), 4u) << "the list vimo and at least three themed lists";
    bool ownColour = false;
    bool noColour = false;
    bool letterBeyondAtoZ = false;
    for (const auto& list : lists) {
        RecordingErrorBox errors;
        ASSERT_TRUE(options.loadList(list, errors)) << shown(list);
        EXPECT_FALSE(options.exercises.empty()) << shown(list);
        for (const Exercise& e : options.exercises) {
            const std::string where = shown(list) + ": " + shown(e.name);
            EXPECT_FALSE(e.name.empty()) << where;
            EXPECT_FALSE(e.text.empty()) << where;
            EXPECT_TRUE(isFile(files, u"gfx\\images\\" + e.image)) << where;
            EXPECT_TRUE(isFile(files, u"sfx\\images\\" + e.sound)) << where;
            EXPECT_TRUE(isFile(files, u"speech\\" + language + u"\\" + e.speech)) << where;
            EXPECT_EQ(kEditorPalette.count(e.colour), 1u) << where;
            (e.colour == 0x00FFFFFF ? noColour : ownColour) = true;
            for (char16_t c : e.text) {
                letterBeyondAtoZ = letterBeyondAtoZ || c > 0x7F;
            }
            const Size picture = decodedSize(files, u"gfx\\images\\" + e.image);
            EXPECT_GE(picture.width, 400) << where;
            EXPECT_EQ(picture.width * 3, picture.height * 4) << where << " is not 4:3";
        }
    }
    EXPECT_TRUE(ownColour);
    EXPECT_TRUE(noColour);
    if (language == u"Swedish") {
        EXPECT_TRUE(letterBeyondAtoZ) << "Swedish words with å, ä or ö read back as such";
    }
}

TEST_P(ContentLanguage, StartingSettingsHoldFiftyLinesAndRead) {
    const std::u16string language = GetParam();
    const auto path = u"options\\" + language + u".opt";
    int encoding = -1;
    EXPECT_EQ(readLines(files, path, &encoding).size(), 50u);
    EXPECT_EQ(encoding, Utf8Text);

    Options options(files);
    options.language = language;
    ASSERT_TRUE(options.readOptionsFile(path));
    EXPECT_TRUE(options.oneContact == 0 || options.oneContact == 1);
    EXPECT_TRUE(options.useStop == 0 || options.useStop == 1);
    EXPECT_GE(options.scanTime, 1);
    EXPECT_LE(options.scanTime, 5);
    const float step = options.keyTime / 0.2f;
    EXPECT_NEAR(step, std::round(step), 1e-4);
    EXPECT_GE(options.keyTime, 0.19f);
    EXPECT_LE(options.keyTime, 1.01f);
    EXPECT_TRUE(options.numPatterns == 1 || options.numPatterns == 2 ||
                options.numPatterns == 4 || options.numPatterns == 8);
    EXPECT_GE(options.numFinds, 2);
    EXPECT_LE(options.numFinds, 4);
    for (int speed : {options.speedGame1, options.speedGame6}) {
        EXPECT_TRUE(speed == 25 || speed == 50 || speed == 75);
    }
    EXPECT_TRUE(options.lineWidth == 10 || options.lineWidth == 20 || options.lineWidth == 30);
    EXPECT_GE(options.contactMode, 0);
    EXPECT_LE(options.contactMode, 2);
    EXPECT_GE(options.findPause, 2);
    EXPECT_LE(options.findPause, 10);
    for (int i = 0; i < Options::kScreens; ++i) {
        EXPECT_TRUE(isFile(files, u"data\\" + language + u"\\" + options.listName[i]))
            << "screen " << i;
        EXPECT_EQ(options.backgroundColour[i] >> 24, 0xFFu) << "screen " << i;
    }
}

TEST_P(ContentLanguage, HelpLinesAndEditorTextsAreComplete) {
    const std::u16string language = GetParam();
    const auto help = readLines(files, u"data\\" + language + u"\\Options\\options.txt");
    ASSERT_EQ(help.size(), 22u);
    for (const auto& line : help) {
        EXPECT_FALSE(line.empty());
    }
    const auto tool = readLines(files, u"data\\" + language + u"\\Tool\\tool.txt");
    ASSERT_EQ(tool.size(), 13u);
    EXPECT_EQ(tool[6].front(), u' ') << "the None entry keeps its leading blank";
    EXPECT_EQ(tool[8].back(), u' ') << "the list's name follows the question";
    EXPECT_EQ(tool[12].back(), u' ') << "the file's path follows the message";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ContentLanguage, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<std::u16string>& language) {
                             return shown(language.param);
                         });

} // namespace
