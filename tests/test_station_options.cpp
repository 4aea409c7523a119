// tessara-station's command line: the recipe's bundle given by position or by --bundle, the
// shift and the scanning of board serials, and what is refused before any window or port.
#include "bundle/bundle_manifest.h"
#include "bundle/bundle_reader.h"
#include "cli/cli_options.h"
#include "line/line_options.h"
#include "mcu/mcu_image.h"
#include "protocol/chip_table.h"
#include "serial/port_open_failure.h"
#include "station/operator_words.h"
#include "station/refusal_words.h"
#include "station/station_ledger.h"
#include "station/station_options.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <functional>

namespace {

// station.conf in `dir`, holding `conf`; empty when it could not be written.
QString writeConf(const QTemporaryDir &dir, const QByteArray &conf) {
    QFile file(dir.filePath("station.conf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(conf) != conf.size()) return QString();
    return file.fileName();
}

// What `words` says with the station's Chinese translation installed; empty when it is missing.
QString inChinese(const std::function<QString()> &words) {
    QTranslator zh;
    if (!zh.load(QLocale("zh_CN"), "tessara-station", "_", TESSARA_STATION_QM_DIR))
        return QString();
    QCoreApplication::installTranslator(&zh);
    const QString said = words();
    QCoreApplication::removeTranslator(&zh);
    return said;
}

} // namespace

class StationOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void bundleAndHelp_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome"); // "bundle PATH", "help", or the reason

        QTest::newRow("bundle by position") << QStringList{"panel.kqb"} << "bundle panel.kqb";
        QTest::newRow("bundle option, any name")
            << QStringList{"check-mcu", "--bundle", "release-2.4"} << "bundle release-2.4";
        QTest::newRow("bundle option, then a trusted key")
            << QStringList{"--bundle", "panel.kqb", "--trust", "line.pub"} << "bundle panel.kqb";
        QTest::newRow("two bundles")
            << QStringList{"a.kqb", "--bundle", "b.kqb"} << "one bundle: a.kqb and b.kqb";
        QTest::newRow("bundle option without a file")
            << QStringList{"--bundle", ""} << "--bundle needs a file name";
        QTest::newRow("bundle option at the end")
            << QStringList{"--bundle"} << "--bundle needs a value";
        QTest::newRow("bundle and raw images")
            << QStringList{"--bundle", "a.kqb", "--mcu", "app.bin"}
            << "a bundle or --mcu and --flash, not both";
        QTest::newRow("-h") << QStringList{"-h"} << "help";
        QTest::newRow("help before an unknown option")
            << QStringList{"--help", "--nothing"} << "help";
    }
    void bundleAndHelp() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        const QString got = parsed.help      ? QStringLiteral("help")
                            : parsed.options ? "bundle " + parsed.options->bundlePath
                                             : parsed.error;
        QCOMPARE(got, outcome);
    }

    // station.conf as tessara-cli --watch reads it: the line's options are the window's too;
    // what makes no sense in a window is refused by name, with the file and line it came from.
    void lineOptions_data() {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QStringList>("arguments"); // after --config CONF
        QTest::addColumn<QString>("outcome");       // the line's options taken, or the reason

        const QByteArray line = "--all --watch\n"
                                "--mqtt=mqtt://127.0.0.1:1884/line1\n"
                                "# the station's name in the topics and the records\n"
                                "--station bench-3 --mqtt-drain 7\n"
                                "--before-board 'true --a' --after-board true --hook-timeout 20\n";
        QTest::newRow("the line's options")
            << line << QStringList{}
            << "mqtt://127.0.0.1:1884/line1 bench-3 7000 | true --a | true 20000";
        QTest::newRow("--json in the file")
            << line + "--json\n"
            << QStringList{}
            << "CONF:6: --json is not for the window: the window sends the events to the line "
               "with --mqtt, not to stdout";
        QTest::newRow("--port on the command line")
            << line << QStringList{"--port", "/dev/ttyACM0"}
            << "--port is not for the window: the window watches every chip port; --slots "
               "names them";
        QTest::newRow("a flag given a value")
            << QByteArray("--manual=yes\n") << QStringList{} << "CONF:1: --manual takes no value";
        QTest::newRow("hook that cannot be run")
            << QByteArray("\n--after-board ./no-such-hook\n") << QStringList{}
            << "CONF:2: --after-board \"./no-such-hook\": ";
        QTest::newRow("drain out of range")
            << QByteArray("--mqtt mqtt://h --mqtt-drain 601\n") << QStringList{}
            << "CONF:1: --mqtt-drain takes a whole number from 0 to 600, not \"601\"";
        QTest::newRow("not an MQTT URL") << QByteArray("--mqtt http://h\n") << QStringList{}
                                         << "CONF:1: --mqtt takes mqtt://HOST";
        QTest::newRow("password file without a broker")
            << QByteArray("--mqtt-auth pw\n") << QStringList{} << "--mqtt-auth applies to --mqtt";
        QTest::newRow("a station that is no topic level")
            << QByteArray("--mqtt mqtt://h --station a/b\n") << QStringList{}
            << "--station \"a/b\": a station's name cannot hold /, +, # or control characters, "
               "nor be empty";
        QTest::newRow("any station name without a broker")
            << QByteArray("--station a/b\n") << QStringList{} << " a/b 5000 |  |  10000";
    }
    void lineOptions() {
        QFETCH(QByteArray, conf);
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        const QString path = writeConf(dir, conf);
        QVERIFY(!path.isEmpty());
        const ParsedStationOptions parsed =
            Parse_StationOptions(QStringList{"--config", path, "--mcu", "a.bin", "--flash", "f.bin",
                                             "--model", "KQ31B"} +
                                 arguments);
        if (!parsed.options) {
            QVERIFY2(parsed.error.startsWith(QString(outcome).replace("CONF", path)),
                     qPrintable(parsed.error));
            return;
        }
        const LineOptions &o = parsed.options->line;
        QCOMPARE(QStringLiteral("%1 %2 %3 | %4 | %5 %6")
                     .arg(o.mqtt, o.station)
                     .arg(o.mqttDrainMs)
                     .arg(o.beforeBoard, o.afterBoard)
                     .arg(o.hookTimeoutMs),
                 outcome);
        QCOMPARE(parsed.options->station, o.station); // the records' name is the topics'
    }

    // The shift and the scanning of serials, from the command line or station.conf; what a
    // barcode reader could not have meant is refused.
    void shiftAndScan_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome"); // "SCAN OPERATOR LOT", or the reason
        const QStringList images{"--mcu", "a.bin", "--flash", "f.bin"};
        QTest::newRow("none") << images << "0  ";
        QTest::newRow("given") << images + QStringList{"--scan", "required", "--operator",
                                                       "op 7",   "--lot",    "WO-1"}
                               << "2 op 7 WO-1";
        QTest::newRow("optional") << images + QStringList{"--scan", "optional"} << "1  ";
        QTest::newRow("unknown policy")
            << images + QStringList{"--scan", "yes"} << "--scan takes off, optional or required";
        QTest::newRow("lot with a control character")
            << images + QStringList{"--lot", QString("WO") + QChar(0x1b) + "[2J"}
            << "--lot: holds a character that is not printable";
        QTest::newRow("operator too long") << images + QStringList{"--operator", QString(65, 'o')}
                                           << "--operator: longer than 64 characters";
        QTest::newRow("empty operator")
            << images + QStringList{"--operator", ""} << "--operator: nothing was scanned";
        QTest::newRow("lot ends with a space")
            << images + QStringList{"--lot", "WO-1 "} << "--lot: starts or ends with a space";
    }
    void shiftAndScan() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        const QString got = parsed.options
                                ? QStringLiteral("%1 %2 %3")
                                      .arg(int(parsed.options->scan))
                                      .arg(parsed.options->operatorId, parsed.options->lot)
                                : parsed.error;
        QCOMPARE(got, outcome);
    }

    // One station.conf for the window and the service: tessara-cli passes over what only the
    // window uses.
    void confReadByBoth() {
        QTemporaryDir dir;
        QFile conf(dir.filePath("station.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("--all\n--scan required\n--operator op7\n--lot WO-1\n--retry never\n"
                   "update-all a.bin f.bin\n");
        conf.close();
        const ParsedStationOptions window = Parse_StationOptions({"--config", conf.fileName()});
        QVERIFY2(window.options, qPrintable(window.error));
        QCOMPARE(window.options->scan, ScanPolicy::Required);
        QCOMPARE(window.options->operatorId + ' ' + window.options->lot,
                 QStringLiteral("op7 WO-1"));
        const CliParse cli = Parse_CliArguments({"tessara-cli", "--config", conf.fileName()});
        QVERIFY2(cli.outcome == CliParse::Run, qPrintable(cli.text));
    }

    // What the line's layer and station.conf refuse (in tessara-cli's English there) is said in
    // the station's words: the same English without a translation, Chinese with zh_CN, the file
    // and line, the option and the value kept as they are.
    void refusalsInTheOperatorsLanguage_data() {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("drain out of range")
            << QByteArray("--mqtt mqtt://h --mqtt-drain 601\n")
            << "CONF:1: --mqtt-drain takes a whole number from 0 to 600, not \"601\""
            << "CONF:1: --mqtt-drain 须为 0 到 600 之间的整数，而不是“601”";
        QTest::newRow("hook that is not there")
            << QByteArray("\n--after-board ./no-such-hook\n")
            << "CONF:2: --after-board \"./no-such-hook\": \"./no-such-hook\" is not there"
            << "CONF:2: --after-board “./no-such-hook”：“./no-such-hook”不存在";
        QTest::newRow("hook not in PATH")
            << QByteArray("--before-board 'no-such-hook-7 --x'\n")
            << "CONF:1: --before-board \"no-such-hook-7 --x\": no program \"no-such-hook-7\" in "
               "PATH"
            << "CONF:1: --before-board “no-such-hook-7 --x”：PATH 中没有程序“no-such-hook-7”";
        QTest::newRow("hook whose quote is not closed")
            << QByteArray("--before-board \"true 'x\"\n")
            << "CONF:1: --before-board \"true 'x\": a ' quote is not closed"
            << "CONF:1: --before-board “true 'x”：' 引号没有闭合";
        QTest::newRow("not an MQTT URL")
            << QByteArray("--mqtt http://h\n")
            << "CONF:1: --mqtt takes mqtt://HOST[:PORT][/PREFIX] or mqtts://..., not \"http://h\""
            << "CONF:1: --mqtt 须为 mqtt://主机[:端口][/前缀] 或 mqtts://...，而不是“http://h”";
        QTest::newRow("topic prefix with +")
            << QByteArray("--mqtt mqtt://h/a+b\n")
            << "CONF:1: --mqtt \"mqtt://h/a+b\": the topic prefix cannot hold + or #"
            << "CONF:1: --mqtt “mqtt://h/a+b”：主题前缀不能含有 + 或 #";
        QTest::newRow("password file without a broker")
            << QByteArray("--mqtt-auth pw\n") << "--mqtt-auth applies to --mqtt"
            << "--mqtt-auth 只用于 --mqtt";
        QTest::newRow("a station that is no topic level")
            << QByteArray("--mqtt mqtt://h --station a/b\n")
            << "--station \"a/b\": a station's name cannot hold /, +, # or control characters, "
               "nor be empty"
            << "--station “a/b”：工位名称不能含有 /、+、# 或控制字符，也不能为空";
        QTest::newRow("a quote not closed in the file")
            << QByteArray("--manual\n--station 'a\n") << "CONF:2: a ' quote is not closed"
            << "CONF:2: ' 引号没有闭合";
        QTest::newRow("a file that names another")
            << QByteArray("--config other.conf\n")
            << "CONF:1: a configuration file cannot name another one"
            << "CONF:1: 配置文件不能再指定另一个配置文件";
        QTest::newRow("not a version")
            << QByteArray("--min-version 2.4b\n")
            << "CONF:1: --min-version: \"2.4b\" is not a version of dotted numbers such as 2.4 "
               "or 2.10.1"
            << "CONF:1: --min-version: “2.4b”不是以点分隔的数字版本号（如 2.4 或 2.10.1）";
        QTest::newRow("a pin given twice")
            << QByteArray("--product a\n--product b\n") << "CONF:2: --product is given twice"
            << "CONF:2: --product 重复给出";
        QTest::newRow("no product name")
            << QByteArray("--product ''\n") << "CONF:1: --product needs a product name"
            << "CONF:1: --product 需要一个产品名称";
    }
    void refusalsInTheOperatorsLanguage() {
        QFETCH(QByteArray, conf);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QTemporaryDir dir;
        const QString path = writeConf(dir, conf);
        QVERIFY(!path.isEmpty());
        const QStringList arguments{"--config", path,    "--mcu",     "a.bin",
                                    "--model",  "KQ31B", "update-mcu"};
        QCOMPARE(Parse_StationOptions(arguments).error, english.replace("CONF", path));
        const QString error = inChinese([&] { return Parse_StationOptions(arguments).error; });
        QCOMPARE(error, chinese.replace("CONF", path));
    }

    // The words of the layers below that reach a box, the recipe panel or a tile, each as
    // those layers word it: the same without a translation, Chinese with zh_CN.
    void wordsFromBelowInChinese_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("a key not trusted")
            << "it is signed by key ID 4F2A, which is not a trusted key"
            << "它由密钥 ID 4F2A 签名，该密钥不受信任";
        QTest::newRow("the signature line") << "signed by key ID 4F2A, trusted (line.pub)"
                                            << "由密钥 ID 4F2A 签名，受信任（line.pub）";
        QTest::newRow("a bundle without the operation's image")
            << "/srv/panel.kqb holds no MCU image"
            << "/srv/panel.kqb 中没有 MCU 映像";
        QTest::newRow("Flash.ini a directory")
            << "Cannot read Flash.ini \"/etc/Flash.ini\": it is a directory"
            << "无法读取 Flash.ini“/etc/Flash.ini”：它是一个目录";
        QTest::newRow("a hook that crashed, in its own words")
            << "hook.sh crashed (signal 11): core dumped"
            << "hook.sh 崩溃（信号 11）：core dumped";
        QTest::newRow("a value that looks like a placeholder") << "no program \"%2\" in PATH"
                                                               << "PATH 中没有程序“%2”";
        QTest::newRow("a bundle's image that is not what its manifest says")
            << "the flash image \"flash.bin\" has CRC-32 0x1234; the manifest says 0x5678"
            << "闪存映像“flash.bin”的 CRC-32 为 0x1234；清单写的是 0x5678";
        QTest::newRow("a trusted key that is not there")
            << "trusted key: \"/etc/k.pub\" does not exist"
            << "受信任密钥：“/etc/k.pub”不存在";
        QTest::newRow("an image's words from the desktop tool") << "This isn't a KQ31A/B's file"
                                                                << "这不是 KQ31A/B 的文件";
        // A bundle refused as it is opened: its archive, its manifest, its signature.
        QTest::newRow("an archive with data after its end")
            << "not a whole zip archive: 12 bytes follow its end"
            << "不是完整的 zip 归档：结尾之后还有 12 字节";
        QTest::newRow("an archive entry with an unsafe name")
            << "entry \"../x\" has an unsafe name (absolute, \"..\", or not plain ASCII)"
            << "条目 \"../x\" 的名称不安全（绝对路径、“..”或不是纯 ASCII）";
        QTest::newRow("a manifest field, said after its file's name")
            << "manifest.json: the manifest has an unknown field \"model\""
            << "manifest.json: 清单有未知字段“model”";
        QTest::newRow("a manifest image's field")
            << "manifest.json: \"mcu\" needs a \"length\" from 1 to 65536 bytes"
            << "manifest.json: “mcu”需要 1 到 65536 字节的“length”";
        QTest::newRow("a manifest's per-board field")
            << "manifest.json: unit_data field 2 \"serial\": \"step\" must be 1 at least"
            << "manifest.json: unit_data 字段 2 \"serial\"：“step”至少为 1";
        QTest::newRow("a signature that is bad, its reason said too")
            << "its signature is bad: manifest.json.minisig: not a minisign signature file"
            << "签名无效：manifest.json.minisig: 不是 minisign 签名文件";
        QTest::newRow("the signature line of a bad signature")
            << "bad (key ID 4F2A): the signature does not match the manifest"
            << "无效（密钥 ID 4F2A）：签名与清单不符";
        QTest::newRow("a value of markup and placeholders in a manifest's words")
            << "manifest.json: unknown chip model \"<b>%1</b>\" (known: KQ31B, %2)"
            << "manifest.json: 未知的芯片型号“<b>%1</b>”（已知：KQ31B, %2）";
        // The ledger: one that cannot be opened, a board it has no value for.
        QTest::newRow("a pool with no value left")
            << "board refused, nothing written: pool empty: keys"
            << "拒绝该板，未写入任何内容：值池已空：keys";
        QTest::newRow("a counter at its end")
            << "board refused, nothing written: counter serial exhausted: it has no number left "
               "above 4294967295"
            << "拒绝该板，未写入任何内容：计数器 serial 已用尽：4294967295 之上已没有可用的号码";
        QTest::newRow("a value the board's EDID cannot take")
            << "board refused, nothing written: the EDID block of \"edid\" cannot take serial "
               "4294967296"
            << "拒绝该板，未写入任何内容：“edid”的 EDID 块无法写入序列号 4294967296";
        QTest::newRow("a ledger that cannot be opened")
            << "cannot open the ledger \"/srv/ledger.sqlite\": Permission denied"
            << "无法打开台账“/srv/ledger.sqlite”：Permission denied";
        QTest::newRow("a ledger's own error") << "ledger /srv/ledger.sqlite: database is locked"
                                              << "台账 /srv/ledger.sqlite：database is locked";
        QTest::newRow("a bundle of per-board values without a ledger")
            << "/srv/panel.kqb gives each board values of its own (unit_data): write it with "
               "tessara-cli, which takes them from a ledger"
            << "/srv/panel.kqb 给每块电路板写入各自的值（unit_data）：请用 tessara-cli 烧录，它从"
               "台账中取值";
        QTest::newRow("a pool's name of markup and placeholders")
            << "board refused, nothing written: pool empty: <i>%1</i>%"
            << "拒绝该板，未写入任何内容：值池已空：<i>%1</i>%";
        // A failed board's reason on its tile: its port, its image, the chip's flash part.
        QTest::newRow("a port another program holds")
            << "cannot open /dev/ttyACM3: busy (in use by another program)"
            << "无法打开 /dev/ttyACM3：忙（正被其他程序使用）";
        QTest::newRow("a port that cannot be opened, in the system's words")
            << "cannot open COM7: The semaphore timeout period has expired."
            << "无法打开 COM7：The semaphore timeout period has expired.";
        QTest::newRow("an MCU image larger than the chip's update limit")
            << "image of 70000 bytes exceeds the KQ31B's update limit of 65536 bytes"
            << "映像为 70000 字节，超出了 KQ31B 的 65536 字节更新上限";
        QTest::newRow("a flash image larger than the chip's part")
            << "image of 9000000 bytes exceeds the flash part W25Q64 of 8388608 bytes"
            << "映像为 9000000 字节，超出了 8388608 字节的闪存型号 W25Q64";
        QTest::newRow("a flash part not in Flash.ini")
            << "flash ID 0xc84017 is not in /etc/tessara/Flash.ini"
            << "闪存 ID 0xc84017 不在 /etc/tessara/Flash.ini 中";
        QTest::newRow("a packaged image whose name is markup")
            << "\"<b>%1.img</b>\" is no packaged image: its CRC trailer does not match"
            << "“<b>%1.img</b>”不是打包的映像：它末尾的 CRC 不符";
        QTest::newRow("words it does not know") << "the flux capacitor: 88 mph"
                                                << "the flux capacitor: 88 mph";
    }
    void wordsFromBelowInChinese() {
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QCOMPARE(Station_RefusalWords(english), english);
        const QString words = inChinese([&] { return Station_RefusalWords(english); });
        QCOMPARE(words, chinese);
    }

    // Each wording is said in its own Chinese: none is hidden behind a shorter one that matches
    // it too, none is left in English.
    void everyWordingSaysItsOwnWords() {
        const QStringList wordings = Station_RefusalWordings();
        QVERIFY(!wordings.isEmpty());
        const auto withValues = [](QString words) {
            for (int n = 1; n <= 4; ++n)
                words.replace(QStringLiteral("%%1").arg(n), QStringLiteral("<v%1>").arg(n));
            return words;
        };
        for (const QString &english : wordings) {
            const QString own = inChinese([&] {
                return withValues(
                    QCoreApplication::translate("RefusalWords", english.toUtf8().constData()));
            });
            QVERIFY2(!own.isEmpty() && own != withValues(english), qPrintable(english));
            const QString said =
                inChinese([&] { return Station_RefusalWords(withValues(english)); });
            QCOMPARE(said, own);
        }
    }

    // Refusals as the layers below really word them, not as a table row copied them.
    void refusalsFromBelowAsTheyAreMade() {
        const BundleCheck notZip = Check_Bundle(QByteArray("PK but not a zip"), {});
        QCOMPARE(inChinese([&] { return Station_RefusalWords(notZip.refusal); }),
                 QStringLiteral("不是 zip 归档（没有中央目录结束记录）"));
        // A per-board counter that would give every board the same number.
        QByteArray json = R"({"format": 1, "product": "panel", "version": "2.4",
            "models": ["KQ31B"], "flash": {"file": "f.bin", "length": 4096, "crc32": "0x1",
            "sha256": "SHA"}, "unit_data": [{"name": "serial", "kind": "counter", "offset": 0,
            "encoding": "u32le", "width": 4, "start": 1, "step": 0}]})";
        json.replace("SHA", QByteArray(64, '0'));
        BundleManifest manifest;
        QString manifestRefusal;
        QVERIFY(!Parse_BundleManifest(json, manifest, manifestRefusal));
        QCOMPARE(inChinese([&] { return Station_RefusalWords(manifestRefusal); }),
                 QStringLiteral("unit_data 字段 1 \"serial\"：“step”至少为 1"));
        QTemporaryDir dir;
        StationLedger ledger(dir.path(), QStringLiteral("bench 1"));
        QString reason;
        QVERIFY(!ledger.open(reason));
        const QString words = inChinese([&] { return Station_RefusalWords(reason); });
        // A folder is no ledger: the system's own words for why stay as they are.
        const QString english = QStringLiteral("cannot open the ledger \"%1\": ").arg(dir.path());
        QVERIFY2(reason.startsWith(english), qPrintable(reason));
        const QString why = reason.mid(english.size());
        QCOMPARE(words, QStringLiteral("无法打开台账“%1”：%2").arg(dir.path(), why));
    }

    // A failed board's tile says why in the operator's language, the engineer's hint beside it.
    void failedBoardReasonsInChinese() {
        const ChipModel *kq31b = Find_ChipModelByName("KQ31B");
        QVERIFY(kq31b);
        JobResult tooLarge;
        tooLarge.failure = Fail(FailureKind::ImageUnusable, Mcu_TooLarge(70000, kq31b->code));
        OperatorWords large;
        inChinese([&] { return (large = Operator_Words(tooLarge, {})).reason; });
        QCOMPARE(large.reason, QStringLiteral("映像为 70000 字节，超出了 KQ31B 的 %1 字节 MCU 闪存")
                                   .arg(Get_McuFlashSize(kq31b->code)));
        QCOMPARE(large.hint, QStringLiteral("把电路板放到一边，请工程师处理"));
        JobResult gone;
        gone.failure = Fail(FailureKind::SystemError,
                            Port_OpenFailure("/dev/ttyACM7", QSerialPort::DeviceNotFoundError, {}));
        QCOMPARE(inChinese([&] { return Operator_Words(gone, {}).reason; }),
                 QStringLiteral("无法打开 /dev/ttyACM7：没有这个设备"));
        QCOMPARE(Operator_Words(gone, {}).reason, gone.reason()); // English as the layer said it
    }

    // The broker's settings that only the start can check: the password file.
    void brokerRefusalsInChinese() {
        QTemporaryDir dir;
        LineOptions o;
        o.mqtt = QStringLiteral("mqtt://127.0.0.1/line1");
        o.mqttAuth = dir.filePath("pw");
        LineStation::Settings settings;
        QString error;
        QVERIFY(!Line_Settings(o, settings, error));
        const QString words = inChinese([&] { return Station_RefusalWords(error); });
        QCOMPARE(words, QStringLiteral("--mqtt-auth: 无法读取 MQTT 密码文件“%1”：没有这个文件")
                            .arg(o.mqttAuth));
        QCOMPARE(Station_RefusalWords(error), error); // English as the layer said it
    }

    // The help tells where the report goes by default as a rule, not as this machine's path.
    void helpNamesTheReportRule() {
        const QString help = Station_Usage();
        QVERIFY2(help.contains("$XDG_DATA_HOME/tessara/reports/station-DATE.jsonl"),
                 qPrintable(help));
        QVERIFY(!help.contains(QDir::homePath()));
    }
};

QTEST_GUILESS_MAIN(StationOptionsTest)
#include "test_station_options.moc"
