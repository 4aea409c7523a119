#include "app/main_window.h"
#include "jobs/stop_signals.h"
#include "tessara_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>
#include <cstdio>
#include <cstring>

namespace {

// --help and --version are answered on the terminal, before anything needs a display; every
// other argument is left to QApplication (-platform, -style, ...).
bool asksForText(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char *text : {"-h", "--help", "--version"})
            if (std::strcmp(argv[i], text) == 0) return true;
    return false;
}

int printText(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The operator's window: updates the MCU and external flash of KQ display-controller\n"
        "chips through their boot loader, on the chip's port as it comes and goes.\n"
        "Qt's standard options (-platform, -style, ...) are accepted."));
    parser.addPositionalArgument(QStringLiteral("FILE.kqb"),
                                 QStringLiteral("A release bundle whose images the window takes."),
                                 QStringLiteral("[FILE.kqb]"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOptions(
        {help, QCommandLineOption(QStringLiteral("version"), QStringLiteral("Show the version."))});
    parser.parse(QCoreApplication::arguments()); // Qt's own options are no error here
    const QString text =
        parser.isSet(help)
            ? parser.helpText() +
                  QStringLiteral(
                      "\nExit status:\n"
                      "  0    the window was closed (SIGTERM, SIGHUP and Ctrl-C close it as Exit\n"
                      "       does: a running job stops safely first), or --help or --version\n"
                      "       answered\n"
                      "  134  the window could not start, for example with no display to show\n"
                      "       it on: Qt says why and aborts\n")
            : QStringLiteral("tessara %1\n").arg(QStringLiteral(TESSARA_VERSION));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (asksForText(argc, argv)) return printText(argc, argv);
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    // A shutdown, a logout or a closed terminal (SIGTERM, SIGHUP, Ctrl-C) and the display's
    // session ending close the window as Exit does: a running job stops safely first.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &window, &MainWindow::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &MainWindow::stopBeforeQuit);
    // `tessara FILE.kqb`: the release bundle's images in both fields.
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        if (argument.endsWith(QLatin1String(".kqb"), Qt::CaseInsensitive))
            window.openBundle(argument);
    return app.exec();
}
