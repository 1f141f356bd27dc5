// SPDX-License-Identifier: MIT
#include "cli/command_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

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
            auto found = QRegularExpression("\\\\-\\\\-(\\w+)").globalMatch(block);
            while (found.hasNext()) {
                options.append("--" + found.next().captured(1));
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
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "tst_command_table.moc"
