#pragma once

#include <QDateTime>
#include <QString>

// The station's tally since it started or was reset: boards passed and failed, the yield and the
// pace. A board the operator stopped is neither.
class YieldCounters {
  public:
    explicit YieldCounters(const QDateTime &start = QDateTime::currentDateTime()) : since(start) {}

    void count(bool passed) { (passed ? passedBoards : failedBoards) += 1; }
    void reset(const QDateTime &now);

    int passed() const { return passedBoards; }
    int failed() const { return failedBoards; }
    // Passed of all counted, 0..100; none counted: -1.
    int yieldPercent() const;
    // Boards counted per hour since the start, over at least a minute.
    double perHour(const QDateTime &now) const;
    // One line: "Passed 7 · Failed 1 · Yield 88 % · 42 boards/hour · since 08:00".
    QString text(const QDateTime &now) const;

  private:
    QDateTime since;
    int passedBoards = 0, failedBoards = 0;
};
