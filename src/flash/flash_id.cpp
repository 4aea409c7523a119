#include "flash/flash_id.h"

#include "flash/flash_ini.h"
#include "flash/flash_ini_search.h"
#include "protocol/bytes.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString hex(uint32_t value) {
    return QString::asprintf("0x%x", value);
}

} // namespace

QString Flash_IniFile(const DeviceSession &s) {
    return Flash_IniPath(FlashIni_Places(s.flashIniPath));
}

QString Flash_UnknownPart(const DeviceSession &s, const QList<uint32_t> &ids) {
    QStringList names;
    for (const uint32_t id : ids)
        names << hex(id);
    const QString path = Flash_IniFile(s);
    const QString subject = names.size() == 1
                                ? QStringLiteral("flash ID %1 is").arg(names.first())
                                : QStringLiteral("flash IDs %1 are").arg(names.join(" and "));
    if (path.isEmpty()) return subject + QStringLiteral(" not known: no Flash.ini was found");
    if (!QFileInfo(path).isReadable())
        return subject + QStringLiteral(" not known: %1 cannot be read").arg(path);
    return subject + QStringLiteral(" not in %1").arg(path);
}

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
    const QString path = Flash_IniFile(s);
    if (!path.isEmpty()) {
        QFile file(path);
        QString reason;
        if (FlashIni_Open(file, reason)) {
            QTextStream in(&file);
            found = Find_FlashPart(in, id, part);
        } else {
            // Not the same as a part missing from the list: say so.
            s.ui.logLine(FlashIni_Unreadable(path, reason));
        }
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

int Identify_FlashPart(DeviceSession &s) {
    int r = Get_FlashID(s, 0);
    if (r != 0) r = Get_FlashID(s, 1);
    switch (r) {
    case 0:
        return 0;
    case 1:
        return s.fail(r, Flash_UnknownPart(s, {s.flashId}));
    case -1:
        return s.fail(r, QStringLiteral("the port is not open"));
    case -2:
        return s.fail(r, QStringLiteral("the flash ID request was refused"));
    default:
        return s.fail(r, QStringLiteral("the flash ID request was not answered"));
    }
}

int Flash_Info(DeviceSession &s) {
    s.busy = 1;
    const int r = Identify_FlashPart(s);
    s.busy = 0;
    return r;
}
