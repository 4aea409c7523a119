// What a station pinned to a product and a lowest release takes: versions compared as dotted
// numbers, both sides in every refusal, and versions that are not dotted numbers refused.
#include "bundle/release_pin.h"

#include <QtTest>

class ReleasePinTest : public QObject {
    Q_OBJECT

  private slots:
    void bundles_data() {
        QTest::addColumn<QString>("product");    // the station's; empty: any
        QTest::addColumn<QString>("minVersion"); // the station's; empty: any
        QTest::addColumn<QString>("bundleProduct");
        QTest::addColumn<QString>("bundleVersion");
        QTest::addColumn<QString>("refusal"); // empty: taken

        const QString both = "bundle is product %1 version %2; this station takes product panel "
                             "from version 2.4";
        QTest::newRow("older") << "panel"
                               << "2.4"
                               << "panel"
                               << "2.3" << both.arg("panel", "2.3");
        QTest::newRow("equal") << "panel"
                               << "2.4"
                               << "panel"
                               << "2.4"
                               << "";
        QTest::newRow("equal, a zero more") << "panel"
                                            << "2.4"
                                            << "panel"
                                            << "2.4.0"
                                            << "";
        QTest::newRow("newer patch") << "panel"
                                     << "2.4"
                                     << "panel"
                                     << "2.4.1"
                                     << "";
        QTest::newRow("2.10 after 2.9") << "panel"
                                        << "2.9"
                                        << "panel"
                                        << "2.10"
                                        << "";
        QTest::newRow("2.9 before 2.10")
            << "panel"
            << "2.10"
            << "panel"
            << "2.9"
            << "bundle is product panel version 2.9; this station takes product panel from "
               "version 2.10";
        QTest::newRow("major beats minor") << "panel"
                                           << "2.40"
                                           << "panel"
                                           << "3.0"
                                           << "";
        QTest::newRow("leading zero is a number") << "panel"
                                                  << "2.4"
                                                  << "panel"
                                                  << "2.04"
                                                  << "";
        QTest::newRow("other product, newer") << "panel"
                                              << "2.4"
                                              << "kiosk"
                                              << "9.0" << both.arg("kiosk", "9.0");
        QTest::newRow("product differs only in case") << "panel"
                                                      << "2.4"
                                                      << "Panel"
                                                      << "2.4" << both.arg("Panel", "2.4");
        QTest::newRow("product alone pinned")
            << "panel"
            << ""
            << "kiosk"
            << "2.4"
            << "bundle is product kiosk version 2.4; this station takes product panel";
        QTest::newRow("version alone pinned, any product") << ""
                                                           << "2.4"
                                                           << "kiosk"
                                                           << "2.4"
                                                           << "";
        QTest::newRow("bundle version not a number")
            << "panel"
            << "2.4"
            << "panel"
            << "unversioned"
            << "bundle is product panel version unversioned; this station takes product panel "
               "from version 2.4 (its version: \"unversioned\" is not a version of dotted "
               "numbers";
        QTest::newRow("bundle version with a suffix")
            << "panel"
            << "2.4"
            << "panel"
            << "2.5-rc1"
            << both.arg("panel", "2.5-rc1") + " (its version: \"2.5-rc1\" is not a version";
        QTest::newRow("nothing pinned") << ""
                                        << ""
                                        << "kiosk"
                                        << "unversioned"
                                        << "";
    }

    void bundles() {
        QFETCH(QString, product);
        QFETCH(QString, minVersion);
        QFETCH(QString, bundleProduct);
        QFETCH(QString, bundleVersion);
        QFETCH(QString, refusal);
        ReleasePin pin;
        pin.product = product;
        QString reason;
        if (!minVersion.isEmpty())
            QVERIFY2(Read_MinVersion(minVersion, pin, reason), qPrintable(reason));
        BundleManifest m;
        m.product = bundleProduct;
        m.version = bundleVersion;
        const QString got = Release_PinRefusal(m, pin);
        if (refusal.isEmpty())
            QVERIFY2(got.isEmpty(), qPrintable(got));
        else
            QVERIFY2(got.startsWith(refusal), qPrintable(got));
        // Image files say neither product nor version: only a station without a pin takes them.
        QCOMPARE(Release_PinRefusesImages(pin).isEmpty(),
                 product.isEmpty() && minVersion.isEmpty());
    }

    void malformedVersions_data() {
        QTest::addColumn<QString>("text");
        for (const char *text : {"", "2.", ".4", "2..4", "v2.4", "2.4-rc1", "2,4", " 2.4", "2.4 ",
                                 "-1", "+2", "1234567890", "1.2.3.4.5.6.7.8.9", "２.４"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    void malformedVersions() {
        QFETCH(QString, text);
        ReleasePin pin;
        QString reason;
        QVERIFY(!Read_MinVersion(text, pin, reason));
        QVERIFY(!pin.minVersion);
        QVERIFY2(reason.startsWith("--min-version: \"" + text.left(40) + "\" is not a version"),
                 qPrintable(reason));
    }

    void longestVersionsRead() {
        DottedVersion v;
        QString reason;
        QVERIFY(Read_DottedVersion("999999999.0.0.0.0.0.0.1", v, reason));
        QCOMPARE(v, DottedVersion({999999999, 0, 0, 0, 0, 0, 0, 1}));
        DottedVersion w;
        QVERIFY(Read_DottedVersion("999999999", w, reason));
        QVERIFY(Compare_Versions(v, w) > 0 && Compare_Versions(w, v) < 0);
    }
};

QTEST_GUILESS_MAIN(ReleasePinTest)
#include "test_release_pin.moc"
