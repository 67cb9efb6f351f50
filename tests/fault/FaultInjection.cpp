#include "FaultInjection.h"

#include <QFileInfo>

#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

namespace {

bool libraryLoaded() { return dlsym(RTLD_DEFAULT, "kerbo_fault_injection_loaded") != nullptr; }

// Before main: a test executable started without the library starts itself again with it
// preloaded, so that it runs the same from ctest, a debugger or the shell.
__attribute__((constructor)) void preloadFaultLibrary(int, char **argv, char **)
{
    if (libraryLoaded() || getenv("KERBO_FAULT_RESTARTED"))
        return;
    std::string preload = KERBO_FAULT_LIBRARY;
    if (const char *old = getenv("LD_PRELOAD"); old && *old)
        preload += std::string(":") + old;
    setenv("LD_PRELOAD", preload.c_str(), 1);
    // A sanitizer runtime linked as a shared library would refuse to come after the library.
    std::string asan = getenv("ASAN_OPTIONS") ? getenv("ASAN_OPTIONS") : "";
    setenv("ASAN_OPTIONS", (asan + (asan.empty() ? "" : ":") + "verify_asan_link_order=0").c_str(),
           1);
    setenv("KERBO_FAULT_RESTARTED", "1", 1);
    execv("/proc/self/exe", argv);
}

} // namespace

InjectedFault::InjectedFault(const QString &file, const char *faults, qint64 after)
{
    // The library compares with the paths the system reports: no link, no "..".
    const QFileInfo info(file);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    qputenv("KERBO_FAULT_FILE", (folder + u'/' + info.fileName()).toLocal8Bit());
    qputenv("KERBO_FAULT_AFTER", QByteArray::number(after));
    qputenv("KERBO_FAULT", faults);
}

InjectedFault::~InjectedFault()
{
    qunsetenv("KERBO_FAULT");
    qunsetenv("KERBO_FAULT_FILE");
    qunsetenv("KERBO_FAULT_AFTER");
}

bool InjectedFault::loaded() { return libraryLoaded(); }
