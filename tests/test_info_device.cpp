// The device-information request against the simulated chip: what the operator is shown, what
// the session takes over, the Flash.ini lookup of the two flash IDs and the faulty replies.
#include "jobs/device_information.h"
#include "protocol/chip_table.h"
#include "protocol/device_info.h"
#include "support/model_codes.h"
#include "support/scoped_current_dir.h"
#include "support/sim_session.h"

#include <QtTest>

namespace {

// The device information of the session, with the part it found.
Result<> getInfo(SimSession &s, JobResult &result) {
    return Get_Device_Info(s.session, QString(), result);
}

constexpr uint32_t FirstId = 0xEF4018, SecondId = 0xC84017;

const QByteArray flashIni = "[FLASH]\n"
                            "0xEF4018,4096,4096,W25Q128JV,\n"
                            "0xC84017,4096,2048,GD25Q64C,\n";

SimConfig modelConfig(const QString &model, uint32_t version) {
    SimConfig config;
    SimConfig::forModel(model, &config);
    config.bootVersion = version;
    config.infoFlashIds = {{FirstId, SecondId}};
    return config;
}

} // namespace

class InfoDevice : public QObject {
    Q_OBJECT

  private slots:
    void validReplies_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("versionLine");
        QTest::addColumn<bool>("ordinary"); // the boot loader is said to be the ordinary one
        QTest::newRow("KQ31B") << "KQ31B" << 0x1Au << "KQ31B"
                               << "KQ31B Boot_Version:1a" << false;
        QTest::newRow("KQ3200 is shown as KQ320") << "KQ3200" << 0x20230915u << "KQ320"
                                                  << "KQ320 Boot_Version:20230915" << false;
        QTest::newRow("KQ580") << "KQ580" << 0x101u << "KQ580"
                               << "KQ580 Boot_Version:101" << false;
        QTest::newRow("KQ47") << "KQ47" << 0x7u << "KQ47"
                              << "KQ47 Boot_Version:7" << false;
        QTest::newRow("KQ31A sets the boot kind") << "KQ31A" << 0xABCDEF01u << "KQ31A"
                                                  << "KQ31A Boot_Version:abcdef01" << true;
    }
    void validReplies() {
        QFETCH(QString, model);
        QFETCH(uint, version);
        QFETCH(QString, name);
        QFETCH(QString, versionLine);
        QFETCH(bool, ordinary);
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        SimSession s(modelConfig(model, version));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.session.identity.model =
            Find_ChipModel(Model::KQ31D); // the probe may have named another model

        Report_Device_Info(s.session, QString());

        QCOMPARE(s.ui.log, QStringList({versionLine, "FlashID:0xef4018", "reVal = 0"}));
        QVERIFY(s.ui.messages.isEmpty());
        QCOMPARE(s.ui.modelName, name);
        QCOMPARE(s.session.chip().code, s.sim.config().modelCode);
        QCOMPARE(s.session.identity.bootVersion, uint32_t(version));
        QCOMPARE(s.session.identity.bootLoader == BootLoader::Ordinary, ordinary);
        QCOMPARE(s.ui.flashId, QStringLiteral("0xef4018"));
        QCOMPARE(s.ui.flashName, QStringLiteral("W25Q128JV"));
        QCOMPARE(s.ui.flashSize, QString::number(4096 * 4096));
        const QVector<SimFrame> frames = s.sim.received();
        QCOMPARE(frames.size(), 1);
        QVERIFY2(frames[0].accepted, qPrintable(frames[0].reason));
    }

    void unknownModel() {
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        SimConfig config = modelConfig(QStringLiteral("KQ31B"), 0x33);
        config.modelCode = 0x12345678;
        SimSession s(config);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.session.identity.model = Find_ChipModel(Model::KQ31B);

        JobResult result;
        QVERIFY(getInfo(s, result).ok());
        QCOMPARE(s.ui.modelName, QStringLiteral("unknown"));
        QVERIFY(!s.session.identity.known());
        QCOMPARE(s.session.identity.bootVersion, 0x33u);
        QCOMPARE(s.ui.log, QStringList({"FlashID:0xef4018"})); // no version line
    }

    void flashIdLookup_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("found");
        QTest::addColumn<uint>("flashId");
        QTest::addColumn<QStringList>("idLines");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("shownSize");
        QTest::newRow("both known: the first wins")
            << flashIni << true << FirstId << QStringList{"FlashID:0xef4018"} << "W25Q128JV"
            << "16777216";
        QTest::newRow("only the second known")
            << QByteArray("0xC84017,4096,2048,GD25Q64C,\n") << true << SecondId
            << QStringList{"FlashID:0xc84017"} << "GD25Q64C"
            << "8388608";
        QTest::newRow("neither known") << QByteArray("0x1C3017,4096,2048,EN25Q64,\n") << false
                                       << SecondId << QStringList{} << ""
                                       << "0";
    }
    void flashIdLookup() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, found);
        QFETCH(uint, flashId);
        QFETCH(QStringList, idLines);
        QFETCH(QString, shownName);
        QFETCH(QString, shownSize);
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), ini);
        SimSession s(modelConfig(QStringLiteral("KQ581"), 0x5));
        QVERIFY2(s.ok(), qPrintable(s.error()));

        JobResult result;
        const Result<> r = getInfo(s, result);
        QCOMPARE(r.ok(), found);
        if (!found) QCOMPARE(r.kind(), FailureKind::InputUnusable);
        QCOMPARE(result.flashPart->id, uint32_t(flashId));
        QCOMPARE(s.ui.log.filter(QStringLiteral("FlashID:")), idLines);
        QCOMPARE(s.ui.flashId, QStringLiteral("0x") + QString::number(flashId, 16));
        QCOMPARE(s.ui.flashName, shownName);
        QCOMPARE(s.ui.flashSize, shownSize);
    }

    void faultyReplies_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("CRC wrong")
            << int(SimFault::BadCrc) << QStringList{"Get infomation crc32 error", "reVal = -3"}
            << QStringList{};
        QTest::newRow("wrong letter")
            << int(SimFault::WrongLetter)
            << QStringList{"Connect device,and return error command", "reVal = -1"}
            << QStringList{};
        QTest::newRow("no reply") << int(SimFault::Silence) << QStringList{"reVal = -2"}
                                  << QStringList{"Time over!"};
    }
    void faultyReplies() {
        QFETCH(int, kind);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, messages);
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        SimSession s(modelConfig(QStringLiteral("KQ3200"), 0x99));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('G', 1, SimFault::Kind(kind)));
        s.session.identity.model = Find_ChipModel(Model::KQ31B);
        s.session.identity.bootVersion = 0x77;
        s.ui.modelName = QStringLiteral("KQ31B");
        s.ui.flashId = QStringLiteral("0x1234");

        Report_Device_Info(s.session, QString());

        QCOMPARE(s.ui.log, lines);
        QCOMPARE(s.ui.messages, messages);
        // Nothing of a rejected reply is taken over.
        QCOMPARE(s.session.chip().code, Model::KQ31B);
        QCOMPARE(s.session.identity.bootVersion, 0x77u);
        QCOMPARE(s.ui.flashId, QStringLiteral("0x1234"));
        QCOMPARE(s.ui.modelName, QStringLiteral("KQ31B"));
    }

    // A reply cut after its letter, behind which the buffer still holds the previous reply, is
    // read only once its rest has come: with the values it carries, not the old ones.
    void aReplyInPiecesIsReadWhole() {
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        SimSession s(modelConfig(QStringLiteral("KQ31C"), 0x3));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        JobResult result;
        QVERIFY(getInfo(s, result).ok());
        SimConfig changed = s.sim.config();
        changed.bootVersion = 0x4;
        s.sim.setConfig(changed);
        s.ui.log.clear();
        s.sim.addFault(SimFault::on('G', 2, SimFault::Split, 300, 1));

        QVERIFY(getInfo(s, result).ok());
        QCOMPARE(s.ui.log, (QStringList{"KQ31C Boot_Version:4", "FlashID:0xef4018"}));
        QCOMPARE(s.session.identity.bootVersion, 0x4u);
    }
};

QTEST_GUILESS_MAIN(InfoDevice)
#include "test_info_device.moc"
