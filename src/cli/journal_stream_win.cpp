#include "cli/journal_stream.h"

// Windows has no journal stream: its services log elsewhere.
std::optional<QByteArray> Stream_DeviceInode(FILE *) {
    return std::nullopt;
}
