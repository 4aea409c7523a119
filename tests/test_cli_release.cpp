// A station pinned to its product and lowest release (station.conf or the command line), and
// bundles that are not whole or whose manifest says a key twice: each refused by tessara-cli with
// status 2 and both sides of the refusal, before a byte reaches the board; the bundles it takes
// are written.
#include "bundle/bundle_limits.h"
#include "bundle/bundle_maker.h"
#include "bundle/minisign.h"
#include "bundle/zip_archive.h"
#include "support/bench_bundle.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QtTest>

namespace {

// The archive with its manifest's text `from` replaced by `to`, signed again by `key`.
QByteArray withManifestEdit(const QByteArray &archive, const QByteArray &from, const QByteArray &to,
                            const MinisignSecretKey &key) {
    QList<ZipEntry> entries;
    QString reason;
    if (!Read_Zip(
            archive, 4, [](const QString &) { return qint64(1) << 20; }, entries, reason))
        qFatal("fixture: %s", qPrintable(reason));
    QByteArray manifest;
    for (const ZipEntry &e : entries)
        if (e.name == QLatin1String(ManifestName)) manifest = e.data;
    if (!manifest.contains(from)) qFatal("fixture: no %s in the manifest", from.constData());
    manifest.replace(from, to);
    for (ZipEntry &e : entries) {
        if (e.name == QLatin1String(ManifestName)) e.data = manifest;
        if (e.name == QLatin1String(SignatureName))
            e.data = Minisign_Sign(manifest, key, "timestamp:0 file:manifest.json");
    }
    QByteArray edited;
    if (!Write_Zip(entries, edited, reason)) qFatal("fixture: %s", qPrintable(reason));
    return edited;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class CliReleaseTest : public QObject {
    Q_OBJECT

  private slots:
    // The station's station.conf pins product panel from version 2.4 (one row pins it on the
    // command line instead); the bundle is signed by the trusted key.
    void bundles_data() {
        QTest::addColumn<QString>("bundle");       // what the bundle is, below
        QTest::addColumn<QByteArray>("keyLimits"); // "product:" lines of the trusted key's file
        QTest::addColumn<QStringList>("options");  // the station's, in place of station.conf's
        QTest::addColumn<QString>("refusal");      // the end of stderr; empty: it is written

        const QString pinned = "this station takes product panel from version 2.4";
        QTest::newRow("junk before") << "junk before" << QByteArray() << QStringList()
                                     << "refused: not a whole zip archive: 4 bytes before its "
                                        "directory that its offsets do not account for (data "
                                        "before it)";
        QTest::newRow("junk after") << "junk after" << QByteArray() << QStringList()
                                    << "refused: not a whole zip archive: 4 bytes follow its end";
        QTest::newRow("top-level key twice")
            << "models twice" << QByteArray() << QStringList()
            << "refused: manifest.json: the manifest has the key \"models\" twice";
        QTest::newRow("nested key twice")
            << "mcu file twice" << QByteArray() << QStringList()
            << "refused: manifest.json: the manifest has the key \"mcu.file\" twice";
        QTest::newRow("older") << "panel 2.3" << QByteArray() << QStringList()
                               << "refused: bundle is product panel version 2.3; " + pinned;
        QTest::newRow("equal") << "panel 2.4" << QByteArray() << QStringList() << "";
        QTest::newRow("newer, 2.10 after 2.4")
            << "panel 2.10" << QByteArray() << QStringList() << "";
        QTest::newRow("other product") << "kiosk 2.4" << QByteArray() << QStringList()
                                       << "refused: bundle is product kiosk version 2.4; " + pinned;
        QTest::newRow("bundle version not dotted numbers")
            << "panel unversioned" << QByteArray() << QStringList()
            << "refused: bundle is product panel version unversioned; " + pinned +
                   " (its version: \"unversioned\" is not a version of dotted numbers such as 2.4 "
                   "or 2.10.1)";
        QTest::newRow("key limited to another product")
            << "panel 2.4" << QByteArray("product: kiosk\n") << QStringList()
            << "is trusted only for product kiosk";
        QTest::newRow("key limited to its product")
            << "panel 2.4" << QByteArray("product: kiosk\nproduct: panel\n") << QStringList() << "";
        QTest::newRow("older, pinned on the command line")
            << "panel 2.9" << QByteArray() << QStringList{"--min-version", "2.10"}
            << "refused: bundle is product panel version 2.9; this station takes from version "
               "2.10";
        QTest::newRow("malformed --min-version")
            << "panel 2.4" << QByteArray() << QStringList{"--min-version", "2.x"}
            << "--min-version: \"2.x\" is not a version of dotted numbers such as 2.4 or 2.10.1";
        QTest::newRow("a second pin on the command line")
            << "panel 2.3" << QByteArray()
            << QStringList{"--min-version", "2.4", "--min-version", "1.0"}
            << "--min-version is given twice";
        QTest::newRow("empty --product")
            << "panel 2.4" << QByteArray() << QStringList{"--product", ""}
            << "--product needs a product name";
    }

    void bundles() {
        QFETCH(QString, bundle);
        QFETCH(QByteArray, keyLimits);
        QFETCH(QStringList, options);
        QFETCH(QString, refusal);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QByteArray mcuBefore = bench.board(0).mcuFlash();
        const MinisignSecretKey key = Minisign_NewKey();
        const QString pub = bench.path("release.pub");
        QVERIFY(writeFile(pub, Minisign_PublicKeyFile(Minisign_PublicOf(key)) + keyLimits));

        const QStringList words = bundle.split(' ');
        QByteArray archive = Bench_McuBundle(bench, words.size() == 2 ? words[0] : "panel",
                                             words.size() == 2 ? words[1] : "2.4", &key);
        if (bundle == "junk before") archive.prepend("JUNK");
        if (bundle == "junk after") archive.append("JUNK");
        if (bundle == "models twice")
            archive =
                withManifestEdit(archive, "\"models\": [", "\"models\": [], \"models\": [", key);
        if (bundle == "mcu file twice")
            archive = withManifestEdit(archive, "\"file\": \"mcu.bin\"",
                                       "\"file\": \"flash.bin\", \"file\": \"mcu.bin\"", key);
        const QString path = bench.path("release.kqb");
        QVERIFY(writeFile(path, archive));

        QStringList arguments = options;
        if (options.isEmpty()) {
            QVERIFY(writeFile(bench.path("station.conf"),
                              "# the line's release\n--product panel\n--min-version 2.4\n"));
            arguments << "--config" << bench.path("station.conf");
        }
        arguments << "--port" << bench.link(0) << "--quiet"
                  << "update-mcu"
                  << "--bundle" << path << "--trust" << pub;
        const CliRun run = Run_Cli(arguments, bench.dir.path());
        if (refusal.isEmpty()) {
            QVERIFY2(run.status == 0, qPrintable(run.err));
            QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
            return;
        }
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.trimmed().endsWith(refusal), qPrintable(run.err));
        if (refusal.startsWith("refused: "))
            QVERIFY2(run.err.contains("tessara-cli: bundle \"" + path + "\" refused: "),
                     qPrintable(run.err));
        QCOMPARE(bench.board(0).receivedCount(), 0);
        QCOMPARE(bench.board(0).mcuFlash(), mcuBefore);
    }

    // Image files name neither product nor version: a pinned station does not write them, and
    // still checks a board against them (a check writes nothing).
    void pinnedStationWritesNoImageFiles() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const CliRun update = Run_Cli(
            {"--product", "panel", "--port", bench.link(0), "--quiet", "update-mcu", bench.mcuPath},
            bench.dir.path());
        QCOMPARE(update.status, 2);
        QVERIFY2(update.err.trimmed().endsWith(
                     "this station takes product panel: only a bundle says its product and "
                     "version, image files say neither"),
                 qPrintable(update.err));
        QCOMPARE(bench.board(0).receivedCount(), 0);
        const CliRun check = Run_Cli({"--min-version", "2.4", "--port", bench.link(0), "--quiet",
                                      "check-mcu", bench.mcuPath},
                                     bench.dir.path());
        QCOMPARE(check.status, 1); // the board holds another image, and said so
        QVERIFY(bench.board(0).receivedCount() > 0);
    }
};

QTEST_GUILESS_MAIN(CliReleaseTest)
#include "test_cli_release.moc"
