#include "bundle/bundle_limits.h"

#include "protocol/chip_table.h"

#include <algorithm>

qint64 Bundle_McuMax() {
    qint64 largest = 0;
    for (const ChipModel &row : Chip_Models())
        largest = std::max<qint64>(largest, row.mcuFlashSize);
    return largest;
}

qint64 Bundle_FileMax() {
    constexpr qint64 ArchiveRecords = 1024 * 1024;
    return Bundle_McuMax() + BundleFlashMax + ManifestMax + SignatureFileMax + ArchiveRecords;
}
