// Per-board fields: their declarations, the checks against the flash image, and the codecs that
// put a board's values into its copy of the image.
#include "bundle/bundle_job.h"
#include "bundle/bundle_maker.h"
#include "bundle/bundle_reader.h"
#include "ledger/field_codec.h"
#include "ledger/unit_fields.h"
#include "support/unit_fixtures.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

UnitField counter(const QString &json) {
    return Unit_Fields(QStringLiteral("[{\"name\":\"n\",\"kind\":\"counter\",\"offset\":0,") +
                       json + QStringLiteral("}]"))
        .value(0);
}

uint8_t sum(const QByteArray &block) {
    uint8_t s = 0;
    for (const char c : block)
        s = uint8_t(s + uint8_t(c));
    return s;
}

} // namespace

class UnitFieldsTest : public QObject {
    Q_OBJECT

  private slots:
    void counterEncodings_data() {
        QTest::addColumn<QString>("declaration");
        QTest::addColumn<qulonglong>("number");
        QTest::addColumn<QByteArray>("bytes"); // empty: does not fit
        QTest::newRow("u32le") << R"("encoding":"u32le","start":0)" << 1000ull
                               << QByteArray::fromHex("e8030000");
        QTest::newRow("u32be") << R"("encoding":"u32be","start":0)" << 1000ull
                               << QByteArray::fromHex("000003e8");
        QTest::newRow("u32 at its top") << R"("encoding":"u32le","start":0)" << 0xFFFFFFFFull
                                        << QByteArray::fromHex("ffffffff");
        QTest::newRow("u32 over its top")
            << R"("encoding":"u32le","start":0)" << 0x100000000ull << QByteArray();
        QTest::newRow("ascii with prefix, zero-filled digits")
            << R"("encoding":"ascii","prefix":"SN","digits":6,"start":0)" << 1000ull
            << QByteArray("SN001000");
        QTest::newRow("ascii padded to its width with zero bytes")
            << R"("encoding":"ascii","prefix":"A","digits":3,"width":6,"start":0)" << 7ull
            << QByteArray("A007\0\0", 6);
        QTest::newRow("ascii over its digits")
            << R"("encoding":"ascii","prefix":"SN","digits":3,"start":0)" << 1000ull
            << QByteArray();
    }
    void counterEncodings() {
        QFETCH(QString, declaration);
        QFETCH(qulonglong, number);
        QFETCH(QByteArray, bytes);
        const UnitField f = counter(declaration);
        QVERIFY(!f.name.isEmpty());
        const std::optional<QByteArray> encoded = Encode_Counter(f, number);
        QCOMPARE(encoded.value_or(QByteArray()), bytes);
        QCOMPARE(f.size(), bytes.isEmpty() ? f.width : bytes.size());
    }

    void edidSerial_data() {
        QTest::addColumn<bool>("descriptor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("descriptorText"); // what the 13 bytes become
        QTest::newRow("short text ends in a line feed, padded with spaces")
            << true << "SN001000" << QByteArray("SN001000\n    ");
        QTest::newRow("13 characters fill it without a line feed")
            << true << "ABCDEFGHIJKLM" << QByteArray("ABCDEFGHIJKLM");
        QTest::newRow("a block without a serial descriptor keeps its descriptors")
            << false << "SN001000" << QByteArray(13, '\0');
    }
    void edidSerial() {
        QFETCH(bool, descriptor);
        QFETCH(QString, text);
        QFETCH(QByteArray, descriptorText);
        const QByteArray before = Edid_Block(descriptor);
        QByteArray block = before;
        QVERIFY(Patch_EdidSerial(block, 0x12345678, text));
        QCOMPARE(block.mid(12, 4), QByteArray::fromHex("78563412"));
        QCOMPARE(block.mid(108 + 5, 13), descriptorText);
        QCOMPARE(sum(block), uint8_t(0));
        QVERIFY(Edid_ChecksumValid(block));
        // Nothing else moves: header, maker, the descriptor's tag.
        for (int i = 0; i < 127; ++i)
            if ((i < 12 || i > 15) && (i < 113 || i > 125)) QCOMPARE(block.at(i), before.at(i));
    }

    void edidRefusals() {
        QByteArray block = Edid_Block();
        QVERIFY(!Patch_EdidSerial(block, 1, QStringLiteral("FOURTEEN-CHARS")));
        QCOMPARE(block, Edid_Block());
        block[1] = 0;
        QVERIFY(!Patch_EdidSerial(block, 1, QStringLiteral("1")));
    }

    void declarationRefusals_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("reason");
        const QString serial = R"({"name":"serial","kind":"counter","offset":"0x100",)"
                               R"("encoding":"u32le","start":1})";
        QTest::newRow("unknown kind") << R"([{"name":"a","kind":"mac","offset":0}])"
                                      << "\"kind\" must be";
        QTest::newRow("unknown key") << R"([{"name":"a","kind":"pool","pool":"p","offset":0,)"
                                        R"("length":4,"secrt":true}])"
                                     << "unknown field \"secrt\"";
        QTest::newRow("two fields overlap")
            << "[" + serial +
                   R"(,{"name":"key","kind":"pool","pool":"p","offset":"0x103","length":4}])"
            << "\"serial\" and \"key\" overlap";
        QTest::newRow("two fields of one name")
            << "[" + serial +
                   R"(,{"name":"serial","kind":"pool","pool":"p","offset":0,)"
                   R"("length":4}])"
            << "two fields are named \"serial\"";
        QTest::newRow("edid from no counter")
            << R"([{"name":"e","kind":"edid-serial","offset":0,"from":"serial"}])"
            << "\"from\" names no counter field";
        QTest::newRow("edid from a counter wider than 32 bits")
            << R"([{"name":"n","kind":"counter","offset":0,"encoding":"ascii","digits":10,)"
               R"("start":0},{"name":"e","kind":"edid-serial","offset":256,"from":"n"}])"
            << "can exceed the EDID's serial";
        QTest::newRow("start above what the counter can write")
            << R"([{"name":"n","kind":"counter","offset":0,"encoding":"ascii","digits":2,)"
               R"("start":100}])"
            << "\"start\" must be a whole number from 0 to 99";
        QTest::newRow("step 0") << R"([{"name":"n","kind":"counter","offset":0,)"
                                   R"("encoding":"u32le","start":0,"step":0}])"
                                << "\"step\" must be 1 at least";
        QTest::newRow("u32 of width 2") << R"([{"name":"n","kind":"counter","offset":0,)"
                                           R"("encoding":"u32be","width":2,"start":0}])"
                                        << "must be 4";
        QTest::newRow("pool value of no length")
            << R"([{"name":"k","kind":"pool","pool":"p","offset":0,"length":0}])"
            << "\"length\" must be 1 byte at least";
        QTest::newRow("offset as a negative number")
            << R"([{"name":"k","kind":"pool","pool":"p","offset":-4,"length":4}])"
            << "\"offset\" must be a whole number";
        QTest::newRow("field past 4 GiB wraps no offset")
            << R"([{"name":"k","kind":"pool","pool":"p","offset":"0xFFFFFFFF","length":4},)"
               R"({"name":"j","kind":"pool","pool":"p","offset":0,"length":4}])"
            << "";
    }
    void declarationRefusals() {
        QFETCH(QString, json);
        QFETCH(QString, reason);
        UnitFields fields;
        QString why;
        const bool read =
            Parse_UnitFields(QJsonDocument::fromJson(json.toUtf8()).array(), fields, why);
        if (reason.isEmpty()) {
            QVERIFY2(read, qPrintable(why));
            // Read, and still refused by any image it could go into.
            QVERIFY(UnitFields_ImageRefusal(fields, QByteArray(4096, 0))
                        .contains(QLatin1String("outside the flash image")));
            return;
        }
        QVERIFY(!read);
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY(fields.isEmpty());
    }

    void imageRefusals_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("reason");
        QByteArray image = Unit_Image(0x8000, 0x7E00);
        QTest::newRow("image takes them") << image << "";
        QTest::newRow("image too short for the serial")
            << image.left(0x7F02) << "\"serial\" (4 bytes at 0x7f00) lies outside";
        QByteArray badHeader = image;
        badHeader[0x7E00 + 7] = 1;
        QTest::newRow("EDID header") << badHeader << "no EDID header at 0x7e00";
        QByteArray badSum = image;
        badSum[0x7E00 + 20] = char(badSum.at(0x7E00 + 20) + 1);
        QTest::newRow("EDID checksum") << badSum << "bad checksum";
    }
    void imageRefusals() {
        QFETCH(QByteArray, image);
        QFETCH(QString, reason);
        const QString refusal = UnitFields_ImageRefusal(Unit_Fields(Usual_UnitData()), image);
        QVERIFY2(reason.isEmpty() ? refusal.isEmpty() : refusal.contains(reason),
                 qPrintable(refusal));
    }

    // A board's image differs from the run's only inside its fields, and the EDID still sums.
    void applyValues() {
        const UnitFields fields = Unit_Fields(Usual_UnitData());
        QCOMPARE(fields.size(), 3);
        const QByteArray image = Unit_Image(0x8000, 0x7E00);
        const QByteArray key = QByteArray::fromHex("00112233445566778899aabbccddeeff");
        UnitValues values{{"serial", "serial", 5, 1005, {}}, {"hdcp", "hdcp", 3, 0, key}};
        QByteArray patched;
        QString reason;
        QVERIFY2(Apply_UnitValues(image, fields, values, patched, reason), qPrintable(reason));
        QCOMPARE(patched.size(), image.size());
        QCOMPARE(patched.mid(0x7F00, 4), QByteArray::fromHex("ed030000"));
        QCOMPARE(patched.mid(0x7D00, 16), key);
        QCOMPARE(patched.mid(0x7E00 + 12, 4), QByteArray::fromHex("ed030000"));
        QCOMPARE(patched.mid(0x7E00 + 113, 5), QByteArray("1005\n"));
        QVERIFY(Edid_ChecksumValid(patched.mid(0x7E00, 128)));
        const auto ranges = UnitField_Ranges(fields);
        for (int i = 0; i < image.size(); ++i) {
            bool inside = false;
            for (const auto &r : ranges)
                inside = inside || (uint32_t(i) >= r.first && uint32_t(i) < r.second);
            if (!inside && patched.at(i) != image.at(i)) QFAIL(qPrintable(QString::number(i)));
        }
        QCOMPARE(image, Unit_Image(0x8000, 0x7E00)); // the run's snapshot is untouched

        // What a record shows: the serial, and of the key its pool, index and hash prefix only.
        QCOMPARE(UnitValue_Text(fields.at(0), values.at(0)), QStringLiteral("1005"));
        const QString secret = UnitValue_Text(fields.at(2), values.at(1));
        QCOMPARE(secret, QStringLiteral("pool hdcp #3 sha256 ") + Secret_Tag(key));
        QVERIFY(!secret.contains(QLatin1String("112233")));

        values[1].bytes.chop(1);
        QVERIFY(!Apply_UnitValues(image, fields, values, patched, reason));
        QVERIFY(reason.contains(QLatin1String("15 bytes, not 16")));
        QVERIFY(patched.isEmpty());
        QVERIFY(!Apply_UnitValues(image, fields, {values.at(0)}, patched, reason));
        QVERIFY(reason.contains(QLatin1String("no value for \"hdcp\"")));
    }

    // The fields travel in the manifest, read back as written, and the bundle is refused when
    // its image cannot take them.
    void inTheBundle() {
        BundleRecipe recipe;
        recipe.product = QStringLiteral("panel");
        recipe.version = QStringLiteral("1.0");
        recipe.constraints.models = QStringList{QStringLiteral("KQ31B")};
        recipe.flash = Unit_Image(0x8000, 0x7E00);
        recipe.unitData = Unit_Fields(Usual_UnitData());
        QByteArray archive;
        QString reason;
        QVERIFY2(Make_Bundle(recipe, nullptr, archive, reason), qPrintable(reason));
        const BundleCheck check = Check_Bundle(archive, {});
        QVERIFY2(check.accepted(), qPrintable(check.refusal));
        QCOMPARE(Write_UnitFields(check.bundle.manifest.unitData),
                 Write_UnitFields(recipe.unitData));
        // Written only where each board gets its own values (not as the window writes a bundle).
        QVERIFY(
            Bundle_JobRefusal(check.bundle, Job::UpdateFlash).contains(QLatin1String("ledger")));
        QVERIFY(Bundle_JobRefusal(check.bundle, Job::CheckFlash).isEmpty());
        QVERIFY(Bundle_JobRefusal(check.bundle, Job::UpdateFlash, true).isEmpty());

        recipe.flash = Unit_Image(0x8000, -1);
        QVERIFY(!Make_Bundle(recipe, nullptr, archive, reason));
        QVERIFY2(reason.contains(QLatin1String("no EDID header")), qPrintable(reason));
        recipe.flash.reset();
        recipe.mcu = QByteArray(30000, 'x');
        QVERIFY(!Make_Bundle(recipe, nullptr, archive, reason));
        QVERIFY2(reason.contains(QLatin1String("has none")), qPrintable(reason));
    }
};

QTEST_GUILESS_MAIN(UnitFieldsTest)
#include "test_unit_fields.moc"
