// SPDX-License-Identifier: GPL-3.0-or-later
// What the main dialog asks of the desktop beyond its own widgets: questions, error messages,
// the name of a new item and a file to open; and of the sound back end, whether a sound plays. The
// program hands in the real dialogs; tests hand in stand-ins that answer as told and write down
// what was asked.
#pragma once

#include "editor/platform/ControllerButtons.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

struct CEditorPlatform {
    // A question with the buttons Yes and No; true for Yes.
    std::function<bool(QWidget* parent, const QString& question)> askYesNo;
    // An error message with the button OK.
    std::function<void(QWidget* parent, const QString& message)> showError;
    // The name of a new list or exercise as typed; nothing when the user cancels.
    std::function<std::optional<QString>(QWidget* parent)> askName;
    // A new name for a list or exercise, asked for by `prompt`, the box holding its `current`
    // name; nothing when the user cancels.
    std::function<std::optional<QString>(QWidget* parent, const QString& prompt,
                                         const QString& current)>
        askNewName;
    // Existing files, one or several, starting in `folder`, offered through `filter` ("Sound
    // Files (*.wav)"); none when the user cancels.
    std::function<std::vector<std::filesystem::path>(QWidget* parent, const QString& filter,
                                                     const std::filesystem::path& folder)>
        chooseFiles;
    // Whether the sound file `path` of the content folder decodes, as the game would decode it to
    // play it. Where it is not set, only the file's kind is looked at (SoundFormat).
    std::function<bool(std::u16string_view path)> soundDecodes;
    // Game controllers for the switch test; none where it is not set.
    OpenControllerButtons openControllers;
    // Whether the game draws the SVG picture `svg` within its picture budget. Where it is not
    // set, an SVG is judged as every picture is, by whether it decodes.
    std::function<bool(std::span<const unsigned char> svg)> vectorDraws;
};
