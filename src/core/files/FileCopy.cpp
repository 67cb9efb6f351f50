#include "core/files/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    if (!in.open(QIODevice::ReadOnly)) return fail(source, in.errorString());
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) return fail(destination, out.errorString());
    QByteArray chunk;
    constexpr qint64 ChunkSize = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(ChunkSize);
        if (in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return fail(source, in.errorString());
        }
        if (chunk.isEmpty()) break;
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return fail(destination, out.errorString());
        }
    }
    if (!out.commit()) return fail(destination, out.errorString());
    return true;
}

} // namespace FileCopy
