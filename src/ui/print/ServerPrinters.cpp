#include "ui/print/ServerPrinters.h"

#include "ui/print/PrinterChoice.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && __has_include(<dlfcn.h>)
#define KERBO_ASK_CUPS 1
#include <dlfcn.h>
#endif

namespace ServerPrinters
{

#ifdef KERBO_ASK_CUPS
namespace
{

// The few functions of the print library the question needs, bound by name as Qt's print plugin
// binds them: the library's headers are not needed to build the program.
struct Cups {
    using PasswordCallback = const char *(*)(const char *, void *, const char *, const char *,
                                             void *);
    void (*setPasswordCallback)(PasswordCallback, void *) = nullptr; // cupsSetPasswordCB2
    int (*getDestinations)(void *, void **) = nullptr;               // cupsGetDests2
    void (*freeDestinations)(int, void *) = nullptr;                 // cupsFreeDests
    int (*lastError)() = nullptr;                                    // cupsLastError
    bool loaded() const
    {
        return setPasswordCallback && getDestinations && freeDestinations && lastError;
    }
};

Cups loadCups()
{
    Cups cups;
    void *library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!library) return cups;
    cups.setPasswordCallback =
        reinterpret_cast<decltype(cups.setPasswordCallback)>(dlsym(library, "cupsSetPasswordCB2"));
    cups.getDestinations =
        reinterpret_cast<decltype(cups.getDestinations)>(dlsym(library, "cupsGetDests2"));
    cups.freeDestinations =
        reinterpret_cast<decltype(cups.freeDestinations)>(dlsym(library, "cupsFreeDests"));
    cups.lastError = reinterpret_cast<decltype(cups.lastError)>(dlsym(library, "cupsLastError"));
    return cups;
}

const char *noPassword(const char *, void *, const char *, const char *, void *)
{
    return nullptr;
}

// The server's refusals of a list it would give with a password: forbidden, not
// authenticated, not authorised, and the password the question declined to give.
bool wantsPassword(int status)
{
    return status == 0x0401 || status == 0x0402 || status == 0x0403 || status == 0x1000;
}

} // namespace
#endif

bool anyListed()
{
#ifdef KERBO_ASK_CUPS
    static const Cups cups = loadCups();
    if (cups.loaded()) {
        // The print library keeps the password callback per thread: this one, for this thread.
        cups.setPasswordCallback(&noPassword, nullptr);
        void *destinations = nullptr;
        const int count = cups.getDestinations(nullptr, &destinations); // the default server
        const int status = cups.lastError();
        cups.freeDestinations(count, destinations);
        return count > 0 || wantsPassword(status);
    }
    // Without the library Qt has no print-server plugin either: no window to fear.
#endif
    return PrinterChoice::anyPrinterInstalled();
}

} // namespace ServerPrinters
