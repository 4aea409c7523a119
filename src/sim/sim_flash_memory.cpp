#include "sim/sim_flash_memory.h"

#include "protocol/crc32.h"

#include <algorithm>
#include <cstring>

namespace {
const QByteArray &erasedPage() {
    static const QByteArray page(int(SimFlashMemory::PageSize), char(0xFF));
    return page;
}
} // namespace

void SimFlashMemory::resize(qint64 size) {
    total = size;
    pages.erase(pages.lower_bound((size + PageSize - 1) / PageSize), pages.end());
}

void SimFlashMemory::write(qint64 offset, const QByteArray &data) {
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 at = offset + done;
        const qint64 index = at / PageSize;
        const qint64 inPage = at % PageSize;
        const qint64 take = std::min<qint64>(PageSize - inPage, data.size() - done);
        auto it = pages.find(index);
        if (it == pages.end()) it = pages.emplace(index, erasedPage()).first;
        std::memcpy(it->second.data() + inPage, data.constData() + done, size_t(take));
        done += take;
    }
}

template <typename Visit>
void SimFlashMemory::forEachPiece(qint64 offset, qint64 length, Visit visit) const {
    qint64 done = 0;
    while (done < length) {
        const qint64 at = offset + done;
        const qint64 inPage = at % PageSize;
        const qint64 take = std::min<qint64>(PageSize - inPage, length - done);
        const auto it = pages.find(at / PageSize);
        const QByteArray &page = it != pages.end() ? it->second : erasedPage();
        visit(page.constData() + inPage, take);
        done += take;
    }
}

QByteArray SimFlashMemory::read(qint64 offset, qint64 length) const {
    QByteArray out;
    out.reserve(int(length));
    forEachPiece(offset, length,
                 [&out](const char *bytes, qint64 n) { out.append(bytes, int(n)); });
    return out;
}

uint32_t SimFlashMemory::crc(qint64 offset, qint64 length) const {
    uint32_t value = 0;
    forEachPiece(offset, length, [&value](const char *bytes, qint64 n) {
        value = crc32_update(value, reinterpret_cast<const uint8_t *>(bytes), size_t(n));
    });
    return value;
}
