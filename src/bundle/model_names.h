#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Chip models by the names the probe shows ("KQ31B"), for files that name them.

// The model code of `name` (exact, case-sensitive); none for a name no known model has.
std::optional<uint32_t> Model_CodeOf(const QString &name);
// Every known model's name, in the chip table's order.
QStringList Model_Names();
