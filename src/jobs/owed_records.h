#pragma once

// A program that ends at once (a second stop signal outside an MCU write) still writes the
// record of every board whose run has ended, and never cuts a record off in the middle.
//
// A board's run that has ended owes its record until whoever writes it is done (RecordOwed); a
// record being written is marked (RecordWriting). Hold_Records() waits until nothing is owed or
// being written and then holds back every record that would start later: after it, the program
// can end without a record torn or missing. Safe to use from any thread (not from a signal
// handler).
class RecordOwed {
  public:
    RecordOwed();
    ~RecordOwed();
    RecordOwed(const RecordOwed &) = delete;
    RecordOwed &operator=(const RecordOwed &) = delete;
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
// take; false when the time ran out on a record owed (later ones are held back all the same).
bool Hold_Records(int timeoutMs);
