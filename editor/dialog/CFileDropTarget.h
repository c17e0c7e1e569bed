// SPDX-License-Identifier: GPL-3.0-or-later
// Lets files from the desktop's file manager be dropped on a widget: it accepts drags that
// carry local files and reports the files of a drop. The widget itself is left as it is.
#pragma once

#include <QObject>
#include <filesystem>
#include <vector>

class QWidget;

class CFileDropTarget : public QObject {
    Q_OBJECT

public:
    // Watches `widget` (for a list, its viewport) and is owned by it.
    explicit CFileDropTarget(QWidget& widget);

signals:
    void dropped(const std::vector<std::filesystem::path>& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
