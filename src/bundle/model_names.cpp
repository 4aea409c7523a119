#include "bundle/model_names.h"

#include "protocol/chip_table.h"

std::optional<uint32_t> Model_CodeOf(const QString &name) {
    for (const ChipModel &row : Chip_Models())
        if (name == QLatin1String(row.name)) return row.code;
    return std::nullopt;
}

QStringList Model_Names() {
    QStringList names;
    for (const ChipModel &row : Chip_Models())
        names.append(QLatin1String(row.name));
    return names;
}
