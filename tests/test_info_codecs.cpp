// The device-information request and reply, the information model names and the application
// start addresses, without a device.
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "support/model_codes.h"

#include <QtTest>

namespace {

using Reply = std::array<uint8_t, 64>;

// A 'G' reply as a chip would send it, with bytes 1..3 set to show they are not read.
Reply infoReply(uint32_t model, uint32_t version, uint32_t id1, uint32_t id2) {
    Reply r{};
    r[0] = 'G';
    r[1] = 0x11;
    r[2] = 0x22;
    r[3] = 0x33;
    Put_Le32(&r[4], model);
    Put_Le32(&r[8], version);
    Put_Le32(&r[12], id1);
    Put_Le32(&r[16], id2);
    Put_Le32(&r[20], crc32_calc(r.data(), 20));
    return r;
}

} // namespace

class InfoCodecs : public QObject {
    Q_OBJECT

  private slots:
    void requestNeverVaries() {
        const Frame f = Info_Frame();
        QByteArray expected = QByteArray::fromHex("47E8177F00000000B9664676");
        expected.append(52, '\0');
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(f.data()), int(f.size())), expected);
    }

    void replyDecoding_data() {
        QTest::addColumn<int>("corruptByte"); // -1: none
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("valid");
        QTest::newRow("whole reply") << -1 << 64 << true;
        QTest::newRow("exactly 24 bytes") << -1 << 24 << true;
        QTest::newRow("bytes 1-3 are covered by the CRC") << 2 << 64 << false;
        QTest::newRow("model code changed") << 4 << 64 << false;
        QTest::newRow("second flash ID changed") << 19 << 64 << false;
        QTest::newRow("CRC field changed") << 23 << 64 << false;
        QTest::newRow("arrival too short for its CRC") << -1 << 23 << false;
        QTest::newRow("letter only") << -1 << 1 << false;
    }
    void replyDecoding() {
        QFETCH(int, corruptByte);
        QFETCH(int, length);
        QFETCH(bool, valid);
        Reply r = infoReply(Model::KQ581, 0x20230915, 0x00EF4018, 0x00C84017);
        if (corruptByte >= 0) r[size_t(corruptByte)] ^= 0x01;
        const std::optional<DeviceInfo> info = Decode_Info_Reply(r.data(), length);
        QCOMPARE(info.has_value(), valid);
        if (!valid) return;
        QCOMPARE(info->modelCode, Model::KQ581);
        QCOMPARE(info->bootVersion, 0x20230915u);
        QCOMPARE(info->firstFlashId, 0x00EF4018u);
        QCOMPARE(info->secondFlashId, 0x00C84017u);
    }

    void modelNames_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("name"); // empty: not named
        QTest::addColumn<QString>("prefix");
        QTest::newRow("KQ31A") << uint(Model::KQ31A) << "KQ31A"
                               << "KQ31A Boot_Version:";
        QTest::newRow("KQ31B") << uint(Model::KQ31B) << "KQ31B"
                               << "KQ31B Boot_Version:";
        QTest::newRow("KQ31C") << uint(Model::KQ31C) << "KQ31C"
                               << "KQ31C Boot_Version:";
        QTest::newRow("KQ31D") << uint(Model::KQ31D) << "KQ31D"
                               << "KQ31D Boot_Version:";
        QTest::newRow("KQ3200 is KQ320") << uint(Model::KQ3200) << "KQ320"
                                         << "KQ320 Boot_Version:";
        QTest::newRow("KQ581") << uint(Model::KQ581) << "KQ581"
                               << "KQ581 Boot_Version:";
        QTest::newRow("KQ47") << uint(Model::KQ47) << "KQ47"
                              << "KQ47 Boot_Version:";
        QTest::newRow("KQ580") << uint(Model::KQ580) << "KQ580"
                               << "KQ580 Boot_Version:";
        QTest::newRow("none-found code") << uint(Model::Unknown) << ""
                                         << "";
        QTest::newRow("byte-swapped KQ31B") << 0x1B037119u << ""
                                            << "";
        QTest::newRow("zero") << 0u << ""
                              << "";
    }
    void modelNames() {
        QFETCH(uint, code);
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        const ChipModel *model = Find_ChipModel(code);
        QCOMPARE(model != nullptr, !name.isEmpty());
        if (!model) return;
        QCOMPARE(model->code, uint32_t(code));
        QCOMPARE(QString::fromLatin1(model->versionName), name);
        QCOMPARE(Version_Line(*model, 0x1a), prefix + "1a");
    }

    void applicationAddresses_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<uint>("address");
        QTest::newRow("KQ580") << uint(Model::KQ580) << 0x400u;
        for (const ChipModel &row : Chip_Models())
            if (row.code != Model::KQ580) QTest::newRow(row.name) << uint(row.code) << 0x8008000u;
        QTest::newRow("unknown") << uint(Model::Unknown) << 0x8008000u;
    }
    void applicationAddresses() {
        QFETCH(uint, code);
        QFETCH(uint, address);
        QCOMPARE(Application_Address(code), uint32_t(address));
    }
};

QTEST_GUILESS_MAIN(InfoCodecs)
#include "test_info_codecs.moc"
