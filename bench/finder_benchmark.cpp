// SPDX-License-Identifier: MIT
// Times icaofinder's window on the shipped data as a user meets it: from the start of main to
// the first painted window and to the records held in memory; then a text of 61 characters
// typed at one key each 10 ms, and the longest the event loop waited meanwhile; and the peak
// memory. Run offscreen or on a display, several times; given a data file, on that one.

#include "finder/finder_window.h"
#include "platform/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kKeyIntervalMs = 10;
const QString kTyped = "london heathrow airport terminal five, hounslow, middlesex uk";

// Notes when the window is first painted.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    qint64 at = -1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && at < 0) {
            at = clock_.elapsed();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QElapsedTimer& clock_;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    // Settings of this run's own, so that no size or file of an earlier one comes in.
    QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    FinderWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : ICAO_SHIPPED_DATA_FILE);
    FirstPaint paint(clock);
    window.installEventFilter(&paint);
    qint64 loadedAt = -1;
    QObject::connect(&window, &FinderWindow::dataLoaded, [&] { loadedAt = clock.elapsed(); });
    window.show();
    while (paint.at < 0 || loadedAt < 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    auto* search = window.findChild<QLineEdit*>("search");
    int answers = 0;
    QObject::connect(&window, &FinderWindow::resultsShown, [&] { ++answers; });
    int typed = 0;
    qint64 longestWait = 0;
    qint64 lastTick = clock.elapsed();
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestWait = std::max(longestWait, now - lastTick);
        lastTick = now;
    });
    QTimer keys;
    keys.setInterval(kKeyIntervalMs);
    QObject::connect(&keys, &QTimer::timeout, [&] {
        if (typed == kTyped.size()) {
            keys.stop();
            return;
        }
        QTest::keyClick(search, kTyped[typed++].toLatin1());
    });
    probe.start();
    keys.start();
    while (keys.isActive() || window.shownText() != kTyped) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    probe.stop();

    std::printf("start of main to the first painted window: %lld ms\n",
                static_cast<long long>(paint.at));
    std::printf("start of main to the records held in memory: %lld ms\n",
                static_cast<long long>(loadedAt));
    std::printf("%lld characters typed at one each %d ms: %d answers shown, the event loop "
                "waited at most %lld ms\n",
                static_cast<long long>(kTyped.size()), kKeyIntervalMs, answers,
                static_cast<long long>(longestWait));
    std::printf("peak memory: %.1f MB\n",
                static_cast<double>(icao::platform::peakResidentBytes()) / 1e6);
    return 0;
}
