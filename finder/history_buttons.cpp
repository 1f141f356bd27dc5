// SPDX-License-Identifier: MIT
#include "finder/history_buttons.h"

#include <QAction>
#include <QMouseEvent>
#include <QWidget>

HistoryButtons::HistoryButtons(QWidget* window, QAction* back, QAction* forward)
    : QObject(window), window_(window), back_(back), forward_(forward) {}

bool HistoryButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window_ &&
            (press->button() == Qt::BackButton || press->button() == Qt::ForwardButton)) {
            (press->button() == Qt::BackButton ? back_ : forward_)->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
