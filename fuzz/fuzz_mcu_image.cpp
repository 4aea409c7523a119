// MCU image files, plain and packaged, read from disk as the update reads them.
#include "fuzz_support.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_package.h"
#include "protocol/chip_table.h"
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
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    // The unpacking alone: the trailer must match what it claims.
    const McuPackage package = Unpack_McuPackage(bytes);
    if (package.hasTrailer &&
        package.crc != crc32_calc(reinterpret_cast<const uint8_t *>(package.image.constData()),
                                  uint32_t(package.image.size())))
        __builtin_trap();

    // The whole load, both file kinds, for a model that takes large images.
    for (const char *name : {"image.bin", "image.pkg"}) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(bytes);
        file.close();
        DeviceSession s(link, ui);
        s.identity.model = Find_ChipModelByName("KQ31B");
        (void)Input_McuImage(path, s.chip().code, ui);
        const Result<McuImage> image = Load_McuImage(s, *Read_McuImageFile(path));
        if (image.ok() && image.value().bytes.size() != image.value().length) __builtin_trap();
    }
    return 0;
}
