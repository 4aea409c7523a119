// tessara-cli bundle: keygen, create, show and verify as a release engineer and an operator run
// them, with the status and the reason of every refusal.
#include "bundle/key_files.h"
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An MCU image with its run address (bytes 4..7) in the MCU flash.
QByteArray mcuImage(int length) {
    QByteArray image(length, '\x33');
    image.replace(4, 4, QByteArray::fromHex("00a00008"));
    return image;
}

QString lastLine(const QString &text) {
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.constLast();
}

// Whether the build's trusted keys folder holds a key: the tests of "no key trusted" need none.
bool systemTrustsKeys() {
    return !QDir(Bundle_TrustedKeysDir()).entryList(QDir::Files).isEmpty();
}

} // namespace

class CliBundleTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    CliRun run(const QStringList &arguments) const { return Run_Cli(arguments, dir.path()); }

  private slots:
    void initTestCase() {
        QVERIFY(writeFile(path("app.bin"), mcuImage(30000)));
        QVERIFY(writeFile(path("big.bin"), mcuImage(60000)));
        QVERIFY(writeFile(path("empty.bin"), QByteArray()));
        QVERIFY(writeFile(path("twice.json"),
                          R"([{"name": "serial", "kind": "counter", "offset": "0x100", "width": 4,
                               "encoding": "u32le", "start": 1, "step": 1, "offset": "0x200"}])"));
        QVERIFY(writeFile(path("notes.pub"), "the release key is in the safe\n"));
        QVERIFY(writeFile(path("flash.bin"), QByteArray(200000, '\xFF') + QByteArray(1000, 'F')));
        QCOMPARE(run({"bundle", "keygen", "release"}).status, 0);
    }

    // The secret key is the owner's alone from its first moment, whatever the umask.
    void keygenWritesAKeyPair() {
        const mode_t previous = ::umask(0);
        const CliRun r = run({"bundle", "keygen", "line"});
        ::umask(previous);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        struct stat secret {};
        QCOMPARE(::stat(QFile::encodeName(path("line.key")).constData(), &secret), 0);
        QCOMPARE(secret.st_mode & 0777, mode_t(0600));
        QVERIFY(QFileInfo(path("line.pub")).isReadable());
        QVERIFY2(r.out.contains("key ID "), qPrintable(r.out));

        // Never over an existing key, and never half a pair.
        const QByteArray key = fileBytes(path("line.key"));
        CliRun again = run({"bundle", "keygen", "line"});
        QCOMPARE(again.status, 2);
        QVERIFY2(lastLine(again.err).contains("exists already"), qPrintable(again.err));
        QCOMPARE(fileBytes(path("line.key")), key);
        QVERIFY(writeFile(path("lonely.pub"), "a public key of another pair\n"));
        again = run({"bundle", "keygen", "lonely"});
        QCOMPARE(again.status, 2);
        QVERIFY(!QFile::exists(path("lonely.key")));
    }

    void releaseAndCheck() {
        CliRun r = run({"bundle",  "create",     "panel.kqb",  "--model",
                        "KQ31B",   "--model",    "KQ31C",      "--mcu",
                        "app.bin", "--flash",    "flash.bin",  "--min-boot-version",
                        "0x1a",    "--flash-id", "0xef4018",   "--product",
                        "Panel 7", "--version",  "2.4",        "--boot-setting",
                        "1",       "--sign",     "release.key"});
        QVERIFY2(r.status == 0, qPrintable(r.err));

        // Any zip tool lists it.
        QProcess unzip;
        unzip.setWorkingDirectory(dir.path());
        unzip.start("unzip", {"-l", "panel.kqb"});
        QVERIFY2(unzip.waitForFinished(10000) && unzip.exitCode() == 0,
                 "unzip -l (scripts/setup.sh installs unzip)");
        const QString listing = QString::fromLocal8Bit(unzip.readAllStandardOutput());
        for (const char *entry : {"manifest.json", "manifest.json.minisig", "mcu.bin", "flash.bin"})
            QVERIFY2(listing.contains(QRegularExpression(
                         QStringLiteral("\\s%1\\n")
                             .arg(QRegularExpression::escape(QLatin1String(entry))))),
                     qPrintable(listing));

        r = run({"bundle", "show", "panel.kqb", "--trust", "release.pub"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        for (const char *line :
             {"Product: Panel 7", "Version: 2.4", "Models: KQ31B, KQ31C", "Min boot version: 0x1a",
              "Flash IDs: 0xef4018", "Boot setting: 1",
              "MCU image: mcu.bin, 30000 bytes, CRC-32 0x",
              "Flash image: flash.bin, 201000 bytes, CRC-32 0x", "Signature: signed by key ID "})
            QVERIFY2(r.out.contains(QLatin1String(line)), line);
        QVERIFY(r.out.contains(", trusted (release.pub)"));

        r = run({"bundle", "verify", "panel.kqb", "--trust", "release.pub"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        r = run({"bundle", "verify", "panel.kqb", "--trust", "line.pub"});
        QCOMPARE(r.status, 2);
        QVERIFY2(lastLine(r.err).contains("which is not a trusted key"), qPrintable(r.err));
        // show tells what the bundle is, whoever signed it; verify is the one that judges.
        r = run({"bundle", "show", "panel.kqb", "--trust", "line.pub"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains("Product: Panel 7") && r.out.contains(", not trusted") &&
                     lastLine(r.out).contains("panel.kqb: whole, every image as its manifest "
                                              "says; not accepted here: it is signed by key ID"),
                 qPrintable(r.out));

        if (systemTrustsKeys()) QSKIP("the build's trusted keys folder holds keys");
        r = run({"bundle", "verify", "panel.kqb"});
        QCOMPARE(r.status, 2);
        QVERIFY2(lastLine(r.err).contains("no key is trusted here"), qPrintable(r.err));
    }

    void unsignedBundles() {
        QCOMPARE(run({"bundle", "create", "plain.kqb", "--model", "KQ47", "--flash", "flash.bin"})
                     .status,
                 0);
        CliRun r = run({"bundle", "verify", "plain.kqb", "--trust", "release.pub"});
        QCOMPARE(r.status, 2);
        QVERIFY2(lastLine(r.err).contains("it is not signed"), qPrintable(r.err));
        if (systemTrustsKeys()) QSKIP("the build's trusted keys folder holds keys");
        r = run({"bundle", "verify", "plain.kqb"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains("warning: plain.kqb: the bundle is not signed"), qPrintable(r.err));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason"); // in the last line on stderr

        const QStringList create{"bundle", "create", "out.kqb", "--model", "KQ31B"};
        QTest::newRow("no subcommand") << QStringList{"bundle"} << "bundle needs a subcommand";
        QTest::newRow("unknown subcommand")
            << QStringList{"bundle", "pack", "x"} << "unknown bundle subcommand \"pack\"";
        QTest::newRow("no file") << QStringList{"bundle", "create", "--model", "KQ31B"}
                                 << "usage: bundle create OUT.kqb";
        QTest::newRow("bundle after an option")
            << QStringList{"--quiet", "bundle", "verify", "x.kqb"} << "bundle comes first";
        QTest::newRow("no model") << QStringList{"bundle", "create", "out.kqb", "--mcu", "app.bin"}
                                  << "a bundle needs a chip model at least";
        QTest::newRow("no image") << create << "a bundle needs an image at least";
        QTest::newRow("image too large for one listed model")
            << create + QStringList{"--model", "KQ31A", "--mcu", "big.bin"}
            << "image of 60000 bytes exceeds the KQ31A's MCU flash of 59392 bytes";
        QTest::newRow("field with a key twice")
            << create + QStringList{"--flash", "flash.bin", "--fields", "twice.json"}
            << "twice.json: a field has the key \"offset\" twice";
        QTest::newRow("empty MCU image")
            << create + QStringList{"--mcu", "empty.bin"} << "MCU image of 0 bytes";
        QTest::newRow("empty flash image")
            << create + QStringList{"--flash", "empty.bin"} << "flash image of 0 bytes";
        QTest::newRow("image that does not exist")
            << create + QStringList{"--flash", "none.bin"} << "\"none.bin\" does not exist";
        QTest::newRow("boot setting 3")
            << create + QStringList{"--mcu", "app.bin", "--boot-setting", "3"}
            << "--boot-setting takes 0, 1 or 2, not \"3\"";
        QTest::newRow("flash ID not a number")
            << create + QStringList{"--flash", "flash.bin", "--flash-id", "ef4018h"}
            << "--flash-id takes a number such as 0xef4018";
        QTest::newRow("boot version not a number")
            << create + QStringList{"--mcu", "app.bin", "--min-boot-version", "0x"}
            << "--min-boot-version takes a number";
        QTest::newRow("signing with a public key")
            << create + QStringList{"--mcu", "app.bin", "--sign", "release.pub"}
            << "not a minisign secret key file";
        QTest::newRow("trust on create")
            << create + QStringList{"--mcu", "app.bin", "--trust", "release.pub"}
            << "--trust does not apply to bundle create";
        QTest::newRow("model on verify")
            << QStringList{"bundle", "verify", "x.kqb", "--model", "KQ47"}
            << "--model does not apply to bundle verify";
        QTest::newRow("trusted key that is not one")
            << QStringList{"bundle", "verify", "x.kqb", "--trust", "notes.pub"}
            << "trusted key \"notes.pub\": not a minisign public key";
        QTest::newRow("bundle that does not exist")
            << QStringList{"bundle", "show", "none.kqb"}
            << "none.kqb: refused: \"none.kqb\" does not exist";
    }

    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CliRun r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(lastLine(r.err).startsWith("tessara-cli: ") && lastLine(r.err).contains(reason),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.kqb"))); // a refused bundle is not written
    }

    // An existing file (a signed release, or a link planted in its place) is replaced only with
    // --force; a refusal leaves it as it was.
    void createReplacesOnlyWithForce() {
        const QStringList create{"bundle",  "create", "--model",     "KQ31B",    "--mcu",
                                 "app.bin", "--sign", "release.key", "--version"};
        QCOMPARE(run(create + QStringList{"2.4", "release.kqb"}).status, 0);
        const QByteArray signedRelease = fileBytes(path("release.kqb"));
        QVERIFY(QFile::link(path("elsewhere.kqb"), path("planted.kqb")));
        for (const char *name : {"release.kqb", "planted.kqb"}) {
            const CliRun r = run(create + QStringList{"2.5", name});
            QCOMPARE(r.status, 2);
            QCOMPARE(lastLine(r.err),
                     QStringLiteral("tessara-cli: \"%1\" exists already; it is left as it is "
                                    "(--force replaces it)")
                         .arg(name));
        }
        QCOMPARE(fileBytes(path("release.kqb")), signedRelease);
        QVERIFY(!QFile::exists(path("elsewhere.kqb")));

        QCOMPARE(run(create + QStringList{"2.5", "release.kqb", "--force"}).status, 0);
        const CliRun shown = run({"bundle", "show", "release.kqb", "--trust", "release.pub"});
        QVERIFY2(shown.out.contains("Version: 2.5"), qPrintable(shown.out));
        const CliRun misplaced = run({"bundle", "verify", "release.kqb", "--force"});
        QCOMPARE(misplaced.status, 2);
        QVERIFY(lastLine(misplaced.err).contains("--force does not apply to bundle verify"));
    }

    // One byte changed in the file: refused, and nothing of it shown as whole.
    void damagedFile() {
        QCOMPARE(
            run({"bundle", "create", "d.kqb", "--model", "KQ47", "--flash", "flash.bin"}).status,
            0);
        QByteArray bytes = fileBytes(path("d.kqb"));
        bytes[bytes.size() / 3] = char(bytes[bytes.size() / 3] ^ 0x10);
        QVERIFY(writeFile(path("d.kqb"), bytes));
        for (const char *command : {"verify", "show"}) {
            const CliRun r = run({"bundle", command, "d.kqb"});
            QCOMPARE(r.status, 2);
            QVERIFY2(lastLine(r.err).contains("d.kqb: refused: "), qPrintable(r.err));
            QVERIFY(!r.out.contains("whole"));
        }
        // What is not an archive at all has no signature state to show.
        QVERIFY(writeFile(path("notes.kqb"), "release notes\n"));
        const CliRun shown = run({"bundle", "show", "notes.kqb"});
        QCOMPARE(shown.status, 2);
        QVERIFY2(shown.out.startsWith("Bundle: ") && !shown.out.contains("Signature"),
                 qPrintable(shown.out));
    }

    void help() {
        CliRun r = run({"bundle", "--help"});
        QCOMPARE(r.status, 0);
        // A usage line per subcommand, each one that can be followed as it reads.
        QVERIFY2(r.out.startsWith("Usage: tessara-cli bundle create OUT.kqb --model MODEL... ") &&
                     r.out.contains("\n  or:  tessara-cli bundle keygen NAME\n") &&
                     r.out.contains("\n  or:  tessara-cli bundle show FILE [--trust PUBKEY]...\n"),
                 qPrintable(r.out));
        for (const char *text : {"create OUT.kqb", "keygen NAME", "show FILE", "verify FILE",
                                 "--trust <PUBKEY>", "--model <MODEL>", "KQ31A, KQ31B"})
            QVERIFY2(r.out.contains(QLatin1String(text)), text);
        r = run({"--help"});
        QVERIFY(r.out.contains("bundle SUBCOMMAND"));
    }
};

QTEST_GUILESS_MAIN(CliBundleTest)
#include "test_cli_bundle.moc"
