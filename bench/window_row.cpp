#include "window_row.h"

#include "bench_support.h"

#include "app/main_window.h"
#include "sim/sim_device.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int ImageBytes = 16 * 1024 * 1024;

// Runs the GUI thread's event loop until `done` holds or `ms` have passed.
template <typename F> bool runUntil(F &&done, int ms) {
    const QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (done() || deadline.hasExpired()) loop.quit();
    });
    look.start(5);
    if (!done()) loop.exec();
    return done();
}

} // namespace

int Run_WindowRow(const QString &dir, QTextStream &out) {
    SimConfig config = benchConfig("KQ31B");
    config.flashEraseMs = 0;
    SimDevice sim(config);
    if (!sim.start()) {
        out << "window: FAILED: simulator: " << sim.errorString() << "\n";
        return 1;
    }
    qputenv("TESSARA_SERIALCOMM", ("\\Device\\USBSER000=" + sim.portPath()).toLocal8Bit());
    const QString image = dir + "/window_flash.bin";
    if (!writeFile(image, randomImage(ImageBytes, false, 3)) ||
        !writeFile(dir + "/config.ini", "EWHOLE:0\nNFLASH:0\n./\n" + image.toLocal8Bit() + "\n")) {
        out << "window: FAILED: cannot write its files\n";
        return 1;
    }

    MainWindow w;
    w.show();
    w.Timer1_Out_Event(); // the port scan at once, not a second after start
    const auto opened = [&] {
        return !w.jobRunning() && w.isPortOpen() &&
               w.findChild<QLineEdit *>(QStringLiteral("lineEdit_McuType"))->text() == "KQ31B";
    };
    if (!runUntil(opened, 30000)) {
        out << "window: FAILED: the chip's port was not opened\n";
        return 1;
    }

    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
        ++ticks;
    });
    clock.start();
    ticker.start(10);
    w.on_pushButton_UpdateFlash_clicked();
    runUntil([&] { return !w.jobRunning(); }, 600000);
    ticker.stop();
    longest = qMax(longest, clock.elapsed() - last);
    const double seconds = clock.elapsed() / 1000.0;
    const QString log = w.findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText();
    if (!log.contains(QStringLiteral("Update flash is OK!!!!!!"))) {
        out << "window: FAILED: the flash update did not end ok\n";
        return 1;
    }
    out << "\nwindow (flash update, 16 MiB)  seconds  GUI ticks (10 ms)  longest wait ms\n"
        << QStringLiteral("%1 %2 %3\n")
               .arg(QString::number(seconds, 'f', 3), 38)
               .arg(ticks, 18)
               .arg(longest, 16);
    return 0;
}
