// The tessara-sim program: its options and faults as typed, and the program serving a real
// pseudo-terminal until it is told to stop.
#include "sim/sim_options.h"
#include "support/arrival_recorder.h"
#include "support/sim_session.h"

#include <QProcess>
#include <QtTest>

using namespace simwire;

class SimProgram : public QObject {
    Q_OBJECT

  private slots:
    void faultDescriptions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("bytes");
        QTest::newRow("plain") << "K:1:silence" << true << 'K' << 1 << int(SimFault::Silence) << -1
                               << -1;
        QTest::newRow("every, ms, bytes")
            << "G:every:split:30:20" << true << 'G' << 0 << int(SimFault::Split) << 30 << 20;
        QTest::newRow("hex ms") << "n:2:delay:0x10" << true << 'n' << 2 << int(SimFault::Delay)
                                << 16 << -1;
        QTest::newRow("echo crc") << "n:every:echo-crc" << true << 'n' << 0
                                  << int(SimFault::EchoCrc) << -1 << -1;
        QTest::newRow("vanish for good")
            << "O:1:vanish:-1" << true << 'O' << 1 << int(SimFault::Vanish) << -1 << -1;
        QTest::newRow("unknown kind") << "K:1:mute" << false << 'K' << 0 << 0 << 0 << 0;
        QTest::newRow("occurrence 0") << "K:0:silence" << false << 'K' << 0 << 0 << 0 << 0;
        QTest::newRow("two letters") << "KG:1:silence" << false << 'K' << 0 << 0 << 0 << 0;
        QTest::newRow("too short") << "K:1" << false << 'K' << 0 << 0 << 0 << 0;
        QTest::newRow("bad bytes") << "K:1:burst:0:lots" << false << 'K' << 0 << 0 << 0 << 0;
        QTest::newRow("no such command") << "Z:1:silence" << false << 'Z' << 0 << 0 << 0 << 0;
        QTest::newRow("a reply letter") << "~:1:silence" << false << '~' << 0 << 0 << 0 << 0;
    }
    void faultDescriptions() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        SimFault f;
        QString error;
        QCOMPARE(parseFault(text, &f, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!valid) {
            QVERIFY2(error.contains(text), qPrintable(error)); // the fault, as typed
            return;
        }
        QFETCH(char, letter);
        QFETCH(int, occurrence);
        QFETCH(int, kind);
        QFETCH(int, ms);
        QFETCH(int, bytes);
        QCOMPARE(f.letter, letter);
        QCOMPARE(f.occurrence, occurrence);
        QCOMPARE(int(f.kind), kind);
        QCOMPARE(f.ms, ms);
        QCOMPARE(f.bytes, bytes);
    }

    void options() {
        SimOptions o;
        QString error, help;
        QVERIFY2(
            parseSimOptions({"tessara-sim", "--boot-version", "0x203", "--model", "KQ580",
                             "--boot-type", "2", "--flash-size", "32M", "--flash-id", "0xEF4019",
                             "--flash-id-mode", "silence,answer", "--fault", "K:1:silence",
                             "--fault", "l:every:wrong-letter", "--restart-on-run", "300"},
                            &o, &error, &help),
            qPrintable(error));
        QVERIFY(help.isEmpty());
        QCOMPARE(o.config.modelCode, 0x05802018u);
        QCOMPARE(o.config.bootVersion, 0x203u); // the model's defaults do not override it
        QCOMPARE(o.config.bootType, 2);
        QCOMPARE(o.config.flashSize, qint64(32) * 1024 * 1024);
        QCOMPARE(o.config.flashIdAnswers[1].id, 0xEF4019u);
        QCOMPARE(o.config.flashIdAnswers[0].mode, SimFlashIdAnswer::Silence);
        QCOMPARE(o.config.flashIdAnswers[1].mode, SimFlashIdAnswer::Answer);
        QCOMPARE(int(o.faults.size()), 2);
        QVERIFY(o.config.restartOnRun);
        QCOMPARE(o.config.restartDelayMs, 300);

        const QStringList bad[] = {
            {"tessara-sim", "--model", "KQ99"},        {"tessara-sim", "--boot-version", "12ab"},
            {"tessara-sim", "--proof-tag", "ABC"},     {"tessara-sim", "--flash-id-mode", "loud"},
            {"tessara-sim", "--fault", "K:x:silence"}, {"tessara-sim", "--flash-size", "0"},
            {"tessara-sim", "--frobnicate"},           {"tessara-sim", "stray"}};
        for (const QStringList &args : bad) {
            error.clear();
            QVERIFY2(!parseSimOptions(args, &o, &error, &help), qPrintable(args.join(' ')));
            QVERIFY(!error.isEmpty());
        }
        QCoreApplication::setApplicationVersion(QStringLiteral("9.87"));
        QVERIFY(parseSimOptions({"tessara-sim", "--version"}, &o, &error, &help));
        QCOMPARE(help, QStringLiteral("tessara-sim 9.87\n"));
        QVERIFY(parseSimOptions({"tessara-sim", "--help"}, &o, &error, &help));
        for (const char *name : {"--version", "--model", "--fault", "--link", "--log", "--crc-step",
                                 "--flash-erase-ms", "--restart-on-run", "--boot-type"})
            QVERIFY2(help.contains(QLatin1String(name)), name);
        // Every fault kind it accepts is explained, and so is every command letter.
        for (const char *kind : {"silence", "wrong-letter", "split", "two-replies", "burst",
                                 "garbage", "bad-crc", "bad-status", "delay", "vanish"}) {
            SimFault f;
            QVERIFY2(parseFault(QStringLiteral("K:1:") + QLatin1String(kind), &f, &error), kind);
            QVERIFY2(help.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(kind))), kind);
        }
        for (const char letter : QByteArray("KGLJNHmohjklnIO"))
            QVERIFY2(help.contains(QStringLiteral("\n  %1  ").arg(QLatin1Char(letter))),
                     QByteArray(1, letter).constData());
        // Its example runs as it stands.
        const QString example =
            help.section(QStringLiteral("\n  tessara-sim "), 1).section('\n', 0, 0);
        QVERIFY2(!example.isEmpty(), qPrintable(help));
        SimOptions fromExample;
        QVERIFY2(parseSimOptions(QStringList{"tessara-sim"} + example.split(' '), &fromExample,
                                 &error, &help),
                 qPrintable(error));
        QVERIFY(!fromExample.faults.empty());
    }

    // --link keeps a link to the terminal at its path; it replaces only a link to a terminal
    // (an earlier run's), never somebody's file.
    void linkReplacesOnlyAnEarlierLink_data() {
        QTest::addColumn<QString>("existing"); // what stands at the path
        QTest::addColumn<bool>("replaced");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("an earlier link") << "link:/dev/pts/9999" << true;
        QTest::newRow("a regular file") << "file" << false;
        QTest::newRow("a link elsewhere") << "link:/etc/hostname" << false;
        QTest::newRow("a directory") << "dir" << false;
    }
    void linkReplacesOnlyAnEarlierLink() {
        QFETCH(QString, existing);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        SimConfig config;
        config.linkPath = dir.filePath(QStringLiteral("ttyKQ"));
        if (existing == "file") {
            QFile file(config.linkPath);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep me") == 7);
        } else if (existing == "dir") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ttyKQ")));
        } else if (existing.startsWith("link:")) {
            QVERIFY(QFile::link(existing.mid(5), config.linkPath));
        }
        {
            SimDevice sim(config);
            QCOMPARE(sim.start(), replaced);
            if (replaced)
                QCOMPARE(QFileInfo(config.linkPath).symLinkTarget(), sim.portPath());
            else
                QVERIFY2(sim.errorString().contains("not replaced"), qPrintable(sim.errorString()));
        }
        const QFileInfo after(config.linkPath);
        if (replaced) {
            QVERIFY(!after.exists() && !after.isSymLink()); // removed on the way out
        } else if (existing == "file") {
            QFile file(config.linkPath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("keep me"));
        } else if (existing == "dir") {
            QVERIFY(after.isDir());
        } else {
            QCOMPARE(after.symLinkTarget(), QString("/etc/hostname"));
        }
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)
                .size(),
            replaced ? 0 : 1); // no temporary left behind
    }

    // The realistic profile names its part and values; single options override it.
    void timingProfiles() {
        SimOptions o;
        QString error, help;
        QVERIFY2(
            parseSimOptions({"tessara-sim", "--page-program-us", "500", "--timing", "realistic"},
                            &o, &error, &help),
            qPrintable(error));
        QCOMPARE(o.config.pageProgramUs, 500);
        QCOMPARE(o.config.sectorEraseUs, 45000);
        QCOMPARE(o.config.flashEraseMs, 40000);
        QCOMPARE(o.config.crcUsPerKiB, 250);
        QVERIFY(parseSimOptions({"tessara-sim"}, &o, &error, &help));
        QCOMPARE(o.config.pageProgramUs + o.config.sectorEraseUs + o.config.crcUsPerKiB, 0);
        QVERIFY(!parseSimOptions({"tessara-sim", "--timing", "slow"}, &o, &error, &help));
        QVERIFY(parseSimOptions({"tessara-sim", "--help"}, &o, &error, &help));
        for (const char *text : {"--timing", "W25Q128JV", "0.7 ms", "45 ms", "250 us per KiB",
                                 "--sector-erase-us", "--crc-us-per-kib"})
            QVERIFY2(help.contains(QLatin1String(text)), text);
    }

    // The program prints its terminal, serves it through the link, logs each frame, and
    // stops cleanly on SIGTERM.
    void servesUntilTerminated() {
        const QString program =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../src/sim/tessara-sim");
        QVERIFY2(QFileInfo::exists(program), qPrintable(program));
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("chip"));
        const QString logFile = dir.filePath(QStringLiteral("frames.log"));
        QProcess sim;
        sim.start(program,
                  {"--model", "KQ580", "--link", link, "--log", logFile, "--fault", "G:1:silence"});
        QVERIFY(sim.waitForReadyRead(5000));
        const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
        QVERIFY(path.startsWith(QLatin1String("/dev/")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), path);

        SerialLink host;
        QVERIFY(host.Open(link));
        {
            const ArrivalRecorder reply(host);
            const QByteArray k = handshake('0', 0x05802018);
            host.write(reinterpret_cast<const uint8_t *>(k.constData()), k.size(), true);
            QCOMPARE(host.Wait_Reply(10, 200), SerialLink::Wait::Reply);
            QCOMPARE(reply.bytes().left(5).toHex(' '), QByteArray("4b 16 cc 7e 8e"));
        }
        host.Close();

        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
        QFile log(logFile);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains(QLatin1String(" K (64 bytes)")) &&
                     text.contains(QLatin1String("(proposes KQ580)")) &&
                     text.contains(QLatin1String(" ok")),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(SimProgram)
#include "test_sim_program.moc"
