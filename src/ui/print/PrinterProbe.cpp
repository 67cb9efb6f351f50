#include "ui/print/PrinterProbe.h"

#include "ui/print/PrinterChoice.h"

#include <condition_variable>
#include <mutex>
#include <thread>

struct PrinterProbe::Question {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool anyPrinter = true;
};

PrinterProbe::PrinterProbe(std::function<bool()> ask)
    : m_ask(ask ? std::move(ask) : std::function<bool()>(&PrinterChoice::anyPrinterInstalled))
{
}

void PrinterProbe::start()
{
    if (m_question) return;
    auto question = std::make_shared<Question>();
    m_question = question;
    // Detached: a thread stuck in a print server's network wait is never joined.
    std::thread([question, ask = m_ask] {
        const bool any = ask();
        const std::lock_guard lock(question->mutex);
        question->anyPrinter = any;
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
    lock.unlock();
    m_question.reset();
    return any ? Answer::Printers : Answer::NoPrinter;
}

bool PrinterProbe::busy() const
{
    if (!m_question) return false;
    const std::lock_guard lock(m_question->mutex);
    return !m_question->done;
}
