/* A preloaded library that makes chosen system calls fail on one chosen file, so that the
 * tests can prove what a full disk or a failing disk does to a save, without root.
 *
 *   KERBO_FAULT       comma-separated "call:ERRNO" pairs; call is one of
 *                       write   write, writev, pwrite          (ENOSPC, EIO, ...)
 *                       sync    fsync, fdatasync
 *                       rename  rename, renameat, renameat2, and linkat naming the file
 *                       renamed rename done, then failed as if its answer were lost
 *                       vanished rename failed, the temporary file gone with it
 *                       read    read, readv, pread
 *                       lock    flock                          (ENOLCK, EOPNOTSUPP)
 *                       open    open, openat: every open of the file  (EACCES, EIO, ...)
 *                       openw   the same, only an open for writing
 *   KERBO_FAULT_FILE  the file: a call hits when it works on that file, on a temporary file
 *                     beside it ("<file>.kerbo-XXXXXX"), or on an unnamed temporary file
 * (O_TMPFILE) of its folder; a folder (ending in "/"): every file under it KERBO_FAULT_AFTER bytes
 * that a write or read lets through before it fails (default 0), to fail part-way
 *
 * The variables are read at every call, so a test can set and clear them while it runs. */
#define _GNU_SOURCE
#undef _FORTIFY_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

/* Tells a test that the library is in the process. */
int kerbo_fault_injection_loaded(void) { return 1; }

static const struct {
    const char *name;
    int code;
} errnos[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO},       {"EDQUOT", EDQUOT},
              {"EROFS", EROFS},   {"EACCES", EACCES}, {"EPERM", EPERM},
              {"EFBIG", EFBIG},   {"EINTR", EINTR},   {"EXDEV", EXDEV},
              {"ENOENT", ENOENT}, {"ENOLCK", ENOLCK}, {"EOPNOTSUPP", EOPNOTSUPP},
              {NULL, 0}};

/* The errno the fault list gives for `call`, or 0 when the call is not to fail. */
static int faultFor(const char *call)
{
    const char *faults = getenv("KERBO_FAULT");
    if (!faults || !*faults)
        return 0;
    const size_t len = strlen(call);
    for (const char *p = faults; p && *p;) {
        while (*p == ',' || *p == ' ')
            ++p;
        if (strncmp(p, call, len) == 0 && p[len] == ':') {
            const char *code = p + len + 1;
            for (int i = 0; errnos[i].name; ++i) {
                const size_t n = strlen(errnos[i].name);
                if (strncmp(code, errnos[i].name, n) == 0 && (code[n] == ',' || !code[n]))
                    return errnos[i].code;
            }
            return EIO;
        }
        p = strchr(p, ',');
    }
    return 0;
}

static int endsWith(const char *s, const char *tail)
{
    const size_t a = strlen(s), b = strlen(tail);
    return a >= b && strcmp(s + a - b, tail) == 0;
}

/* Whether `path` is the chosen file, a temporary file beside it or an unnamed one in its
 * folder ("/folder/#1234 (deleted)" as /proc shows an O_TMPFILE). */
static int isTarget(const char *path)
{
    const char *target = getenv("KERBO_FAULT_FILE");
    if (!target || !*target || !path)
        return 0;
    const size_t n = strlen(target);
    /* A folder: everything under it, as on a disk of its own. */
    if (target[n - 1] == '/')
        return strncmp(path, target, n) == 0;
    if (strncmp(path, target, n) == 0 && (path[n] == 0 || path[n] == '.'))
        return 1;
    const char *slash = strrchr(target, '/');
    if (!slash)
        return 0;
    const size_t folder = (size_t)(slash - target) + 1;
    return strncmp(path, target, folder) == 0 && path[folder] == '#' && !strchr(path + folder, '/')
           && endsWith(path, " (deleted)");
}

static int fdIsTarget(int fd)
{
    char link[64], path[PATH_MAX + 1];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, PATH_MAX);
    if (n <= 0)
        return 0;
    path[n] = 0;
    return isTarget(path);
}

/* The path an *at() call names, made absolute when it is relative to a folder descriptor. */
static int atIsTarget(int dirfd, const char *path)
{
    if (!path)
        return 0;
    if (path[0] == '/' || dirfd == AT_FDCWD) {
        char full[PATH_MAX + 1];
        if (path[0] != '/' && getcwd(full, sizeof full)) {
            const size_t used = strlen(full);
            snprintf(full + used, sizeof full - used, "/%s", path);
            return isTarget(full);
        }
        return isTarget(path);
    }
    char link[64], dir[PATH_MAX + 1];
    snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
    const ssize_t n = readlink(link, dir, PATH_MAX);
    if (n <= 0)
        return 0;
    dir[n] = 0;
    char full[2 * PATH_MAX + 2];
    snprintf(full, sizeof full, "%s/%s", dir, path);
    return isTarget(full);
}

/* How many more bytes may pass before the fault: KERBO_FAULT_AFTER, counted again whenever the
 * fault settings change. */
static ssize_t allowance(size_t wanted)
{
    static char last[1024];
    static long long passed;
    char now[sizeof last];
    snprintf(now, sizeof now, "%s|%s|%s", getenv("KERBO_FAULT") ? getenv("KERBO_FAULT") : "",
             getenv("KERBO_FAULT_FILE") ? getenv("KERBO_FAULT_FILE") : "",
             getenv("KERBO_FAULT_AFTER") ? getenv("KERBO_FAULT_AFTER") : "");
    if (strcmp(now, last) != 0) {
        strcpy(last, now);
        passed = 0;
    }
    const char *after = getenv("KERBO_FAULT_AFTER");
    const long long budget = after ? atoll(after) : 0;
    long long left = budget - passed;
    if (left <= 0)
        return 0;
    if ((long long)wanted < left)
        left = (long long)wanted;
    passed += left;
    return (ssize_t)left;
}

#define NEXT(name) static __typeof__(name) *real_##name; \
    if (!real_##name) real_##name = (__typeof__(name) *)dlsym(RTLD_NEXT, #name)

/* For a transfer of `wanted` bytes on a faulty file: -1 with errno set, or the bytes to let
 * through (which may be fewer than wanted). `wanted` itself when the file is not faulty. */
static ssize_t gate(const char *call, int fd, size_t wanted)
{
    const int code = faultFor(call);
    if (!code || !fdIsTarget(fd))
        return (ssize_t)wanted;
    const ssize_t pass = allowance(wanted);
    if (pass > 0 || wanted == 0)
        return pass;
    errno = code;
    return -1;
}

ssize_t write(int fd, const void *buf, size_t count)
{
    NEXT(write);
    const ssize_t pass = gate("write", fd, count);
    return pass < 0 ? -1 : real_write(fd, buf, (size_t)pass);
}

ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset)
{
    NEXT(pwrite);
    const ssize_t pass = gate("write", fd, count);
    return pass < 0 ? -1 : real_pwrite(fd, buf, (size_t)pass, offset);
}

ssize_t pwrite64(int fd, const void *buf, size_t count, off_t offset)
{
    NEXT(pwrite64);
    const ssize_t pass = gate("write", fd, count);
    return pass < 0 ? -1 : real_pwrite64(fd, buf, (size_t)pass, offset);
}

static size_t total(const struct iovec *iov, int n)
{
    size_t sum = 0;
    for (int i = 0; i < n; ++i)
        sum += iov[i].iov_len;
    return sum;
}

ssize_t writev(int fd, const struct iovec *iov, int iovcnt)
{
    NEXT(writev);
    const size_t wanted = total(iov, iovcnt);
    const ssize_t pass = gate("write", fd, wanted);
    if (pass < 0)
        return -1;
    if ((size_t)pass == wanted)
        return real_writev(fd, iov, iovcnt);
    NEXT(write);
    return real_write(fd, iov[0].iov_base, (size_t)pass < iov[0].iov_len ? (size_t)pass
                                                                          : iov[0].iov_len);
}

ssize_t read(int fd, void *buf, size_t count)
{
    NEXT(read);
    const ssize_t pass = gate("read", fd, count);
    return pass < 0 ? -1 : real_read(fd, buf, (size_t)pass);
}

ssize_t pread(int fd, void *buf, size_t count, off_t offset)
{
    NEXT(pread);
    const ssize_t pass = gate("read", fd, count);
    return pass < 0 ? -1 : real_pread(fd, buf, (size_t)pass, offset);
}

ssize_t pread64(int fd, void *buf, size_t count, off_t offset)
{
    NEXT(pread64);
    const ssize_t pass = gate("read", fd, count);
    return pass < 0 ? -1 : real_pread64(fd, buf, (size_t)pass, offset);
}

ssize_t readv(int fd, const struct iovec *iov, int iovcnt)
{
    NEXT(readv);
    const size_t wanted = total(iov, iovcnt);
    const ssize_t pass = gate("read", fd, wanted);
    if (pass < 0)
        return -1;
    if ((size_t)pass == wanted)
        return real_readv(fd, iov, iovcnt);
    NEXT(read);
    return real_read(fd, iov[0].iov_base, (size_t)pass < iov[0].iov_len ? (size_t)pass
                                                                        : iov[0].iov_len);
}

static int syncFault(int fd)
{
    const int code = faultFor("sync");
    if (code && fdIsTarget(fd)) {
        errno = code;
        return 1;
    }
    return 0;
}

int fsync(int fd)
{
    NEXT(fsync);
    return syncFault(fd) ? -1 : real_fsync(fd);
}

int fdatasync(int fd)
{
    NEXT(fdatasync);
    return syncFault(fd) ? -1 : real_fdatasync(fd);
}

static int renameFault(int oldDir, const char *oldPath, int newDir, const char *newPath)
{
    const int code = faultFor("rename");
    if (code && (atIsTarget(newDir, newPath) || atIsTarget(oldDir, oldPath))) {
        errno = code;
        return 1;
    }
    return 0;
}

int rename(const char *oldPath, const char *newPath)
{
    NEXT(rename);
    /* A network share that renamed the file, its answer lost on the way back. */
    const int lost = faultFor("renamed");
    if (lost && atIsTarget(AT_FDCWD, newPath)) {
        const int done = real_rename(oldPath, newPath);
        errno = lost;
        return done == 0 ? -1 : done;
    }
    /* A share that lost the temporary file and refused the rename. */
    const int gone = faultFor("vanished");
    if (gone && atIsTarget(AT_FDCWD, newPath)) {
        NEXT(unlink);
        real_unlink(oldPath);
        errno = gone;
        return -1;
    }
    return renameFault(AT_FDCWD, oldPath, AT_FDCWD, newPath) ? -1 : real_rename(oldPath, newPath);
}

int renameat(int oldDir, const char *oldPath, int newDir, const char *newPath)
{
    NEXT(renameat);
    return renameFault(oldDir, oldPath, newDir, newPath)
               ? -1
               : real_renameat(oldDir, oldPath, newDir, newPath);
}

int renameat2(int oldDir, const char *oldPath, int newDir, const char *newPath, unsigned flags)
{
    NEXT(renameat2);
    return renameFault(oldDir, oldPath, newDir, newPath)
               ? -1
               : real_renameat2(oldDir, oldPath, newDir, newPath, flags);
}

/* An unnamed temporary file gets its name by linkat: that is the rename of such a save. The
 * source "/proc/self/fd/N" is not looked at, only the name it receives. */
int linkat(int oldDir, const char *oldPath, int newDir, const char *newPath, int flags)
{
    NEXT(linkat);
    const int code = faultFor("rename");
    if (code && atIsTarget(newDir, newPath)) {
        errno = code;
        return -1;
    }
    return real_linkat(oldDir, oldPath, newDir, newPath, flags);
}

int flock(int fd, int operation)
{
    NEXT(flock);
    const int code = faultFor("lock");
    if (code && fdIsTarget(fd)) {
        errno = code;
        return -1;
    }
    return real_flock(fd, operation);
}

/* An open refused: the file is another user's, or the disk fails. */
static int openFault(int dirfd, const char *path, int flags)
{
    int code = faultFor("open");
    if (!code && (flags & O_ACCMODE) != O_RDONLY) code = faultFor("openw");
    if (code && atIsTarget(dirfd, path)) {
        errno = code;
        return 1;
    }
    return 0;
}

#define MODE_ARGUMENT(flags)                                                                       \
    mode_t mode = 0;                                                                               \
    if (((flags)&O_CREAT) || ((flags)&O_TMPFILE) == O_TMPFILE) {                                   \
        va_list list;                                                                              \
        va_start(list, flags);                                                                     \
        mode = va_arg(list, mode_t);                                                               \
        va_end(list);                                                                              \
    }

int open(const char *path, int flags, ...)
{
    MODE_ARGUMENT(flags);
    NEXT(open);
    return openFault(AT_FDCWD, path, flags) ? -1 : real_open(path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    MODE_ARGUMENT(flags);
    NEXT(open64);
    return openFault(AT_FDCWD, path, flags) ? -1 : real_open64(path, flags, mode);
}

int openat(int dirfd, const char *path, int flags, ...)
{
    MODE_ARGUMENT(flags);
    NEXT(openat);
    return openFault(dirfd, path, flags) ? -1 : real_openat(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    MODE_ARGUMENT(flags);
    NEXT(openat64);
    return openFault(dirfd, path, flags) ? -1 : real_openat64(dirfd, path, flags, mode);
}
