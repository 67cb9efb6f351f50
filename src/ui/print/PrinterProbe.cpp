#include "ui/print/PrinterProbe.h"

#include "ui/print/ServerPrinters.h"

#include <condition_variable>
#include <mutex>
#include <thread>

struct PrinterProbe::Question {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool anyPrinter = true;
    std::chrono::steady_clock::duration took{};
};

PrinterProbe::PrinterProbe(std::function<bool()> ask)
    : m_ask(ask ? std::move(ask) : std::function<bool()>(&ServerPrinters::anyListed))
{
}

void PrinterProbe::start()
{
    if (m_question) return;
    auto question = std::make_shared<Question>();
    m_question = question;
    // Detached: a thread stuck in a print server's network wait is never joined.
    std::thread([question, ask = m_ask] {
        const auto asked = std::chrono::steady_clock::now();
        const bool any = ask();
        const std::lock_guard lock(question->mutex);
        question->anyPrinter = any;
        question->took = std::chrono::steady_clock::now() - asked;
        question->done = true;
        question->answered.notify_all();
    }).detach();
}

PrinterProbe::Answer PrinterProbe::ask(std::chrono::milliseconds budget)
{
    start();
    std::unique_lock lock(m_question->mutex);
    if (!m_question->answered.wait_for(lock, budget, [this] { return m_question->done; }))
        return Answer::NoAnswer; // the question stays under way; the next call waits for it again
    const bool any = m_question->anyPrinter;
    // A server that let the question wait past the budget, then gave up (the print library's
    // own time limit is a minute or more), does not answer: its "no printer" is no answer, and
    // the next question would hold whoever asked it as long. Printers listed late are an answer:
    // the server was slow a moment, and answers now.
    const bool gaveUp = m_question->took > budget && !any;
    lock.unlock();
    m_question.reset();
    if (gaveUp) return Answer::NoAnswer;
    return any ? Answer::Printers : Answer::NoPrinter;
}

bool PrinterProbe::busy() const
{
    if (!m_question) return false;
    const std::lock_guard lock(m_question->mutex);
    return !m_question->done;
}
