#include "bundle/model_names.h"

#include "protocol/models.h"

std::optional<uint32_t> Model_CodeOf(const QString &name) {
    for (const ModelRow &row : modelTable)
        if (name == QLatin1String(row.name)) return row.code;
    return std::nullopt;
}

QStringList Model_Names() {
    QStringList names;
    for (const ModelRow &row : modelTable)
        names.append(QLatin1String(row.name));
    return names;
}
