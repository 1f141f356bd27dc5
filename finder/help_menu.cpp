// SPDX-License-Identifier: MIT
#include "finder/help_menu.h"

#include <QMenuBar>
#include <QMessageBox>

HelpMenu::HelpMenu(QMenuBar* bar, std::function<DataFacts()> facts) : QMenu(tr("&Help"), bar) {
    QAction* shortcuts = addAction(tr("&Keyboard shortcuts"));
    shortcuts->setObjectName("shortcuts");
    connect(shortcuts, &QAction::triggered, this, [this, bar] {
        QList<QAction*> actions;
        for (const QAction* menu : bar->actions()) {
            actions += menu->menu()->actions();
        }
        showBox("shortcutsBox", tr("Keyboard shortcuts"), shortcutsPage(actions));
    });
    QAction* about = addAction(tr("&About ICAO Finder"));
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, [this, facts = std::move(facts)] {
        showBox("aboutBox", tr("About ICAO Finder"), aboutPage(facts()));
    });
}

void HelpMenu::showBox(const QString& name, const QString& title, const QString& page) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, page, QMessageBox::Close,
                                parentWidget()->window());
    box->setObjectName(name);
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
