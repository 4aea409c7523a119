// The progress bar on a terminal: it names the phase it draws, and it is gone before every line
// and at the end of the run. The terminal front ends write into a temporary file here, log lines
// and bar alike, and what a terminal would show is replayed from what they wrote.
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/gang.h"
#include "cli/gang_console.h"
#include "cli/terminal_observer.h"
#include "support/bench_rig.h"

#include <QRegularExpression>
#include <QtTest>
#include <cstdio>

namespace {

// A file standing in for the terminal: stdout and stderr both go to it.
class FakeTerminal {
  public:
    FakeTerminal() : file(std::tmpfile()) {}
    ~FakeTerminal() {
        if (file) std::fclose(file);
    }
    FakeTerminal(const FakeTerminal &) = delete;
    FakeTerminal &operator=(const FakeTerminal &) = delete;

    FILE *file;

    QString written() const {
        std::fflush(file);
        std::rewind(file);
        QByteArray bytes;
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, int(n));
        std::fseek(file, 0, SEEK_END);
        return QString::fromLocal8Bit(bytes);
    }
};

// What a terminal shows after `text`: the lines ended, and the one the cursor is on.
struct Screen {
    QStringList lines;
    QString current;
};

Screen replay(const QString &text) {
    Screen s;
    int column = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.midRef(i, 3) == QLatin1String("\033[K")) {
            s.current.truncate(column);
            i += 2;
        } else if (text[i] == '\r') {
            column = 0;
        } else if (text[i] == '\n') {
            s.lines.append(s.current);
            s.current.clear();
            column = 0;
        } else {
            if (column < s.current.size())
                s.current[column] = text[i];
            else
                s.current.append(text[i]);
            ++column;
        }
    }
    return s;
}

const QRegularExpression barText(QStringLiteral("\\[[#.]+\\] +\\d+%"));

// The phases the bars named, in order, each once per stretch; bars that name none are left out.
QStringList phasesDrawn(const QString &text) {
    static const QRegularExpression bar(
        QStringLiteral("\r\033\\[K\\[[#.]+\\] +\\d+% (\\S[^\r\n\033]*?)(  slowest of \\d+: "
                       "[^\r\n\033]*)?(?=[\r\n]|$)"));
    QStringList phases;
    for (auto it = bar.globalMatch(text); it.hasNext();) {
        const QString phase = it.next().captured(1);
        if (phases.isEmpty() || phases.last() != phase) phases.append(phase);
    }
    return phases;
}

// No bar is left among the lines or after the last one.
void verifyNoBarLeft(const Screen &screen, const QString &written) {
    QVERIFY2(screen.current.isEmpty(), qPrintable("left on the screen: " + screen.current));
    for (const QString &line : screen.lines)
        QVERIFY2(!barText.match(line).hasMatch(), qPrintable("a bar among the lines: " + line));
    QVERIFY2(barText.match(written).hasMatch(), "no bar was drawn at all");
}

CliRequest request(const QStringList &arguments) {
    const CliParse parse = Parse_CliArguments(QStringList{"tessara-cli"} + arguments);
    if (parse.outcome != CliParse::Run) qWarning("%s", qPrintable(parse.text));
    return parse.request;
}

const QStringList updatePhases{"MCU erase", "MCU write", "MCU CRC check", "flash write",
                               "flash CRC check"};

} // namespace

class CliProgressTest : public QObject {
    Q_OBJECT

  private slots:
    void oneBoard_data() {
        QTest::addColumn<QStringList>("arguments"); // MCU and FLASH stand for the images
        QTest::addColumn<bool>("preloaded");        // the board holds both images already
        QTest::addColumn<bool>("pulledOut");        // during the flash write
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("phases");
        QTest::addColumn<QString>("lastLine"); // a pattern
        QTest::newRow("update-all") << QStringList{"update-all", "MCU", "FLASH"} << false << false
                                    << 0 << updatePhases << "Update flash is OK!!!!!!";
        QTest::newRow("update-all, whole flash erased")
            << QStringList{"update-all", "MCU", "FLASH", "--erase-whole"} << false << false << 0
            << QStringList{"MCU erase",   "MCU write",   "MCU CRC check",
                           "flash erase", "flash write", "flash CRC check"}
            << "Update flash is OK!!!!!!";
        // The check's bar is full just as its verdict is printed; nothing comes after it.
        QTest::newRow("check-flash") << QStringList{"check-flash", "FLASH"} << true << false << 0
                                     << QStringList{"flash CRC check"} << "Timer:\\d+:\\d+:\\d+";
        QTest::newRow("check-flash, no match")
            << QStringList{"check-flash", "FLASH"} << false << false << 1
            << QStringList{"flash CRC check"}
            << "tessara-cli: the external flash does not hold the image";
        QTest::newRow("check-mcu")
            << QStringList{"check-mcu", "MCU"} << true << false << 0 << QStringList{"MCU CRC check"}
            << "Check MCU CRC is OK\\.\\.\\.";
        QTest::newRow("board pulled out during the flash write")
            << QStringList{"update-flash", "FLASH"} << false << true << 1
            << QStringList{"flash write"} << "tessara-cli: the device went away";
    }
    void oneBoard() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, preloaded);
        QFETCH(bool, pulledOut);
        QFETCH(int, status);
        QFETCH(QStringList, phases);
        QFETCH(QString, lastLine);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        if (preloaded) {
            bench.board(0).writeMcuFlash(0x2000, bench.mcu); // its run address is 0x0800A000
            bench.board(0).writeExternalFlash(0, bench.flash);
        }
        if (pulledOut) bench.board(0).addFault(SimFault::on('l', 2, SimFault::Vanish, -1));
        arguments.replaceInStrings(QRegularExpression("^MCU$"), bench.mcuPath);
        arguments.replaceInStrings(QRegularExpression("^FLASH$"), bench.flashPath);
        const CliRequest r = request(arguments + QStringList{"--port", bench.link(0), "--flash-ini",
                                                             bench.path("Flash.ini")});
        FakeTerminal terminal;
        TerminalObserver ui(Cli_Choices(r), terminal.file, terminal.file, true);
        LineStation line{LineStation::Settings()}; // no line
        QCOMPARE(Run_CliRequest(r, ui, line, terminal.file, terminal.file), status);
        const QString written = terminal.written(); // as the run left it
        QCOMPARE(phasesDrawn(written), phases);
        const Screen screen = replay(written);
        verifyNoBarLeft(screen, written);
        QVERIFY2(QRegularExpression("^" + lastLine + "$").match(screen.lines.last()).hasMatch(),
                 qPrintable(screen.lines.last()));
    }

    // Two boards: the line follows the one furthest behind, phase first, and leaves with the last.
    void gang() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        const CliRequest r =
            request({"--port", bench.link(0), "--port", bench.link(1), "--flash-ini",
                     bench.path("Flash.ini"), "update-all", bench.mcuPath, bench.flashPath});
        FakeTerminal terminal;
        LineStation line{LineStation::Settings()}; // no line
        QCOMPARE(Run_Gang(r, line, terminal.file, terminal.file, true), 0);
        const QString written = terminal.written();
        QCOMPARE(phasesDrawn(written), updatePhases);
        const Screen screen = replay(written);
        verifyNoBarLeft(screen, written);
        QVERIFY2(screen.lines.last().startsWith(bench.link(1) + "  KQ31B"),
                 qPrintable(screen.lines.last()));
    }

    void gangFollowsTheBoardFurthestBehind() {
        FakeTerminal terminal;
        QStringList lastBars;
        {
            GangConsole console(terminal.file, terminal.file, true);
            console.boardStarted("a");
            console.boardStarted("b");
            console.phaseStarted("a", ProgressPhase::FlashWrite);
            console.progress("a", 10);
            console.phaseStarted("b", ProgressPhase::McuWrite);
            console.progress("b", 90);
            lastBars.append(replay(terminal.written()).current);
            console.boardEnded("b");
            lastBars.append(replay(terminal.written()).current);
            console.boardEnded("a");
            console.line("done");
        }
        QCOMPARE(
            lastBars,
            (QStringList{"[###########################...]  90% MCU write  slowest of 2: b",
                         "[###...........................]  10% flash write  slowest of 1: a"}));
        const Screen screen = replay(terminal.written());
        QCOMPARE(screen.lines, QStringList{"done"});
        QCOMPARE(screen.current, QString());
    }
};

QTEST_GUILESS_MAIN(CliProgressTest)
#include "test_cli_progress.moc"
