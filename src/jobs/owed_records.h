#pragma once

#include <functional>

// A program that ends at once (a second stop signal outside an MCU write) still writes the
// record of every board whose run has ended, and never cuts a record off in the middle.
//
// A board's run under way is registered with what to write should the program end before it
// does (RunUnderWay); a board's run that has ended owes its record until whoever writes it is done
// (RecordOwed); a record being written is marked (RecordWriting). Hold_Records() waits until
// nothing is owed or being written and then holds back every record that would start later: after
// it, the program can end without a record torn or missing. Safe to use from any thread (not from a
// signal handler).
class RecordOwed {
  public:
    RecordOwed();
    ~RecordOwed();
    RecordOwed(const RecordOwed &) = delete;
    RecordOwed &operator=(const RecordOwed &) = delete;
};

// A run under way, from its start until its end is known to whoever writes its record (drop it
// before writing the run's own record). Should the program end at once meanwhile, Hold_Records()
// calls `lastWords` to write what can be said of the run (that it was interrupted), and the
// run's own record is held back: never both. The destructor waits while `lastWords` runs.
class RunUnderWay {
  public:
    explicit RunUnderWay(std::function<void()> lastWords);
    ~RunUnderWay();
    RunUnderWay(const RunUnderWay &) = delete;
    RunUnderWay &operator=(const RunUnderWay &) = delete;

  private:
    int id;
};

// Blocks for good once Hold_Records() has returned: the program is ending.
class RecordWriting {
  public:
    RecordWriting();
    ~RecordWriting();
    RecordWriting(const RecordWriting &) = delete;
    RecordWriting &operator=(const RecordWriting &) = delete;
};

// Waits at most `timeoutMs` for the records owed, and for those being written however long they
// take, then writes the last words of every run still under way; false when the time ran out on
// a record owed (later ones are held back all the same).
bool Hold_Records(int timeoutMs);
