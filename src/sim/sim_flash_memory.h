#pragma once

#include <QByteArray>
#include <cstdint>
#include <map>

// A flash of up to a few GiB held sparsely: only written pages take memory; the rest reads as
// erased (0xFF). Callers keep every range inside `size()`.
class SimFlashMemory {
  public:
    static constexpr qint64 PageSize = 64 * 1024;

    explicit SimFlashMemory(qint64 size = 0) : total(size) {}

    qint64 size() const { return total; }
    void resize(qint64 size);
    void eraseAll() { pages.clear(); }
    void write(qint64 offset, const QByteArray &data);
    QByteArray read(qint64 offset, qint64 length) const;
    uint32_t crc(qint64 offset, qint64 length) const;

  private:
    // Visits [offset, offset + length) page by page, erased pages included.
    template <typename Visit> void forEachPiece(qint64 offset, qint64 length, Visit visit) const;

    qint64 total;
    std::map<qint64, QByteArray> pages; // page index -> PageSize bytes
};
