// SPDX-License-Identifier: MIT
#include "finder/core/finder_settings.h"
#include "finder/finder_status_bar.h"
#include "finder/finder_window.h"
#include "finder/map_pane.h"
#include "finder/results_model.h"
#include "finder/units_menu.h"
#include "support/fixtures.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointF>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <fstream>
#include <memory>

namespace {

const QByteArray kAirports =
    "L|EGLL|London Heathrow Airport|London|GB|LHR|51.470748|-0.459909|83|LON / Londres|864|"
    "United Kingdom||Europe/London|09L/27R:12799:164::1:89.6/269.6|atis:113.75|\n"
    "M|EGLC|London City Airport|London|GB|LCY|51.505299|0.055278|19||500|United Kingdom||"
    "Europe/London|||\n"
    "L|LSZH|Zürich Airport|Zurich|CH|ZRH|47.458056|8.548056|1417||700|Switzerland||"
    "Europe/Zurich|||\n"
    "L|KSFO|San Francisco International Airport|San Francisco|US|SFO|37.619|-122.375|13||800|"
    "United States||America/Los_Angeles|||\n"
    "S|EGKR|Redhill Aerodrome|Redhill|GB|KRH|51.2136|-0.1386|222||100|United Kingdom||"
    "Europe/London|||\n"
    "L|FVRG|Robert Gabriel Mugabe International Airport|Harare|ZW|HRE|-17.93|31.09||||"
    "Zimbabwe||Africa/Harare|||Harare Metropolitan Province|HRX|FVHA|\n";

} // namespace

class FinderTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<fixtures::DataFolder> folder_;
    std::unique_ptr<fixtures::SettingsFolder> settings_;
    std::unique_ptr<FinderWindow> window_;

    QLineEdit* search() const { return window_->findChild<QLineEdit*>("search"); }
    QTableView* table() const { return window_->findChild<QTableView*>("results"); }
    QTextBrowser* details() const { return window_->findChild<QTextBrowser*>("details"); }
    QTableView* legs() const { return window_->findChild<QTableView*>("legs"); }
    QTextBrowser* readings() const { return window_->findChild<QTextBrowser*>("routeReadings"); }
    // The legs' cells a line each, the total, then how the stops were read.
    QString legsText() const {
        QString text;
        for (int row = 0; row < legs()->model()->rowCount(); ++row) {
            for (int column = 0; column < legs()->model()->columnCount(); ++column) {
                text += legs()->model()->index(row, column).data().toString() + '\n';
            }
        }
        const QString total = window_->findChild<QLabel*>("routeTotal")->text();
        return text + (total.isEmpty() ? QString() : total + '\n') + readings()->toPlainText();
    }
    QString cell(int row, int column) const {
        return table()->model()->index(row, column).data().toString();
    }
    int selectedRow() const { return table()->selectionModel()->currentIndex().row(); }
    QString dataFile() const { return QString::fromStdString(icao::utf8Of(folder_->dataFile())); }

    // Types the text as a user would and waits for its answer.
    void type(const QString& text) {
        QSignalSpy shown(window_.get(), &FinderWindow::resultsShown);
        QTest::keyClicks(search(), text);
        QTRY_VERIFY(!shown.isEmpty());
        QTRY_COMPARE(window_->shownText(), search()->text());
    }

    // Shortcuts reach only the active window; without a window manager none is by itself.
    void activate() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void openWindow() {
        window_ = std::make_unique<FinderWindow>(FinderSettings().dataFile(dataFile()), dataFile());
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTRY_VERIFY(!loaded.isEmpty());
    }

  private slots:
    void init() {
        settings_ = std::make_unique<fixtures::SettingsFolder>();
        folder_ = std::make_unique<fixtures::DataFolder>();
        folder_->write(kAirports);
        openWindow();
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
        settings_.reset();
    }

    // The widget that takes the keys once the window is active; without a window manager no
    // window becomes active by itself.
    void theSearchFieldHasTheFocusAtStart() { QCOMPARE(window_->focusWidget(), search()); }

    // Typed as a new user would: the best hit is selected, and its details shown.
    void typingSelectsTheBestHit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("suggested");
        QTest::newRow("name") << "heathrow"
                              << "EGLL" << false;
        QTest::newRow("accent") << "zurich"
                                << "LSZH" << false;
        QTest::newRow("code in lower case") << "egll"
                                            << "EGLL" << false;
        QTest::newRow("typo") << "san fransisco"
                              << "KSFO" << true;
    }
    void typingSelectsTheBestHit() {
        QFETCH(QString, typed);
        QFETCH(QString, first);
        QFETCH(bool, suggested);
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type(typed);
        QCOMPARE(cell(0, 0), first);
        QCOMPARE(cell(0, 2).startsWith("did you mean"), suggested);
        QCOMPARE(selectedRow(), 0);
        QTRY_VERIFY(!described.isEmpty());
        QVERIFY(details()->toPlainText().contains(first));
        // Every airfield with coordinates has a magnetic variation; a runway with true
        // headings has magnetic ones.
        QVERIFY(QRegularExpression("Magnetic variation\\s*[0-9]+\\.[0-9]° [EW]")
                    .match(details()->toPlainText())
                    .hasMatch());
        QCOMPARE(details()->toPlainText().contains("magnetic 08"), first == "EGLL");
    }

    // An airfield typed by its former code is found, and its details tell its region, its
    // other codes and an elevation the data does not know.
    void aFormerCodeFindsTheAirfield() {
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("fvha");
        QCOMPARE(cell(0, 0), QString("FVRG"));
        QTRY_VERIFY(!described.isEmpty());
        const QString text = details()->toPlainText();
        for (const char* shown : {"Region\\s+Harare Metropolitan Province", "Local code\\s+HRX",
                                  "Former codes\\s+FVHA", "Elevation\\s+unknown"}) {
            QVERIFY2(QRegularExpression(shown).match(text).hasMatch(),
                     qPrintable(QString(shown) + " not in " + text));
        }
    }

    // The details tell today's sun as icao info does; a runway's heading pair never breaks
    // over two lines, however narrow the pane.
    void theDetailsTellTheSunAndKeepHeadingPairsWhole() {
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("EGLL");
        QTRY_VERIFY(!described.isEmpty());
        const QString text = details()->toPlainText();
        for (const char* label : {"Civil dawn", "Sunrise", "Sunset", "Civil dusk"}) {
            const QRegularExpression shown(QString(label) + R"(\s+\d\d:\d\d UTC, \d\d:\d\d local)");
            QVERIFY2(shown.match(text).hasMatch(), qPrintable(QString(label) + " not in " + text));
        }
        // Widths at which a heading pair fits on a line but a runway's whole line does not, in
        // the page's own font, whatever font the system has.
        const QFontMetrics metrics(details()->document()->defaultFont());
        const int labels = metrics.horizontalAdvance("Magnetic variation") + 60;
        const int pair =
            metrics.horizontalAdvance(QString("true headings 089.6°") + QChar(0x2215) + "269.6°");
        const int line = metrics.horizontalAdvance(
            "09L/27R  12799 × 164 ft  surface unknown  lighted  true headings 089.6°/269.6°  "
            "magnetic 088.9°/268.9°");
        for (const int width : {labels + line + pair, labels + (line + pair) / 2, labels + pair}) {
            details()->setFixedWidth(width);
            QTest::qWait(50);
            const QTextDocument* page = details()->document();
            int headingLines = 0;
            for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
                const QTextLayout* layout = block.layout();
                for (int i = 0; layout && i < layout->lineCount(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    const QString shown =
                        block.text().mid(line.textStart(), line.textLength()).trimmed();
                    QVERIFY2(!shown.endsWith('/') && !shown.endsWith(QChar(0x2215)),
                             qPrintable(QString::number(width) + ": " + shown));
                    headingLines +=
                        shown.contains("°/") || shown.contains(QString("°") + QChar(0x2215));
                }
            }
            QVERIFY(headingLines >= 1);
        }
    }

    // With navaids.txt beside the data file, the details and the map show the aids within
    // 10 NM of the airfield, nearest first; those farther are left out.
    void theNavaidsAboutTheAirfieldAreShown() {
        std::ofstream(folder_->path() / "navaids.txt", std::ios::binary)
            << "LON|London|VOR-DME|113.60|51.487202|-0.466667|110|-2.243|EGLL|GB|083X|\n"
               "EPM|Epsom|NDB|316|51.3192|-0.3717|||EGLL|GB||\n"
               "OCK|Ockham|VOR-DME|115.30|51.3050|-0.4472|||EGLL|GB|100X|\n"
               "DVR|Dover|VOR-DME|114.95|51.1628|1.3597|||EGLL|GB||\n";
        openWindow();
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("EGLL");
        QTRY_VERIFY(!described.isEmpty());
        const QString text = details()->toPlainText();
        const auto lon = text.indexOf("LON  VOR-DME  113.60 MHz  1.0 NM  346°");
        const auto epm = text.indexOf("EPM  NDB  316 kHz");
        QVERIFY2(lon > 0 && epm > lon && text.contains("OCK"), qPrintable(text));
        QVERIFY(!text.contains("DVR"));
        const auto* map = window_->findChild<MapPane*>("map");
        QTRY_COMPARE(map->drawing().navaids.size(), std::size_t(3));
        QCOMPARE(map->drawing().navaids[0].ident, std::string("LON"));
        QVERIFY(map->drawing().navaids[1].ndb);

        // A flight plan's route in the route field, read as icao dist reads it: the aid a leg
        // ends at, its own mark on the map, the airway passed over and told.
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL N0450F350 DCT OCK UN601 LSZH ");
        QTRY_VERIFY(legsText().contains("total"));
        const QString legs = legsText();
        QVERIFY2(legs.contains("EGLL → OCK") && legs.contains("OCK → LSZH") &&
                     legs.contains("OCK Ockham VOR-DME (navaid, the nearest)") &&
                     legs.contains("UN601 (airway not in the data, flown direct)"),
                 qPrintable(legs));
        QTRY_COMPARE(map->drawing().title, std::string("EGLL – OCK – LSZH"));
        QCOMPARE(map->drawing().airfields[1].mark, icao::Mark::Navaid);
    }

    void keysMoveTheSelectionAndCopyTheCode() {
        type("london");
        QVERIFY(table()->model()->rowCount() >= 2);
        QCOMPARE(cell(0, 0), QString("EGLL"));
        QTest::keyClick(search(), Qt::Key_Down);
        QCOMPARE(selectedRow(), 1);
        QTRY_VERIFY(details()->toPlainText().contains(cell(1, 0)));
        QTest::keyClick(search(), Qt::Key_Up);
        QCOMPARE(selectedRow(), 0);
        QApplication::clipboard()->clear();
        QTest::keyClick(search(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("EGLL"));
        // With text selected in the field, Ctrl+C copies that text, as a field does.
        search()->selectAll();
        QTest::keyClick(search(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("london"));
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Down);
        QApplication::clipboard()->clear();
        QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), cell(1, 0));
        QTest::keyClick(search(), Qt::Key_Escape);
        QVERIFY(search()->text().isEmpty());
        QTRY_COMPARE(window_->shownText(), QString());
    }

    // With nothing typed the table lists the airfields looked at lately, latest first, this
    // run's and the last's, none selected until the user moves to one, and the map shows them;
    // before any, the status and the details say what may be typed, over the world's map.
    // LAT,LON lists the airfields nearest it, with their distances.
    void theStartListsRecentAirfieldsAndAPlaceItsNearest() {
        auto* status = window_->statusBar()->findChild<QLabel*>("searchStatus");
        QTRY_VERIFY2(status->text().contains("LAT,LON"), qPrintable(status->text()));
        QCOMPARE(table()->model()->rowCount(), 0);
        QVERIFY(details()->toPlainText().contains("route field"));
        const auto* map = window_->findChild<MapPane*>("map");
        QTRY_VERIFY(map->view());
        QVERIFY(map->view()->kmPerPixel() > 20);
        QVERIFY(!map->drawing().lines.empty());
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("heathrow");
        QTRY_VERIFY(!described.isEmpty());
        described.clear();
        search()->clear();
        type("zurich");
        QTRY_VERIFY(!described.isEmpty());
        QTest::keyClick(search(), Qt::Key_Escape);
        QTRY_COMPARE(table()->model()->rowCount(), 2);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0)}), (QStringList{"LSZH", "EGLL"}));
        QCOMPARE(selectedRow(), -1);
        QVERIFY(!details()->toPlainText().contains("LSZH"));
        QVERIFY(status->text().contains("looked at lately"));
        QTRY_COMPARE(map->drawing().title, std::string("Looked at lately"));
        QCOMPARE(map->drawing().airfields.front().label, std::string("LSZH"));
        QTest::keyClick(search(), Qt::Key_Down);
        QTRY_VERIFY(details()->toPlainText().startsWith("LSZH"));

        window_->close();
        openWindow();
        QTRY_COMPARE(table()->model()->rowCount(), 2);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0)}), (QStringList{"LSZH", "EGLL"}));
        status = window_->statusBar()->findChild<QLabel*>("searchStatus");

        type("51.47,-0.46");
        QCOMPARE(cell(0, 0), QString("EGLL"));
        QCOMPARE(cell(1, 0), QString("EGLC"));
        QVERIFY(!table()->isColumnHidden(ResultsModel::Distance));
        QVERIFY2(QRegularExpression("^\\d+\\.\\d NM \\d{3}°$")
                     .match(cell(1, ResultsModel::Distance))
                     .hasMatch(),
                 qPrintable(cell(1, ResultsModel::Distance)));
        QVERIFY2(status->text().startsWith("The 6 airfields nearest 51.47,-0.46"),
                 qPrintable(status->text()));
        search()->clear();
        type("london");
        QVERIFY(table()->isColumnHidden(ResultsModel::Distance));
    }

    // The details' nearest airfields are links; following one selects that airfield.
    void aNeighbourLinkSelectsIt() {
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("heathrow");
        QTRY_VERIFY(!described.isEmpty());
        QVERIFY(details()->toHtml().contains("icao:EGLC"));
        emit details()->anchorClicked(QUrl("icao:EGLC"));
        QTRY_COMPARE(search()->text(), QString("EGLC"));
        QTRY_COMPARE(cell(0, 0), QString("EGLC"));
        QCOMPARE(selectedRow(), 0);
    }

    // The status tells how many matched, and how many are shown where that is fewer; the
    // button, or Down past the last row, brings the rest, the selection kept or moved on.
    void theCountTellsWhatIsNotShown() {
        QByteArray strips;
        for (int i = 0; i < 60; ++i) {
            strips += "S|XS" + QByteArray::number(10 + i) + "|Strip " + QByteArray::number(i) +
                      "|Nowhere|XX||\n";
        }
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        folder_->write(kAirports + strips);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        type("strip");
        auto* status = window_->statusBar()->findChild<QLabel*>("searchStatus");
        auto* more = window_->findChild<QPushButton*>("showMore");
        QCOMPARE(table()->model()->rowCount(), 50);
        QVERIFY2(status->text().startsWith("60 airfields matched in") &&
                     status->text().endsWith(", 50 shown"),
                 qPrintable(status->text()));
        QVERIFY(more->isVisible());
        QCOMPARE(more->text(), QString("Show 10 &more"));
        QTest::keyClick(search(), Qt::Key_Down);
        QCOMPARE(selectedRow(), 1);
        QSignalSpy shown(window_.get(), &FinderWindow::resultsShown);
        more->click();
        QTRY_COMPARE(table()->model()->rowCount(), 60);
        QCOMPARE(selectedRow(), 1);
        QVERIFY(!more->isVisible());
        QVERIFY(!status->text().contains("shown"));

        search()->clear();
        type("strip");
        QCOMPARE(table()->model()->rowCount(), 50);
        table()->selectRow(49);
        const QString last = cell(49, 0);
        QTest::keyClick(search(), Qt::Key_Down);
        QTRY_COMPARE(table()->model()->rowCount(), 60);
        QCOMPARE(selectedRow(), 50);
        QCOMPARE(cell(49, 0), last);
    }

    // A click on a header sorts by its column, the selection kept; a third gives back the
    // order of best first.
    void aHeaderSortsItsColumn() {
        type("london");
        const QStringList best = {cell(0, 0), cell(1, 0)};
        QCOMPARE(best, (QStringList{"EGLL", "EGLC"}));
        auto* header = table()->horizontalHeader();
        const auto clickHeader = [&](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        clickHeader(0);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0)}), (QStringList{"EGLC", "EGLL"}));
        QCOMPARE(table()->model()->index(selectedRow(), 0).data().toString(), QString("EGLL"));
        clickHeader(0);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0)}), (QStringList{"EGLL", "EGLC"}));
        clickHeader(0);
        QCOMPARE(header->sortIndicatorSection(), -1);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0)}), best);
        // The kind sorts by size, not by its name's letters.
        clickHeader(5);
        QCOMPARE(cell(0, 5), QString("large airport"));
        // A new answer comes sorted as the header says.
        clickHeader(2);
        search()->clear();
        type("airport");
        for (int row = 1; row < table()->model()->rowCount(); ++row) {
            QVERIFY(QString::localeAwareCompare(cell(row - 1, 2), cell(row, 2)) <= 0);
        }
    }

    // Tab goes through every control and leaves the tables as any other; Ctrl+R and Ctrl+F go
    // to the route and back to the search from anywhere.
    void tabAndShortcutsGoEverywhere() {
        activate();
        auto* route = window_->findChild<QLineEdit*>("route");
        route->setText("EGLL LSZH KSFO");
        QTRY_VERIFY(legsText().contains("total"));
        type("london");
        search()->setFocus();
        QList<QWidget*> visited;
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        const qsizetype atTable = visited.indexOf(table());
        QVERIFY(atTable >= 0);
        QCOMPARE(visited.value(atTable + 1), route);
        QCOMPARE(visited.value(atTable + 2), window_->findChild<QLineEdit*>("speed"));
        QCOMPARE(visited.value(atTable + 3), legs());
        QVERIFY(visited.contains(details()));
        QVERIFY(visited.contains(window_->findChild<MapPane*>("map")));
        QVERIFY(visited.contains(search()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), route);
        QTest::keyClick(route, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search());
        QCOMPARE(search()->selectedText(), QString("london"));
    }

    // Back and Forward, by Alt+Left and Alt+Right or the mouse's side buttons, go through the
    // airfields looked at: a link followed is a step, a name typed letter by letter is one.
    void backAndForwardGoThroughTheSelections() {
        activate();
        const auto selectedCode = [this] {
            return table()->model()->index(selectedRow(), 0).data().toString();
        };
        const auto shows = [&](const QString& text, const QString& code) {
            QTRY_COMPARE(window_->shownText(), text);
            QTRY_COMPARE(selectedCode(), code);
            QTRY_VERIFY(details()->toPlainText().startsWith(code));
        };
        type("london");
        shows("london", "EGLL");
        QTest::keyClick(search(), Qt::Key_Down);
        shows("london", "EGLC");
        emit details()->anchorClicked(QUrl("icao:EGKR"));
        shows("EGKR", "EGKR");
        search()->clear();
        type("zurich");
        shows("zurich", "LSZH");
        const std::pair<QString, QString> back[] = {
            {"EGKR", "EGKR"}, {"london", "EGLC"}, {"london", "EGLL"}};
        for (const auto& [text, code] : back) {
            QTest::keyClick(search(), Qt::Key_Left, Qt::AltModifier);
            shows(text, code);
        }
        QTest::keyClick(search(), Qt::Key_Right, Qt::AltModifier);
        shows("london", "EGLC");
        QTest::mousePress(table()->viewport(), Qt::ForwardButton);
        shows("EGKR", "EGKR");
        QTest::mousePress(table()->viewport(), Qt::BackButton);
        shows("london", "EGLC");
        // A step taken from the middle drops the steps after it.
        QTest::keyClick(search(), Qt::Key_Up);
        shows("london", "EGLL");
        QVERIFY(!window_->findChild<QAction*>("forward")->isEnabled());
    }

    // The map shows what was asked for last, and, while that has nothing to show, what else
    // there is: never blank while there is an airfield or a route.
    void theMapShowsWhatWasAskedForLast() {
        auto* map = window_->findChild<MapPane*>("map");
        auto* route = window_->findChild<QLineEdit*>("route");
        const auto title = [map] { return map->drawing().title; };
        QTest::keyClicks(route, "EGLL LSZH");
        QTRY_COMPARE(title(), std::string("EGLL – LSZH"));
        type("zurich");
        QTRY_COMPARE(title(), std::string("LSZH  Zürich Airport"));
        QTest::keyClick(search(), Qt::Key_Escape);
        QTRY_COMPARE(title(), std::string("EGLL – LSZH"));
        type("zurich");
        QTRY_COMPARE(title(), std::string("LSZH  Zürich Airport"));
        route->clear();
        QTest::keyClicks(route, "EGLL xyzzyq");
        QTest::keyClick(route, Qt::Key_Return);
        QTRY_VERIFY(legsText().startsWith("No airfield found"));
        QCOMPARE(title(), std::string("LSZH  Zürich Airport"));
    }

    // However many legs a route has, the route field stays where it is.
    // File > Export route writes the route as a plan file of the type chosen in the dialog; the
    // file dropped on the window fills the route field with it again, the same legs; a file
    // that is no plan says why; the dialogs start where the last plan was.
    void aRouteGoesOutAsAPlanAndComesBackDropped() {
        auto* route = window_->findChild<QLineEdit*>("route");
        route->setText("EGLL LSZH KSFO");
        QTRY_VERIFY(legsText().contains("total"));
        const QString legs = legsText();
        const QString folder = QString::fromStdString(folder_->path().string());
        QTimer::singleShot(0, this, [folder] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectNameFilter("GPX 1.1 (*.gpx)");
            dialog->selectFile(folder + "/route");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        window_->findChild<QAction*>("exportRoute")->trigger();
        const QString plan = folder + "/route.gpx";
        QTRY_VERIFY(QFileInfo::exists(plan));
        QVERIFY(QFile(plan).open(QIODevice::ReadOnly));
        QCOMPARE(FinderSettings().planFolder(), folder);
        route->clear();
        QTRY_VERIFY(!legsText().contains("total"));
        const auto drop = [this](const QString& file) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window_.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window_.get(), &dropped);
        };
        drop(plan);
        QTRY_COMPARE(legsText(), legs);
        QCOMPARE(route->text(), QString("EGLL DCT LSZH KSFO"));
        QFile notAPlan(folder + "/notes.kml");
        QVERIFY(notAPlan.open(QIODevice::WriteOnly));
        notAPlan.write("<html>EGLL</html>");
        notAPlan.close();
        drop(notAPlan.fileName());
        QTRY_VERIFY(window_->statusBar()
                        ->findChild<QLabel*>("searchStatus")
                        ->text()
                        .contains("notes.kml: is XML but no plan"));
        QCOMPARE(legsText(), legs);
    }

    // File > Export results writes the airfields listed as places, in the type chosen: a
    // placemark a row for KML, and for the nearest to a place each one's distance in GeoJSON.
    void theListedAirfieldsGoOutAsPlaces() {
        const QString folder = QString::fromStdString(folder_->path().string());
        const auto exportAs = [this, &folder](const QString& filter, const QString& name) {
            QTimer::singleShot(0, this, [folder, filter, name] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->selectNameFilter(filter);
                dialog->selectFile(folder + "/" + name);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            window_->findChild<QAction*>("exportResults")->trigger();
        };
        type("london");
        const int rows = table()->model()->rowCount();
        QVERIFY(rows > 1);
        exportAs("KML 2.2 (Google Earth) (*.kml)", "london");
        QFile kml(folder + "/london.kml");
        QTRY_VERIFY(kml.exists());
        QVERIFY(kml.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(kml.readAll());
        QCOMPARE(text.count("<Placemark>"), rows);
        QVERIFY(text.contains("<name>" + cell(0, 0) + "</name>"));
        exportAs("CSV (RFC 4180) (*.csv)", "london");
        QFile csv(folder + "/london.csv");
        QTRY_VERIFY(csv.exists());
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), rows + 2);
        QVERIFY(lines[1].startsWith(cell(0, 0).toUtf8() + ","));
        search()->clear();
        type("51.5,-0.1");
        exportAs("GeoJSON (RFC 7946) (*.geojson)", "near");
        QFile geojson(folder + "/near.geojson");
        QTRY_VERIFY(geojson.exists());
        QVERIFY(geojson.open(QIODevice::ReadOnly));
        const QJsonArray features =
            QJsonDocument::fromJson(geojson.readAll()).object().value("features").toArray();
        QCOMPARE(features.size(), table()->model()->rowCount());
        QVERIFY(features.first()
                    .toObject()
                    .value("properties")
                    .toObject()
                    .value("distance_nm")
                    .isDouble());
    }

    void aLongRouteMovesNothing() {
        auto* route = window_->findChild<QLineEdit*>("route");
        const QPoint before = route->mapTo(window_.get(), QPoint());
        const QSize window = window_->size();
        route->setText(QString("EGLL LSZH ").repeated(100));
        QTRY_VERIFY(legsText().contains("total"));
        QCOMPARE(route->mapTo(window_.get(), QPoint()), before);
        QCOMPARE(window_->size(), window);
        QTRY_VERIFY(legs()->verticalScrollBar()->maximum() > 0);
        // The total stands in sight under the legs, however far they scroll.
        const auto* total = window_->findChild<QLabel*>("routeTotal");
        QVERIFY(total->isVisible());
        QVERIFY(
            window_->rect().contains(QRect(total->mapTo(window_.get(), QPoint()), total->size())));
        QVERIFY(total->text().startsWith("total: "));
    }

    // Each leg under headings: its distance and time, its initial true and magnetic course,
    // and the distance and time from the first stop; at the smallest size, a few legs in
    // sight above the total.
    void theLegsTellCoursesAndTheWaySoFar() {
        QTest::keyClicks(window_->findChild<QLineEdit*>("route"), "EGLL LSZH KSFO");
        QTest::keyClicks(window_->findChild<QLineEdit*>("speed"), "450kt");
        QTRY_COMPARE(legs()->model()->columnCount(), 6);
        QStringList headings;
        for (int column = 0; column < 6; ++column) {
            headings << legs()->model()->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(headings, (QStringList{"Leg", "Distance", "Time", "TC", "MC", "So far"}));
        QVERIFY(!legs()->horizontalHeader()->isHidden());
        const auto row = [this](int at) {
            QStringList cells;
            for (int column = 0; column < 6; ++column) {
                cells << legs()->model()->index(at, column).data().toString();
            }
            return cells;
        };
        QCOMPARE(row(0).mid(0, 4), (QStringList{"EGLL → LSZH", "426 NM", "0:57", "121°"}));
        QCOMPARE(row(0).mid(5), (QStringList{"426 NM 0:57"}));
        QCOMPARE(row(1).mid(5), (QStringList{"5488 NM 12:12"}));
        // London's variation is within a few degrees of none, Zurich's too.
        for (int at : {0, 1}) {
            const int magnetic = row(at)[4].chopped(1).toInt();
            const int initial = row(at)[3].chopped(1).toInt();
            QVERIFY2(magnetic != initial && std::abs(magnetic - initial) <= 5,
                     qPrintable(row(at).join(" ")));
        }
        window_->resize(800, 500);
        QTest::qWait(50);
        const int rowHeight = legs()->verticalHeader()->defaultSectionSize();
        QVERIFY2(legs()->viewport()->height() >= 2 * rowHeight,
                 qPrintable(QString::number(legs()->viewport()->height())));
    }

    // At the size a first start takes on a laptop's screen, every column of a LAT,LON's
    // nearest airfields is in sight, none cut; and the Units menu's headings are whole.
    void theColumnsFitALaptopsWindow() {
        window_->resize(window_->fontMetrics().averageCharWidth() * 170, 800);
        type("51.47,-0.46");
        QTRY_VERIFY(!table()->isColumnHidden(ResultsModel::Distance));
        QTest::qWait(50);
        const QHeaderView* header = table()->horizontalHeader();
        QVERIFY2(
            header->length() <= table()->viewport()->width(),
            qPrintable(QString("%1 > %2").arg(header->length()).arg(table()->viewport()->width())));
        for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
            const QString heading = table()->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(column) >=
                         header->fontMetrics().horizontalAdvance(heading),
                     qPrintable(heading));
        }
        auto* units = window_->findChild<UnitsMenu*>();
        QVERIFY(units->sizeHint().width() >=
                units->fontMetrics().horizontalAdvance("Lengths and elevations"));
    }

    // A status longer than the window is wide is cut at its edge, whole in its tip; the
    // window keeps its size.
    void aLongStatusNeverWidensTheWindow() {
        const auto* status = window_->statusBar()->findChild<QLabel*>("searchStatus");
        QTRY_VERIFY(!status->text().isEmpty());
        const QSize window = window_->size();
        const QString longStatus = QString("Type a code, a name or a place. ").repeated(20);
        window_->findChild<FinderStatusBar*>()->showStatus(longStatus);
        QTest::qWait(50);
        QCOMPARE(window_->size(), window);
        QCOMPARE(status->toolTip(), longStatus);
    }

    // A route being read holds up no search: while the route's planner is busy a search
    // answers, and the legs follow once it is free.
    void aSearchNeverWaitsOnARoute() {
        QSemaphore busy;
        const auto free = qScopeGuard([&busy] { busy.release(); });
        QMetaObject::invokeMethod(window_->planner(), [&busy] { busy.acquire(); });
        window_->findChild<QLineEdit*>("route")->setText("EGLL LSZH");
        type("zurich");
        QCOMPARE(cell(0, 0), QString("LSZH"));
        QVERIFY(!legsText().contains("total"));
        busy.release();
        QTRY_VERIFY(legsText().contains("total"));
    }

    // The route field holds a route of any length icao reads; the search field holds what find
    // searches, and says that it cut the rest.
    void theFieldsHoldWhatIsReadOrSaySo() {
        auto* route = window_->findChild<QLineEdit*>("route");
        const QString long_ = QString("LSZH EGLL ").repeated(499) + QString(40000, 'Q');
        route->setText(long_);
        QCOMPARE(route->text(), long_);
        search()->setText(QString("zurich ").repeated(100));
        QCOMPARE(search()->text().size(), qsizetype(200));
        QVERIFY(window_->statusBar()->currentMessage().contains("at most 200 characters"));
    }

    // A newer text supersedes an older one: after fast typing the rows are the last text's.
    void fastTypingShowsTheLastTextsAnswer() {
        QTest::keyClicks(search(), "london heathrow airport, a long text typed fast into it");
        search()->setText("lsz");
        QTRY_COMPARE(window_->shownText(), QString("lsz"));
        QCOMPARE(cell(0, 0), QString("LSZH"));
    }

    // Codes and names, apart by spaces or dashes, make a route's legs, as icao dist gives
    // them: EGLL to LSZH is 426 NM on the great circle. A name says what it was read as.
    void theRouteFieldShowsEachLegAndTheTotal() {
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "heathrow-zurich ksfo");
        QTRY_VERIFY(legsText().contains("total"));
        const QString text = legsText();
        QVERIFY2(text.contains("heathrow → EGLL London Heathrow Airport (name)") &&
                     text.contains("EGLL → LSZH") && text.contains("426 NM\n121°") &&
                     text.contains("LSZH → KSFO") && text.contains("total: 5488 NM") &&
                     !text.contains("km"),
                 qPrintable(text));
    }

    // A last word still being typed is left out, and the total says it is of the stops read so
    // far; once typing rests, the word is read whole, and a typo is said, the route unplanned.
    void aLastWordIsReadOnceTypingRests() {
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL LSZH lfpgg");
        QTRY_VERIFY2(legsText().contains("total of the 2 stops read so far"),
                     qPrintable(legsText()));
        QVERIFY(legsText().contains("Reading lfpgg"));
        QTRY_VERIFY(legsText().contains("No airfield found for lfpgg"));
        QVERIFY(!legsText().contains("total"));
        QVERIFY(!legsText().contains("Reading lfpgg"));
    }

    // A ground speed gives each leg's time and the whole route's; a speed that does not read
    // is said so, and the legs stay.
    void aSpeedGivesTheTimeEnRoute_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("knots") << "450kt" << QStringList{"426 NM\n0:57", "total: 5488 NM, 12:12"};
        QTest::newRow("km/h") << "800 km/h" << QStringList{"426 NM\n0:59", "total: 5488 NM, 12:42"};
        QTest::newRow("mph") << "500mph" << QStringList{"426 NM\n0:59", "total: 5488 NM, 12:38"};
        QTest::newRow("unreadable") << "fast" << QStringList{"A speed is a number", "426 NM\n121°"};
        QTest::newRow("none") << "" << QStringList{"426 NM\n121°", "total: 5488 NM"};
    }
    void aSpeedGivesTheTimeEnRoute() {
        QFETCH(QString, speed);
        QFETCH(QStringList, shown);
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL LSZH KSFO");
        QTRY_VERIFY(legsText().contains("total"));
        QTest::keyClicks(window_->findChild<QLineEdit*>("speed"), speed);
        const QString text = legsText();
        for (const QString& part : shown) {
            QVERIFY2(text.contains(part), qPrintable(part + " not in " + text));
        }
    }

    // The Units menu sets distances and lengths everywhere they are told: the legs, the
    // nearest airfields, the runways and elevation, the map's rings and scale bar; the choice
    // is kept for the next start.
    void theUnitsMenuSetsEveryDistanceAndLength_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QStringList>("legs");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("km and m") << "distance_km"
                                  << "length_m" << QStringList{"788 km", "10165 km"}
                                  << QStringList{"25 m", "3901 × 50 m", " km"} << " km";
        QTest::newRow("mi and ft") << "distance_mi"
                                   << "length_ft" << QStringList{"490 mi", "6316 mi"}
                                   << QStringList{"83 ft", "12799 × 164 ft", " mi"} << " mi";
        QTest::newRow("nm and m") << "distance_nm"
                                  << "length_m" << QStringList{"426 NM", "5488 NM"}
                                  << QStringList{"25 m", " NM"} << " NM";
    }
    void theUnitsMenuSetsEveryDistanceAndLength() {
        QFETCH(QString, distance);
        QFETCH(QString, length);
        QFETCH(QStringList, legs);
        QFETCH(QStringList, told);
        QFETCH(QString, symbol);
        const auto choose = [this](const QString& name) {
            auto* action = window_->findChild<QAction*>(name);
            QVERIFY2(action, qPrintable(name));
            action->trigger();
            QVERIFY(action->isChecked());
        };
        choose(distance);
        choose(length);
        for (int start = 0; start < 2; ++start) {
            QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
            type("heathrow");
            QTRY_VERIFY(!described.isEmpty());
            const QString page = details()->toPlainText();
            for (const QString& part : told) {
                QVERIFY2(page.contains(part), qPrintable(part + " not in " + page));
            }
            const auto* map = window_->findChild<MapPane*>("map");
            QVERIFY(QString::fromStdString(map->drawing().scale.text).endsWith(symbol));
            QVERIFY(!map->drawing().notes.empty());
            QVERIFY(QString::fromStdString(map->drawing().notes.front().text).endsWith(symbol));
            auto* route = window_->findChild<QLineEdit*>("route");
            QTest::keyClicks(route, "EGLL LSZH KSFO");
            QTRY_VERIFY(legsText().contains("total"));
            const QString told = legsText();
            for (const QString& part : legs) {
                QVERIFY2(told.contains(part), qPrintable(part + " not in " + told));
            }
            QVERIFY(QString::fromStdString(map->drawing().scale.text).endsWith(symbol));
            window_->close();
            window_.reset();
            openWindow();
        }
    }

    // The place of a LAT,LON typed is marked on the map beside the nearest airfield selected,
    // and alone where the filters set every airfield aside.
    void thePlaceTypedIsMarked() {
        auto* map = window_->findChild<MapPane*>("map");
        const auto pointMarked = [map] {
            const auto& airfields = map->drawing().airfields;
            return std::any_of(airfields.begin(), airfields.end(), [](const auto& airfield) {
                return airfield.mark == icao::Mark::Point && airfield.label == "51.40,-0.30";
            });
        };
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("51.40,-0.30");
        QTRY_VERIFY(!described.isEmpty());
        QTRY_VERIFY(pointMarked());
        QCOMPARE(map->drawing().title, std::string("EGLL  London Heathrow Airport"));
        window_->findChild<QAction*>("showFilters")->trigger();
        QTest::keyClicks(window_->findChild<QLineEdit*>("countryFilter"), "FR");
        QTRY_COMPARE(table()->model()->rowCount(), 0);
        QTRY_COMPARE(map->drawing().title, std::string("51.40,-0.30"));
        QVERIFY(pointMarked());
    }

    // The filters keep the search's hits and the nearest airfields to a kind, a country or a
    // runway, as icao find and near do, and the status says the hits are filtered.
    void theFiltersKeepTheHitsAndTheNearest() {
        auto* filters = window_->findChild<QAction*>("showFilters");
        filters->trigger();
        QVERIFY(window_->findChild<QWidget*>("filters")->isVisible());
        type("london");
        QCOMPARE(table()->model()->rowCount(), 2);
        auto* kind = window_->findChild<QComboBox*>("kindFilter");
        QSignalSpy shown(window_.get(), &FinderWindow::resultsShown);
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        kind->setCurrentIndex(kind->findText("Large airports"));
        QTRY_COMPARE(table()->model()->rowCount(), 1);
        QCOMPARE(cell(0, 0), QString("EGLL"));
        QVERIFY(window_->statusBar()
                    ->findChild<QLabel*>("searchStatus")
                    ->text()
                    .contains("the filters"));
        QCOMPARE(filters->text(), QString("&Filters (1)"));
        // The nearest to Heathrow are the large airports only.
        QTRY_VERIFY(!described.isEmpty());
        QTRY_VERIFY(details()->toHtml().contains("icao:LSZH"));
        QVERIFY(!details()->toHtml().contains("icao:EGLC"));

        auto* runway = window_->findChild<QLineEdit*>("runwayFilter");
        QTest::keyClicks(runway, "3900m");
        QTRY_COMPARE(window_->shownText(), QString("london"));
        QTRY_COMPARE(cell(0, 0), QString("EGLL"));
        runway->clear();
        QTest::keyClicks(runway, "4000m");
        QTRY_COMPARE(table()->model()->rowCount(), 0);
        QVERIFY(window_->statusBar()
                    ->findChild<QLabel*>("searchStatus")
                    ->text()
                    .contains("No airfield matches the filters"));
        // A length that does not read keeps every runway.
        runway->setText("long");
        QTRY_COMPARE(table()->model()->rowCount(), 1);

        window_->findChild<QAction*>("clearFilters")->trigger();
        QTRY_COMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(filters->text(), QString("&Filters"));
        auto* country = window_->findChild<QLineEdit*>("countryFilter");
        search()->setText("airport");
        QTest::keyClicks(country, "ch");
        QTRY_COMPARE(table()->model()->rowCount(), 1);
        QCOMPARE(cell(0, 0), QString("LSZH"));
    }

    // Help tells the version, the data read with its counts and every source with its
    // licence, and every key the menus and fields answer, each in a box that leaves the window
    // in use.
    void helpTellsTheProgramItsDataAndItsKeys() {
        window_->findChild<QAction*>("about")->trigger();
        auto* about = window_->findChild<QMessageBox*>("aboutBox");
        QVERIFY(about && about->isVisible() && !about->isModal());
        const QString text = about->text();
        for (const QString& told :
             {QString("ICAO Finder 0."), QString("MIT licence"),
              QString("airports.txt: 6 airfields, 0 navaids"), QString("OurAirports"),
              QString("CC BY 4.0"), QString("Natural Earth")}) {
            QVERIFY2(text.contains(told), qPrintable(told + " not in " + text));
        }
        about->close();
        window_->findChild<QAction*>("shortcuts")->trigger();
        auto* keys = window_->findChild<QMessageBox*>("shortcutsBox");
        QVERIFY(keys);
        for (const QString& told : {QString("Alt+Left"), QString("Back"), QString("Ctrl+R"),
                                    QString("Route field"), QString("Escape")}) {
            QVERIFY2(keys->text().contains(told), qPrintable(told + " not in " + keys->text()));
        }
        keys->close();
    }

    // An airfield asked for by its code is shown, first, whatever the filters say, and the
    // status says why they would set it aside; what they set aside only for not knowing a
    // runway's surface is counted.
    void theFiltersNeverHideWhatWasAskedFor() {
        window_->findChild<QAction*>("showFilters")->trigger();
        auto* kind = window_->findChild<QComboBox*>("kindFilter");
        kind->setCurrentIndex(kind->findText("Large airports"));
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("EGKR");
        QTRY_COMPARE(cell(0, 0), QString("EGKR"));
        QTRY_VERIFY(!described.isEmpty());
        QVERIFY(details()->toPlainText().contains("Redhill Aerodrome"));
        const auto status = [this] {
            return window_->statusBar()->findChild<QLabel*>("searchStatus")->text();
        };
        QVERIFY2(status().contains("EGKR is shown, though the filters set it aside: its kind"),
                 qPrintable(status()));
        // A name is no code: the filters keep to themselves what it matches.
        search()->clear();
        type("redhill");
        QTRY_COMPARE(table()->model()->rowCount(), 0);

        window_->findChild<QAction*>("clearFilters")->trigger();
        auto* surface = window_->findChild<QComboBox*>("surfaceFilter");
        surface->setCurrentIndex(surface->findText("Paved"));
        search()->clear();
        type("london");
        QTRY_VERIFY2(status().contains("1 more set aside only because a runway's surface or "
                                       "lighting is not known"),
                     qPrintable(status()));
    }

    // A last word that reads as nothing waits while it may still be typed: no leg is drawn to
    // a half-typed word; Enter, or a space after it, reads it, and it is named unread.
    void aHalfTypedLastWordWaits() {
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL LSZH xyzzyq");
        QTRY_VERIFY(legsText().contains("xyzzyq"));
        QVERIFY2(legsText().contains("Reading") && legsText().contains("total"),
                 qPrintable(legsText()));
        QTest::keyClick(route, Qt::Key_Return);
        QTRY_VERIFY(legsText().startsWith("No airfield found"));
        QVERIFY(!legsText().contains("total"));
        route->clear();
        QTest::keyClicks(route, "EGLL xyzzyq ");
        QTRY_VERIFY(legsText().startsWith("No airfield found"));
    }

    // A route as long as icao dist refuses is refused here too, at once and with the reason;
    // one word fewer is planned.
    void aRouteTooLongIsRefused() {
        auto* route = window_->findChild<QLineEdit*>("route");
        route->setText(QString("EGLL LSZH ").repeated(500) + "KSFO");
        QTRY_VERIFY(legsText().startsWith("A route holds at most 1000 words; this one has 1001"));
        route->setText(QString("EGLL LSZH ").repeated(500));
        QTRY_VERIFY(legsText().contains("total"));
    }

    // A name with other airfields it may mean offers them as links; one chosen takes the
    // stop's place, and the route is planned through it.
    void aStopCanBeChosenAgain() {
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "london zurich");
        QTRY_VERIFY(legsText().contains("EGLL → LSZH"));
        const QString page = readings()->toHtml();
        const auto link = QRegularExpression("href=\"([^\"]*EGLC)\"").match(page);
        QVERIFY2(link.hasMatch(), qPrintable(page));
        emit readings()->anchorClicked(QUrl(link.captured(1)));
        QCOMPARE(route->text(), QString("EGLC LSZH"));
        QTRY_VERIFY(legsText().contains("EGLC → LSZH"));
    }

    // The map shows the selected airfield among its neighbours; a double click on a neighbour
    // selects it, and a route typed takes the map until the route field is cleared.
    void theMapShowsTheSelectionAndTheRoute() {
        auto* map = window_->findChild<MapPane*>("map");
        QVERIFY(map->isVisible() && map->width() > 100 && map->height() > 100);
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("heathrow");
        QTRY_VERIFY(!described.isEmpty());
        QVERIFY(map->view());
        QCOMPARE(map->drawing().title, std::string("EGLL  London Heathrow Airport"));
        QCOMPARE(map->accessibleDescription(), QString("EGLL  London Heathrow Airport"));
        // Close enough to London that its airfields' marks stand apart.
        for (int zoom = 0; zoom < 10; ++zoom) {
            QTest::keyClick(map, Qt::Key_Plus);
        }
        const auto& airfields = map->drawing().airfields;
        const auto city =
            std::find_if(airfields.begin(), airfields.end(),
                         [](const auto& airfield) { return airfield.label == "EGLC"; });
        QVERIFY(city != airfields.end());
        QTest::mouseDClick(map, Qt::LeftButton, {}, QPoint(qRound(city->at.x), qRound(city->at.y)));
        QTRY_COMPARE(cell(0, 0), QString("EGLC"));
        QTRY_COMPARE(map->drawing().title, std::string("EGLC  London City Airport"));

        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL LSZH");
        QTRY_COMPARE(map->drawing().title, std::string("EGLL – LSZH"));
        QSignalSpy routed(window_.get(), &FinderWindow::routeShown);
        route->clear();
        QTRY_VERIFY(!routed.isEmpty());
        QCOMPARE(map->drawing().title, std::string("EGLC  London City Airport"));
    }

    // In the window, the wheel zooms about the airfield under the pointer, notch after notch,
    // and the airfield stays under it within a pixel while its details come and go.
    void theWheelZoomsAboutTheAirfieldPointedAt() {
        auto* map = window_->findChild<MapPane*>("map");
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        type("redhill");
        QTRY_VERIFY(!described.isEmpty());
        const auto markOf = [map](const std::string& code) {
            const auto& airfields = map->drawing().airfields;
            const auto found =
                std::find_if(airfields.begin(), airfields.end(),
                             [&](const auto& airfield) { return airfield.label == code; });
            return found == airfields.end() ? QPointF(-1000, -1000)
                                            : QPointF(found->at.x, found->at.y);
        };
        QTRY_VERIFY(markOf("EGKR").x() > 0);
        const QPointF pointer = markOf("EGKR") + QPointF(30, -20);
        const icao::Place held = map->view()->placeAt({pointer.x(), pointer.y()});
        for (int notch = 0; notch < 9; ++notch) {
            QWheelEvent wheel(pointer, map->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(map, &wheel);
            QTest::qWait(20);
            const icao::PicturePoint at = map->view()->project(held);
            QVERIFY2(std::hypot(at.x - pointer.x(), at.y - pointer.y()) < 1,
                     qPrintable(QString("notch %1: %2,%3").arg(notch).arg(at.x).arg(at.y)));
        }
    }

    // A stop clicked on the route's map is searched and described, and the route stays on the
    // map with that stop ringed; an airfield typed after shows its own map again.
    void aStopChosenOnTheRouteKeepsTheRoute() {
        auto* map = window_->findChild<MapPane*>("map");
        QTest::keyClicks(window_->findChild<QLineEdit*>("route"), "EGLL LSZH");
        QTRY_COMPARE(map->drawing().title, std::string("EGLL – LSZH"));
        const auto& airfields = map->drawing().airfields;
        const auto zurich =
            std::find_if(airfields.begin(), airfields.end(),
                         [](const auto& airfield) { return airfield.label == "LSZH"; });
        QVERIFY(zurich != airfields.end());
        QSignalSpy described(window_.get(), &FinderWindow::detailsShown);
        QTest::mouseClick(map, Qt::LeftButton, {},
                          QPoint(qRound(zurich->at.x), qRound(zurich->at.y)));
        QTRY_VERIFY(!described.isEmpty());
        QCOMPARE(search()->text(), QString("LSZH"));
        QVERIFY(details()->toPlainText().contains("Zürich Airport"));
        QCOMPARE(map->drawing().title, std::string("EGLL – LSZH"));
        QCOMPARE(map->markedSelected(), QString("LSZH"));
        search()->clear();
        type("heathrow");
        QTRY_COMPARE(map->drawing().title, std::string("EGLL  London Heathrow Airport"));
        QCOMPARE(map->markedSelected(), QString());
    }

    void aRemovedFileIsAMessageUntilItIsBack() {
        auto* message = window_->findChild<QLabel*>("dataFileMessage");
        QVERIFY(std::filesystem::remove(folder_->dataFile()));
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        QVERIFY(message->isVisible());
        QVERIFY(message->text().contains(dataFile()));
        QCOMPARE(table()->model()->rowCount(), 0);
        loaded.clear();
        folder_->write(kAirports);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        QVERIFY(!message->isVisible());
        type("zurich");
        QCOMPARE(cell(0, 0), QString("LSZH"));
    }

    // Started without its file, the window says so, and searches once the file comes.
    void aFileMissingAtStartIsAMessageUntilItComes() {
        window_.reset();
        QVERIFY(std::filesystem::remove(folder_->dataFile()));
        openWindow();
        auto* message = window_->findChild<QLabel*>("dataFileMessage");
        QVERIFY(message->isVisible());
        QVERIFY2(message->text().contains(dataFile()) && message->text().contains("cannot"),
                 qPrintable(message->text()));
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        folder_->write(kAirports);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        type("zurich");
        QCOMPARE(cell(0, 0), QString("LSZH"));
    }

    // A file changed on disk is read again by itself.
    void aChangedFileIsReadAgain() {
        type("redhill");
        QCOMPARE(cell(0, 0), QString("EGKR"));
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        folder_->write("S|EGXX|Redhill Heliport|Redhill|GB||51|0|1||\n");
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        QTRY_COMPARE(cell(0, 0), QString("EGXX"));
    }

    // A route's airfield moved in the file read again is drawn where it now is.
    void aRouteIsDrawnAgainWhenTheFileMovesAStop() {
        auto* route = window_->findChild<QLineEdit*>("route");
        QTest::keyClicks(route, "EGLL LSZH");
        const auto* map = window_->findChild<MapPane*>("map");
        QTRY_COMPARE(map->drawing().title, std::string("EGLL – LSZH"));
        const auto endOf = [&] {
            const auto& lines = map->drawing().lines;
            const auto line = std::find_if(lines.begin(), lines.end(), [](const auto& drawn) {
                return drawn.ink == icao::Ink::Route;
            });
            return line == lines.end() ? QPointF()
                                       : QPointF(line->points.back().x, line->points.back().y);
        };
        const QPointF before = endOf();
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        QByteArray moved = kAirports;
        moved.replace("47.458056|8.548056", "41.8|12.25");
        folder_->write(moved);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        QTRY_VERIFY(endOf() != before);
    }

    // Whatever the file holds, the window stays up and answers.
    void aMalformedFileNeverStopsTheWindow() {
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        QByteArray garbage(64 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i) {
            garbage[i] = static_cast<char>((i * 7919) % 251);
        }
        folder_->write(garbage + "\n|||,\"|\n" + QByteArray(300000, '|'));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
        type("a");
        QVERIFY(window_->isVisible());
    }

    // Typing moves the selection from the search field, so the selected row must show in the
    // highlight, also where the platform greys out a selection without the focus (Windows).
    void theSelectedRowShowsWhileTheSearchFieldHasTheFocus() {
        const QPalette usual = QApplication::palette();
        QPalette greying = usual;
        greying.setColor(QPalette::Inactive, QPalette::Highlight, QColor(240, 240, 240));
        QApplication::setPalette(greying);
        type("heathrow");
        search()->setFocus();
        // The code column, always in view, is wider than a code.
        const QRect row = table()->visualRect(table()->model()->index(0, 0));
        const QColor shown =
            table()->viewport()->grab().toImage().pixelColor(row.right() - 2, row.center().y());
        QApplication::setPalette(usual);
        QCOMPARE(shown, greying.color(QPalette::Active, QPalette::Highlight));
    }

    // Set large, the platform's font still leaves a first window within the screen, with the
    // names in full.
    void aLargeFontFitsTheScreenAndTheNames() {
        window_.reset();
        settings_ = std::make_unique<fixtures::SettingsFolder>();
        const QFont usual = QApplication::font();
        QFont large = usual;
        large.setPointSizeF(usual.pointSizeF() * 2);
        QApplication::setFont(large);
        openWindow();
        QApplication::setFont(usual);
        QVERIFY(window_->screen()->availableGeometry().contains(window_->frameGeometry()));
        type("heathrow");
        const QString name = cell(0, 2);
        QCOMPARE(name, QString("London Heathrow Airport"));
        QVERIFY(table()->columnWidth(2) > table()->fontMetrics().horizontalAdvance(name));
    }

    // The title and the status bar name the file read and its records; a file of the user's
    // own that lacks what is searched says so, and File > Shipped data goes back, for this
    // start and the next.
    void theFileReadIsNamedAndTheShippedOneIsAChoiceAway() {
        auto* shown = window_->findChild<QLabel*>("fileShown");
        auto* readShipped = window_->findChild<QAction*>("readShipped");
        const QString shipped = QFileInfo(dataFile()).fileName() + " (6 airfields)";
        QCOMPARE(window_->windowTitle(), shipped);
        QCOMPARE(shown->text(), shipped);
        QVERIFY(!readShipped->isEnabled());
        fixtures::DataFolder other;
        const auto otherPath = other.path() / "mine.txt";
        QVERIFY(QFile::copy(QString::fromStdString(icao::utf8Of(other.write("M|EGLC|London City "
                                                                            "Airport|London|GB|"
                                                                            "LCY|\n"))),
                            QString::fromStdString(icao::utf8Of(otherPath))));
        QSignalSpy loaded(window_.get(), &FinderWindow::dataLoaded);
        window_->openDataFile(QString::fromStdString(icao::utf8Of(otherPath)));
        QTRY_VERIFY(!loaded.isEmpty());
        QCOMPARE(window_->windowTitle(), QString("mine.txt (1 airfield)"));
        QVERIFY(readShipped->isEnabled());
        type("kjfk");
        const QString status = window_->statusBar()->findChild<QLabel*>("searchStatus")->text();
        QVERIFY2(status.contains("in mine.txt, which is not the shipped data"), qPrintable(status));
        window_->close();
        openWindow();
        QCOMPARE(window_->windowTitle(), QString("mine.txt (1 airfield)"));
        loaded.clear();
        QSignalSpy reloaded(window_.get(), &FinderWindow::dataLoaded);
        window_->findChild<QAction*>("readShipped")->trigger();
        QTRY_VERIFY(!reloaded.isEmpty());
        QCOMPARE(window_->windowTitle(), shipped);
        QCOMPARE(FinderSettings().dataFile("none"), QString("none"));
        search()->clear();
        type("kjfk");
        QCOMPARE(window_->statusBar()->findChild<QLabel*>("searchStatus")->text(),
                 QString("No airfield matches"));
    }

    void theWindowKeepsItsLayoutAndTheFileChosen() {
        window_->resize(900, 500);
        table()->setColumnWidth(3, 333);
        window_->close();
        fixtures::DataFolder other;
        other.write(kAirports);
        const QString otherFile = QString::fromStdString(icao::utf8Of(other.dataFile()));
        openWindow();
        QCOMPARE(window_->size(), QSize(900, 500));
        QCOMPARE(table()->columnWidth(3), 333);
        window_->openDataFile(otherFile);
        QCOMPARE(FinderSettings().dataFile({}), otherFile);
    }
};

QTEST_MAIN(FinderTest)
#include "tst_finder.moc"
