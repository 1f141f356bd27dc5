// SPDX-License-Identifier: MIT
#include "finder/go_menu.h"

#include "finder/history_buttons.h"

#include <QApplication>
#include <QLineEdit>

GoMenu::GoMenu(QWidget* window, QLineEdit* search, QLineEdit* route)
    : QMenu(tr("&Go"), window), back_(addAction(tr("&Back"))), forward_(addAction(tr("&Forward"))) {
    back_->setObjectName("back");
    back_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    connect(back_, &QAction::triggered, this, &GoMenu::backWanted);
    forward_->setObjectName("forward");
    forward_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    connect(forward_, &QAction::triggered, this, &GoMenu::forwardWanted);
    showHistory(false, false);
    qApp->installEventFilter(new HistoryButtons(window, back_, forward_));
    addSeparator();
    QAction* toSearch = addAction(tr("&Search field"));
    toSearch->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)});
    connect(toSearch, &QAction::triggered, search, [search] {
        search->setFocus(Qt::ShortcutFocusReason);
        search->selectAll();
    });
    QAction* toRoute = addAction(tr("&Route field"));
    toRoute->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(toRoute, &QAction::triggered, route,
            [route] { route->setFocus(Qt::ShortcutFocusReason); });
}

void GoMenu::showHistory(bool canGoBack, bool canGoForward) {
    back_->setEnabled(canGoBack);
    forward_->setEnabled(canGoForward);
}
