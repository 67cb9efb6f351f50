#pragma once

#include <QString>

// Faults of the preloaded library (faultinject.c) on one file, or on every file under a folder
// given with a final "/", while the object lives: `faults` is a list of "call:ERRNO"
// ("write:ENOSPC", "sync:EIO", "rename:EIO", "read:EIO"); `after` bytes of writes or reads pass
// before they fail.
class InjectedFault
{
public:
    InjectedFault(const QString &file, const char *faults, qint64 after = 0);
    ~InjectedFault();
    InjectedFault(const InjectedFault &) = delete;
    InjectedFault &operator=(const InjectedFault &) = delete;

    // Whether the library is in the process (the test executable loads it itself at start).
    static bool loaded();
};
