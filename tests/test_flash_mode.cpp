// "KQ580 enter flash mode" against the simulated chip, with the synthetic fixture loaders.
#include "flash/flash_mode.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "support/fixture_loaders.h"
#include "support/model_codes.h"
#include "support/sim_session.h"
#include "support/sim_sync.h"

#include <QtTest>

namespace {

QByteArray wordBytes(const LoaderImage &image) {
    QByteArray bytes(4 * image.count, '\0');
    for (int i = 0; i < image.count; ++i)
        Put_Le32(reinterpret_cast<uint8_t *>(bytes.data()) + 4 * i, image.words[i]);
    return bytes;
}

} // namespace

class FlashMode : public QObject {
    Q_OBJECT

  private slots:
    void download_data() {
        QTest::addColumn<bool>("nand");
        QTest::addColumn<int>("packets");
        QTest::addColumn<int>("lastCount");
        QTest::addColumn<int>("lastOffset");
        QTest::addColumn<QString>("line");
        QTest::newRow("NOR") << false << 82 << 9 << 4860 << "Download vcom norflash code";
        QTest::newRow("NAND") << true << 81 << 8 << 4800 << "Download vcom nandflash code";
    }
    void download() {
        QFETCH(bool, nand);
        QFETCH(int, packets);
        QFETCH(int, lastCount);
        QFETCH(int, lastOffset);
        QFETCH(QString, line);
        SimSession s(QStringLiteral("KQ580"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();
        const FlashModeLoaders loaders = fixtureLoaders();
        const LoaderImage &image = nand ? loaders.nand : loaders.nor;

        QVERIFY(Enter_FlashMode(s.session, nand, loaders).ok());

        QVERIFY(s.ui.messages.isEmpty());
        QCOMPARE(s.ui.log.filter(QStringLiteral("Download vcom")), QStringList{line});
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QCOMPARE(frames.size(), 2 + packets + 1);

        // Both handshakes for the KQ580, then the packets, then the run command.
        QCOMPARE(frames[0].name, QStringLiteral("K"));
        QCOMPARE(frames[0].field(QStringLiteral("selector")), quint32('0'));
        QCOMPARE(frames[0].field(QStringLiteral("proposed")), quint32(Model::KQ580));
        QCOMPARE(frames[1].name, QStringLiteral("K"));
        QCOMPARE(frames[1].field(QStringLiteral("selector")), quint32('1'));
        for (int j = 0; j < packets; ++j) {
            const SimFrame &f = frames[2 + j];
            QCOMPARE(f.name, QStringLiteral("I"));
            QVERIFY2(f.accepted, qPrintable(f.reason));
            QCOMPARE(int(f.field(QStringLiteral("address"))), 60 * j);
            QCOMPARE(int(f.field(QStringLiteral("count"))), j + 1 < packets ? 15 : lastCount);
        }
        QCOMPARE(int(frames[1 + packets].field(QStringLiteral("count"))), lastCount);
        QCOMPARE(int(frames[1 + packets].field(QStringLiteral("address"))), lastOffset);
        const SimFrame &run = frames.last();
        QCOMPARE(run.name, QStringLiteral("O"));
        QVERIFY2(run.accepted, qPrintable(run.reason));
        QCOMPARE(run.field(QStringLiteral("address")), quint32(LoaderRunAddress));
        // The chip holds exactly the loader's words, least significant byte first.
        const QByteArray memory = s.sim.wordMemory();
        QCOMPARE(memory.left(4 * image.count), wordBytes(image));
        QCOMPARE(memory.mid(4 * image.count), QByteArray(memory.size() - 4 * image.count, '\0'));

        // The share of words sent after each full packet, then 100 once all are out.
        QList<int> progress;
        for (int j = 0; j < packets - 1; ++j)
            progress.append(1500 * (j + 1) / image.count);
        progress.append(100);
        QCOMPARE(s.ui.percents, progress);
        QCOMPARE(s.ui.percents.mid(s.ui.percents.size() - 2), QList<int>({99, 100}));
        QCOMPARE(s.ui.phases, QList<ProgressPhase>{ProgressPhase::LoaderDownload});
    }

    void refusals_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("nand");
        QTest::addColumn<bool>("withLoaders");
        QTest::addColumn<int>("fault"); // on the second handshake; -1: none
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("other model")
            << "KQ31B" << false << true << -1 << QStringList{"Update Flash Mode is only for KQ580"}
            << QStringList{};
        QTest::newRow("NOR loader not built in")
            << "KQ580" << false << false << -1
            << QStringList{"The KQ580 norflash loader is not built into this program; nothing "
                           "was sent"}
            << QStringList{};
        QTest::newRow("NAND loader not built in")
            << "KQ580" << true << false << -1
            << QStringList{"The KQ580 nandflash loader is not built into this program; nothing "
                           "was sent"}
            << QStringList{};
        QTest::newRow("second handshake answered wrongly")
            << "KQ580" << false << true << int(SimFault::WrongLetter)
            << QStringList{"Fail to Connect a KQ580 device"} << QStringList{"K", "K"};
    }
    void refusals() {
        QFETCH(QString, model);
        QFETCH(bool, nand);
        QFETCH(bool, withLoaders);
        QFETCH(int, fault);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, sent);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();
        if (fault >= 0) s.sim.addFault(SimFault::on('K', 2, SimFault::Kind(fault)));
        // Only the loader not chosen is present, so none other can stand in for it.
        FlashModeLoaders loaders = fixtureLoaders();
        if (!withLoaders) (nand ? loaders.nand : loaders.nor) = LoaderImage();

        QVERIFY(!Enter_FlashMode(s.session, nand, loaders).ok());

        QCOMPARE(s.ui.messages, messages);
        QVERIFY(s.ui.percents.isEmpty() && s.ui.phases.isEmpty());
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QCOMPARE(frameNames(frames), sent);
    }

    // The window calls the operation with the loaders of this build.
    void buildWithoutLoaders() {
        const FlashModeLoaders builtIn = BuiltIn_Loaders();
        if (builtIn.nor.builtIn() || builtIn.nand.builtIn()) QSKIP("this build carries loaders");
        SimSession s(QStringLiteral("KQ580"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();

        QCOMPARE(Enter_FlashMode(s.session, false).kind(), FailureKind::InputUnusable);

        QCOMPARE(s.ui.messages.size(), 1);
        QVERIFY(s.ui.messages[0].contains(QStringLiteral("not built into this program")));
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QVERIFY(frames.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FlashMode)
#include "test_flash_mode.moc"
