// tessara-cli update and check commands with --bundle on simulated boards: a bundle that cannot
// be used stops the run before any port is opened; a chip the bundle is not for is refused after
// its identification with nothing erased or written, in a gang that board alone; every record
// names the bundle. --model limits the chips written, with image files or within a bundle.
#include "bundle/bundle_maker.h"
#include "bundle/minisign.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

// The memories of a board, to show that a refused one kept them as they were.
struct Memories {
    QByteArray mcu, flash;
    explicit Memories(const SimDevice &sim) : mcu(sim.mcuFlash()), flash(sim.externalFlash()) {}
    bool operator==(const Memories &o) const { return mcu == o.mcu && flash == o.flash; }
};

// The bench's images, for the chips of `models`.
BundleRecipe recipe(const BenchRig &bench, const QStringList &models) {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("2.4");
    r.constraints.models = models;
    r.mcu = bench.mcu;
    r.flash = bench.flash;
    return r;
}

bool writeBundle(const QString &path, const BundleRecipe &recipe,
                 const MinisignSecretKey *key = nullptr) {
    QByteArray archive;
    QString reason;
    if (!Make_Bundle(recipe, key, archive, reason) || !Write_BundleFile(path, archive, reason)) {
        qWarning("cannot make the bundle: %s", qPrintable(reason));
        return false;
    }
    return true;
}

SimDevice *plugModel(BenchRig &bench, int i, const char *model) {
    return bench.plug(i, [model](SimConfig &c) {
        const QString link = c.linkPath;
        SimConfig::forModel(QLatin1String(model), &c);
        c.linkPath = link;
    });
}

QByteArray sha256Hex(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()
               : QByteArray();
}

} // namespace

class CliBundleRunTest : public QObject {
    Q_OBJECT

  private slots:
    // Three boards, one of a model the bundle does not list: that one alone is refused, with
    // both sides in its reason, and its memories are as they were; the others are updated.
    void gangRefusesTheWrongModelAlone() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(plugModel(bench, 1, "KQ47"));
        QVERIFY(bench.plug(2));
        const Memories before(bench.board(1));
        const QString bundle = bench.path("panel.kqb");
        const MinisignSecretKey key = Minisign_NewKey();
        QVERIFY(writeBundle(bundle, recipe(bench, {"KQ31B", "KQ31C"}), &key));
        QFile pub(bench.path("release.pub"));
        QVERIFY(pub.open(QIODevice::WriteOnly));
        pub.write(Minisign_PublicKeyFile(Minisign_PublicOf(key)));
        pub.close();

        // The line's hook hears which release each board got.
        QFile hook(bench.path("after.sh"));
        QVERIFY(hook.open(QIODevice::WriteOnly));
        hook.write("#!/bin/sh\nenv | grep ^TESSARA_BUNDLE_ | sort > bundle.$TESSARA_SLOT\n");
        hook.close();
        QVERIFY(hook.setPermissions(hook.permissions() | QFileDevice::ExeOwner));

        const CliRun run =
            Run_Cli({"--port", bench.link(0), "--port", bench.link(1), "--port", bench.link(2),
                     "--report", bench.reportPath(), "--after-board", hook.fileName(), "update-all",
                     "--bundle", bundle, "--trust", pub.fileName()},
                    bench.dir.path());
        QCOMPARE(run.status, 1);
        for (const int ok : {0, 2}) {
            QCOMPARE(bench.board(ok).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
            QCOMPARE(bench.board(ok).externalFlash(0, bench.flash.size()), bench.flash);
        }
        QVERIFY(Memories(bench.board(1)) == before);

        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 3);
        for (const QJsonObject &r : records) {
            const bool refused = r["port"].toString() == bench.link(1);
            QCOMPARE(r["result"].toString(), refused ? QString("fail") : QString("ok"));
            if (refused)
                QCOMPARE(r["reason"].toString(),
                         QStringLiteral("bundle for KQ31B, KQ31C; this chip is KQ47"));
            QCOMPARE(r["bundle"].toString(), bundle);
            QCOMPARE(r["bundle_sha256"].toString().toLatin1(), sha256Hex(bundle));
            QCOMPARE(r["product"].toString() + ' ' + r["version"].toString(), QString("panel 2.4"));
            QCOMPARE(r["key_id"].toString(), Minisign_KeyIdText(key.keyId));
        }
        for (const char *slot : {"1", "2", "3"}) {
            QFile heard(bench.path(QStringLiteral("bundle.") + slot));
            QVERIFY2(heard.open(QIODevice::ReadOnly), slot);
            QCOMPARE(heard.readAll(), "TESSARA_BUNDLE_SHA256=" + sha256Hex(bundle) +
                                          "\nTESSARA_BUNDLE_VERSION=2.4\n");
        }
    }

    // One board, the bundle checked against its chip: a KQ31B, boot version 0x1a, flash part
    // 0xef4018. A refusal comes after identification and before anything is erased.
    void chipChecks_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<int>("minBoot");
        QTest::addColumn<QList<uint32_t>>("flashIds");
        QTest::addColumn<QString>("reason"); // empty: it is written

        QTest::newRow("its model")
            << "update-all" << QStringList{"KQ31B"} << 0x1a << QList<uint32_t>{0xEF4018} << "";
        QTest::newRow("another model")
            << "update-mcu" << QStringList{"KQ31C", "KQ3200"} << 0 << QList<uint32_t>()
            << "bundle for KQ31C, KQ3200; this chip is KQ31B";
        QTest::newRow("boot too old")
            << "update-mcu" << QStringList{"KQ31B"} << 0x1b << QList<uint32_t>()
            << "bundle for boot version 0x1b or later; this chip's is 0x1a";
        // Update All reads the part before its MCU update, so that the MCU is not erased either.
        QTest::newRow("another flash part, update-all")
            << "update-all" << QStringList{"KQ31B"} << 0 << QList<uint32_t>{0xC84018}
            << "bundle for flash IDs 0xc84018; this chip's flash ID is 0xef4018";
        QTest::newRow("another flash part, update-flash")
            << "update-flash" << QStringList{"KQ31B"} << 0 << QList<uint32_t>{0xC84018}
            << "bundle for flash IDs 0xc84018; this chip's flash ID is 0xef4018";
        // The flash is not written: its part is not the MCU update's concern.
        QTest::newRow("another flash part, update-mcu")
            << "update-mcu" << QStringList{"KQ31B"} << 0 << QList<uint32_t>{0xC84018} << "";
    }

    void chipChecks() {
        QFETCH(QString, command);
        QFETCH(QStringList, models);
        QFETCH(int, minBoot);
        QFETCH(QList<uint32_t>, flashIds);
        QFETCH(QString, reason);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const Memories before(bench.board(0));
        BundleRecipe r = recipe(bench, models);
        if (minBoot) r.constraints.minBootVersion = uint32_t(minBoot);
        r.constraints.flashIds = flashIds;
        const QString bundle = bench.path("b.kqb");
        QVERIFY(writeBundle(bundle, r));

        const CliRun run = Run_Cli(
            {"--port", bench.link(0), "--quiet", command, "--bundle", bundle}, bench.dir.path());
        if (reason.isEmpty()) {
            QVERIFY2(run.status == 0, qPrintable(run.err));
            QVERIFY(run.err.contains("warning: " + bundle + ": the bundle is not signed"));
            QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
            QCOMPARE(Memories(bench.board(0)).flash == before.flash, command == "update-mcu");
        } else {
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.trimmed().endsWith("tessara-cli: " + reason), qPrintable(run.err));
            QVERIFY(Memories(bench.board(0)) == before);
        }
    }

    // What stops the run before any port is opened: status 2, nothing sent.
    void refusedBeforeThePort_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << "update-all"
                                   << "cut"
                                   << "refused: ";
        QTest::newRow("image changed") << "update-mcu"
                                       << "byte"
                                       << "refused: ";
        QTest::newRow("unsigned, a key trusted") << "check-mcu"
                                                 << "trust"
                                                 << "refused: it is not signed";
        QTest::newRow("no flash image") << "update-flash"
                                        << "mcu only"
                                        << "refused: " + QStringLiteral("%1 holds no flash image");
        QTest::newRow("no such file") << "update-mcu"
                                      << "none"
                                      << "refused: ";
    }

    void refusedBeforeThePort() {
        QFETCH(QString, command);
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QString bundle = bench.path("b.kqb");
        BundleRecipe r = recipe(bench, {"KQ31B"});
        if (damage == "mcu only") r.flash.reset();
        QVERIFY(writeBundle(bundle, r));
        QStringList arguments{"--port", bench.link(0), command, "--bundle", bundle};
        QFile file(bundle);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        if (damage == "cut") QVERIFY(file.resize(bytes.size() / 2));
        if (damage == "byte") {
            // A byte of the stored MCU image (its run address): the archive's own CRC and the
            // manifest's hashes both disagree.
            const int at = bytes.indexOf(bench.mcu.left(16));
            QVERIFY(at > 0);
            bytes[at + 5] = char(bytes[at + 5] ^ 0x40);
            QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
        }
        file.close();
        if (damage == "none") QVERIFY(file.remove());
        if (damage == "trust") {
            const MinisignSecretKey key = Minisign_NewKey();
            arguments << "--trust"
                      << QString::fromLatin1(
                             Minisign_PublicKeyFile(Minisign_PublicOf(key)).split('\n').value(1));
        }

        const CliRun run = Run_Cli(arguments, bench.dir.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(
            run.err.contains("bundle \"" + bundle + "\" " + QString(reason).replace("%1", bundle)),
            qPrintable(run.err));
        QCOMPARE(bench.board(0).receivedCount(), 0);
    }

    void usage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("an image too") << QStringList{"update-mcu", "a.bin", "--bundle", "b.kqb"}
                                      << "update-mcu takes its images from the bundle";
        QTest::newRow("a command without images")
            << QStringList{"probe", "--bundle", "b.kqb"} << "--bundle does not apply to probe";
        QTest::newRow("trust alone") << QStringList{"update-mcu", "a.bin", "--trust", "k.pub"}
                                     << "--trust applies to --bundle";
    }

    void usage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CliRun run = Run_Cli(arguments, QDir::tempPath());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    }

    // --model, from station.conf as a station gives it: a board of any other model is refused
    // after its identification with nothing erased or written; with a bundle each --model must
    // be one of its models (status 2, nothing sent) and narrows them.
    void modelOption_data() {
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<QStringList>("bundleModels"); // empty: image files
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // on stderr, when refused
        QTest::newRow("image files, its model")
            << QStringList{"KQ31B"} << QStringList() << "update-all" << 0 << "";
        QTest::newRow("image files, one of the models")
            << QStringList{"KQ31C", "KQ31B"} << QStringList() << "update-mcu" << 0 << "";
        QTest::newRow("image files, another model")
            << QStringList{"KQ31C", "KQ3200"} << QStringList() << "update-all" << 1
            << "tessara-cli: images for KQ31C, KQ3200; this chip is KQ31B\n";
        QTest::newRow("bundle, its model")
            << QStringList{"KQ31B"} << QStringList{"KQ31B", "KQ31C"} << "update-all" << 0 << "";
        QTest::newRow("bundle, narrowed to another model")
            << QStringList{"KQ31C"} << QStringList{"KQ31B", "KQ31C"} << "update-mcu" << 1
            << "tessara-cli: images for KQ31C; this chip is KQ31B\n";
        QTest::newRow("bundle without the model")
            << QStringList{"KQ580"} << QStringList{"KQ31B"} << "update-all" << 2
            << "tessara-cli: --model KQ580: bundle \"BUNDLE\" is for KQ31B\n";
        QTest::newRow("unknown model") << QStringList{"KQ99"} << QStringList() << "update-all" << 2
                                       << "--model \"KQ99\" is no known model (known: KQ";
        QTest::newRow("a command that writes nothing")
            << QStringList{"KQ31B"} << QStringList() << "check-mcu" << 2
            << "--model does not apply to check-mcu";
    }

    void modelOption() {
        QFETCH(QStringList, models);
        QFETCH(QStringList, bundleModels);
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, said);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const Memories before(bench.board(0));
        const QString bundle = bench.path("b.kqb");
        QString what = command;
        if (!bundleModels.isEmpty()) {
            QVERIFY(writeBundle(bundle, recipe(bench, bundleModels)));
            what += " --bundle '" + bundle + "'";
        } else {
            what += " '" + bench.mcuPath + "'";
            if (command == "update-all") what += " '" + bench.flashPath + "'";
        }
        QString conf = "--port '" + bench.link(0) + "'\n";
        for (const QString &model : models)
            conf += "--model " + model + "\n";
        QFile file(bench.path("station.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((conf + what + "\n").toUtf8());
        file.close();

        const CliRun run = Run_Cli({"--quiet", "--config", file.fileName()}, bench.dir.path());
        QVERIFY2(run.status == status, qPrintable(run.err));
        if (status == 0) {
            QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
            return;
        }
        QVERIFY2(run.err.contains(QString(said).replace("BUNDLE", bundle)), qPrintable(run.err));
        QVERIFY(Memories(bench.board(0)) == before);
        if (status == 2) QVERIFY(bench.board(0).received().isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliBundleRunTest)
#include "test_cli_bundle_run.moc"
