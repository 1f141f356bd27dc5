// SPDX-License-Identifier: MIT
#include "windows/centre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

void moveToCentre(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect whole = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    const int left = whole.left() + (whole.width() - outer.width()) / 2;
    const int top = whole.top() + (whole.height() - outer.height()) / 2;
    window.move(left, top);
}

// The frame's width on each side: left, top, right, bottom.
QMargins frameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Watches a window from its load until a second after its first show (or its hiding, if that
// comes first), and centres it again each time the window manager changes its frame (it may
// tell the frame side by side). A move that leaves the frame as it was, the user's, is left
// alone.
class FrameWatcher final : public QObject {
  public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            QTimer::singleShot(1000, this, &QObject::deleteLater);
            break;
        // Shown again later, the window is where the user left it.
        case QEvent::Hide:
            deleteLater();
            break;
        // The frame comes with no event of its own: look for it whenever the window is moved,
        // resized, painted or activated.
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            if (frameOf(window_) != frame_) {
                frame_ = frameOf(window_);
                moveToCentre(window_);
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    QWidget& window_;
    QMargins frame_;
};

} // namespace

void centreOnScreen(QWidget& window) {
    // A native window knows its frame where the platform tells it before the first show.
    window.winId();
    moveToCentre(window);
    if (frameOf(window).isNull() && !window.isVisible()) {
        new FrameWatcher(window);
    }
}
