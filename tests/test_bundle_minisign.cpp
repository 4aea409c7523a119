// Keys and signatures interchange with Debian's minisign program both ways: what Tessara signs
// minisign verifies, what minisign signs (prehashed and legacy) Tessara verifies, and each reads
// the other's secret keys.
#include "bundle/bundle_limits.h"
#include "bundle/bundle_maker.h"
#include "bundle/bundle_reader.h"
#include "bundle/key_files.h"
#include "bundle/zip_archive.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString output;
};

Run minisign(const QStringList &arguments, const QString &workDir) {
    QProcess p;
    p.setWorkingDirectory(workDir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("minisign"), arguments);
    p.closeWriteChannel(); // never a password prompt
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

BundleRecipe recipe() {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("3.0");
    r.constraints.models = QStringList{"KQ47"};
    r.flash = QByteArray(4096, '\x42');
    return r;
}

// The archive's entries by name.
QMap<QString, QByteArray> entriesOf(const QByteArray &archive) {
    QList<ZipEntry> entries;
    QString reason;
    Read_Zip(
        archive, 4, [](const QString &) { return qint64(1) << 20; }, entries, reason);
    QMap<QString, QByteArray> byName;
    for (const ZipEntry &e : entries)
        byName.insert(e.name, e.data);
    return byName;
}

QByteArray withSignature(const QByteArray &archive, const QByteArray &signature) {
    QList<ZipEntry> entries;
    const QMap<QString, QByteArray> byName = entriesOf(archive);
    for (auto it = byName.begin(); it != byName.end(); ++it)
        if (it.key() != QLatin1String(SignatureName))
            entries.append({it.key(), it.value(), true, -1});
    entries.append({QLatin1String(SignatureName), signature, true, -1});
    QByteArray zip;
    QString reason;
    Write_Zip(entries, zip, reason);
    return zip;
}

} // namespace

class BundleMinisignTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // The manifest and signature of a bundle signed with `key`, as files minisign reads.
    void signedManifestFiles(const MinisignSecretKey &key) {
        QByteArray archive;
        QString reason;
        QVERIFY2(Make_Bundle(recipe(), &key, archive, reason), qPrintable(reason));
        const QMap<QString, QByteArray> entries = entriesOf(archive);
        QVERIFY(writeFile(path("manifest.json"), entries.value(ManifestName)));
        QVERIFY(writeFile(path("manifest.json.minisig"), entries.value(SignatureName)));
    }

  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("minisign")).isEmpty())
            QFAIL("minisign is not installed (scripts/setup.sh installs it)");
    }

    void tessaraSignsMinisignVerifies() {
        const MinisignSecretKey key = Minisign_NewKey();
        QString reason;
        QVERIFY2(Write_KeyPair(path("tessara"), key, reason), qPrintable(reason));
        signedManifestFiles(key);
        Run r = minisign({"-V", "-p", "tessara.pub", "-m", "manifest.json"}, dir.path());
        QVERIFY2(r.status == 0 && r.output.contains("Signature and comment signature verified"),
                 qPrintable(r.output));
        QVERIFY2(r.output.contains("file:manifest.json"), qPrintable(r.output));
        // minisign signs with the secret key file Tessara wrote.
        QCOMPARE(minisign({"-S", "-s", "tessara.key", "-m", "manifest.json", "-x", "again.sig"},
                          dir.path())
                     .status,
                 0);
        QCOMPARE(minisign({"-V", "-p", "tessara.pub", "-m", "manifest.json", "-x", "again.sig"},
                          dir.path())
                     .status,
                 0);
        // The same check fails on a manifest changed by one byte.
        QByteArray changed = fileBytes(path("manifest.json"));
        changed.replace("KQ47", "KQ31");
        QVERIFY(writeFile(path("manifest.json"), changed));
        r = minisign({"-V", "-p", "tessara.pub", "-m", "manifest.json"}, dir.path());
        QVERIFY2(r.status != 0, qPrintable(r.output));
    }

    void minisignKeySignsInTessara() {
        QCOMPARE(minisign({"-G", "-W", "-p", "w.pub", "-s", "w.key"}, dir.path()).status, 0);
        MinisignSecretKey key;
        QString reason;
        QVERIFY2(Read_SecretKeyFile(path("w.key"), key, reason), qPrintable(reason));
        signedManifestFiles(key);
        const Run r = minisign({"-V", "-p", "w.pub", "-m", "manifest.json"}, dir.path());
        QVERIFY2(r.status == 0, qPrintable(r.output));
    }

    // A key ID is shown as minisign shows it: a number, so a leading zero is not written (one key
    // in sixteen has one; a random key alone would find this only now and then).
    void keyIdAsMinisignShowsIt() {
        const auto idOf = [](const char *hexLittleEndian) {
            return Minisign_KeyIdText(QByteArray::fromHex(hexLittleEndian));
        };
        QCOMPARE(idOf("bbd2f944d703ac08"), QStringLiteral("8AC03D744F9D2BB"));
        QCOMPARE(idOf("bbd2f944d703ac00"), QStringLiteral("AC03D744F9D2BB"));
        QCOMPARE(idOf("bbd2f944d703ac18"), QStringLiteral("18AC03D744F9D2BB"));
        QCOMPARE(idOf("0000000000000000"), QStringLiteral("0"));
    }

    void minisignSignaturesVerifyInTessara_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("algorithm");
        QTest::newRow("prehashed, minisign's default") << QStringList() << QByteArray("ED");
        QTest::newRow("legacy") << QStringList{"-l"} << QByteArray("Ed");
    }

    void minisignSignaturesVerifyInTessara() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, algorithm);
        QCOMPARE(minisign({"-G", "-f", "-W", "-p", "m.pub", "-s", "m.key"}, dir.path()).status, 0);
        QByteArray archive;
        QString reason;
        QVERIFY(Make_Bundle(recipe(), nullptr, archive, reason));
        QVERIFY(writeFile(path("manifest.json"), entriesOf(archive).value(ManifestName)));
        QCOMPARE(
            minisign(QStringList{"-S", "-s", "m.key", "-m", "manifest.json"} + options, dir.path())
                .status,
            0);
        const QByteArray signature = fileBytes(path("manifest.json.minisig"));
        MinisignSignature parsed;
        QVERIFY(Minisign_ReadSignature(signature, parsed, reason));
        QCOMPARE(parsed.algorithm, algorithm);

        QList<TrustedKey> trusted;
        QVERIFY2(Load_TrustedKeys(QString(), {path("m.pub")}, trusted, reason), qPrintable(reason));
        const BundleCheck check = Check_Bundle(withSignature(archive, signature), trusted);
        QVERIFY2(check.accepted(), qPrintable(check.refusal));
        QCOMPARE(check.bundle.signature.state, SignatureState::Trusted);
        const QString shownId = fileBytes(path("m.pub")).split('\n').at(0).split(' ').last();
        QCOMPARE(check.bundle.signature.keyId, shownId); // as minisign names the key

        // minisign's signature of another manifest is refused.
        QByteArray other = entriesOf(archive).value(ManifestName);
        other.replace("3.0", "3.1");
        QVERIFY(writeFile(path("manifest.json"), other));
        QCOMPARE(
            minisign(QStringList{"-S", "-s", "m.key", "-m", "manifest.json"} + options, dir.path())
                .status,
            0);
        const BundleCheck swapped =
            Check_Bundle(withSignature(archive, fileBytes(path("manifest.json.minisig"))), trusted);
        QVERIFY2(swapped.refusal.contains("the signature does not match the manifest"),
                 qPrintable(swapped.refusal));
    }

    // Secret key files that cannot sign are refused, each with its reason.
    void secretKeyFiles() {
        QCOMPARE(minisign({"-G", "-f", "-W", "-p", "k.pub", "-s", "k.key"}, dir.path()).status, 0);
        const QList<QByteArray> lines = fileBytes(path("k.key")).split('\n');
        QByteArray bin = QByteArray::fromBase64(lines.at(1));
        QCOMPARE(bin.size(), 158);
        const auto refusalOf = [&](const QByteArray &changed) {
            writeFile(path("changed.key"), lines.at(0) + '\n' + changed.toBase64() + '\n');
            MinisignSecretKey key;
            QString reason;
            return Read_SecretKeyFile(path("changed.key"), key, reason) ? QString() : reason;
        };
        QVERIFY(refusalOf(bin).isEmpty());
        QByteArray encrypted = bin;
        encrypted.replace(2, 2, "Sc");
        QVERIFY(refusalOf(encrypted).contains("encrypted with a password"));
        QByteArray checksum = bin;
        checksum[157] = 1; // a checksum that is not minisign's zero, and wrong
        QVERIFY(refusalOf(checksum).contains("its checksum does not match"));
        QByteArray halves = bin;
        halves[100] = char(halves[100] ^ 1); // the public half no longer the seed's
        QVERIFY(refusalOf(halves).contains("its two halves do not belong together"));
        MinisignSecretKey key;
        QString reason;
        QVERIFY(!Read_SecretKeyFile(path("k.pub"), key, reason));
        QVERIFY2(reason.contains("not a minisign secret key file"), qPrintable(reason));
    }
};

QTEST_GUILESS_MAIN(BundleMinisignTest)
#include "test_bundle_minisign.moc"
