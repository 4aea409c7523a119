#include "flash/flash_id.h"

#include "flash/flash_ini.h"
#include "flash/flash_ini_search.h"
#include "protocol/bytes.h"
#include "protocol/open_port.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString hex(uint32_t value) {
    return QString::asprintf("0x%x", value);
}

} // namespace

QString Flash_IniFile(const QString &chosen) {
    return Flash_IniPath(FlashIni_Places(chosen));
}

QString Flash_UnknownPart(const QString &chosen, const QList<uint32_t> &ids) {
    QStringList names;
    for (const uint32_t id : ids)
        names << hex(id);
    const QString path = Flash_IniFile(chosen);
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
    return Get_Le32(&reply[1]);
}

FlashPartFacts Read_FlashIni(Observer &ui, const QString &chosen, uint32_t id) {
    FlashPartFacts facts;
    facts.id = id;
    const QString path = Flash_IniFile(chosen);
    if (!path.isEmpty()) {
        QFile file(path);
        QString reason;
        FlashPart part;
        if (!FlashIni_Open(file, reason)) {
            // Not the same as a part missing from the list: say so.
            ui.logLine(FlashIni_Unreadable(path, reason));
        } else if (QTextStream in(&file); Find_FlashPart(in, id, part)) {
            facts.listed = true;
            facts.capacity = part.capacity;
            facts.name = part.name;
        }
    }
    ui.flashPartRead(facts);
    return facts;
}

Result<FlashPartFacts> Get_FlashID(DeviceSession &s, int variant, const QString &chosen) {
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open.failure();
    const Frame frame = FlashId_Frame(variant);
    const Result<ReplyFrame> reply =
        Exchange_Result(s, Exchange_Command(s, Command::GetFlashId, frame.data(), FrameSize),
                        QStringLiteral("the flash ID request"),
                        QStringLiteral("Get flash id,and return error command"));
    if (!reply.ok()) return reply.failure();
    const uint32_t id = Decode_FlashId_Reply(reply.value());
    s.ui.logLine(QStringLiteral("FlashID:") + hex(id));
    return Read_FlashIni(s.ui, chosen, id);
}

Result<FlashPartFacts> Identify_FlashPart(DeviceSession &s, const QString &chosen) {
    Result<FlashPartFacts> r = Get_FlashID(s, 0, chosen);
    if (!r.ok() || !r.value().listed) r = Get_FlashID(s, 1, chosen);
    if (!r.ok()) return r;
    if (!r.value().listed)
        return Fail(FailureKind::InputUnusable, Flash_UnknownPart(chosen, {r.value().id}));
    return r;
}
