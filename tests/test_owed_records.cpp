// A program that ends at once holds the records back only once those owed by boards that ended
// and those being written are done, and from then on no record starts.
#include "jobs/owed_records.h"

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <thread>

class OwedRecordsTest : public QObject {
    Q_OBJECT

  private slots:
    // One scenario: the hold is for good, so there is one per process.
    void holdWaitsForOwedAndWrittenRecordsThenHoldsBackTheRest() {
        std::atomic<bool> owedTaken{false}, writingTaken{false}, lateWriteStarted{false};
        QElapsedTimer clock;
        clock.start();
        std::thread owing([&] {
            const RecordOwed owed;
            owedTaken = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        });
        std::thread writing([&] {
            const RecordWriting record;
            writingTaken = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        });
        QTRY_VERIFY(owedTaken && writingTaken);
        QVERIFY(Hold_Records(5000));
        QVERIFY2(clock.elapsed() >= 300, qPrintable(QString::number(clock.elapsed())));
        owing.join();
        writing.join();

        // A record that would start now waits for good: the program is ending.
        std::thread late([&] {
            const RecordWriting record;
            lateWriteStarted = true;
        });
        late.detach();
        QTest::qWait(100);
        QVERIFY(!lateWriteStarted);
    }
};

QTEST_GUILESS_MAIN(OwedRecordsTest)
#include "test_owed_records.moc"
