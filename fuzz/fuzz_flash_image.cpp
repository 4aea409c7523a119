// Flash image files: the Input File button and the load for an update.
#include "flash/flash_image.h"
#include "fuzz_support.h"
#include "protocol/crc32.h"
#include "serial/serial_link.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ensureApplication();
    static QTemporaryDir dir;
    static SerialLink link;
    static UnattendedObserver ui;
    ui.log.clear(); // one input's lines at a time
    ui.messages.clear();
    const QString path = dir.filePath(QStringLiteral("flash.img"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    DeviceSession s(link, ui);
    FlashImageFacts facts;
    if (Input_FlashImage(path, ui, facts) == ImageRead::Read &&
        (facts.flashCodeLen != int32_t(size) ||
         facts.flashCodeCrc != crc32_calc(data, uint32_t(size))))
        __builtin_trap();
    const ImageSnapshot image = Read_FlashImageFile(path, QString());
    const Result<FlashImageFacts> loaded = Load_FlashCode(s, *image);
    if (loaded.ok() && (image->bytes.size() != int(size) ||
                        loaded.value().flashCodeCrc != crc32_calc(data, uint32_t(size))))
        __builtin_trap();
    return 0;
}
