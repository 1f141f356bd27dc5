// SPDX-License-Identifier: MIT
#include "finder/core/finder_controller.h"
#include "finder/core/finder_settings.h"
#include "finder/core/map_choice.h"
#include "finder/core/selection_history.h"
#include "support/fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QByteArray kAirports =
    "L|EGLL|London Heathrow Airport|London|GB|LHR|51.470748|-0.459909|83||864|"
    "United Kingdom||Europe/London|||\n"
    "M|EGLC|London City Airport|London|GB|LCY|51.505299|0.055278|19||500|United Kingdom||"
    "Europe/London|||\n"
    "L|LSZH|Zürich Airport|Zurich|CH|ZRH|47.458056|8.548056|1417||700|Switzerland||"
    "Europe/Zurich|||\n"
    "S|EGKR|Redhill Aerodrome|Redhill|GB|KRH|51.2136|-0.1386|222||100|United Kingdom||"
    "Europe/London|||\n";

using Subject = MapChoice::Subject;

} // namespace

// The finder's state without a window: run with no display at all.
class FinderCoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fixtures::SettingsFolder> settings_;
    std::unique_ptr<fixtures::DataFolder> folder_;

    QString dataFile() const { return QString::fromStdString(icao::utf8Of(folder_->dataFile())); }

    // A controller started on the test's file, its records read.
    std::unique_ptr<FinderController> startedController() {
        auto controller = std::make_unique<FinderController>(dataFile(), dataFile());
        controller->start();
        [&] { QTRY_COMPARE(controller->fileState().reading, DataFileState::Reading::Read); }();
        return controller;
    }

    // Searches the text and waits for its answer; yields the codes answered.
    static QStringList answerTo(FinderController& controller, const QString& text) {
        QSignalSpy answered(&controller, &FinderController::answered);
        controller.setSearchText(text);
        if (!answered.wait(5000)) {
            return {"no answer"};
        }
        QStringList codes;
        for (const icao::FindHit& hit :
             answered.takeLast().at(0).value<SearchAnswer>().result.hits) {
            codes << QString::fromStdString(hit.item.record().code);
        }
        return codes;
    }

    // Selects the airfield and waits until it is described.
    static void select(FinderController& controller, const QString& code, std::size_t line) {
        QSignalSpy shown(&controller, &FinderController::airfieldShown);
        controller.selectAirfield(code, line);
        QVERIFY(shown.wait(5000));
        QCOMPARE(QString::fromStdString(controller.shownAirfield()->record.code), code);
    }

  private slots:
    void init() {
        settings_ = std::make_unique<fixtures::SettingsFolder>();
        folder_ = std::make_unique<fixtures::DataFolder>();
        folder_->write(kAirports);
    }

    // Each step a call, then what the map is to draw anew, if anything.
    void theMapDrawsOnlyWhatChanged() {
        MapChoice choice;
        QCOMPARE(choice.toDraw(), std::nullopt);
        choice.airfieldChanged(true);
        QCOMPARE(choice.toDraw(), Subject::Airfield);
        QCOMPARE(choice.toDraw(), std::nullopt);
        // A route typed while an airfield is asked for waits: the airfield stays.
        choice.routeChanged(true, true);
        QCOMPARE(choice.toDraw(), std::nullopt);
        choice.askForRoute();
        QCOMPARE(choice.toDraw(), Subject::Route);
        // A word typed on that moves no stop keeps the map, and its zoom, as it is.
        choice.routeChanged(true, false);
        QCOMPARE(choice.toDraw(), std::nullopt);
        choice.routeChanged(true, true);
        QCOMPARE(choice.toDraw(), Subject::Route);
        // The airfield asked for again is drawn again, though it is the one drawn before.
        choice.askForAirfield();
        choice.airfieldChanged(true);
        QCOMPARE(choice.toDraw(), Subject::Airfield);
        // With no airfield, the route shows whatever was asked; with neither, the overview,
        // and again when what it holds changes.
        choice.airfieldChanged(false);
        QCOMPARE(choice.toDraw(), Subject::Route);
        choice.routeChanged(false, true);
        QCOMPARE(choice.toDraw(), Subject::Overview);
        QCOMPARE(choice.toDraw(), std::nullopt);
        choice.overviewChanged();
        QCOMPARE(choice.toDraw(), Subject::Overview);
    }

    // Typing refines a step; a step typed anew, a link followed or a step gone back from and
    // left by another cuts the steps ahead.
    void theHistoryKeepsOneStepPerSearch() {
        SelectionHistory history;
        history.record({"lo", "EGLL"}, true);
        history.record({"lond", "EGLL"}, true);
        history.record({"london c", "EGLC"}, true);
        QCOMPARE(history.codes(), (QStringList{"EGLC"}));
        QVERIFY(!history.canGoBack());
        history.record({"EGKR", "EGKR"}, false);
        history.record({"EGKR", "EGKR"}, false);
        history.record({"zurich", "LSZH"}, true);
        QCOMPARE(history.codes(), (QStringList{"LSZH", "EGKR", "EGLC"}));
        QCOMPARE(history.back(), (SelectionHistory::Step{"EGKR", "EGKR"}));
        QCOMPARE(history.back(), (SelectionHistory::Step{"london c", "EGLC"}));
        QCOMPARE(history.back(), std::nullopt);
        QVERIFY(history.canGoForward());
        history.record({"redhill", "EGKR"}, false);
        QVERIFY(!history.canGoForward());
        QCOMPARE(history.codes(), (QStringList{"EGKR", "EGLC"}));
    }

    void theSettingsComeBackAsTheyWereKept() {
        FinderSettings settings;
        QCOMPARE(settings.units().distance, icao::DistanceUnit::NauticalMile);
        QCOMPARE(settings.units().length, icao::LengthUnit::Foot);
        QCOMPARE(settings.dataFile("shipped"), QString("shipped"));
        settings.setDistanceUnit(icao::DistanceUnit::Kilometre);
        settings.setLengthUnit(icao::LengthUnit::Metre);
        settings.setDataFile("/data/mine.txt");
        settings.setRecentCodes({"EGKR", "LSZH"});
        settings.setLayout({"frame", "split", "left", "aside", 120, "Sans,10"});
        const FinderSettings later;
        QCOMPARE(later.units().distance, icao::DistanceUnit::Kilometre);
        QCOMPARE(later.units().length, icao::LengthUnit::Metre);
        QCOMPARE(later.dataFile("shipped"), QString("/data/mine.txt"));
        QCOMPARE(later.recentCodes(), (QStringList{"EGKR", "LSZH"}));
        const FinderLayout layout = later.layout();
        QCOMPARE(layout.geometry, QByteArray("frame"));
        QCOMPARE(layout.aside, QByteArray("aside"));
        QCOMPARE(layout.placeColumn, 120);
        QCOMPARE(layout.columnsFont, QString("Sans,10"));
        settings.forgetDataFile();
        QCOMPARE(later.dataFile("shipped"), QString("shipped"));
    }

    // Of texts typed faster than they are answered, only the last one's answer is shown.
    void onlyTheLatestSearchIsAnswered() {
        auto controller = startedController();
        QSignalSpy answered(controller.get(), &FinderController::answered);
        for (const char* text : {"e", "eg", "egl", "egll", "egk", "egkr"}) {
            controller->setSearchText(text);
        }
        QTRY_VERIFY(!answered.isEmpty());
        QTest::qWait(100);
        for (const QList<QVariant>& answer : answered) {
            QCOMPARE(answer.at(0).value<SearchAnswer>().text, QString("egkr"));
        }
        QCOMPARE(controller->shownText(), QString("egkr"));
    }

    // Back searches the step's text again and selects its code; where the text is the one
    // searched, only the code is selected.
    void backChoosesTheStepsTextAndCode() {
        auto controller = startedController();
        QCOMPARE(answerTo(*controller, "EGLL"), (QStringList{"EGLL"}));
        select(*controller, "EGLL", 1);
        QCOMPARE(answerTo(*controller, "EGKR"), (QStringList{"EGKR"}));
        select(*controller, "EGKR", 4);
        QVERIFY(controller->history().canGoBack());
        QSignalSpy texts(controller.get(), &FinderController::searchTextChosen);
        QSignalSpy answered(controller.get(), &FinderController::answered);
        controller->goBack();
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.at(0).at(0).toString(), QString("EGLL"));
        QVERIFY(answered.wait(5000));
        QCOMPARE(answered.at(0).at(1).toString(), QString("EGLL"));
        QCOMPARE(answered.at(0).at(2).toBool(), false);
        QSignalSpy codes(controller.get(), &FinderController::airfieldChosen);
        controller->goForward();
        controller->goForward();
        QCOMPARE(texts.size(), 2);
        QVERIFY(codes.isEmpty());
    }

    // With no text, the airfields looked at are recalled: this run's first, then those kept
    // from runs before, which the run adds to when it ends.
    void noTextRecallsTheAirfieldsLookedAt() {
        FinderSettings().setRecentCodes({"LSZH", "EGLL"});
        auto controller = startedController();
        QCOMPARE(answerTo(*controller, "EGKR"), (QStringList{"EGKR"}));
        select(*controller, "EGKR", 4);
        QCOMPARE(controller->recentCodes(), (QStringList{"EGKR", "LSZH", "EGLL"}));
        QSignalSpy answered(controller.get(), &FinderController::answered);
        controller->setSearchText({});
        QVERIFY(answered.wait(5000));
        const auto answer = answered.takeLast().at(0).value<SearchAnswer>();
        QCOMPARE(answer.kind, SearchAnswer::Kind::Recent);
        QCOMPARE(answer.recent.size(), std::size_t(3));
        // With none selected, the map shows them.
        QSignalSpy drawn(controller.get(), &FinderController::mapChosen);
        controller->clearAirfield();
        QCOMPARE(drawn.size(), 1);
        const auto recent = std::get<icao::Neighbourhood>(drawn.at(0).at(0).value<MapSubject>());
        QCOMPARE(recent.origin.label, std::string("EGKR"));
        QCOMPARE(recent.neighbours.size(), std::size_t(2));
        QVERIFY(!recent.rings);
        controller->keepRecent();
        QCOMPARE(FinderSettings().recentCodes(), (QStringList{"EGKR", "LSZH", "EGLL"}));
    }

    // A described airfield that is no longer the one selected is not shown.
    void aDescriptionOfAnOldSelectionIsDropped() {
        auto controller = startedController();
        QSignalSpy shown(controller.get(), &FinderController::airfieldShown);
        controller->selectAirfield("EGLL", 1);
        controller->selectAirfield("EGKR", 4);
        QVERIFY(shown.wait(5000));
        QTest::qWait(200);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(controller->shownAirfield()->record.code, std::string("EGKR"));
        QSignalSpy drawn(controller.get(), &FinderController::mapChosen);
        controller->clearAirfield();
        QVERIFY(!controller->shownAirfield());
        QCOMPARE(drawn.size(), 1);
        QVERIFY(std::holds_alternative<std::monostate>(drawn.at(0).at(0).value<MapSubject>()));
    }

    // A route's plan is shown for the text last asked; a text emptied is no route at once.
    void theRouteShownIsTheLastTextsPlan() {
        auto controller = startedController();
        QSignalSpy shown(controller.get(), &FinderController::routeShown);
        controller->setRoute("EGLL LSZH", true);
        controller->setRoute("EGLL EGKR", true);
        QTRY_VERIFY(controller->shownRoute().has_value());
        QCOMPARE(controller->shownRoute()->text, QString("EGLL EGKR"));
        QCOMPARE(controller->shownRoute()->route.legs.size(), std::size_t(1));
        controller->setRoute("  ", true);
        QVERIFY(!controller->shownRoute());
    }

    // An unreadable file is told with its reason; the file put back is read again.
    void anUnreadableFileIsToldAndReadOnceBack() {
        auto controller = startedController();
        const QString gone = dataFile() + ".gone";
        QSignalSpy states(controller.get(), &FinderController::fileStateChanged);
        controller->openDataFile(gone);
        QTRY_COMPARE(controller->fileState().reading, DataFileState::Reading::Unreadable);
        QVERIFY(!controller->fileState().failure.isEmpty());
        QVERIFY(!controller->fileState().shipped);
        QVERIFY(controller->fileState().canReadShipped);
        QCOMPARE(FinderSettings().dataFile({}), gone);
        controller->readShippedFile();
        QTRY_COMPARE(controller->fileState().reading, DataFileState::Reading::Read);
        QCOMPARE(controller->fileState().airfields, qsizetype(4));
        QVERIFY(controller->fileState().shipped);
        QCOMPARE(FinderSettings().dataFile("none"), QString("none"));
    }
};

QTEST_GUILESS_MAIN(FinderCoreTest)
#include "tst_finder_core.moc"
