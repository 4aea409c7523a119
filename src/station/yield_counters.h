#pragma once

#include <QDateTime>
#include <QString>
#include <map>

// The boards of one slot, or of the whole station: a board is counted once, however many times it
// is run; it is passed or failed by its last run.
struct BoardCounts {
    int total = 0;
    int passed = 0;
    int failed = 0;
    int firstPass = 0; // passed on their first run
    // Of all boards, 0..100; none counted: -1.
    int firstPassYield() const;
    int finalYield() const;
};

// The station's tally since it started or was reset, per slot and in all, and the pace.
class YieldCounters {
  public:
    explicit YieldCounters(const QDateTime &start = QDateTime::currentDateTime()) : since(start) {}

    // A run of a board in `slot` ended. `attempt` 1 is the board's first run (a new board);
    // a later one is a retry of the board whose last run ended `before`.
    void count(const QString &slot, int attempt, bool before, bool passed);
    void reset(const QDateTime &now);

    const BoardCounts &all() const { return station; }
    BoardCounts ofSlot(const QString &slot) const;
    QDateTime start() const { return since; }
    // Boards per hour since the start; none (-1) in the first quarter of an hour, where a rate
    // would be a guess.
    double perHour(const QDateTime &now) const;
    // One line: "Total 8 · Passed 7 · Failed 1 · First-pass yield 75 % · Final yield 88 % ·
    // 42 boards/hour · since 08:00".
    QString text(const QDateTime &now) const;

  private:
    static void add(BoardCounts &c, int attempt, bool before, bool passed);

    QDateTime since;
    BoardCounts station;
    std::map<QString, BoardCounts> perSlot;
};
