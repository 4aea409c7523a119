#include "jobs/owed_records.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

namespace {

struct Ledger {
    std::mutex mutex;
    std::condition_variable changed;
    int owed = 0;
    int writing = 0;
    bool held = false;
    int nextRun = 0;
    std::map<int, std::function<void()>> runs; // under way, by id
    int speaking = -1;                         // the run whose last words are being written
};

// The thread that writes the last words may write while the records are held.
thread_local bool endingThread = false;

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

RunUnderWay::RunUnderWay(std::function<void()> lastWords) {
    Ledger &l = ledger();
    std::lock_guard<std::mutex> lock(l.mutex);
    id = l.nextRun++;
    l.runs.emplace(id, std::move(lastWords));
}

RunUnderWay::~RunUnderWay() {
    Ledger &l = ledger();
    std::unique_lock<std::mutex> lock(l.mutex);
    l.changed.wait(lock, [&l, this] { return l.speaking != id; });
    l.runs.erase(id);
}

RecordWriting::RecordWriting() {
    Ledger &l = ledger();
    std::unique_lock<std::mutex> lock(l.mutex);
    l.changed.wait(lock, [&l] { return !l.held || endingThread; });
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
    // The runs still under way can write no record of their own now: each says what it can.
    endingThread = true;
    while (!l.runs.empty()) {
        const auto run = l.runs.begin();
        const std::function<void()> lastWords = std::move(run->second);
        l.speaking = run->first;
        l.runs.erase(run);
        lock.unlock();
        if (lastWords) lastWords();
        lock.lock();
        l.speaking = -1;
        l.changed.notify_all();
    }
    return settled;
}
