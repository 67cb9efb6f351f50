#include "TestMain.h"

#include "ui/print/PrinterProbe.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;

// The printer question of the start-up never holds it longer than its budget.
class PrinterProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void aServerThatDoesNotAnswerCountsAsPrinters()
    {
        std::atomic<bool> release = false;
        std::atomic<int> asked = 0;
        PrinterProbe probe([&] {
            ++asked;
            while (!release)
                std::this_thread::sleep_for(1ms);
            return false;
        });
        probe.start();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(probe.anyPrinter(100ms), true);
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(probe.busy());
        // The question under way is awaited again, not asked twice.
        QCOMPARE(probe.anyPrinter(50ms), true);
        release = true;
        QCOMPARE(probe.anyPrinter(5s), false);
        QCOMPARE(asked.load(), 1);
        // An answer is used once: the next question is asked again.
        QCOMPARE(probe.anyPrinter(5s), false);
        QCOMPARE(asked.load(), 2);
        QVERIFY(!probe.busy());
    }

    // A server silent until the print library gives up answers "no printer" at last: that is
    // no answer, or the next question, asked by the window itself, would wait as long.
    void anAnswerTooLateIsNoAnswer()
    {
        std::atomic<bool> slow = true;
        PrinterProbe probe([&] {
            if (slow) std::this_thread::sleep_for(300ms);
            return false;
        });
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::NoAnswer);
        QTRY_VERIFY(!probe.busy());
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::NoAnswer);
        slow = false; // the server is back
        QCOMPARE(probe.ask(5s), PrinterProbe::Answer::NoPrinter);
    }
};

KERBO_TEST(PrinterProbeTest)
#include "PrinterProbeTest.moc"
