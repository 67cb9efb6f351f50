#pragma once

#include <chrono>
#include <functional>
#include <memory>

// Asks the system whether it has a printer, on a worker thread, so that a print server that does
// not answer cannot hold the start-up: the answer is awaited for a bounded time, and a question
// still unanswered then counts as "printers present" (printing reports its own failure later).
class PrinterProbe
{
public:
    // `ask` runs on the worker thread; by default the print server is asked for its printers'
    // names.
    explicit PrinterProbe(std::function<bool()> ask = {});

    enum class Answer { Printers, NoPrinter, NoAnswer };

    // Starts asking, unless a question is already under way.
    void start();
    // The answer of the question under way (started now when none is), waiting at most `budget`.
    // An answer is used once: the next call asks again; a question unanswered is awaited again.
    Answer ask(std::chrono::milliseconds budget);
    // The same, a server that does not answer counting as printers present.
    bool anyPrinter(std::chrono::milliseconds budget) { return ask(budget) != Answer::NoPrinter; }
    // Whether a question is still unanswered (its thread must not be waited for at exit).
    bool busy() const;

private:
    struct Question;
    std::function<bool()> m_ask;
    std::shared_ptr<Question> m_question;
};
