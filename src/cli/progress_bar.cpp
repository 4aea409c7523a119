#include "cli/progress_bar.h"

#include <QtGlobal>

QString Phase_Name(ProgressPhase phase) {
    switch (phase) {
    case ProgressPhase::LoaderDownload:
        return QStringLiteral("KQ580 loader download");
    case ProgressPhase::McuErase:
        return QStringLiteral("MCU erase");
    case ProgressPhase::McuWrite:
        return QStringLiteral("MCU write");
    case ProgressPhase::McuCrcCheck:
        return QStringLiteral("MCU CRC check");
    case ProgressPhase::FlashErase:
        return QStringLiteral("flash erase");
    case ProgressPhase::FlashWrite:
        return QStringLiteral("flash write");
    case ProgressPhase::FlashCrcCheck:
        return QStringLiteral("flash CRC check");
    }
    return QString();
}

QString Progress_Bar(int percent, int width, const std::optional<ProgressPhase> &phase) {
    percent = qBound(0, percent, 100);
    const int filled = percent * width / 100;
    QString bar = QStringLiteral("[%1%2] %3%")
                      .arg(QString(filled, QLatin1Char('#')))
                      .arg(QString(width - filled, QLatin1Char('.')))
                      .arg(percent, 3);
    if (phase) bar += QLatin1Char(' ') + Phase_Name(*phase);
    return bar;
}
