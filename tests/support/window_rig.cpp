#include "support/window_rig.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

MainWindow &WindowRig::start(const QByteArray &config) {
    if (!config.isNull()) dir.write(QStringLiteral("config.ini"), config);
    window = std::make_unique<MainWindow>();
    return *window;
}

bool WindowRig::idle(int timeoutMs) {
    return QTest::qWaitFor([this] { return !window->jobRunning() && !window->isBusy(); },
                           timeoutMs);
}

QStringList WindowRig::log() const {
    const QString text = child<QTextEdit>("textEdit")->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

const QStringList &WindowRig::actionButtons() {
    static const QStringList names{
        "pushButton_flashMode", "pushButton_OpenCom",    "pushButton_UpdateAll",
        "pushButton_UpdateMCU", "pushButton_CheckMCU",   "pushButton_UpdateFlash",
        "pushButton_FlashInfo", "pushButton_CheckFlash", "pushButton_RunApp"};
    return names;
}

QStringList WindowRig::enabledActionButtons() const {
    QStringList names;
    for (const QString &name : actionButtons())
        if (child<QPushButton>(qPrintable(name))->isEnabled()) names << name;
    return names;
}
