// SPDX-License-Identifier: MIT
#include "lookup/answer_tables.h"
#include "lookup/answers.h"
#include "support/fixtures.h"

#include <QTest>

namespace {

// Duplicates, commas, short items, blank lines, a lower-case code, a name with "|" inside
// reach and one without a closing "|": what the single lookups make of them is what batch
// mode must answer.
const QByteArray kTricky = "L|EGLL|London Heathrow Airport|London|GB|LHR|\n"
                           "M|EGLL|Second Heathrow|London|GB||\n"
                           "M|ENAL|Alesund Airport, Vigra|Alesund|NO|AES|\n"
                           "\n"
                           "X|\n"
                           "A|EG\n"
                           "M|egkk|Gatwick|Crawley|GB|LGW|\n"
                           "M|LSZH|Zürich Airport|Zurich|CH|ZRH|\n"
                           "M|LSZB|ZÜRICH AIRPORT|Bern|CH||\n"
                           "M|EGCC|Manchester\n"
                           "M|KJFK||New York|US|JFK|\n"
                           "AB|EGBB|Long Marker|\n"
                           "M|EGSS|a|b|c|\n"
                           "\"M|EGQQ|Quoted, Name|\"tail\n"
                           "M|LFPG|Paris \xC9toile|Paris|FR|CDG|\n";

const QStringList kCodes = {"EGLL", "egll", " EGLL ", "ENAL",   "",     "  ",   "EG",
                            "egkk", "EGKK", "LSZH",   "EGCC",   "KJFK", "|EGB", "EGSS",
                            "EGQQ", "LFPG", "XXXX",   "EGLL\t", "E"};
// Names hold "|" and ",", so they are listed split at "/".
const QStringList kNames = QString("LONDON HEATHROW AIRPORT/london heathrow airport/ZÜRICH AIRPORT/"
                                   "Zürich Airport/ALESUND AIRPORT/SECOND HEATHROW/GATWICK/"
                                   "MANCHESTER/A|B/A|B|C/QUOTED, NAME/PARIS ÉTOILE/"
                                   "AIRPORT NAME NOT FOUND")
                               .split('/');

QString show(const icao::Expected<icao::Answer>& answer) {
    if (!answer) {
        return "error " + QString::fromStdString(answer.error().describe());
    }
    return QString(answer->outcome == icao::Outcome::Found ? "found " : "missed ") +
           QString::fromStdU32String(answer->shown);
}

} // namespace

class AnswerTablesTest : public QObject {
    Q_OBJECT

  private slots:
    void batchAnswersEqualTheSingleLookups_data() {
        QTest::addColumn<bool>("raw");
        QTest::newRow("typed") << false;
        QTest::newRow("raw") << true;
    }
    void batchAnswersEqualTheSingleLookups() {
        QFETCH(bool, raw);
        fixtures::DataFolder folder;
        const auto path = folder.write(kTricky);
        const auto entry = raw ? icao::KeyEntry::Pasted : icao::KeyEntry::Typed;
        const auto codes = icao::CodeAnswers::load(path);
        const auto names = icao::NameAnswers::load(path);
        QVERIFY(codes && names);
        int found = 0;
        for (const QString& key : kCodes + kNames) {
            const icao::Text text = fixtures::text(key);
            const QString single = show(icao::answerCode(text, entry, path));
            QCOMPARE(show(codes->answer(text, entry)), single);
            const QString singleName = show(icao::answerName(text, entry, path));
            QCOMPARE(show(names->answer(text, entry)), singleName);
            found += single.startsWith("found") + singleName.startsWith("found");
        }
        // The keys reach both outcomes of both lookups, so the comparison means something.
        QVERIFY(found > 10);
        QVERIFY(found < 2 * (kCodes.size() + kNames.size()) - 10);
    }
};

QTEST_GUILESS_MAIN(AnswerTablesTest)
#include "tst_answer_tables.moc"
