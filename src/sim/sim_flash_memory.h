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
    // Back to 0xFF.
    void erase(qint64 offset, qint64 length);
    // Stores `data` as it is, whatever was there (the tests' way to set the contents).
    void write(qint64 offset, const QByteArray &data);
    // Programs as NOR flash does: bits only go from 1 to 0, so unerased bytes end up as the AND
    // of old and new.
    void program(qint64 offset, const QByteArray &data);
    QByteArray read(qint64 offset, qint64 length) const;
    uint32_t crc(qint64 offset, qint64 length) const;

  private:
    // Visits [offset, offset + length) page by page, erased pages included.
    template <typename Visit> void forEachPiece(qint64 offset, qint64 length, Visit visit) const;
    // Visits the stored pages under [offset, offset + length), storing erased ones first.
    template <typename Change> void changePieces(qint64 offset, qint64 length, Change change);

    qint64 total;
    std::map<qint64, QByteArray> pages; // page index -> PageSize bytes
};
