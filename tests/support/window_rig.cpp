#include "support/window_rig.h"

#include <QTextEdit>

MainWindow &WindowRig::start(const QByteArray &config) {
    if (!config.isNull()) dir.write(QStringLiteral("config.ini"), config);
    window = std::make_unique<MainWindow>();
    return *window;
}

QStringList WindowRig::log() const {
    const QString text = child<QTextEdit>("textEdit")->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
