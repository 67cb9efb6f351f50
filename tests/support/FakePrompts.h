#pragma once

#include "core/base/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Scripted prompts: records every call and answers from queues the test fills beforehand.
// An empty queue answers Cancel / No / nothing, so an unexpected prompt never blocks a test.
class FakePrompts : public Prompts
{
public:
    struct Call {
        QString kind; // "message", "question", "input", "openFile"
        QString title;
        QString text; // message or prompt text; folder for a file choice
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
        QString defaultText; // input default, or filter of a file choice
    };

    QList<Call> calls;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> files;
    // Run when a message or a question is shown, to look at the windows as the driver sees
    // them behind it.
    std::function<void()> onShown;

    void message(const QString &title, const QString &text, Icon icon) override
    {
        calls.append({QStringLiteral("message"), title, text, icon, Buttons::Ok, Answer::Ok, {}});
        if (onShown) onShown();
    }
    Answer question(const QString &title, const QString &text, Icon icon, Buttons buttons,
                    Answer defaultAnswer) override
    {
        calls.append({QStringLiteral("question"), title, text, icon, buttons, defaultAnswer, {}});
        if (onShown) onShown();
        return take(answers, buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
    std::optional<QString> input(const QString &title, const QString &prompt,
                                 const QString &defaultText) override
    {
        calls.append({QStringLiteral("input"), title, prompt, Icon::None, Buttons::OkCancel,
                      Answer::Ok, defaultText});
        return take(inputs, std::optional<QString>());
    }
    QString openFile(const QString &title, const QString &folder, const QString &filter) override
    {
        calls.append({QStringLiteral("openFile"), title, folder, Icon::None, Buttons::OkCancel,
                      Answer::Ok, filter});
        return take(files, QString());
    }
    const Call &last() const { return calls.constLast(); }
    QStringList titles() const
    {
        QStringList t;
        for (const Call &c : calls)
            t << c.title;
        return t;
    }

private:
    // The next scripted answer, or `none` when the test scripted no more.
    template <class T> static T take(std::deque<T> &queue, T none)
    {
        if (!queue.empty()) {
            none = std::move(queue.front());
            queue.pop_front();
        }
        return none;
    }
};
