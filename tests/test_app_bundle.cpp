// The window with a release bundle: opened, dropped or chosen with an Input button, its images
// fill both fields; an update refuses a chip the bundle is not for before anything is erased,
// and writes a chip it is for from the bundle's bytes.
#include "bundle/bundle_maker.h"
#include "sim/sim_device.h"
#include "support/flash_rig.h"
#include "support/mcu_rig.h"
#include "support/window_rig.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

namespace {

// Plugs in a simulated chip of `model` as the chip's port.
void plugIn(SimDevice &sim) {
    if (!sim.start()) qFatal("simulator: %s", qPrintable(sim.errorString()));
    qputenv("TESSARA_SERIALCOMM",
            ("\\Device\\Serial0=COM1;\\Device\\USBSER000=" + sim.portPath()).toLocal8Bit());
}

SimConfig chip(const char *model) {
    SimConfig config;
    if (!SimConfig::forModel(QLatin1String(model), &config)) qFatal("no simulated %s", model);
    return config;
}

const QByteArray mcu = mcuImage(6000, 0x0800A000);
const QByteArray flash = mcuImage(40000, 0, 9);

// A bundle of both images for the KQ31B, written in the current directory.
QString writeBundle(const QString &name) {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("2.4");
    r.constraints.models = QStringList{"KQ31B"};
    r.mcu = mcu;
    r.flash = flash;
    QByteArray archive;
    QString reason;
    const QString path = QDir::current().absoluteFilePath(name);
    if (!Make_Bundle(r, nullptr, archive, reason) || !Write_BundleFile(path, archive, reason))
        qFatal("cannot make the bundle: %s", qPrintable(reason));
    return path;
}

// A simulated chip of `model` as the chip's port, and the window.
struct Bench {
    SimDevice sim;
    WindowRig rig;
    explicit Bench(const char *model) : sim(chip(model)) { plugIn(sim); }
    // The window, its first scan done: the chip's port open and the chip identified.
    bool start() {
        rig.start().Timer1_Out_Event();
        return rig.idle();
    }
};

bool drop(QWidget &window, const QString &path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
    return event.isAccepted();
}

} // namespace

class AppBundleTest : public QObject {
    Q_OBJECT

  private slots:
    // A KQ47 is not among the bundle's models: Update All is refused with both sides shown,
    // and the chip's memories are as they were.
    void refusesAChipTheBundleIsNotFor() {
        Bench bench("KQ47");
        QVERIFY(bench.start());
        MainWindow &w = *bench.rig.window;
        const QByteArray mcuBefore = bench.sim.mcuFlash(), flashBefore = bench.sim.externalFlash();

        const QString bundle = writeBundle("panel.kqb");
        QVERIFY(drop(w, bundle));
        QVERIFY2(w.openedBundle(),
                 qPrintable(bench.rig.boxes.texts().join('|') + bench.rig.log().join('|')));
        QCOMPARE(bench.rig.child<QLineEdit>("lineEdit_MCU")->text(), bundle + ":mcu.bin");
        QCOMPARE(bench.rig.child<QLineEdit>("lineEdit_Flash")->text(), bundle + ":flash.bin");
        QCOMPARE(bench.rig.child<QLabel>("label_MCUCRC")->text(),
                 QString::asprintf("Mcu code,CRC = 0x%x  Len: %d", imageCrc(mcu), 6000));

        QTest::mouseClick(bench.rig.child<QPushButton>("pushButton_UpdateAll"), Qt::LeftButton);
        QVERIFY(bench.rig.idle());
        QTRY_VERIFY(bench.rig.boxes.texts().contains("bundle for KQ31B; this chip is KQ47"));
        QCOMPARE(bench.sim.mcuFlash(), mcuBefore);
        QCOMPARE(bench.sim.externalFlash(), flashBefore);
    }

    // A KQ31B takes the bundle's images, opened as the command line opens it; a damaged bundle
    // is refused and leaves the fields as they were; an image file chosen ends the bundle.
    void updatesAChipItIsFor() {
        Bench bench("KQ31B");
        QVERIFY(bench.start());
        MainWindow &w = *bench.rig.window;
        const QString bundle = writeBundle("panel.kqb");
        QVERIFY(w.openBundle(bundle));
        QFile ini(QDir::current().absoluteFilePath("Flash.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[FLASH]\n" + flashIniLine(0xEF4018, 16 << 20, "W25Q128JV"));
        ini.close();

        QTest::mouseClick(bench.rig.child<QPushButton>("pushButton_UpdateAll"), Qt::LeftButton);
        QVERIFY(bench.rig.idle());
        QVERIFY2(bench.rig.log().contains("Update flash is OK!!!!!!"),
                 qPrintable(bench.rig.log().join('|')));
        QCOMPARE(bench.sim.mcuFlash().mid(0x2000, mcu.size()), mcu);
        QCOMPARE(bench.sim.externalFlash(0, flash.size()), flash);
        QTest::mouseClick(bench.rig.child<QPushButton>("pushButton_CheckMCU"), Qt::LeftButton);
        QVERIFY(bench.rig.idle());
        QVERIFY(bench.rig.log().contains("Check MCU CRC is OK..."));

        QFile cut(QDir::current().absoluteFilePath("cut.kqb"));
        QVERIFY(QFile::copy(bundle, cut.fileName()) && cut.resize(cut.size() - 100));
        QVERIFY(!w.openBundle(cut.fileName()));
        QVERIFY(
            bench.rig.boxes.texts().last().startsWith("Bundle " + cut.fileName() + " refused: "));
        QCOMPARE(bench.rig.child<QLineEdit>("lineEdit_MCU")->text(), bundle + ":mcu.bin");

        QFile image(QDir::current().absoluteFilePath("app.bin"));
        QVERIFY(image.open(QIODevice::WriteOnly) && image.write(mcu) == mcu.size());
        image.close();
        w.chooseFile = [&](const QString &, const QString &, const QString &) {
            return image.fileName();
        };
        QTest::mouseClick(bench.rig.child<QPushButton>("pushButton_InputMCUCode"), Qt::LeftButton);
        QVERIFY(!w.openedBundle());
        QCOMPARE(bench.rig.child<QLineEdit>("lineEdit_MCU")->text(), image.fileName());
        QCOMPARE(bench.rig.child<QLineEdit>("lineEdit_Flash")->text(), QString());
    }
};

QTEST_MAIN(AppBundleTest)
#include "test_app_bundle.moc"
