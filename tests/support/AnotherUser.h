#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// A user who owns none of the test's files ("nobody"), for what a driver meets on a computer
// shared with others. Only the administrator can become him: check geteuid() first.
constexpr uid_t AnotherUserId = 65534;

// What `work` returns, run by that user in a process of its own; empty when it could not run.
template <typename Work> QStringList asAnotherUser(Work work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgid(AnotherUserId) != 0 || ::setuid(AnotherUserId) != 0) _exit(2);
        const QByteArray text = QStringList(work()).join(QChar(u'\x1f')).toUtf8();
        _exit(::write(pipeEnds[1], text.constData(), size_t(text.size())) < 0 ? 1 : 0);
    }
    ::close(pipeEnds[1]);
    QByteArray text;
    char buffer[1024];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return QString::fromUtf8(text).split(u'\x1f');
}
