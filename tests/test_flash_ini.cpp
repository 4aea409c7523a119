// Flash.ini: the field rules, the worked lines, lookups through real files, and the shipped
// database itself.
#include "flash/flash_id.h"
#include "flash/flash_ini.h"
#include "flash/flash_ini_search.h"
#include "support/recording_observer.h"
#include "support/scoped_current_dir.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {
constexpr uint32_t Id = 0x123456;
} // namespace

class FlashIni : public QObject {
    Q_OBJECT

  private slots:
    void hexFields_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<uint>("value");
        QTest::newRow("prefix alone") << QByteArray("0x") << 0u;
        QTest::newRow("one digit") << QByteArray("0x7") << 7u;
        QTest::newRow("eight digits") << QByteArray("0xFFFFFFFF") << 0xFFFFFFFFu;
        QTest::newRow("nine digits") << QByteArray("0x123456789") << 0u;
        QTest::newRow("upper prefix, mixed case") << QByteArray("0X1a") << 0x1Au;
        QTest::newRow("mixed case digits") << QByteArray("0xaBcD") << 0xABCDu;
        QTest::newRow("first char unread") << QByteArray("5x12") << 0x12u;
        QTest::newRow("x inside counts as 0") << QByteArray("0x1x5") << 0x105u;
    }
    void hexFields() {
        QFETCH(QByteArray, text);
        QFETCH(uint, value);
        QCOMPARE(Hex_ToInt(text.constData(), text.size()), uint32_t(value));
    }

    void lines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("matches");
        QTest::addColumn<qulonglong>("capacity");
        QTest::addColumn<QString>("name");
        const QString longName(400, 'N');
        // The worked lines.
        QTest::newRow("plain") << "0x123456,4096,256,NOR1M," << true << 1048576ull << "NOR1M";
        QTest::newRow("no comma after name")
            << "0x123456,4096,256,NOR1M" << true << 1048576ull << "";
        QTest::newRow("spaces dropped")
            << "0x12 3456 , 4096 , 256 , Part One ," << true << 1048576ull << "PartOne";
        QTest::newRow("hex factors") << "0X123456,0x1000,0x100,N," << true << 1048576ull << "N";
        // Field conversions.
        QTest::newRow("decimal id") << "1193046,1,2,D," << true << 2ull << "D";
        QTest::newRow("leading-zero hex id") << "0x00123456,1,1,Z," << true << 1ull << "Z";
        QTest::newRow("decimal with letter is 0") << "0x123456,12ab,256,N," << true << 0ull << "N";
        QTest::newRow("1x5 is hex 5") << "0x123456,1x5,4,N," << true << 20ull << "N";
        QTest::newRow("decimal overflow is 0")
            << "0x123456,99999999999,2,N," << true << 0ull << "N";
        QTest::newRow("fields after the fourth ignored")
            << "0x123456,1,2,A,B,C," << true << 2ull << "A";
        QTest::newRow("latin-1 high bytes dropped")
            << QString::fromUtf8("0x123456,1,1,Caf\u00e9,") << true << 1ull << "Caf";
        QTest::newRow("outside latin-1 becomes ?")
            << QString::fromUtf8("0x123456,1,1,Eur\u20ac,") << true << 1ull << "Eur?";
        // What the file leaves open.
        QTest::newRow("id only") << "0x123456," << true << 0ull << "";
        QTest::newRow("one factor") << "0x123456,4096,,N," << true << 0ull << "N";
        QTest::newRow("one factor, line ends") << "0x123456,4096," << true << 0ull << "";
        QTest::newRow("2 GiB stays positive")
            << "0x123456,65536,32768,BIG," << true << 2147483648ull << "BIG";
        QTest::newRow("largest factors do not wrap")
            << "0x123456,0xFFFFFFFF,0xFFFFFFFF,X," << true << 0xFFFFFFFE00000001ull << "X";
        QTest::newRow("long name cut to the buffer")
            << "0x123456,1,1," + longName + "," << true << 1ull << QString(FlashIniFieldMax, 'N');
        // Lines that do not match.
        QTest::newRow("other id") << "0x123457,4096,256,N," << false << 0ull << "";
        QTest::newRow("id without comma") << "0x123456" << false << 0ull << "";
        QTest::newRow("prefix alone is 0") << "0x,4096,256,N," << false << 0ull << "";
        QTest::newRow("nine digit id is 0") << "0x000123456,1,1,N," << false << 0ull << "";
        QTest::newRow("overlong id field")
            << "0x" + QString(300, '0') + "123456,1,1,N," << false << 0ull << "";
        QTest::newRow("empty") << "" << false << 0ull << "";
    }
    void lines() {
        QFETCH(QString, line);
        QFETCH(bool, matches);
        QFETCH(qulonglong, capacity);
        QFETCH(QString, name);
        FlashPart part{77, QStringLiteral("before")};
        QCOMPARE(Parse_FlashIniLine(line, Id, part), matches);
        if (matches) {
            QCOMPARE(part.capacity, uint64_t(capacity));
            QCOMPARE(part.name, name);
        } else {
            QCOMPARE(part.capacity, uint64_t(77));
            QCOMPARE(part.name, QStringLiteral("before"));
        }
    }

    void flashSizes_data() {
        QTest::addColumn<qulonglong>("capacity");
        QTest::addColumn<int>("size");
        QTest::newRow("none") << 0ull << 0;
        QTest::newRow("32 MiB") << 0x2000000ull << 0x2000000;
        QTest::newRow("largest signed") << 0x7FFFFFFFull << 0x7FFFFFFF;
        QTest::newRow("2 GiB") << 0x80000000ull << 0x7FFFFFFF;
        QTest::newRow("wraps to 0 in 32 bits") << 0x100000000ull << 0x7FFFFFFF;
    }
    void flashSizes() {
        QFETCH(qulonglong, capacity);
        QFETCH(int, size);
        QCOMPARE(Flash_SizeOf(capacity), int32_t(size));
    }

    void fileSearch() {
        QString text = QStringLiteral("[FLASH]\n"
                                      "[FLASH]0x123456,1,1,Header,\n"
                                      "0x111111,1,1,Other,\n"
                                      "0x123456,4096,256,First,\r\n"
                                      "0x123456,8192,256,Second,\n");
        QTextStream in(&text);
        FlashPart part;
        QVERIFY(Find_FlashPart(in, Id, part));
        QCOMPARE(part.name, QStringLiteral("First"));
        QCOMPARE(part.capacity, uint64_t(1048576));

        QString none = QStringLiteral("[FLASH]\n0x111111,1,1,Other,\n");
        QTextStream noneIn(&none);
        QVERIFY(!Find_FlashPart(noneIn, Id, part));
    }

    void lookupFollowsCurrentDirectory() {
        ScopedCurrentDir dir;
        RecordingObserver ui;

        // Not here: no match (in no list, whatever the places further down the search hold),
        // the ID still shown.
        FlashPartFacts part = Read_FlashIni(ui, QString(), 0x5A5A5A);
        QVERIFY(!part.listed);
        QCOMPARE(part.capacity, 0u);
        QVERIFY(part.name.isEmpty());
        QCOMPARE(ui.flashId, QStringLiteral("0x5a5a5a"));
        QCOMPARE(ui.flashSize, QStringLiteral("0"));
        QVERIFY(ui.flashName.isEmpty());

        dir.write("Flash.ini", "[FLASH]\n0xC84018,4096,4096,GD25Q128C,\n"
                               "0xABCDEF,65536,65536,HUGE,\n");
        part = Read_FlashIni(ui, QString(), 0xC84018);
        QVERIFY(part.listed);
        QCOMPARE(Flash_SizeOf(part.capacity), 16 * 1024 * 1024);
        QCOMPARE(part.name, QStringLiteral("GD25Q128C"));
        QCOMPARE(ui.flashSize, QStringLiteral("16777216"));
        QCOMPARE(ui.flashName, QStringLiteral("GD25Q128C"));

        // A 4 GiB part: the size saturates, the line edit shows the real capacity.
        part = Read_FlashIni(ui, QString(), 0xABCDEF);
        QVERIFY(part.listed);
        QCOMPARE(Flash_SizeOf(part.capacity), 0x7FFFFFFF);
        QCOMPARE(ui.flashSize, QStringLiteral("4294967296"));

        // The file is read afresh on every lookup.
        dir.write("Flash.ini", "0xC84018,4096,2048,Changed,\n");
        QCOMPARE(Read_FlashIni(ui, QString(), 0xC84018).name, QStringLiteral("Changed"));
    }

    // The first of the five places that has a Flash.ini wins; a place without one is passed over.
    void searchOrder_data() {
        QTest::addColumn<QString>("present"); // the places that have one: c u r s p
        QTest::addColumn<QString>("found");   // the place expected, or "" for none
        const auto row = [](const char *name, const char *present, const char *found) {
            QTest::newRow(name) << QString(present) << QString(found);
        };
        row("none", "", "");
        row("all: the chosen file", "cursp", "c");
        row("current directory before the rest", "ursp", "u");
        row("user folder before system and program", "rsp", "r");
        row("system folder before the program", "sp", "s");
        row("beside the program, last", "p", "p");
        row("chosen file missing: the next place", "rp", "r");
    }
    void searchOrder() {
        QFETCH(QString, present);
        QFETCH(QString, found);
        QTemporaryDir root;
        const QString places = QStringLiteral("cursp");
        QStringList files;
        for (const QChar place : places) {
            QDir(root.path()).mkdir(place);
            files.append(root.filePath(QString(place) + QStringLiteral("/Flash.ini")));
            if (present.contains(place)) QVERIFY(QFile(files.last()).open(QIODevice::WriteOnly));
        }
        FlashIniPlaces search;
        search.chosen = files[0];
        search.currentDir = root.filePath("u");
        search.userDir = root.filePath("r");
        search.systemDir = root.filePath("s");
        search.programDir = root.filePath("p");
        QCOMPARE(Flash_IniCandidates(search), files);
        QCOMPARE(Flash_IniPath(search), found.isEmpty() ? QString() : files[places.indexOf(found)]);
    }

    void userConfigDir_data() {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("dir");
        const auto row = [](const char *name, const char *xdg, const char *home, const char *dir) {
            QTest::newRow(name) << QString(xdg) << QString(home) << QString(dir);
        };
        row("XDG_CONFIG_HOME", "/cfg", "/home/op", "/cfg/tessara");
        row("unset: ~/.config", "", "/home/op", "/home/op/.config/tessara");
        row("relative: ignored", "cfg", "/home/op", "/home/op/.config/tessara");
        row("neither known", "", "", "");
    }
    void userConfigDir() {
        QFETCH(QString, xdg);
        QFETCH(QString, home);
        QFETCH(QString, dir);
        QCOMPARE(User_ConfigDir(xdg, home), dir);
        FlashIniPlaces places;
        places.userDir = User_ConfigDir(xdg, home);
        QCOMPARE(Flash_IniCandidates(places).size(),
                 dir.isEmpty() ? 0 : 1); // an unknown place is skipped
    }

    // A Flash.ini in the way that cannot be read is reported, and the search does not go on.
    void unreadableFlashIniIsReported_data() {
        QTest::addColumn<QString>("chosen"); // empty: a Flash.ini folder in the current directory
        QTest::addColumn<qint64>("size");    // of a file written as the chosen one
        QTest::addColumn<QString>("reason");
        QTest::newRow("directory") << QString() << qint64(0) << "it is a directory";
        QTest::newRow("device") << "/dev/zero" << qint64(0) << "it is not a regular file";
        QTest::newRow("too large")
            << "big.ini" << FlashIniMaxBytes + 1 << "it is larger than 1048576 bytes";
    }
    void unreadableFlashIniIsReported() {
        QFETCH(QString, chosen);
        QFETCH(qint64, size);
        QFETCH(QString, reason);
        ScopedCurrentDir dir;
        RecordingObserver ui;
        if (chosen.isEmpty()) QVERIFY(QDir(dir.path()).mkdir("Flash.ini"));
        if (size > 0) chosen = dir.write(chosen, QByteArray(int(size), ','));
        const QString path = chosen.isEmpty() ? dir.filePath("Flash.ini") : chosen;
        // Listed beside the program of a build tree, and in /etc/tessara.
        QVERIFY(!Read_FlashIni(ui, chosen, 0xEF4018).listed);
        QCOMPARE(ui.log, QStringList{"Cannot read Flash.ini \"" + path + "\": " + reason});
        QCOMPARE(ui.flashSize, QStringLiteral("0"));
    }

    // The operator's file comes first, and only while it exists.
    void chosenFileComesFirst() {
        ScopedCurrentDir dir;
        dir.write("Flash.ini", "0xC84018,4096,4096,FromCurrentDir,\n");
        QTemporaryDir other;
        RecordingObserver ui;
        const QString chosenPath = other.filePath("Flash.ini");
        QCOMPARE(Read_FlashIni(ui, chosenPath, 0xC84018).name, QStringLiteral("FromCurrentDir"));
        QFile chosen(chosenPath);
        QVERIFY(chosen.open(QIODevice::WriteOnly));
        chosen.write("0xC84018,4096,4096,Chosen,\n");
        chosen.close();
        QCOMPARE(Read_FlashIni(ui, chosenPath, 0xC84018).name, QStringLiteral("Chosen"));
    }

    void closedPortAsksTwice() {
        SerialLink link;
        RecordingObserver ui;
        DeviceSession s(link, ui);
        QCOMPARE(Get_FlashID(s, 0, QString()).kind(), FailureKind::InputUnusable);
        ui.messages.clear();
        QCOMPARE(Identify_FlashPart(s, QString()).reason(), QStringLiteral("the port is not open"));
        QCOMPARE(ui.messages, QStringList({"Please open the port!", "Please open the port!"}));
    }

    // Every record of the shipped database is found by its ID, with a whole capacity and a name.
    void shippedDatabase() {
        const QString path = QStringLiteral(TESSARA_SOURCE_DIR "/data/Flash.ini");
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
        const QString text = QString::fromLatin1(file.readAll());
        QSet<uint> ids;
        int records = 0;
        for (const QString &line : text.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith("[FLASH]")) continue;
            ++records;
            QVERIFY2(line.endsWith(','), qPrintable(line));
            const uint id = line.section(',', 0, 0).toUInt(nullptr, 16);
            QVERIFY2(!ids.contains(id), qPrintable(line));
            ids.insert(id);
            QString all = text;
            QTextStream in(&all);
            FlashPart part;
            QVERIFY2(Find_FlashPart(in, id, part), qPrintable(line));
            QCOMPARE(part.name, line.section(',', 3, 3));
            QVERIFY2(part.capacity >= 1024 * 1024 && part.capacity < 0x80000000ull &&
                         (part.capacity & (part.capacity - 1)) == 0,
                     qPrintable(line));
        }
        QVERIFY(records >= 40);
        const struct {
            uint id;
            uint64_t capacity;
            const char *name;
        } known[] = {{0xEF4018, 0x1000000, "W25Q128JV"},
                     {0xC22019, 0x2000000, "MX25L25645G"},
                     {0xC84017, 0x800000, "GD25Q64C"},
                     {0xEFAA21, 0x8000000, "W25N01GV"}};
        for (const auto &k : known) {
            QString all = text;
            QTextStream in(&all);
            FlashPart part;
            QVERIFY(Find_FlashPart(in, k.id, part));
            QCOMPARE(part.capacity, k.capacity);
            QCOMPARE(part.name, QString::fromLatin1(k.name));
        }
    }
};

QTEST_GUILESS_MAIN(FlashIni)
#include "test_flash_ini.moc"
