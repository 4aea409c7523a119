// The line's hooks: a command that may refuse a board before it is written, and one told how each
// board ended. Real processes: refusals in the hook's words, time-outs that end what the hook
// started, crashes, floods of stderr, programs that cannot be run, and words passed as written.
#include "line/command_words.h"
#include "line/line_hook.h"
#include "support/process_files.h"
#include "tessara_version.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <memory>

namespace {

BoardIdentity board() {
    BoardIdentity b;
    b.port = QStringLiteral("/dev/ttyACM3");
    b.slot = QStringLiteral("4");
    b.usbSerial = QStringLiteral("KQ0042");
    b.model = QStringLiteral("KQ31B");
    b.bootVersion = 0x1a;
    b.bundleSha256 = QString(64, QLatin1Char('a'));
    return b;
}

LineHook hook(const QString &commandLine, int timeoutMs = LineHook::DefaultTimeoutMs) {
    QString error;
    const LineHook h = LineHook::FromCommandLine(commandLine, timeoutMs, error);
    if (!error.isEmpty()) qWarning("%s", qPrintable(error));
    return h;
}

} // namespace

class LineHooksTest : public QObject {
    Q_OBJECT

  private slots:
    void commandWordsSplitAsAShellWould_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("ok");
        QTest::newRow("blanks") << "  a\tb   c " << QStringList{"a", "b", "c"} << true;
        QTest::newRow("single quotes")
            << "sh -c 'echo \"$X\" \\ '" << QStringList{"sh", "-c", "echo \"$X\" \\ "} << true;
        QTest::newRow("double quotes")
            << "\"a b\" \"q\\\"\\\\\\x\"" << QStringList{"a b", "q\"\\\\x"} << true;
        QTest::newRow("backslash outside") << "a\\ b \\'c" << QStringList{"a b", "'c"} << true;
        QTest::newRow("empty words") << "x '' \"\"" << QStringList{"x", "", ""} << true;
        QTest::newRow("joined pieces") << "a'b'\"c\"d" << QStringList{"abcd"} << true;
        QTest::newRow("comment") << "--port X # the left slot" << QStringList{"--port", "X"}
                                 << true;
        QTest::newRow("hash within words")
            << "a#b '#c' \\#d" << QStringList{"a#b", "#c", "#d"} << true;
        QTest::newRow("unclosed single") << "a 'b" << QStringList{} << false;
        QTest::newRow("unclosed double") << "a \"b" << QStringList{} << false;
        QTest::newRow("trailing backslash") << "a \\" << QStringList{} << false;
    }
    void commandWordsSplitAsAShellWould() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QFETCH(bool, ok);
        QString error;
        QCOMPARE(Split_CommandWords(line, error), words);
        QCOMPARE(error.isEmpty(), ok);
    }

    // What the hook before a board says, and what the board is told.
    void beforeBoard_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("refusal"); // empty: the board goes ahead
        QTest::newRow("accepts") << "sh -c 'test \"$TESSARA_MODEL\" = KQ31B'" << 10000 << "";
        QTest::newRow("refuses in its words")
            << "sh -c 'echo checking >&2; echo \"no order for $TESSARA_USB_SERIAL\" >&2; "
               "echo >&2; exit 3'"
            << 10000 << "refused by the line: no order for KQ0042";
        QTest::newRow("refuses silently") << "sh -c 'echo out; exit 4'" << 10000
                                          << "refused by the line: sh exited with status 4";
        QTest::newRow("crashes") << "sh -c 'echo dying >&2; kill -SEGV $$'" << 10000
                                 << "refused by the line: sh crashed (signal 11): dying";
        QTest::newRow("no answer in time")
            << "sh -c 'echo waiting >&2; sleep 30'" << 300
            << "refused by the line: sh gave no answer within 0.3 s: waiting";
        QTest::newRow("control characters and a long last line")
            << "sh -c 'printf \"\\033[31mred\\tline\\r\\n\" >&2; exit 1'" << 10000
            << "refused by the line: [31mred line";
    }
    void beforeBoard() {
        QFETCH(QString, command);
        QFETCH(int, timeoutMs);
        QFETCH(QString, refusal);
        // A hook ended by its time-out would be refused as one that gave no answer.
        QCOMPARE(hook(command, timeoutMs).beforeBoard(board()), refusal);
    }

    // A hook that does not answer is ended with all it started; it holds nothing up.
    void timeOutEndsTheHooksGroup() {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath("child.pid");
        // A child that outlives any test: waiting for it would hang.
        const QString refusal =
            hook(QStringLiteral("sh -c 'sleep 3600 & echo $! > %1; wait'").arg(pidFile), 500)
                .beforeBoard(board());
        QVERIFY2(refusal.startsWith("refused by the line: sh gave no answer within 0.5 s"),
                 qPrintable(refusal));
        const qint64 child = Read_TextFile(pidFile).trimmed().toLongLong();
        QVERIFY(child > 0);
        QTRY_VERIFY_WITH_TIMEOUT(Process_Gone(child), 60000);
    }

    // Megabytes on stderr neither block the hook on a full pipe nor are kept: the last line is
    // what counts, cut to a length a log line can carry.
    void floodOfStderr() {
        // A hook blocked on its pipe would run into its time-out: "gave no answer".
        QCOMPARE(hook("sh -c 'head -c 30000000 /dev/zero | tr \"\\0\" x >&2; echo >&2; "
                      "echo last words >&2; exit 1'")
                     .beforeBoard(board()),
                 QStringLiteral("refused by the line: last words"));
        const QString longLine = hook("sh -c 'head -c 100000 /dev/zero | tr \"\\0\" y >&2; exit 1'")
                                     .beforeBoard(board());
        QCOMPARE(longLine, QStringLiteral("refused by the line: ") +
                               QString(LineHook::MaxLineLength - 3, QLatin1Char('y')) +
                               QStringLiteral("..."));
    }

    // The words reach the program as written (no shell in between), with the board's variables.
    void wordsAndEnvironmentReachTheProgram() {
        QTemporaryDir dir;
        const QString out = dir.filePath("seen");
        qputenv("TESSARA_RESULT", "stale"); // from whoever started us: not the hook's business
        const QString command =
            QStringLiteral(
                "sh -c 'printf \"[%s]\\n\" \"$@\" > %1; env | grep ^TESSARA_ | sort >> %1' "
                "hook 'two  words' \"dq \\\"x\\\" $HOME\" back\\ slash '*' ''")
                .arg(out);
        QCOMPARE(hook(command).beforeBoard(board()), QString());
        qunsetenv("TESSARA_RESULT");
        QCOMPARE(Read_TextFile(out), QStringLiteral("[two  words]\n"
                                                    "[dq \"x\" $HOME]\n"
                                                    "[back slash]\n"
                                                    "[*]\n"
                                                    "[]\n"
                                                    "TESSARA_BOOT_VERSION=0x1a\n"
                                                    "TESSARA_BUNDLE_SHA256=%1\n"
                                                    "TESSARA_BUNDLE_VERSION=\n"
                                                    "TESSARA_MODEL=KQ31B\n"
                                                    "TESSARA_PORT=/dev/ttyACM3\n"
                                                    "TESSARA_SLOT=4\n"
                                                    "TESSARA_USB_SERIAL=KQ0042\n"
                                                    "TESSARA_VERSION=%2\n")
                                         .arg(QString(64, QLatin1Char('a')), TESSARA_VERSION));
    }

    // The hook after a board reads the record and the verdict; its own failure is a log line.
    void afterBoard() {
        QTemporaryDir dir;
        const QString out = dir.filePath("after");
        const QByteArray record =
            R"({"port":"/dev/ttyACM3","result":"fail","reason":"Time over!","seconds":1.5})"
            "\n";
        const QString command =
            QStringLiteral("sh -c 'cat > %1; echo \"$TESSARA_RESULT|$TESSARA_REASON\" >> %1; "
                           "echo upload failed >&2; exit 2'")
                .arg(out);
        QCOMPARE(hook(command).afterBoard(board(), record),
                 QStringLiteral("after-board hook: sh exited with status 2: upload failed"));
        QCOMPARE(Read_TextFile(out),
                 QString::fromUtf8(record) + QStringLiteral("fail|Time over!\n"));
        // A hook that does not read its input is no failure.
        QCOMPARE(hook("true").afterBoard(board(), record), QString());
    }

    // Boards of a gang ask at once, each on its own thread, and wait for their own answer only:
    // each hook answers only once every board's hook has started, which hooks run one after
    // another never see (they would give no answer within the time-out).
    void boardsAskSideBySide() {
        constexpr int Boards = 6;
        QTemporaryDir started;
        const LineHook together =
            hook(QStringLiteral("sh -c 'touch %1/$TESSARA_SLOT; "
                                "until [ $(ls %1 | wc -l) -ge %2 ]; do sleep 0.01; done; "
                                "test \"$TESSARA_SLOT\" != 3'")
                     .arg(started.path())
                     .arg(Boards),
                 60000);
        QString answers[Boards];
        std::vector<std::unique_ptr<QThread>> threads;
        for (int i = 0; i < Boards; ++i) {
            threads.emplace_back(QThread::create([&, i] {
                BoardIdentity b = board();
                b.slot = QString::number(i);
                answers[i] = together.beforeBoard(b);
            }));
            threads.back()->start();
        }
        for (auto &t : threads)
            QVERIFY(t->wait(120000));
        for (int i = 0; i < Boards; ++i)
            QCOMPARE(answers[i], i == 3 ? QStringLiteral("refused by the line: sh exited with "
                                                         "status 1")
                                        : QString());
    }

    void commandsThatNameNoProgram() {
        const struct {
            QString line, error;
        } cases[] = {
            {QString(), "the command names no program"},
            {"  ", "the command names no program"},
            {"''", "the command names no program"},
            {"no-such-line-hook --x", "no program \"no-such-line-hook\" in PATH"},
            {"/nonexistent/hook", "\"/nonexistent/hook\" is not there"},
            {"/dev/null", "\"/dev/null\" is not an executable file"},
        };
        for (const auto &c : cases) {
            QString error;
            QVERIFY2(!LineHook::FromCommandLine(c.line, 1000, error).isSet(), qPrintable(c.line));
            QCOMPARE(error, c.error);
        }
        // No hook: every board goes ahead.
        QCOMPARE(LineHook().beforeBoard(board()), QString());
    }
};

QTEST_GUILESS_MAIN(LineHooksTest)
#include "test_line_hooks.moc"
