#include "flash/flash_id.h"

#include "flash/flash_ini.h"
#include "protocol/bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

QString hex(uint32_t value) {
    return QString::asprintf("0x%x", value);
}

} // namespace

Frame FlashId_Frame(int variant) {
    Frame frame{};
    frame[0] = Command::GetFlashId.letter;
    frame[1] = 0x01;
    frame[2] = uint8_t(variant);
    return frame;
}

uint32_t Decode_FlashId_Reply(const ReplyFrame &reply) {
    return getLe32(&reply[1]);
}

bool Read_FlashIni(DeviceSession &s, uint32_t id) {
    s.flashSize = 0;
    s.flashName.clear();
    FlashPart part;
    bool found = false;
    QFile file(Flash_IniPath(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        found = Find_FlashPart(in, id, part);
        file.close();
    }
    if (found) {
        s.flashSize = Flash_SizeOf(part.capacity);
        s.flashName = part.name;
    }
    // A capacity too large for flashSize is still shown as it is.
    s.ui.showFlashPart(hex(s.flashId), QString::number(found ? part.capacity : 0), s.flashName);
    return found;
}

int Get_FlashID(DeviceSession &s, int variant) {
    if (!s.link.isOpen()) {
        s.ui.showMessage(QStringLiteral("Please open the port!"));
        return -1;
    }
    s.ui.showFlashPart(QStringLiteral("0"), QStringLiteral("0"), QString());
    const Frame frame = FlashId_Frame(variant);
    const Exchange e = exchange(s, Command::GetFlashId, frame.data(), FrameSize);
    if (const int r = Exchange_Result(s, Command::GetFlashId, e,
                                      QStringLiteral("Get flash id,and return error command")))
        return r;
    s.flashId = Decode_FlashId_Reply(e.reply);
    s.ui.logLine(QStringLiteral("FlashID:") + hex(s.flashId));
    return Read_FlashIni(s, s.flashId) ? 0 : 1;
}

int Flash_Info(DeviceSession &s) {
    s.busy = 1;
    int r = Get_FlashID(s, 0);
    if (r != 0) r = Get_FlashID(s, 1);
    s.busy = 0;
    return r;
}
