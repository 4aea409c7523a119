// The handshake an operation starts with, and the open-port guard before it, against the
// simulated chip: which selectors reach the chip and what ends the handshake.
#include "protocol/handshake.h"
#include "protocol/open_port.h"
#include "support/model_codes.h"
#include "support/sim_session.h"
#include "support/sim_sync.h"

#include <QtTest>

namespace {

// A chip of `model` whose boot loader answers with `kindCode` (and, with two boot loaders,
// `bootType`).
SimConfig answering(const char *model, uint32_t kindCode, int bootType = -1) {
    SimConfig config;
    SimConfig::forModel(QLatin1String(model), &config);
    config.bootKindCode = kindCode;
    config.bootType = bootType;
    return config;
}

} // namespace

Q_DECLARE_METATYPE(OtherModel)
Q_DECLARE_METATYPE(BootLoader)
Q_DECLARE_METATYPE(SimConfig)

class HandshakeTest : public QObject {
    Q_OBJECT

  private slots:
    void selectorsAndPolicy_data() {
        QTest::addColumn<uint>("believed"); // the model the session holds; the chip is a KQ31B
        QTest::addColumn<bool>("silent");
        QTest::addColumn<OtherModel>("policy");
        QTest::addColumn<QString>("reason"); // empty: the handshake succeeds
        QTest::addColumn<QStringList>("selectors");
        const QString otherModel =
            QStringLiteral("the chip answered the handshake as another model");
        const QString noReply = QStringLiteral("the handshake was not answered");
        const uint own = Model::KQ31B, other = Model::KQ31C;
        QTest::newRow("this model")
            << own << false << OtherModel::Fails << "" << QStringList{"0", "2"};
        QTest::newRow("another model, fails at once")
            << other << false << OtherModel::Fails << otherModel << QStringList{"0"};
        QTest::newRow("another model, passes")
            << other << false << OtherModel::Passes << "" << QStringList{"0", "2"};
        QTest::newRow("silent chip, passes nothing")
            << own << true << OtherModel::Passes << noReply << QStringList{"0"};
    }
    void selectorsAndPolicy() {
        QFETCH(uint, believed);
        QFETCH(bool, silent);
        QFETCH(OtherModel, policy);
        QFETCH(QString, reason);
        QFETCH(QStringList, selectors);
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.session.identity.model = Find_ChipModel(believed);
        if (silent) s.sim.addFault(SimFault::on('K', 1, SimFault::Silence));

        const Result<> r = Handshake(s.session, {'0', '2'}, policy);

        QCOMPARE(r.ok(), reason.isEmpty());
        if (!r.ok()) QCOMPARE(r.failure().reason, reason);
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QStringList sent;
        for (const SimFrame &f : frames)
            if (f.name == QLatin1String("K")) sent << QString(QChar(f.bytes.at(1)));
        QCOMPARE(sent, selectors);
    }

    // The probe's identity: the model's row, the boot version and which boot loader answered.
    void probeIdentity_data() {
        QTest::addColumn<SimConfig>("config");
        QTest::addColumn<BootLoader>("loader");
        QTest::newRow("ordinary") << answering("KQ31B", 0xEEBA0080) << BootLoader::Ordinary;
        QTest::newRow("boot-update loader")
            << answering("KQ31B", 0xEEBA0020) << BootLoader::BootUpdate;
        QTest::newRow("KQ31A is always ordinary")
            << answering("KQ31A", 0xEEBA0020) << BootLoader::Ordinary;
        QTest::newRow("KQ580 MCU-update loader")
            << answering("KQ580", 0xEEBA0020, 1) << BootLoader::McuUpdate;
        QTest::newRow("KQ580 flash-update loader")
            << answering("KQ580", 0xEEBA0080, 2) << BootLoader::FlashUpdate;
    }
    void probeIdentity() {
        QFETCH(SimConfig, config);
        QFETCH(BootLoader, loader);
        SimSession s(config);
        QVERIFY2(s.ok(), qPrintable(s.error()));

        const Result<ChipIdentity> probe = Probe_Model(s.session);

        QVERIFY2(probe.ok(), qPrintable(probe.ok() ? QString() : probe.failure().reason));
        const ChipIdentity &chip = probe.value();
        QVERIFY(chip.known());
        QCOMPARE(chip.name(), QString::fromLatin1(Find_ChipModel(config.modelCode)->name));
        QCOMPARE(chip.row().code, config.modelCode);
        QCOMPARE(chip.bootLoader, loader);
        QCOMPARE(chip.startsApplication(),
                 loader == BootLoader::Ordinary || loader == BootLoader::McuUpdate);
        QCOMPARE(s.session.identity.model, chip.model);
        QCOMPARE(s.session.identity.bootVersion, chip.bootVersion);
    }

    // A silent chip: no identity, and the session forgets the one it held.
    void silentChipLeavesNoIdentity() {
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.identify();
        s.session.identity.bootVersion = 0x1a;
        s.session.identity.bootLoader = BootLoader::Ordinary;
        s.sim.addFault(SimFault::on('K', 1, SimFault::Silence));

        QVERIFY(!Probe_Model(s.session).ok());

        QVERIFY(!s.session.identity.known());
        QCOMPARE(s.session.identity.name(), QStringLiteral("unknown"));
        QCOMPARE(s.session.identity.bootLoader, BootLoader::NotTold);
        QCOMPARE(s.ui.modelName, QStringLiteral("unknown"));
    }

    // A closed port: the operator is asked to open it and nothing is sent.
    void closedPortRefused() {
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.link.Close();
        QVERIFY(s.ui.messages.isEmpty());

        const Result<> r = Require_OpenPort(s.session);

        QVERIFY(!r.ok());
        QCOMPARE(r.kind(), FailureKind::InputUnusable);
        QCOMPARE(s.ui.messages, QStringList{"Please open the port!"});
        QVERIFY(s.reopen());
        QVERIFY(Require_OpenPort(s.session).ok());
        QVector<SimFrame> frames;
        QVERIFY(receivedSoFar(s, frames));
        QVERIFY(frames.isEmpty());
    }
};

QTEST_GUILESS_MAIN(HandshakeTest)
#include "test_handshake.moc"
