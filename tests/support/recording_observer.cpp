#include "support/recording_observer.h"

#include "flash/flash_image.h"
#include "mcu/mcu_image.h"

void RecordingObserver::flashPartRead(const FlashPartFacts &part) {
    flashId = QString::asprintf("0x%x", part.id);
    flashSize = QString::number(part.listed ? part.capacity : 0);
    flashName = part.name;
}

void RecordingObserver::imageRead(ImageRole role, uint32_t crc, int32_t length) {
    (role == ImageRole::Mcu ? mcuLabel : flashLabel) =
        role == ImageRole::Mcu ? Mcu_Label(crc, length) : Flash_Label(crc, length);
}
