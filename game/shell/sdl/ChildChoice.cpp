// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildChoice.h"

#include "common/audio/HeldSound.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/files/ProfileFileSystem.h"
#include "game/gfx/sdl/SdlMessageBox.h"
#include "game/gfx/sdl/SdlSurfaces.h"
#include "game/log/LocalClock.h"
#include "game/platform/sdl/SdlClock.h"
#include "game/shell/ChildrenScreen.h"
#include "game/shell/MainLoop.h"
#include "game/shell/sdl/ScreenRun.h"
#include "game/shell/sdl/SdlEventSource.h"
#include "game/shell/sdl/SdlPointer.h"
#include "game/shell/sdl/SurfaceFrames.h"

#include <cerrno>

namespace {

// The content folder as no child's profile sees it: the starting settings, the content's
// pictures, and the children's photos under children\; nothing can be written.
class ChoosingFiles : public ProfileFileSystem {
public:
    ChoosingFiles(const std::filesystem::path& content, const std::filesystem::path& children)
        : ProfileFileSystem(content, children / ".no-child"), children_(children) {}

    std::unique_ptr<InputStream> openForReading(std::u16string_view path) const override {
        constexpr std::u16string_view kPhotos = u"children\\";
        if (path.starts_with(kPhotos)) {
            return children_.openForReading(path.substr(kPhotos.size()));
        }
        return ProfileFileSystem::openForReading(path);
    }
    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view,
                                                   std::uint32_t& error) override {
        error = EROFS;
        return nullptr;
    }
    bool append(std::u16string_view, std::string_view, std::uint32_t& error) override {
        error = EROFS;
        return false;
    }
    bool remove(std::u16string_view, std::uint32_t& error) override {
        error = EROFS;
        return false;
    }
    bool copyIn(const std::filesystem::path&, std::u16string_view, std::uint32_t& error) override {
        error = EROFS;
        return false;
    }

private:
    DiskFileSystem children_;
};

// Builds the one screen there is; the loop ends when it is left.
class ChoosingFactory : public ScreenFactory {
public:
    ChoosingFactory(ScreenServices services, std::vector<ChildProfile> profiles)
        : ScreenFactory(services), profiles_(std::move(profiles)) {}

    std::optional<std::size_t> chosen; // none until a child is chosen

protected:
    std::unique_ptr<Screen> make(ScreenId) override {
        return std::make_unique<ChildrenScreen>(services(), profiles_,
                                                [this](std::size_t k) { chosen = k; });
    }

private:
    std::vector<ChildProfile> profiles_;
};

} // namespace

std::optional<std::size_t> chooseChild(SdlGameWindow& gameWindow,
                                       const std::filesystem::path& content,
                                       const std::filesystem::path& children,
                                       const std::vector<ChildProfile>& profiles,
                                       const SystemSettings& system) {
    ChoosingFiles files(content, children);
    // The school's switch settings, with no log: the record starts with the child.
    SystemSettings choosing = system;
    choosing.access.log = false;
    SdlClock clock;
    SdlSurfaces surfaces(gameWindow.renderer(), files, clock);
    const std::unique_ptr<Sound> sound = openSound(files);
    HeldSound heldSound(*sound);
    RandomGenerator random(clock.wallSeconds());
    LastPressTimes lastPressTimes{};
    std::optional<SettingValues> unsavedSettings;
    AccessSettings access = choosing.access;
    const SystemLocalClock localClock;
    SessionLog log(files, localClock);
    SdlEventSource events([&surfaces] { surfaces.invalidate(); },
                          [&surfaces] { surfaces.targetsReset(); }, access);
    SdlPointer pointer(gameWindow.window(), gameWindow.renderer(), events);
    SdlMessageBox errorBox(gameWindow.window());
    SurfaceFrames frames(surfaces, clock, heldSound);

    ChoosingFactory factory(ScreenServices{files, clock, heldSound, pointer, errorBox, random,
                                           lastPressTimes, unsavedSettings, access, log, choosing},
                            profiles);
    runScreens(factory, MenuId, gameWindow.window(), surfaces, events, frames);
    return factory.chosen;
}
