#include "core/files/FileCopy.h"

#include "core/base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace FileCopy
{

bool copy(const QString &source, const QString &destination, QString *error)
{
    const auto fail = [&](const QString &file, const QString &why) {
        if (error)
            *error = QStringLiteral("Impossible de copier le fichier %1 : %2")
                         .arg(QDir::toNativeSeparators(file), why);
        return false;
    };
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return fail(destination, QStringLiteral("le fichier existe déjà"));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(source, AtomicFile::readCause(errno, in.errorString()));
    AtomicFile out(destination);
    if (!out.open()) return fail(destination, out.error());
    QByteArray chunk;
    constexpr qint64 ChunkSize = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(ChunkSize);
        if (in.error() != QFileDevice::NoError)
            return fail(source, AtomicFile::readCause(errno, in.errorString()));
        if (chunk.isEmpty()) break;
        if (!out.write(chunk)) return fail(destination, out.error());
    }
    if (!out.commit()) return fail(destination, out.error());
    return true;
}

} // namespace FileCopy
