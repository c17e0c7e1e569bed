// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CFileDropTarget.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

std::vector<std::filesystem::path> localFiles(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.emplace_back(QFile::encodeName(url.toLocalFile()).toStdString());
        }
    }
    return files;
}

} // namespace

CFileDropTarget::CFileDropTarget(QWidget& widget) : QObject(&widget) {
    widget.setAcceptDrops(true);
    widget.installEventFilter(this);
}

bool CFileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (localFiles(drag->mimeData()).empty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::filesystem::path> files = localFiles(drop->mimeData());
        if (files.empty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit dropped(files);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
