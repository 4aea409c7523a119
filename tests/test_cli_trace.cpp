// What a trace of tessara-cli gives away: nothing from which the handshake's proof tag could be
// worked out (the proofs and the frames' CRCs), however the replies arrive, while the letters,
// time stamps, boot version and kind code stay readable.
#include "support/cli_process.h"
#include "support/scoped_current_dir.h"
#include "support/sim_session.h"

#include <QFile>
#include <QtTest>

using namespace simwire;

namespace {

// One line of a trace, cut into its columns: direction, letter and the bytes ("xx" for a
// masked one).
struct TraceLine {
    QString direction;
    QString letter;
    QStringList bytes;
};

QList<TraceLine> traceLines(const QString &text) {
    QList<TraceLine> lines;
    for (const QString &line : text.split('\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.simplified().split(' ');
        // "  1503 us TX K  64 4b ...", not the header nor "TX ... 3 packets not shown".
        if (columns.size() < 6 || columns[1] != "us" || columns[3] == "...") continue;
        lines.append({columns[2], columns[3], columns.mid(5)});
    }
    return lines;
}

QStringList hexBytes(const QByteArray &bytes) {
    QStringList list;
    for (const char b : bytes)
        list.append(QStringLiteral("%1").arg(uint8_t(b), 2, 16, QLatin1Char('0')));
    return list;
}

bool containsRun(const QStringList &haystack, const QStringList &needle) {
    for (int i = 0; i + needle.size() <= haystack.size(); ++i)
        if (haystack.mid(i, needle.size()) == needle) return true;
    return false;
}

} // namespace

class CliTraceTest : public QObject {
    Q_OBJECT

  private slots:
    void probeTraceHidesTheTag_data();
    void probeTraceHidesTheTag();
};

void CliTraceTest::probeTraceHidesTheTag_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("splits"); // the replies cut after these bytes
    QTest::addColumn<bool>("twice");        // every reply sent twice in one write
    QTest::newRow("KQ31B, whole replies") << "KQ31B" << QList<int>{} << false;
    QTest::newRow("KQ47, eight handshakes") << "KQ47" << QList<int>{} << false;
    QTest::newRow("KQ580, its own tag") << "KQ580" << QList<int>{} << false;
    QTest::newRow("proof cut after byte 2") << "KQ31B" << QList<int>{2} << false;
    QTest::newRow("three pieces, the letter alone") << "KQ47" << QList<int>{1, 3} << false;
    QTest::newRow("two replies in one read") << "KQ31C" << QList<int>{} << true;
}

void CliTraceTest::probeTraceHidesTheTag() {
    QFETCH(QString, model);
    QFETCH(QList<int>, splits);
    QFETCH(bool, twice);
    SimConfig config;
    QVERIFY(SimConfig::forModel(model, &config));
    SimDevice sim(config);
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    for (const int at : splits)
        sim.addFault(SimFault::on('K', 0, SimFault::Split, 5, at));
    if (twice) sim.addFault(SimFault::on('K', 0, SimFault::TwoReplies));
    ScopedCurrentDir dir;
    const QString tracePath = dir.filePath("probe.trace");
    const CliRun run =
        Run_Cli({"probe", "--port", sim.portPath(), "--trace", tracePath, "--verbose"}, dir.path());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Boot_Version:")), qPrintable(run.out));

    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString fileText = QString::fromUtf8(file.readAll());
    const QVector<SimFrame> frames = sim.received();
    QVERIFY(!frames.isEmpty());
    const QByteArray tag = config.modelCode == 0x05802018 ? config.proofTagKq580 : config.proofTag;
    for (const QString &text : {fileText, run.err}) {
        const QList<TraceLine> lines = traceLines(text);
        int handshakes = 0;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].direction != "TX" || lines[i].letter != "K") continue;
            QVERIFY(handshakes < frames.size());
            const QByteArray sent = frames[handshakes++].bytes;
            // The frame: all but its CRC, which folds in the model proposed.
            const QStringList frameHex = hexBytes(sent);
            QCOMPARE(lines[i].bytes.mid(0, 8), frameHex.mid(0, 8));
            QCOMPARE(lines[i].bytes.mid(8, 4), (QStringList{"xx", "xx", "xx", "xx"}));
            QCOMPARE(lines[i].bytes.mid(12), frameHex.mid(12));

            // Everything that arrived for it, joined as the host joins it.
            QStringList answer;
            for (int j = i + 1; j < lines.size() && lines[j].direction == "RX"; ++j)
                answer += lines[j].bytes;
            QByteArray code(4, 0);
            put32(code, 0, config.modelCode);
            QByteArray proof(4, 0);
            put32(proof, 0, crc(sent.left(8) + code + tag));
            QVERIFY2(!containsRun(answer, hexBytes(proof)), qPrintable(answer.join(' ')));
            QVERIFY2(!containsRun(answer, frameHex.mid(8, 4)), qPrintable(answer.join(' ')));
            // Still readable: the reply's letter, boot version and kind code.
            QCOMPARE(answer.size(), twice ? 128 : 64);
            QCOMPARE(answer.value(0), QStringLiteral("4b"));
            QByteArray versionAndKind(8, 0);
            put32(versionAndKind, 0,
                  config.bootType >= 0 ? (config.bootVersion & ~0xFFu) | uint32_t(config.bootType)
                                       : config.bootVersion);
            put32(versionAndKind, 4, config.bootKindCode);
            QCOMPARE(answer.mid(9, 8), hexBytes(versionAndKind));
        }
        QCOMPARE(handshakes, frames.size());
    }
}

QTEST_GUILESS_MAIN(CliTraceTest)
#include "test_cli_trace.moc"
