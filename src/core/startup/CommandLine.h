#pragma once

#include <QString>
#include <QStringList>

// The few options a user may give the program on a command line; Qt has taken its own
// ("-platform", "-style", ...) before. Anything else that is not an option is left alone.
namespace CommandLine
{

struct Answer {
    bool done = false; // the program ends now, with `code`, having printed `out` and `error`
    int code = 0;
    QString out;
    QString error;
};

// `arguments` without the program's name; `version` as "1.0.0". Before Qt has taken its own
// options (`qtTaken` false), only help and version are answered: they need no display.
Answer answer(const QStringList &arguments, const QString &version, bool qtTaken);

} // namespace CommandLine
