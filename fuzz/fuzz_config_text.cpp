// config.ini text, read as the window reads it at start-up, and written back.
#include "app/config_text.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const ConfigRead read = Parse_Config(text);
    // What was read must survive a save and a second read.
    const ConfigRead again = Parse_Config(Format_Config(read.values));
    if (read.linesRead == 6 && (again.values.blSet != read.values.blSet ||
                                again.values.eraseWhole != read.values.eraseWhole))
        __builtin_trap();
    return 0;
}
