#pragma once

#include <QFileInfo>
#include <QString>

#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

// Faults of the preloaded library (faultinject.c) on one file, or on every file under a folder
// given with a final "/", while the object lives: `faults` is a list of "call:ERRNO"
// ("write:ENOSPC", "sync:EIO", "rename:EIO", "read:EIO"); `after` bytes of writes or reads pass
// before they fail. Included by the test executable alone.
class InjectedFault
{
public:
    InjectedFault(const QString &file, const char *faults, qint64 after = 0)
    {
        // The library compares with the paths the system reports: no link, no "..".
        const QFileInfo info(file);
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        qputenv("KERBO_FAULT_FILE", (folder + u'/' + info.fileName()).toLocal8Bit());
        qputenv("KERBO_FAULT_AFTER", QByteArray::number(after));
        qputenv("KERBO_FAULT", faults);
    }
    ~InjectedFault()
    {
        qunsetenv("KERBO_FAULT");
        qunsetenv("KERBO_FAULT_FILE");
        qunsetenv("KERBO_FAULT_AFTER");
    }
    InjectedFault(const InjectedFault &) = delete;
    InjectedFault &operator=(const InjectedFault &) = delete;

    // Whether the library is in the process (the test executable loads it itself at start).
    static bool loaded() { return dlsym(RTLD_DEFAULT, "kerbo_fault_injection_loaded") != nullptr; }
};

// Before main: a test executable started without the library starts itself again with it
// preloaded, so that it runs the same from ctest, a debugger or the shell.
__attribute__((constructor)) static void preloadFaultLibrary(int, char **argv, char **)
{
    if (InjectedFault::loaded() || getenv("KERBO_FAULT_RESTARTED")) {
        // Loaded: the programs the test starts (a shell, a browser, an X server) run without
        // it, as they would without the test; built with a sanitizer, it would stop them.
        if (const char *old = getenv("KERBO_FAULT_OLD_PRELOAD"); old && *old)
            setenv("LD_PRELOAD", old, 1);
        else
            unsetenv("LD_PRELOAD");
        return;
    }
    std::string preload = KERBO_FAULT_LIBRARY;
    const char *old = getenv("LD_PRELOAD");
    if (old && *old) {
        setenv("KERBO_FAULT_OLD_PRELOAD", old, 1);
        preload += std::string(":") + old;
    }
    setenv("LD_PRELOAD", preload.c_str(), 1);
    // A sanitizer runtime linked as a shared library would refuse to come after the library.
    std::string asan = getenv("ASAN_OPTIONS") ? getenv("ASAN_OPTIONS") : "";
    setenv("ASAN_OPTIONS", (asan + (asan.empty() ? "" : ":") + "verify_asan_link_order=0").c_str(),
           1);
    setenv("KERBO_FAULT_RESTARTED", "1", 1);
    execv("/proc/self/exe", argv);
}
