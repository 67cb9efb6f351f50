#include "core/automatismes/AutomatismeStore.h"

#include "core/automatismes/AutomatismeKeys.h"
#include "core/base/AtomicFile.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>

#include <sys/stat.h>
#endif

void AutomatismeStore::setPath(const QString &path)
{
    if (path == m_path) return;
    m_path = path;
    m_loaded = false;
}

AutomatismeStore::Stamp AutomatismeStore::stamp() const
{
#ifdef Q_OS_UNIX
    // The file's identity and its change time too: a file renamed over it (as a sync does)
    // with the same size and a copied time is another file all the same.
    struct stat info;
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0) return Stamp();
    Stamp stamp;
    stamp.exists = true;
    stamp.size = std::uintmax_t(info.st_size);
    stamp.identity = {qint64(info.st_dev),         qint64(info.st_ino),
                      qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec),
                      qint64(info.st_ctim.tv_sec), qint64(info.st_ctim.tv_nsec)};
    return stamp;
#else
    const std::filesystem::path path(m_path.toStdU16String());
    std::error_code failure;
    Stamp stamp;
    stamp.time = std::filesystem::last_write_time(path, failure);
    if (failure) return Stamp();
    stamp.size = std::filesystem::file_size(path, failure);
    stamp.exists = !failure;
    return stamp;
#endif
}

void AutomatismeStore::ensureLoaded()
{
    // Taken before the reading: a change made while it reads is seen at the next use.
    const Stamp now = stamp();
    if (m_loaded && now == m_stamp) return;
    m_loaded = true;
    m_stamp = now;
    m_readError.clear();
    keep(QByteArray());
    const QFileInfo info(m_path);
    if (!info.exists()) return;
    const QString shown = QDir::toNativeSeparators(m_path);
    if (info.size() > MaxFileSize) {
        m_readError = QStringLiteral("Le fichier %1 est trop volumineux pour être un fichier "
                                     "d'automatismes.")
                          .arg(shown);
        return;
    }
    // Read to its end: one read can come back short and without an error when the next one
    // fails, and a save made on that part would drop every template after it.
    TextFile::ReadBytes file = TextFile::readBytes(m_path, MaxFileSize);
    if (!file.ok) {
        m_readError = file.error;
        return;
    }
    keep(file.bytes);
}

void AutomatismeStore::keep(const QByteArray &bytes)
{
    m_bytes = bytes;
    m_ini.parse(m_bytes);
}

const IniFile &AutomatismeStore::ini()
{
    ensureLoaded();
    return m_ini;
}

const QByteArray &AutomatismeStore::bytes()
{
    ensureLoaded();
    return m_bytes;
}

bool AutomatismeStore::writable(QString *error)
{
    ensureLoaded();
    if (error) *error = m_readError;
    return m_readError.isEmpty();
}

bool AutomatismeStore::change(const std::function<void(IniFile &)> &edit, QString *error)
{
    if (!writable(error)) return false;
    // Changed in place rather than on a copy: a failure, rare, reads the kept bytes again.
    edit(m_ini);
    QByteArray bytes = m_ini.toBytes();
    if (!TextFile::writeAtomic(m_path, bytes, error)) {
        m_ini.parse(m_bytes);
        return false;
    }
    m_bytes = std::move(bytes);
    m_stamp = stamp();
    return true;
}

bool AutomatismeStore::replace(IniFile next, QString *error)
{
    if (!writable(error)) return false;
    // The copy that takes the file's place would make a file the driver keeps read-only
    // writable again, and emptied: a file that cannot be written is left as it is.
    if (Paths::keptReadOnly(QFileInfo(m_path))) {
        if (error) *error = AtomicFile::readOnlyFailure(m_path);
        return false;
    }
    QByteArray bytes = next.toBytes();
    // The file the driver keeps, wherever his link leads, with its owner and permissions.
    const QString target = AtomicFile::linkTarget(m_path);
    const QString temporary =
        QFileInfo(target).dir().filePath(QString::fromLatin1(AutomatismeKeys::TemporaryFileName));
    if (!TextFile::writeAtomic(temporary, bytes, error)) return false;
    AtomicFile::keepOwnership(temporary, target);
    // A rename within one folder replaces the old file in one step.
    std::error_code failure;
    std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), failure);
    if (failure) {
        if (error)
            *error = QStringLiteral("Impossible de remplacer le fichier %1 : %2")
                         .arg(QDir::toNativeSeparators(m_path),
                              QString::fromLocal8Bit(failure.message()));
        QFile::remove(temporary);
        return false;
    }
    m_ini = std::move(next);
    m_bytes = std::move(bytes);
    m_stamp = stamp();
    return true;
}

bool AutomatismeStore::hasLine(QByteArrayView line)
{
    ensureLoaded();
    return !line.isEmpty() && findLine(m_bytes, line, 0) >= 0;
}

qsizetype AutomatismeStore::findLine(const QByteArray &bytes, QByteArrayView line, qsizetype from)
{
    if (line.isEmpty()) return -1;
    const qsizetype size = bytes.size();
    for (qsizetype at = bytes.indexOf(line, from); at >= 0; at = bytes.indexOf(line, at + 1)) {
        if (at > 0 && bytes[at - 1] != '\n') continue;
        qsizetype end = at + line.size();
        if (end < size && bytes[end] == '\r') ++end;
        if (end == size || bytes[end] == '\n') return at;
    }
    return -1;
}
