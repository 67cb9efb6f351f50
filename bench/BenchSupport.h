#pragma once

// What every benchmark program shares: prompts that answer nothing, and the median of a run.
#include "core/base/Prompts.h"

#include <algorithm>
#include <optional>
#include <vector>

// Prompts that show nothing and take every default answer; a text prompt gets `typed`.
class SilentPrompts : public Prompts
{
public:
    std::optional<QString> typed;
    QString lastText; // the text of the last message

    void message(const QString &, const QString &text, Icon) override { lastText = text; }
    Answer question(const QString &, const QString &, Icon, Buttons, Answer a) override
    {
        return a;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return typed;
    }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
