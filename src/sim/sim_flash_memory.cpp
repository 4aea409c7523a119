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

template <typename Change>
void SimFlashMemory::changePieces(qint64 offset, qint64 length, Change change) {
    qint64 done = 0;
    while (done < length) {
        const qint64 at = offset + done;
        const qint64 index = at / PageSize;
        const qint64 inPage = at % PageSize;
        const qint64 take = std::min<qint64>(PageSize - inPage, length - done);
        auto it = pages.find(index);
        if (it == pages.end()) it = pages.emplace(index, erasedPage()).first;
        change(it->second.data() + inPage, done, take);
        done += take;
    }
}

void SimFlashMemory::write(qint64 offset, const QByteArray &data) {
    changePieces(offset, data.size(), [&data](char *bytes, qint64 from, qint64 n) {
        std::memcpy(bytes, data.constData() + from, size_t(n));
    });
}

void SimFlashMemory::program(qint64 offset, const QByteArray &data) {
    changePieces(offset, data.size(), [&data](char *bytes, qint64 from, qint64 n) {
        for (qint64 i = 0; i < n; ++i)
            bytes[i] = char(bytes[i] & data[int(from + i)]);
    });
}

void SimFlashMemory::erase(qint64 offset, qint64 length) {
    changePieces(offset, length,
                 [](char *bytes, qint64, qint64 n) { std::memset(bytes, 0xFF, size_t(n)); });
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
