#include "windows/centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window) {
    // A native window knows its frame, where the platform tells it before the first show.
    window.winId();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect whole = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    const int left = whole.left() + (whole.width() - outer.width()) / 2;
    const int top = whole.top() + (whole.height() - outer.height()) / 2;
    window.move(left, top);
}
