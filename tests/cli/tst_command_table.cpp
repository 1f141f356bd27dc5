// SPDX-License-Identifier: MIT
#include "cli/arguments.h"
#include "cli/command_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <cmath>

namespace {

QString sourceText(const char* name) {
    QFile file(QStringLiteral(ICAO_CLI_SOURCE_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", name);
    }
    return QString::fromUtf8(file.readAll());
}

// What the table says a command takes, besides --file, in synopsis order.
QStringList optionsOf(const CommandSpec& command) {
    QStringList names;
    for (const Option option : command.options) {
        names.append(QString::fromLatin1(specOf(option).name.data(), specOf(option).name.size()));
    }
    return names;
}

QString nameOf(const CommandSpec& command) {
    return QString::fromLatin1(command.name.data(), command.name.size());
}

} // namespace

// The man page and the bash completion are written by hand; they must say what the command
// table says, which parsing and --help follow.
class CommandTableTest : public QObject {
    Q_OBJECT

  private slots:
    void manPageSynopsisFollowsTheTable() {
        const QString page = sourceText("icao.1.in");
        const QString synopsis = page.section(".SH SYNOPSIS", 1).section(".SH DESCRIPTION", 0, 0);
        // One block a command, each after ".B icao NAME", its options as \-\-NAME.
        QMap<QString, QStringList> blocks;
        for (const QString& block : synopsis.split(".br")) {
            const auto name = QRegularExpression("\\.B icao (\\w+)").match(block);
            if (!name.hasMatch()) {
                continue;
            }
            QStringList options;
            // A name's own dashes are escaped too: \-\-min\-runway.
            auto found = QRegularExpression("\\\\-\\\\-(\\w+(?:\\\\-\\w+)*)").globalMatch(block);
            while (found.hasNext()) {
                options.append("--" + found.next().captured(1).replace("\\-", "-"));
            }
            blocks[name.captured(1)] = options;
        }
        for (const CommandSpec& command : commandSpecs()) {
            QVERIFY2(blocks.contains(nameOf(command)), qPrintable(nameOf(command)));
            QCOMPARE(blocks[nameOf(command)], optionsOf(command) << "--file");
        }
        QCOMPARE(blocks.size(), static_cast<qsizetype>(commandSpecs().size()));
    }

    void bashCompletionFollowsTheTable() {
        const QString completion = sourceText("icao.bash-completion");
        QStringList names;
        for (const CommandSpec& command : commandSpecs()) {
            names.append(nameOf(command));
        }
        QVERIFY(completion.contains("        " + names.join(" | ") + ") command=$word"));
        QVERIFY(completion.contains("compgen -W \"" + names.join(" ") + " $options\""));
        // Each case of commands lists the options they take besides --file.
        auto cases = QRegularExpression("\n    ([a-z |]+)\\)( options\\+=\"([^\"]*)\")? ;;")
                         .globalMatch(completion);
        QStringList covered;
        while (cases.hasNext()) {
            const auto match = cases.next();
            const QStringList options = match.captured(3).split(' ', Qt::SkipEmptyParts);
            for (const QString& name : match.captured(1).split(" | ")) {
                const CommandSpec* command = findCommand(name.toStdString());
                QVERIFY2(command, qPrintable(name));
                QCOMPARE(options, optionsOf(*command));
                covered.append(name);
            }
        }
        QCOMPARE(covered.size(), names.size());
    }

    // A ground speed is a number and its unit, read in knots; anything else is a usage error.
    void aSpeedIsANumberAndAUnit_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<double>("knots");
        QTest::newRow("knots") << "450kt" << 450.0;
        QTest::newRow("kilometres an hour") << "926km/h" << 500.0;
        QTest::newRow("without the slash, a space") << "185.2 kmh" << 100.0;
        QTest::newRow("miles an hour") << "115.078mph" << 100.0;
        for (const char* wrong : {"450", "kt", "0kt", "-5kt", "450 knots", "1e9kt", "45O kt"}) {
            QTest::newRow(wrong) << wrong << 0.0;
        }
    }
    void aSpeedIsANumberAndAUnit() {
        QFETCH(QString, speed);
        QFETCH(double, knots);
        const auto parsed =
            parseArguments({"dist", "EGLL", "LFPG", "--speed", speed.toStdString()});
        const auto* arguments = std::get_if<Arguments>(&parsed);
        QCOMPARE(arguments != nullptr, knots > 0);
        if (arguments) {
            QVERIFY2(std::abs(*arguments->speedKnots - knots) < 1e-3,
                     qPrintable(QString::number(*arguments->speedKnots)));
        }
    }

    // Filters' values: feet rounded up so that a runway just short is never let in, metres to
    // the whole feet the data holds (a runway of 2500 m is stored as 8202 ft); a two-letter
    // country; a known surface.
    void filtersTakeTheirValues_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("minRunwayFt");
        QTest::newRow("metres") << QStringList{"--min-runway", "2500m"} << 8202;
        QTest::newRow("metres rounded down") << QStringList{"--min-runway", "1000m"} << 3281;
        QTest::newRow("feet") << QStringList{"--min-runway=6500 ft"} << 6500;
        QTest::newRow("a fraction") << QStringList{"--min-runway", "0.5ft"} << 1;
        QTest::newRow("surface, country")
            << QStringList{"--surface", "water", "--country", "GB"} << 0;
        for (const auto& wrong :
             {QStringList{"--min-runway", "2500"}, QStringList{"--min-runway", "2500km"},
              QStringList{"--min-runway", "0m"}, QStringList{"--surface", "tar"},
              QStringList{"--country", "GBR"}, QStringList{"--lighted=yes"}}) {
            QTest::newRow(qPrintable(wrong.join(' '))) << wrong << -1;
        }
    }
    void filtersTakeTheirValues() {
        QFETCH(QStringList, options);
        QFETCH(int, minRunwayFt);
        std::vector<std::string> words = {"near", "EGLL"};
        for (const QString& option : options) {
            words.push_back(option.toStdString());
        }
        const auto parsed = parseArguments(words);
        const auto* arguments = std::get_if<Arguments>(&parsed);
        QCOMPARE(arguments != nullptr, minRunwayFt >= 0);
        if (arguments) {
            QCOMPARE(arguments->filter.minRunwayFt.value_or(0), minRunwayFt);
        }
    }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "tst_command_table.moc"
