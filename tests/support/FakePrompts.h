#pragma once

#include "core/base/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

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

    void message(const QString &title, const QString &text, Icon icon) override
    {
        calls.append({QStringLiteral("message"), title, text, icon, Buttons::Ok, Answer::Ok, {}});
    }
    Answer question(const QString &title, const QString &text, Icon icon, Buttons buttons,
                    Answer defaultAnswer) override
    {
        calls.append({QStringLiteral("question"), title, text, icon, buttons, defaultAnswer, {}});
        if (answers.empty())
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> input(const QString &title, const QString &prompt,
                                 const QString &defaultText) override
    {
        calls.append({QStringLiteral("input"), title, prompt, Icon::None, Buttons::OkCancel,
                      Answer::Ok, defaultText});
        std::optional<QString> answer;
        if (!inputs.empty()) {
            answer = std::move(inputs.front());
            inputs.pop_front();
        }
        return answer;
    }
    QString openFile(const QString &title, const QString &folder, const QString &filter) override
    {
        calls.append({QStringLiteral("openFile"), title, folder, Icon::None, Buttons::OkCancel,
                      Answer::Ok, filter});
        if (files.empty())
            return QString();
        const QString f = files.front();
        files.pop_front();
        return f;
    }
    const Call &last() const { return calls.constLast(); }
    QStringList titles() const
    {
        QStringList t;
        for (const Call &c : calls)
            t << c.title;
        return t;
    }
};
