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
    // The writer's sentence names the copy and says why: "Impossible d'écrire le fichier ... :
    // le disque est plein.", told as it is rather than after the same name a second time.
    const auto failWriting = [&] {
        if (error) *error = out.error();
        return false;
    };
    if (!out.open()) return failWriting();
    QByteArray chunk;
    constexpr qint64 ChunkSize = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(ChunkSize);
        if (in.error() != QFileDevice::NoError)
            return fail(source, AtomicFile::readCause(errno, in.errorString()));
        if (chunk.isEmpty()) break;
        if (!out.write(chunk)) return failWriting();
    }
    if (!out.commit()) return failWriting();
    return true;
}

} // namespace FileCopy
