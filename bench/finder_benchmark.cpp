// SPDX-License-Identifier: MIT
// Times icaofinder's window on the shipped data as a user meets it: from the start of main to
// the first painted window and to the records held in memory; then a text of 61 characters
// typed at one key each 10 ms, and the longest the event loop waited meanwhile; then a route of
// 999 codes typed at one key each millisecond and one more code at one key each 100 ms (the
// 1,000 words a route holds at most): the longest the event loop waited and how long after the
// last key the legs were shown; how long a search then waits and the window takes to close;
// and the peak memory. Run offscreen or on a display, several times; given a data file, on
// that one, and given a number of codes too, a route of so many.

#include "finder/finder_window.h"
#include "platform/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kKeyIntervalMs = 10;
const QString kTyped = "london heathrow airport terminal five, hounslow, middlesex uk";
constexpr int kRouteKeyIntervalMs = 1;
constexpr int kRouteCodes = 999;
const QString kRouteExtension = " EGKK";
const QString kSearchAfterRoute = "zurich";

struct Typing {
    // The longest the event loop waited, from the first key until done() held.
    qint64 longestWaitMs = 0;
    // From the last key until done() held.
    qint64 doneAfterMs = 0;
};

// Types text into a field at one key each interval, until done() holds.
template <typename Done>
Typing typeInto(QLineEdit* field, const QString& text, int intervalMs, Done done) {
    QElapsedTimer clock;
    clock.start();
    int typed = 0;
    qint64 longestWait = 0;
    qint64 lastTick = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestWait = std::max(longestWait, now - lastTick);
        lastTick = now;
    });
    qint64 lastKey = 0;
    QTimer keys;
    keys.setInterval(intervalMs);
    QObject::connect(&keys, &QTimer::timeout, [&] {
        if (typed == text.size()) {
            keys.stop();
            return;
        }
        QTest::keyClick(field, text[typed++].toLatin1());
        lastKey = clock.elapsed();
    });
    probe.start();
    keys.start();
    while (keys.isActive() || !done()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return {longestWait, clock.elapsed() - lastKey};
}

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

    auto window = std::make_unique<FinderWindow>(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                          : ICAO_SHIPPED_DATA_FILE);
    FirstPaint paint(clock);
    window->installEventFilter(&paint);
    qint64 loadedAt = -1;
    QObject::connect(window.get(), &FinderWindow::dataLoaded, [&] { loadedAt = clock.elapsed(); });
    window->show();
    while (paint.at < 0 || loadedAt < 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    std::printf("start of main to the first painted window: %lld ms\n",
                static_cast<long long>(paint.at));
    std::printf("start of main to the records held in memory: %lld ms\n",
                static_cast<long long>(loadedAt));

    auto* search = window->findChild<QLineEdit*>("search");
    int answers = 0;
    QObject::connect(window.get(), &FinderWindow::resultsShown, [&] { ++answers; });
    const Typing searching =
        typeInto(search, kTyped, kKeyIntervalMs, [&] { return window->shownText() == kTyped; });
    std::printf("%lld characters typed at one each %d ms: %d answers shown, the event loop "
                "waited at most %lld ms\n",
                static_cast<long long>(kTyped.size()), kKeyIntervalMs, answers,
                static_cast<long long>(searching.longestWaitMs));

    auto* route = window->findChild<QLineEdit*>("route");
    const int codes = argc > 2 ? std::atoi(argv[2]) : kRouteCodes;
    QStringList routeCodes;
    for (int code = 0; code < codes; ++code) {
        routeCodes << (code % 2 == 0 ? "EGLL" : "LSZH");
    }
    const QString routeText = routeCodes.join(' ');
    const Typing routing = typeInto(route, routeText, kRouteKeyIntervalMs,
                                    [&] { return window->shownRoute() == routeText; });
    std::printf("a route of %d codes typed at one key each %d ms: the event loop waited at "
                "most %lld ms, the legs shown %lld ms after the last key\n",
                codes, kRouteKeyIntervalMs, static_cast<long long>(routing.longestWaitMs),
                static_cast<long long>(routing.doneAfterMs));
    const Typing extending = typeInto(route, kRouteExtension, kKeyIntervalMs * 10, [&] {
        return window->shownRoute() == routeText + kRouteExtension;
    });
    std::printf("then \"%s\" typed at one key each %d ms: the event loop waited at most %lld "
                "ms, the legs shown %lld ms after the last key\n",
                qPrintable(kRouteExtension), kKeyIntervalMs * 10,
                static_cast<long long>(extending.longestWaitMs),
                static_cast<long long>(extending.doneAfterMs));
    search->clear();
    const Typing searchingAfter = typeInto(
        search, kSearchAfterRoute, 0, [&] { return window->shownText() == kSearchAfterRoute; });
    std::printf("then \"%s\" typed: answered %lld ms after the last key\n",
                qPrintable(kSearchAfterRoute), static_cast<long long>(searchingAfter.doneAfterMs));
    QElapsedTimer closing;
    closing.start();
    window.reset();
    std::printf("the window closed in %lld ms\n", static_cast<long long>(closing.elapsed()));

    std::printf("peak memory: %.1f MB\n",
                static_cast<double>(icao::platform::peakResidentBytes()) / 1e6);
    return 0;
}
