// SPDX-License-Identifier: MIT
#include "finder/plan_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The one local file dragged, or none: a plan is one file.
QString fileOf(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>{};
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

PlanDrop::PlanDrop(QWidget* window) : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool PlanDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!fileOf(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (const QString file = fileOf(drop->mimeData()); !file.isEmpty()) {
            drop->acceptProposedAction();
            emit planDropped(file);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
