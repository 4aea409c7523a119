// config.ini: the read rules, the written format, and saving that never loses the old file.
#include "app/config_file.h"
#include "app/config_text.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lets no file in this process grow beyond `bytes` while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

  private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

const QByteArray exampleConfig =
    "EWHOLE:0\nNFLASH:1\nD:/images/app.bin\nD:/images/flash.bin\nBLSET:0\nWAITT:3\n";

} // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("TESSARA_SERIALCOMM", ""); }

    void parsesByLineNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("eraseWhole");
        QTest::addColumn<bool>("nandFlash");
        QTest::addColumn<QString>("mcuLine");
        QTest::addColumn<QString>("mcuPath");
        QTest::addColumn<int>("blSet");
        QTest::addColumn<int>("waitIndex");
        const QString head = "EWHOLE:0\nNFLASH:0\nm\nf\n";
        QTest::newRow("empty") << "" << 0 << false << false << ""
                               << "" << 0 << 0;
        QTest::newRow("example") << QString(exampleConfig) << 6 << false << true
                                 << "D:/images/app.bin"
                                 << "D:/images/app.bin" << 0 << 3;
        QTest::newRow("EWHOLE:10 checks") << "EWHOLE:10\n"
                                          << 1 << true << false << ""
                                          << "" << 0 << 0;
        QTest::newRow("EWHOLE:2 does not") << "EWHOLE:2\n"
                                           << 1 << false << false << ""
                                           << "" << 0 << 0;
        QTest::newRow("keys are not read") << "NFLASH:1\nEWHOLE:0\n"
                                           << 2 << true << false << ""
                                           << "" << 0 << 0;
        QTest::newRow("path trimmed") << "EWHOLE:0\nNFLASH:0\n C:/fw/a.bin \n"
                                      << 3 << false << false << " C:/fw/a.bin "
                                      << "C:/fw/a.bin" << 0 << 0;
        QTest::newRow("BLSET:1") << head + "BLSET:1\n"
                                 << 5 << false << false << "m"
                                 << "m" << 1 << 0;
        QTest::newRow("BLSET:2") << head + "BLSET:2\n"
                                 << 5 << false << false << "m"
                                 << "m" << 2 << 0;
        QTest::newRow("BLSET:21 gives 1") << head + "BLSET:21\n"
                                          << 5 << false << false << "m"
                                          << "m" << 1 << 0;
        QTest::newRow("BLSET:3 gives 0") << head + "BLSET:3\n"
                                         << 5 << false << false << "m"
                                         << "m" << 0 << 0;
        QTest::newRow("WAITT:7") << head + "BLSET:0\nWAITT:7\n"
                                 << 6 << false << false << "m"
                                 << "m" << 0 << 7;
        QTest::newRow("WAITT:12 gives 2") << head + "BLSET:0\nWAITT:12\n"
                                          << 6 << false << false << "m"
                                          << "m" << 0 << 2;
        QTest::newRow("WAITT:9 gives 0") << head + "BLSET:0\nWAITT:9\n"
                                         << 6 << false << false << "m"
                                         << "m" << 0 << 0;
        QTest::newRow("WAITT: gives 0") << head + "BLSET:0\nWAITT:\n"
                                        << 6 << false << false << "m"
                                        << "m" << 0 << 0;
        QTest::newRow("WAITT:8 is taken") << head + "BLSET:0\nWAITT:8\n"
                                          << 6 << false << false << "m"
                                          << "m" << 0 << 8;
        QTest::newRow("no final newline") << head + "BLSET:1\nWAITT:4" << 6 << false << false << "m"
                                          << "m" << 1 << 4;
        QTest::newRow("CR LF") << "EWHOLE:1\r\nNFLASH:1\r\n/a b.bin \r\nf\r\nBLSET:2\r\nWAITT:6\r\n"
                               << 6 << true << true << "/a b.bin "
                               << "/a b.bin" << 2 << 6;
        QTest::newRow("lines 7 and later ignored") << head + "BLSET:0\nWAITT:1\nWAITT:5\n1\n"
                                                   << 6 << false << false << "m"
                                                   << "m" << 0 << 1;
        QTest::newRow("empty path line") << "EWHOLE:1\nNFLASH:0\n\n"
                                         << 3 << true << false << ""
                                         << "" << 0 << 0;
    }

    void parsesByLineNumber() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(bool, eraseWhole);
        QFETCH(bool, nandFlash);
        QFETCH(QString, mcuLine);
        QFETCH(QString, mcuPath);
        QFETCH(int, blSet);
        QFETCH(int, waitIndex);
        const ConfigRead read = Parse_Config(text);
        QCOMPARE(read.linesRead, lines);
        QCOMPARE(read.values.eraseWhole, eraseWhole);
        QCOMPARE(read.values.nandFlash, nandFlash);
        QCOMPARE(read.mcuPathLine, mcuLine);
        QCOMPARE(read.values.mcuFilePath, mcuPath);
        QCOMPARE(read.values.blSet, blSet);
        QCOMPARE(read.values.waitIndex, waitIndex);
    }

    void formatsSixKeyedLines_data() {
        QTest::addColumn<int>("waitIndex");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("3") << 3 << "WAITT:3";
        QTest::newRow("7") << 7 << "WAITT:7";
        QTest::newRow("8 is no item") << 8 << "WAITT:0";
        QTest::newRow("-1 no current item") << -1 << "WAITT:0";
    }

    void formatsSixKeyedLines() {
        QFETCH(int, waitIndex);
        QFETCH(QString, lastLine);
        ConfigValues v;
        v.eraseWhole = true;
        v.nandFlash = false;
        v.mcuFilePath = "D:/images/%1 app.bin"; // a placeholder-like path stays as it is
        v.flashCodePath = "D:/images/flash.bin";
        v.blSet = 2;
        v.waitIndex = waitIndex;
        QCOMPARE(Format_Config(v), "EWHOLE:1\nNFLASH:0\nD:/images/%1 app.bin\n"
                                   "D:/images/flash.bin\nBLSET:2\n" +
                                       lastLine + "\n");
        // What is written reads back the same.
        const ConfigRead back = Parse_Config(Format_Config(v));
        QCOMPARE(back.linesRead, 6);
        QCOMPARE(back.values.mcuFilePath, v.mcuFilePath);
        QCOMPARE(back.values.blSet, 2);
    }

    // The file is read by line number: a path with a line break in it would shift every
    // setting after it. It is written as "./" instead, and the rest stays in place.
    void pathsThatWouldBreakTheirLine_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("line feed") << "D:/a\nBLSET:2";
        QTest::newRow("carriage return") << "D:/a\rb.bin";
        QTest::newRow("both") << "x\r\n";
    }
    void pathsThatWouldBreakTheirLine() {
        QFETCH(QString, path);
        ConfigValues v;
        v.mcuFilePath = path;
        v.flashCodePath = path;
        v.blSet = 1;
        v.waitIndex = 4;
        QCOMPARE(Format_Config(v), QString("EWHOLE:0\nNFLASH:0\n./\n./\nBLSET:1\nWAITT:4\n"));

        // The window saves what its dialog chose.
        WindowRig rig;
        MainWindow &w = rig.start();
        w.chooseFile = [&](const QString &, const QString &, const QString &) { return path; };
        QTest::mouseClick(rig.child<QPushButton>("pushButton_InputMCUCode"), Qt::LeftButton);
        QCOMPARE(w.choices().mcuFilePath, path);
        rig.stop();
        const ConfigRead back =
            Parse_Config(QString::fromUtf8(readFile(rig.dir.filePath("config.ini"))));
        QCOMPARE(back.linesRead, 6);
        QCOMPARE(back.values.mcuFilePath, QString("./"));
        QCOMPARE(back.values.waitIndex, 0);
    }

    void windowAppliesTheFile_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<bool>("eraseWhole");
        QTest::addColumn<bool>("nandFlash");
        QTest::addColumn<QString>("mcuShown");
        QTest::addColumn<QString>("mcuPath");
        QTest::addColumn<QString>("flashShown");
        QTest::addColumn<QString>("flashPath");
        QTest::addColumn<int>("blSet");
        QTest::addColumn<int>("waitIndex");
        QTest::newRow("example") << exampleConfig << false << true << "D:/images/app.bin"
                                 << "D:/images/app.bin"
                                 << "D:/images/flash.bin"
                                 << "D:/images/flash.bin" << 0 << 3;
        QTest::newRow("CR LF") << QByteArray("EWHOLE:1\r\nNFLASH:0\r\n C:/fw/a.bin \r\n"
                                             "/f.bin\r\nBLSET:1\r\nWAITT:7\r\n")
                               << true << false << " C:/fw/a.bin "
                               << "C:/fw/a.bin"
                               << "/f.bin"
                               << "/f.bin" << 1 << 7;
        QTest::newRow("WAITT:8 leaves no current item")
            << QByteArray("EWHOLE:0\nNFLASH:0\na\nb\nBLSET:0\nWAITT:8\n") << false << false << "a"
            << "a"
            << "b"
            << "b" << 0 << -1;
        QTest::newRow("short file applies its lines only")
            << QByteArray("EWHOLE:1\nNFLASH:1\n/m.bin\n") << true << true << "/m.bin"
            << "/m.bin"
            << ""
            << "./" << 0 << 0;
        QTest::newRow("empty file") << QByteArray("") << false << false << ""
                                    << "./"
                                    << ""
                                    << "./" << 0 << 0;
    }

    void windowAppliesTheFile() {
        QFETCH(QByteArray, config);
        QFETCH(bool, eraseWhole);
        QFETCH(bool, nandFlash);
        QFETCH(QString, mcuShown);
        QFETCH(QString, mcuPath);
        QFETCH(QString, flashShown);
        QFETCH(QString, flashPath);
        QFETCH(int, blSet);
        QFETCH(int, waitIndex);
        WindowRig rig;
        MainWindow &w = rig.start(config);
        QCOMPARE(rig.log(), QStringList{"BL_SET = " + QString::number(blSet)});
        QCOMPARE(rig.child<QCheckBox>("checkBox_EraseWhole")->isChecked(), eraseWhole);
        QCOMPARE(rig.child<QCheckBox>("checkBox_NandFlash")->isChecked(), nandFlash);
        QCOMPARE(rig.child<QLineEdit>("lineEdit_MCU")->text(), mcuShown);
        QCOMPARE(w.choices().mcuFilePath, mcuPath);
        QCOMPARE(rig.child<QLineEdit>("lineEdit_Flash")->text(), flashShown);
        QCOMPARE(w.choices().flashCodePath, flashPath);
        QCOMPARE(w.choices().blSet, blSet);
        QCOMPARE(rig.child<QComboBox>("comboBox_WaitTime")->currentIndex(), waitIndex);
        QCOMPARE(w.choices().waitTime, waitIndex);
    }

    void savesAtExitWhatTheWindowHolds() {
        WindowRig rig;
        MainWindow &w = rig.start("EWHOLE:0\nNFLASH:0\n C:/fw/a.bin \n/f.bin\nBLSET:21\n"
                                  "WAITT:8\nline seven\n");
        rig.child<QCheckBox>("checkBox_EraseWhole")->setChecked(true);
        rig.stop();
        // Trimmed path, blSet as read, no current wait item -> 0, line 7 gone.
        QCOMPARE(readFile(rig.dir.filePath("config.ini")),
                 QByteArray("EWHOLE:1\nNFLASH:0\nC:/fw/a.bin\n/f.bin\nBLSET:1\nWAITT:0\n"));
        QVERIFY(rig.boxes.boxes.isEmpty());
        Q_UNUSED(w);
    }

    void saveLogsTheFullPath() {
        WindowRig rig;
        MainWindow &w = rig.start(exampleConfig);
        w.Save_Config();
        QCOMPARE(rig.log().last(), QDir::currentPath() + "/config.ini");
        QCOMPARE(readFile(rig.dir.filePath("config.ini")), exampleConfig);
    }

    void unwritableFileShowsTheBox() {
        WindowRig rig;
        MainWindow &w = rig.start(exampleConfig);
        // A directory in the file's place cannot be written, whoever runs the test.
        QVERIFY(QFile::remove(rig.dir.filePath("config.ini")));
        QVERIFY(QDir(rig.dir.path()).mkdir("config.ini"));
        w.Save_Config();
        QCOMPARE(rig.boxes.texts(), QStringList{QString::fromUtf8("打开文件失败")});
        QCOMPARE(rig.boxes.boxes[0].title, QString("Message"));
        QVERIFY(QFileInfo(rig.dir.filePath("config.ini")).isDir());
    }

    void writeFailingPartWayKeepsTheOldFile() {
        WindowRig rig;
        MainWindow &w = rig.start(exampleConfig);
        rig.child<QCheckBox>("checkBox_EraseWhole")->setChecked(true);
        {
            const FileSizeLimit limit(10); // the new text is longer than this
            w.Save_Config();
        }
        QCOMPARE(rig.boxes.texts(), QStringList{QString::fromUtf8("打开文件失败")});
        QCOMPARE(readFile(rig.dir.filePath("config.ini")), exampleConfig);
        // No half-written temporary file is left beside it.
        QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files), QStringList{"config.ini"});
    }

    void readIsBounded() {
        ScopedCurrentDir dir;
        // A huge first line is cut rather than read whole; the rules still apply.
        QByteArray huge = "EWHOLE:1\n" + QByteArray(1 << 20, 'x');
        const QString path = dir.write("config.ini", huge);
        QString text;
        QVERIFY(Read_ConfigText(path, &text));
        QVERIFY(text.size() < huge.size());
        QCOMPARE(Parse_Config(text).values.eraseWhole, true);
        QVERIFY(!Read_ConfigText(dir.filePath("missing.ini"), &text));
    }
};

QTEST_MAIN(AppSettingsTest)
#include "test_app_settings.moc"
