#include "mcu/boot_records.h"

#include "protocol/bytes.h"
#include "protocol/crc32.h"
#include "protocol/transaction.h"

namespace {

constexpr int RecordCrcOffset = 20;

BootRecord sealed(BootRecord record) {
    Put_Le32(&record[RecordCrcOffset], crc32_calc(record.data(), RecordCrcOffset));
    return record;
}

} // namespace

BootRecord SecondBootInfo_Record(uint32_t enterAddr, int32_t length, uint32_t crc) {
    BootRecord record{};
    Put_Le32(&record[0], 0x19714568);
    Put_Le32(&record[4], 0x03100862);
    Put_Le32(&record[8], enterAddr);
    Put_Le32(&record[12], uint32_t(length));
    Put_Le32(&record[16], crc);
    return sealed(record);
}

BootRecord BootSetting_Record(int blSet) {
    BootRecord record{};
    record.fill(0xFF);
    Put_Le32(&record[0], uint32_t(int32_t(blSet) - 16));
    return sealed(record);
}

Result<> Save_SecondBootInfo(DeviceSession &s, const McuImageFacts &image) {
    const BootRecord record = SecondBootInfo_Record(image.enterAddr, image.mcuLen, image.mcuCrc);
    return Send_Packet(s, int(record.size()), SecondBootInfoCode, record.data(),
                       QStringLiteral("the second boot information"));
}

Result<> Save_BootSetting(DeviceSession &s, int blSet) {
    const BootRecord record = BootSetting_Record(blSet);
    return Send_Packet(s, int(record.size()), BootSettingCode, record.data(),
                       QStringLiteral("the boot setting"));
}

void Report_SecondBootInfo(DeviceSession &s, const McuImageFacts &image) {
    s.ui.logLine(Save_SecondBootInfo(s, image).ok() ? QStringLiteral("Save second boot info OK")
                                                    : QStringLiteral("Save second boot info NG"));
}
