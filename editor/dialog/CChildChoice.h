// SPDX-License-Identifier: GPL-3.0-or-later
// The child whose switch settings and session log the editor's dialogs act on: a choice among
// the profiles kept in the children's folder, with buttons that add a child and rename or delete
// the chosen one. There is always a child to choose: an empty folder gets one named after the
// account, and the last child is not deleted.
#pragma once

#include "common/files/ChildProfiles.h"
#include "editor/platform/CEditorPlatform.h"
#include "editor/texts/EditorTexts.h"

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

class QComboBox;

class CChildChoice : public QWidget {
    Q_OBJECT

public:
    // Told the folder of each child chosen, the first one while this is made; a renamed child
    // is told again under its new folder.
    using Chosen = std::function<void(const std::filesystem::path& profile)>;

    // `children` holds the profiles; `first`, when it is one of them, is chosen first, else the
    // first in name order. The platform asks and tells; `texts` must outlive this.
    CChildChoice(std::filesystem::path children, const std::filesystem::path& first,
                 CEditorPlatform platform, const EditorTexts& texts, Chosen chosen,
                 QWidget* parent = nullptr);
    // Nothing is chosen while Qt takes the controls down.
    ~CChildChoice() override;

    // What the buttons do.
    void addChild();
    void renameChild();
    void deleteChild();

private:
    // Lists the profiles again and chooses the one in `folder`, or the first.
    void fill(const std::filesystem::path& folder);
    // The child at `index` of the list becomes the chosen one, when it is not already.
    void choose(int index);
    // The name typed and trimmed; nothing when the user cancels or types no name.
    std::optional<std::u16string> typedName(const QString& prompt, const QString& current);
    // Says why making, renaming or deleting `name` failed; true when it did not.
    bool succeeded(bool done, const std::error_code& error, const std::u16string& name);
    QString text(EditorTexts::Text which) const;

    std::filesystem::path children_;
    CEditorPlatform platform_;
    const EditorTexts& texts_;
    Chosen chosen_;
    std::vector<ChildProfile> profiles_;
    std::filesystem::path current_; // the chosen child's folder
    QComboBox* names_ = nullptr;
};
