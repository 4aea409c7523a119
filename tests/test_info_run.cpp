// "Run Uart Application" against the simulated chip: the refusals and the run command.
#include "protocol/chip_table.h"
#include "protocol/device_info.h"
#include "support/model_codes.h"
#include "support/sim_session.h"
#include "support/sim_sync.h"

#include <QtTest>

class InfoRun : public QObject {
    Q_OBJECT

  private slots:
    void refusals_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<uint>("kindCode");
        QTest::addColumn<int>("bootType");
        QTest::addColumn<QString>("setup"); // what else is wrong
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("sent");
        const QString updateLoader = QStringLiteral("Connect to a boot update device,error to run");
        QTest::newRow("port closed") << "KQ31B" << 0xEEBA0080u << -1 << "close"
                                     << QStringList{"Please open the port!"} << QStringList{};
        QTest::newRow("chip proves another model")
            << "KQ31B" << 0xEEBA0080u << -1 << "other model"
            << QStringList{"Connect to device is fail!"} << QStringList{"K"};
        QTest::newRow("no handshake reply")
            << "KQ31B" << 0xEEBA0080u << -1 << "silent"
            << QStringList{"Time over!", "Connect to device is fail!"} << QStringList{"K"};
        QTest::newRow("boot-update loader")
            << "KQ31B" << 0xEEBA0020u << -1 << "" << QStringList{updateLoader} << QStringList{"K"};
        QTest::newRow("KQ580 flash-update boot loader")
            << "KQ580" << 0xEEBA0080u << 2 << "" << QStringList{updateLoader} << QStringList{"K"};
    }
    void refusals() {
        QFETCH(QString, model);
        QFETCH(uint, kindCode);
        QFETCH(int, bootType);
        QFETCH(QString, setup);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, sent);
        SimConfig config;
        QVERIFY(SimConfig::forModel(model, &config));
        config.bootKindCode = kindCode;
        if (bootType >= 0) config.bootType = bootType;
        SimSession s(config);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();
        if (setup == QLatin1String("other model"))
            s.session.identity.model = Find_ChipModel(Model::KQ31C);
        if (setup == QLatin1String("silent"))
            s.sim.addFault(SimFault::on('K', 1, SimFault::Silence));
        if (setup == QLatin1String("close")) s.link.Close();

        QVERIFY(!Run_Application(s.session).ok());

        QCOMPARE(s.ui.messages, messages);
        if (setup == QLatin1String("close")) QVERIFY(s.reopen());
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QCOMPARE(frameNames(frames), sent);
    }

    void runCommand_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("at");
        QTest::addColumn<uint>("address");
        QTest::newRow("KQ31B") << "KQ31B" << 1 << 0x8008000u;
        QTest::newRow("KQ3200") << "KQ3200" << 1 << 0x8008000u;
        QTest::newRow("KQ580 MCU-update boot loader") << "KQ580" << 4 << 0x400u;
    }
    void runCommand() {
        QFETCH(QString, model);
        QFETCH(int, at);
        QFETCH(uint, address);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();

        QVERIFY(Run_Application(s.session).ok());

        QVERIFY(s.ui.messages.isEmpty());
        QVERIFY(s.ui.log.isEmpty());
        QVERIFY(s.session.identity.startsApplication());
        QVERIFY(s.link.isOpen());
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QCOMPARE(frameNames(frames), QStringList({"K", "O"}));
        QCOMPARE(frames[0].field(QStringLiteral("selector")), quint32('1'));
        QVERIFY2(frames[1].accepted, qPrintable(frames[1].reason));
        QByteArray expected(64, '\0');
        expected[0] = 'O';
        simwire::put32(expected, at, address);
        QCOMPARE(frames[1].bytes.toHex(' '), expected.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(InfoRun)
#include "test_info_run.moc"
