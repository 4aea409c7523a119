// Release bundles as a run reads them: every tampering and every malformed archive or manifest
// refused with its reason, nothing of a refused bundle handed out, and a whole one handed out
// exactly as it was made.
#include "bundle/bundle_limits.h"
#include "bundle/bundle_maker.h"
#include "bundle/bundle_reader.h"
#include "bundle/zip_archive.h"
#include "protocol/crc32.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <functional>

namespace {

// Which keys the reader trusts. Limited keys may sign bundles of some products only: the
// signer for "kiosk" alone, for "panel" (the fixture's product), or for "kiosk" in one key file
// and for any product in another.
enum Trust {
    NoKey,
    Signer,
    Other,
    SignerAndOther,
    Forged,
    SignerForKiosk,
    SignerForPanel,
    SignerForKioskAndAny
};

QByteArray mcuImage() {
    QByteArray image(30000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7 + 3);
    const uint32_t run = 0x0800A000; // the run address, bytes 4..7
    for (int i = 0; i < 4; ++i)
        image[4 + i] = char(run >> (8 * i));
    return image;
}

QByteArray flashImage() {
    QByteArray image(70000, char(0xFF));
    for (int i = 0; i < 5000; ++i)
        image[i] = char(i ^ 0x5A);
    return image;
}

BundleRecipe recipe() {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("2.4");
    r.constraints.models = QStringList{"KQ31B", "KQ31C"};
    r.constraints.minBootVersion = 0x1a;
    r.constraints.flashIds = {0xEF4018, 0xC84018};
    r.constraints.bootSetting = 1;
    r.mcu = mcuImage();
    r.flash = flashImage();
    return r;
}

QByteArray make(const BundleRecipe &r, const MinisignSecretKey *key) {
    QByteArray archive;
    QString reason;
    if (!Make_Bundle(r, key, archive, reason)) qFatal("fixture: %s", qPrintable(reason));
    return archive;
}

QList<ZipEntry> entriesOf(const QByteArray &archive) {
    QList<ZipEntry> entries;
    QString reason;
    if (!Read_Zip(
            archive, 16, [](const QString &) { return qint64(1) << 28; }, entries, reason))
        qFatal("fixture: %s", qPrintable(reason));
    return entries;
}

QByteArray zipOf(const QList<ZipEntry> &entries) {
    QByteArray archive;
    QString reason;
    if (!Write_Zip(entries, archive, reason)) qFatal("fixture: %s", qPrintable(reason));
    return archive;
}

// The archive with entry `name` holding `data` (added when it is not there; removed when null).
QByteArray withEntry(const QByteArray &archive, const QString &name, const QByteArray &data) {
    QList<ZipEntry> entries = entriesOf(archive);
    bool found = false;
    for (int i = entries.size() - 1; i >= 0; --i) {
        if (entries[i].name != name) continue;
        found = true;
        if (data.isNull())
            entries.removeAt(i);
        else
            entries[i].data = data;
    }
    if (!found && !data.isNull()) entries.append({name, data, true, -1});
    return zipOf(entries);
}

QByteArray entryData(const QByteArray &archive, const QString &name) {
    for (const ZipEntry &e : entriesOf(archive))
        if (e.name == name) return e.data;
    return QByteArray();
}

// The archive with its manifest changed by `edit` (a signature stays as it was).
QByteArray withManifest(const QByteArray &archive, const std::function<void(QJsonObject &)> &edit) {
    QJsonObject m = QJsonDocument::fromJson(entryData(archive, ManifestName)).object();
    edit(m);
    return withEntry(archive, ManifestName, QJsonDocument(m).toJson());
}

void setImageField(QJsonObject &m, const char *image, const char *field, const QJsonValue &v) {
    QJsonObject o = m.value(QLatin1String(image)).toObject();
    o.insert(QLatin1String(field), v);
    m.insert(QLatin1String(image), o);
}

QByteArray flipped(QByteArray bytes, int at) {
    bytes[at] = char(bytes[at] ^ 0x01);
    return bytes;
}

} // namespace

class BundleReaderTest : public QObject {
    Q_OBJECT

    MinisignSecretKey signer = Minisign_NewKey();
    MinisignSecretKey other = Minisign_NewKey();

    QList<TrustedKey> keysFor(int trust) const {
        QList<TrustedKey> keys;
        if (trust == Signer || trust == SignerAndOther)
            keys.append({Minisign_PublicOf(signer), QStringLiteral("signer.pub")});
        if (trust == Other || trust == SignerAndOther)
            keys.append({Minisign_PublicOf(other), QStringLiteral("other.pub")});
        if (trust == Forged) // another key claiming the signer's key ID
            keys.append({{signer.keyId, Minisign_PublicOf(other).key}, QStringLiteral("forged")});
        if (trust == SignerForKiosk || trust == SignerForKioskAndAny)
            keys.append({Minisign_PublicOf(signer), "kiosk.pub", {"kiosk"}});
        if (trust == SignerForPanel)
            keys.append({Minisign_PublicOf(signer), "panel.pub", {"kiosk", "panel"}});
        if (trust == SignerForKioskAndAny)
            keys.append({Minisign_PublicOf(signer), QStringLiteral("any.pub")});
        return keys;
    }

  private slots:
    void cases_data() {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<int>("trust");
        QTest::addColumn<QString>("refusal"); // a part of the reason; empty: accepted

        const QByteArray plain = make(recipe(), nullptr);
        const QByteArray good = make(recipe(), &signer);
        const QByteArray mcu = mcuImage();
        const QByteArray flash = flashImage();

        QTest::newRow("unsigned, no key trusted") << plain << int(NoKey) << "";
        QTest::newRow("signed, its key trusted") << good << int(Signer) << "";
        QTest::newRow("signed, its key among others") << good << int(SignerAndOther) << "";
        QTest::newRow("unsigned, a key trusted")
            << plain << int(Signer) << "it is not signed, and only bundles signed by a trusted key";
        QTest::newRow("signed, no key trusted")
            << good << int(NoKey) << "and no key is trusted here to check the signature";
        QTest::newRow("signed by another key")
            << good << int(Other)
            << QStringLiteral("signed by key ID %1, which is not a trusted key")
                   .arg(Minisign_KeyIdText(signer.keyId));
        QTest::newRow("trusted key of the same key ID, another key")
            << good << int(Forged) << "its signature is bad: the signature does not match";

        // Tampering after signing.
        QTest::newRow("changed MCU image byte")
            << withEntry(good, McuEntryName, flipped(mcu, 20000)) << int(Signer)
            << "the MCU image \"mcu.bin\" has CRC-32";
        QTest::newRow("changed last flash byte")
            << withEntry(good, FlashEntryName, flipped(flash, flash.size() - 1)) << int(Signer)
            << "the flash image \"flash.bin\" has CRC-32";
        QTest::newRow("changed manifest") << withManifest(good, [](QJsonObject &m) {
            m.insert("models", QJsonArray{"KQ31B", "KQ31C", "KQ580"});
        }) << int(Signer) << "its signature is bad: the signature does not match the manifest";
        BundleRecipe otherRelease = recipe();
        otherRelease.version = QStringLiteral("2.5");
        QTest::newRow("signature of another manifest")
            << withEntry(good, SignatureName, entryData(make(otherRelease, &signer), SignatureName))
            << int(Signer) << "the signature does not match the manifest";
        QByteArray comment = entryData(good, SignatureName);
        comment.replace("hashed", "hashes");
        QTest::newRow("changed trusted comment")
            << withEntry(good, SignatureName, comment) << int(Signer)
            << "the signature of the trusted comment does not match";
        QTest::newRow("signature file of garbage")
            << withEntry(good, SignatureName, "not a signature\n") << int(Signer)
            << "its signature is bad: manifest.json.minisig: not a minisign signature file";
        QTest::newRow("signature removed")
            << withEntry(good, SignatureName, QByteArray()) << int(Signer) << "it is not signed";

        // A key limited to products signs those alone.
        const QString signerId = Minisign_KeyIdText(signer.keyId);
        QTest::newRow("signer limited to another product")
            << good << int(SignerForKiosk)
            << QStringLiteral("it is product panel, and its signer, key ID %1 (kiosk.pub), is "
                              "trusted only for product kiosk")
                   .arg(signerId);
        QTest::newRow("signer limited to its product and another")
            << good << int(SignerForPanel) << "";
        QTest::newRow("signer limited in one file, not in another")
            << good << int(SignerForKioskAndAny) << "";

        // A manifest whose keys a reviewer and a reader could take differently, signed. (The
        // images' "file", "length", ... in both "mcu" and "flash" are no duplicates: every
        // accepted row has them.)
        const QByteArray manifest = entryData(good, ManifestName);
        const auto signedManifest = [&](const QByteArray &from, const QByteArray &to) {
            QByteArray text = manifest;
            if (!text.contains(from)) qFatal("fixture: no %s in the manifest", from.constData());
            text.replace(from, to);
            return withEntry(withEntry(good, ManifestName, text), SignatureName,
                             Minisign_Sign(text, signer, "timestamp:0 file:manifest.json"));
        };
        QTest::newRow("top-level key twice")
            << signedManifest("\"models\": [", "\"models\": [\"KQ47\"], \"models\": [")
            << int(Signer) << "manifest.json: the manifest has the key \"models\" twice";
        QTest::newRow("nested key twice")
            << signedManifest("\"file\": \"mcu.bin\"", "\"file\": \"x.bin\", \"file\": \"mcu.bin\"")
            << int(Signer) << "the manifest has the key \"mcu.file\" twice";
        QTest::newRow("key twice, once spelt with an escape")
            << signedManifest("\"product\": \"panel\"",
                              "\"pr\\u006fduct\": \"kiosk\", \"product\": \"panel\"")
            << int(Signer) << "the manifest has the key \"product\" twice";

        // The archive.
        QTest::newRow("junk before it") << QByteArray("JUNK") + good << int(Signer)
                                        << "not a whole zip archive: 4 bytes before its directory";
        QTest::newRow("junk after it") << good + QByteArray(100, '\0') << int(Signer)
                                       << "not a whole zip archive: 100 bytes follow its end";
        QTest::newRow("another archive before it")
            << plain + good << int(Signer) << "not a whole zip archive";
        // Offsets moved to match the junk (as zip -A does): it still does not start with an
        // entry.
        QByteArray shifted = QByteArray(16, 'x') + good;
        const int end = shifted.lastIndexOf(QByteArray("PK\x05\x06", 4));
        const quint32 directory = qFromLittleEndian<quint32>(shifted.constData() + end + 16) + 16;
        qToLittleEndian(directory, shifted.data() + end + 16);
        QTest::newRow("junk before it, offsets adjusted")
            << shifted << int(Signer) << "not a whole zip archive: it does not start with an entry";
        QTest::newRow("truncated to half") << good.left(good.size() / 2) << int(Signer) << "zip";
        QTest::newRow("last byte cut") << good.chopped(1) << int(Signer) << "zip";
        QTest::newRow("not an archive")
            << QByteArray(5000, 'x') << int(NoKey) << "not a zip archive";
        QTest::newRow("empty file") << QByteArray() << int(NoKey) << "not a zip archive";
        QTest::newRow("\"..\" in a path")
            << withEntry(plain, "../mcu.bin", mcu) << int(NoKey) << "unsafe name";
        QTest::newRow("absolute path")
            << withEntry(plain, "/etc/mcu.bin", mcu) << int(NoKey) << "unsafe name";
        QTest::newRow("backslash path")
            << withEntry(plain, "..\\mcu.bin", mcu) << int(NoKey) << "unsafe name";
        QList<ZipEntry> twice = entriesOf(plain);
        twice.append({McuEntryName, mcu, true, -1});
        QTest::newRow("duplicate entry")
            << zipOf(twice) << int(NoKey) << "entry \"mcu.bin\" is in the archive twice";
        QList<ZipEntry> five = entriesOf(good);
        five.append({"a", "1", true, -1});
        QTest::newRow("five entries") << zipOf(five) << int(Signer) << "more than 4 entries";
        QTest::newRow("entry the manifest does not name")
            << withEntry(plain, "notes.txt", "x") << int(NoKey)
            << "the archive holds \"notes.txt\", which the manifest does not name";
        QTest::newRow("named image missing")
            << withEntry(plain, FlashEntryName, QByteArray()) << int(NoKey)
            << "the manifest names \"flash.bin\", which is not in the archive";
        QTest::newRow("no manifest") << withEntry(plain, ManifestName, QByteArray()) << int(NoKey)
                                     << "the archive holds no manifest.json";
        // Zip bombs: more bytes than declared, said by the archive or only found by reading.
        QTest::newRow("image entry larger than declared")
            << withEntry(plain, McuEntryName, QByteArray(8 << 20, '\0')) << int(NoKey)
            << "entry \"mcu.bin\" declares 8388608 bytes, more than the 30000 it may hold";
        QTest::newRow("manifest over 64 KiB")
            << withEntry(plain, ManifestName, QByteArray(ManifestMax + 1, ' ')) << int(NoKey)
            << "entry \"manifest.json\" declares 65537 bytes, more than the 65536";

        // The manifest.
        QTest::newRow("manifest not JSON") << withEntry(plain, ManifestName, "{\"format\": 1,")
                                           << int(NoKey) << "the manifest is not a JSON object";
        const auto edited = [&](const std::function<void(QJsonObject &)> &edit) {
            return withManifest(plain, edit);
        };
        QTest::newRow("unknown format")
            << edited([](QJsonObject &m) { m.insert("format", 2); }) << int(NoKey)
            << "unknown manifest format 2 (this Tessara reads format 1)";
        QTest::newRow("no format") << edited([](QJsonObject &m) { m.remove("format"); })
                                   << int(NoKey) << "the manifest has no format number";
        QTest::newRow("unknown model") << edited([](QJsonObject &m) {
            m.insert("models", QJsonArray{"KQ31B", "KQ99"});
        }) << int(NoKey) << "unknown chip model \"KQ99\" (known: KQ31A, KQ31B";
        QTest::newRow("no model") << edited([](QJsonObject &m) {
            m.insert("models", QJsonArray());
        }) << int(NoKey) << "\"models\" must list at least one chip model";
        QTest::newRow("misspelt constraint")
            << edited([](QJsonObject &m) { m.insert("min_boot_verison", "0x20"); }) << int(NoKey)
            << "the manifest has an unknown field \"min_boot_verison\"";
        QTest::newRow("boot version as a plain number")
            << edited([](QJsonObject &m) { m.insert("min_boot_version", 26); }) << int(NoKey)
            << "\"min_boot_version\" must be a hex number";
        QTest::newRow("boot setting 3")
            << edited([](QJsonObject &m) { m.insert("boot_setting", 3); }) << int(NoKey)
            << "\"boot_setting\" must be 0, 1 or 2";
        QTest::newRow("no image") << edited([](QJsonObject &m) {
            m.remove("mcu");
            m.remove("flash");
        }) << int(NoKey) << "the manifest names no image";
        QTest::newRow("image file named with \"..\"")
            << edited([](QJsonObject &m) { setImageField(m, "mcu", "file", "../mcu.bin"); })
            << int(NoKey) << "\"mcu\" needs a \"file\"";
        QTest::newRow("flash length beyond the largest flash") << edited([](QJsonObject &m) {
            setImageField(m, "flash", "length", double(BundleFlashMax + 1));
        }) << int(NoKey) << "\"flash\" needs a \"length\" from 1 to 134217728 bytes";
        QTest::newRow("MCU length beyond the largest MCU flash") << edited([](QJsonObject &m) {
            setImageField(m, "mcu", "length", double(Bundle_McuMax() + 1));
        }) << int(NoKey) << "\"mcu\" needs a \"length\" from 1 to 520192 bytes";
        QTest::newRow("empty image")
            << edited([](QJsonObject &m) { setImageField(m, "mcu", "length", 0); }) << int(NoKey)
            << "\"mcu\" needs a \"length\" from 1";
        QTest::newRow("length one more than the image")
            << edited([](QJsonObject &m) { setImageField(m, "mcu", "length", 30001); })
            << int(NoKey) << "the MCU image \"mcu.bin\" is 30000 bytes; the manifest says 30001";
        QTest::newRow("length one less than the image")
            << edited([](QJsonObject &m) { setImageField(m, "mcu", "length", 29999); })
            << int(NoKey) << "entry \"mcu.bin\" declares 30000 bytes, more than the 29999";
        QTest::newRow("CRC-32 differs")
            << edited([](QJsonObject &m) { setImageField(m, "flash", "crc32", "0x1"); })
            << int(NoKey) << "the flash image \"flash.bin\" has CRC-32";
        QTest::newRow("SHA-256 differs, CRC-32 right") << edited([](QJsonObject &m) {
            setImageField(m, "flash", "sha256", QString(64, QLatin1Char('0')));
        }) << int(NoKey) << "the flash image \"flash.bin\" has SHA-256";
    }

    void cases() {
        QFETCH(QByteArray, archive);
        QFETCH(int, trust);
        QFETCH(QString, refusal);
        const BundleCheck check = Check_Bundle(archive, keysFor(trust));
        if (refusal.isEmpty()) {
            QVERIFY2(check.accepted(), qPrintable(check.refusal));
            QVERIFY(check.bundle.mcu && check.bundle.flash);
        } else {
            QVERIFY2(check.refusal.contains(refusal), qPrintable(check.refusal));
            // Nothing of a refused bundle can be written.
            QVERIFY(!check.bundle.mcu && !check.bundle.flash);
        }
    }

    // A whole bundle hands out what was put in, with what a record needs.
    void acceptedBundleHoldsWhatWasMade() {
        const QByteArray archive = make(recipe(), &signer);
        const BundleCheck check = Check_Bundle(archive, keysFor(Signer));
        QVERIFY2(check.accepted(), qPrintable(check.refusal));
        QVERIFY(check.warning.isEmpty());
        const Bundle &b = check.bundle;
        QCOMPARE(b.fileSha256, QCryptographicHash::hash(archive, QCryptographicHash::Sha256));
        QCOMPARE(b.manifest.product, QStringLiteral("panel"));
        QCOMPARE(b.manifest.version, QStringLiteral("2.4"));
        const BundleConstraints &c = b.manifest.constraints;
        QCOMPARE(c.models, QStringList({"KQ31B", "KQ31C"}));
        QCOMPARE(c.minBootVersion, std::optional<uint32_t>(0x1a));
        QCOMPARE(c.flashIds, QList<uint32_t>({0xEF4018, 0xC84018}));
        QCOMPARE(c.bootSetting, std::optional<int>(1));
        QCOMPARE(b.signature.state, SignatureState::Trusted);
        QCOMPARE(b.signature.keyId, Minisign_KeyIdText(signer.keyId));
        QCOMPARE(b.signature.keySource, QStringLiteral("signer.pub"));
        QVERIFY(b.signature.trustedComment.contains("file:manifest.json"));
        for (const auto &[image, bytes] :
             {std::pair{b.mcu, mcuImage()}, std::pair{b.flash, flashImage()}}) {
            QVERIFY(image);
            QCOMPARE(image->bytes, bytes);
            QCOMPARE(image->length, bytes.size());
            QCOMPARE(image->crc, crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                            size_t(bytes.size())));
            QCOMPARE(image->sha256, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
        }

        // Unsigned with no key trusted: taken, with a warning for the operator.
        const BundleCheck plain = Check_Bundle(make(recipe(), nullptr), {});
        QVERIFY(plain.accepted());
        QCOMPARE(plain.bundle.signature.state, SignatureState::Unsigned);
        QVERIFY2(plain.warning.contains("not signed"), qPrintable(plain.warning));
    }

    // Only the optional fields given are written, and none is invented on reading.
    void optionalFieldsStayAbsent() {
        BundleRecipe r;
        r.product = QStringLiteral("p");
        r.version = QStringLiteral("1");
        r.constraints.models = QStringList{"KQ47"};
        r.flash = flashImage();
        const BundleCheck check = Check_Bundle(make(r, nullptr), {});
        QVERIFY2(check.accepted(), qPrintable(check.refusal));
        const BundleConstraints &c = check.bundle.manifest.constraints;
        QVERIFY(!c.minBootVersion && c.flashIds.isEmpty() && !c.bootSetting);
        QVERIFY(!check.bundle.mcu && check.bundle.flash);
        const QJsonObject m =
            QJsonDocument::fromJson(entryData(make(r, nullptr), ManifestName)).object();
        QCOMPARE(m.keys(), QStringList({"flash", "format", "models", "product", "version"}));
    }

    // A bomb whose archive records lie about its size is stopped by reading, at the limit.
    void lyingSizeStopsAtTheLimit() {
        QList<ZipEntry> entries;
        entries.append({"big", QByteArray(4 << 20, '\0'), true, -1});
        QByteArray archive = zipOf(entries);
        // Both records of the entry (local header and central directory) say 100 bytes.
        for (const auto &[signature, offset] :
             {std::pair{QByteArray("PK\x03\x04"), 22}, std::pair{QByteArray("PK\x01\x02"), 24}}) {
            const int at = archive.indexOf(signature);
            QVERIFY(at >= 0);
            for (int i = 0; i < 4; ++i)
                archive[at + offset + i] = char(i == 0 ? 100 : 0);
        }
        QList<ZipEntry> read;
        QString reason;
        QVERIFY(!Read_Zip(
            archive, 4, [](const QString &) { return qint64(100); }, read, reason));
        QVERIFY2(reason.contains("\"big\""), qPrintable(reason));
    }

    void bundleFiles() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.kqb");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = make(recipe(), nullptr);
        file.write(bytes);
        file.close();
        const BundleCheck check = Check_BundleFile(path, {});
        QVERIFY2(check.accepted(), qPrintable(check.refusal));
        QCOMPARE(check.bundle.path, path);
        QCOMPARE(check.bundle.fileSha256,
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));

        // Larger than any bundle can be: refused before it is read (a sparse file).
        QVERIFY(file.resize(Bundle_FileMax() + 1));
        QVERIFY(Check_BundleFile(path, {}).refusal.contains("more than the"));
        QVERIFY(Check_BundleFile(dir.path(), {}).refusal.contains("is not a file"));
        QVERIFY(Check_BundleFile(dir.filePath("none.kqb"), {}).refusal.contains("does not exist"));
    }

    void trustedKeys() {
        QTemporaryDir dir;
        const QString keys = dir.filePath("trusted-keys");
        QList<TrustedKey> loaded;
        QString reason;
        QVERIFY(Load_TrustedKeys(keys, {}, loaded, reason)); // no folder: no key
        QVERIFY(loaded.isEmpty());

        QVERIFY(QDir().mkpath(keys));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        QVERIFY(write(keys + "/signer.pub", Minisign_PublicKeyFile(Minisign_PublicOf(signer))));
        QVERIFY(write(keys + "/.signer.pub.swp", "editor leftovers"));
        QVERIFY(Load_TrustedKeys(keys, {}, loaded, reason));
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded[0].key.keyId, signer.keyId);
        QCOMPARE(loaded[0].source, keys + "/signer.pub");

        // The run's one call takes the folder and --trust together.
        const QString bundlePath = dir.filePath("p.kqb");
        QVERIFY(write(bundlePath, make(recipe(), &signer)));
        QVERIFY2(Load_Bundle(bundlePath, {}, keys).accepted(), qPrintable(reason));
        const QByteArray otherLine =
            Minisign_PublicKeyFile(Minisign_PublicOf(other)).split('\n')[1];
        QVERIFY(Load_TrustedKeys(keys, {QString::fromLatin1(otherLine)}, loaded, reason));
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(Load_Bundle(bundlePath, {}, dir.filePath("none")).refusal.contains("no key"),
                 true);

        // "product:" lines after the key limit it; one that names no product is refused.
        const QByteArray signerFile = Minisign_PublicKeyFile(Minisign_PublicOf(signer));
        QVERIFY(
            write(keys + "/signer.pub", signerFile + "product: kiosk\nproduct:  big panel \r\n"));
        QVERIFY(Load_TrustedKeys(keys, {}, loaded, reason));
        QCOMPARE(loaded[0].products, QStringList({"kiosk", "big panel"}));
        const QString limited = Load_Bundle(bundlePath, {}, keys).refusal;
        QVERIFY2(limited.contains("is trusted only for product kiosk, big panel"),
                 qPrintable(limited));
        QVERIFY(write(keys + "/signer.pub", signerFile + "product:\n"));
        QVERIFY(!Load_TrustedKeys(keys, {}, loaded, reason));
        QVERIFY2(reason.contains("signer.pub\": a \"product:\" line names no product"),
                 qPrintable(reason));
        QVERIFY(write(keys + "/signer.pub", signerFile));

        // A key file that is not one is never passed over: that would trust fewer keys.
        QVERIFY(write(keys + "/README", "trusted keys of the line"));
        QVERIFY(!Load_TrustedKeys(keys, {}, loaded, reason));
        QVERIFY2(reason.contains(keys + "/README") && reason.contains("not a minisign public key"),
                 qPrintable(reason));
        QVERIFY(QFile::remove(keys + "/README"));
        QVERIFY(QFile::link(keys + "/gone.pub", keys + "/dangling.pub"));
        QVERIFY(!Load_TrustedKeys(keys, {}, loaded, reason));
        QVERIFY2(reason.contains("dangling.pub"), qPrintable(reason));
        QVERIFY(QFile::remove(keys + "/dangling.pub"));
        QVERIFY(!Load_TrustedKeys(keys, {"missing.pub"}, loaded, reason));
        QVERIFY2(reason.contains("--trust \"missing.pub\": no such file"), qPrintable(reason));
        const BundleCheck refused = Load_Bundle(bundlePath, {"missing.pub"}, keys);
        QVERIFY(!refused.accepted() && !refused.bundle.mcu);
    }
};

QTEST_GUILESS_MAIN(BundleReaderTest)
#include "test_bundle_reader.moc"
