#include "jobs/owed_records.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct Ledger {
    std::mutex mutex;
    std::condition_variable changed;
    int owed = 0;
    int writing = 0;
    bool held = false;
};

// Never destroyed: a thread that ends the program may still use it while static objects go.
Ledger &ledger() {
    static Ledger *const instance = new Ledger;
    return *instance;
}

void add(int Ledger::*count, int delta) {
    Ledger &l = ledger();
    std::lock_guard<std::mutex> lock(l.mutex);
    l.*count += delta;
    l.changed.notify_all();
}

} // namespace

RecordOwed::RecordOwed() {
    add(&Ledger::owed, 1);
}

RecordOwed::~RecordOwed() {
    add(&Ledger::owed, -1);
}

RecordWriting::RecordWriting() {
    Ledger &l = ledger();
    std::unique_lock<std::mutex> lock(l.mutex);
    l.changed.wait(lock, [&l] { return !l.held; });
    ++l.writing;
}

RecordWriting::~RecordWriting() {
    add(&Ledger::writing, -1);
}

bool Hold_Records(int timeoutMs) {
    Ledger &l = ledger();
    std::unique_lock<std::mutex> lock(l.mutex);
    const bool settled = l.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                            [&l] { return l.owed == 0 && l.writing == 0; });
    l.held = true;
    // A record begun is finished whatever the time: a torn one would spoil the next.
    l.changed.wait(lock, [&l] { return l.writing == 0; });
    return settled;
}
