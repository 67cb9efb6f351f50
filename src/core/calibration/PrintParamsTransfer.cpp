#include "core/calibration/PrintParamsTransfer.h"

#include "core/base/Drives.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/base/StaleWork.h"
#include "core/base/TextFile.h"
#include "core/print/PrintLayoutFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PrintParamsTransfer {

namespace {

constexpr auto crlf = &Prompts::lines;

struct SourceRead {
    bool ok = false;
    QByteArray bytes;
};

// Reads a layout file whole, refusing one larger than any layout.
SourceRead readCapped(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return {};
    SourceRead r;
    r.bytes = file.read(MaxFileSize + 1);
    r.ok = file.error() == QFileDevice::NoError && r.bytes.size() <= MaxFileSize;
    return r;
}

void reportImportFailure(Prompts &prompts, const QString &detail = QString())
{
    QString text = QStringLiteral(
        "IMPOSSIBILITE D'IMPORTER LES PARAMETRES. LE FICHIER DE SAUVEGARDE EST INTROUVABLE OU "
        "DIFFERRENT  OU IL N'Y A PAS DE DISQUETTE DANS LE LECTEUR. PROCESSUS INTERROMPU !! ");
    if (!detail.isEmpty()) text += QStringLiteral("\r\n\r\n") + detail;
    prompts.message(QStringLiteral("Kerbo"), text, Prompts::Icon::Exclamation);
}

void reportExportFailure(Prompts &prompts, const QString &detail)
{
    prompts.message(
        QStringLiteral("Kerbo"),
        crlf({QStringLiteral("LES PARAMETRES DE L'IMPRIMANTE N'ONT PAS ETE SAUVEGARDES."), detail}),
        Prompts::Icon::Exclamation);
}

} // namespace

QString fileName()
{
    return QStringLiteral("ParametresImp.txt");
}

bool canOpenDrive(const QString &root, Prompts &prompts)
{
    // The same test as the folder pane's, which stays where it was on such a drive.
    if (Drives::isReady(root) && QDir(root).isReadable()) return true;
    prompts.message(QStringLiteral("Kerbo"),
                    QString::fromUtf16(u"Il serait préférable de mettre une disquette !"),
                    Prompts::Icon::Exclamation);
    return false;
}

bool isLayoutFile(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxFileSize) return false;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\r' && c != '\n' && c != '\t') return false;
    }
    // A layout of an older version stops early; the values are read as the layout reads them
    // (the leading number, else 0), so any short text will do.
    const QStringList lines = TextFile::splitLines(bytes);
    if (lines.size() < PrintLayoutFile::XLineCount) return false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString value = lines[i].trimmed();
        if (i >= PrintLayoutFile::LineCount ? !value.isEmpty() : value.size() > 32) return false;
    }
    return true;
}

QString createFolder(const QString &parent, Prompts &prompts)
{
    const std::optional<QString> answer = prompts.input(
        QStringLiteral("CRER UN NOUVEAU DOSSIER"),
        QStringLiteral(
            "ENTRER UN NOM POUR CE DOSSIER ET REFAIRE LE CHEMIN POUR CHOISIR CE DOSSIER "),
        QString());
    if (!answer) return QString();
    const QString name = answer->trimmed();
    if (name.isEmpty()) return QString();
    const QString title = QStringLiteral("Kerbo");
    if (const QString why = Paths::folderNameRefusal(name); !why.isEmpty()) {
        prompts.message(title, why, Prompts::Icon::Exclamation);
        return QString();
    }
    const QString path = Paths::join(parent, name);
    if (QFileInfo::exists(path)) {
        prompts.message(title,
                        QStringLiteral("Le dossier %1 existe déjà.").arg(Drives::clean(path)),
                        Prompts::Icon::Exclamation);
        return QString();
    }
    if (!QDir(parent).mkdir(name)) {
        prompts.message(
            title,
            crlf({QStringLiteral("Le dossier %1 n'a pas pu être créé.").arg(Drives::clean(path)),
                  QStringLiteral("Vérifiez que le disque est présent et qu'il "
                                 "accepte l'écriture.")}),
            Prompts::Icon::Exclamation);
        return QString();
    }
    prompts.message(QStringLiteral("Kerbo"),
                    QStringLiteral("Le dossier ") + name + QString::fromUtf16(u" a été créé !"),
                    Prompts::Icon::Information);
    return path;
}

Outcome exportTo(const QString &dataFolder, const QString &folder, Prompts &prompts)
{
    const QString target = Paths::join(folder, fileName());
    if (QFileInfo::exists(target)) {
        const Prompts::Answer answer = prompts.question(
            QStringLiteral("ATTENTION !!"),
            crlf(
                {QString::fromUtf16(u"Attention il existe déja un fichier nommé ParametresImp.txt"),
                 QString::fromUtf16(u"Désirez-vous vraiment réecrire ce fichier ?"), QString(),
                 QString::fromUtf16(u"Sinon créez un nouveau dossier qui contiendra cette "
                                    u"nouvelle sauvegarde.")}),
            Prompts::Icon::Question, Prompts::Buttons::YesNo, Prompts::Answer::No);
        if (answer != Prompts::Answer::Yes) return Outcome::Stay;
    }
    const QString source = PrintLayoutFile::path(dataFolder);
    const SourceRead read = readCapped(source);
    if (!read.ok) {
        reportExportFailure(prompts, QStringLiteral("Le fichier %1 est introuvable ou illisible.")
                                         .arg(Drives::clean(source)));
        return Outcome::Stay;
    }
    // What an export stopped here left: the layout is saved in a folder of the driver's
    // choice, where nothing else of Kerbo sweeps.
    removeStaleTemporaryFiles(folder);
    QString error;
    if (!TextFile::writeAtomic(target, read.bytes, &error)) {
        reportExportFailure(prompts, error);
        return Outcome::Stay;
    }
    prompts.message(QStringLiteral("Kerbo"),
                    QStringLiteral("Fichier ") + fileName() +
                        QString::fromUtf16(u" sauvegardé dans le dossier ") + Drives::clean(folder),
                    Prompts::Icon::Information);
    return Outcome::Done;
}

Outcome importFrom(const QString &folder, const QString &dataFolder, PrintLayout &layout,
                   Prompts &prompts)
{
    const SourceRead read = readCapped(Paths::join(folder, fileName()));
    if (!read.ok || !isLayoutFile(read.bytes)) {
        reportImportFailure(prompts);
        return Outcome::Stay;
    }
    QString error;
    if (!TextFile::writeAtomic(PrintLayoutFile::path(dataFolder), read.bytes, &error)) {
        reportImportFailure(prompts, error);
        return Outcome::Stay;
    }
    ChargeParaImp(layout, dataFolder);
    prompts.message(QStringLiteral("Kerbo"),
                    QStringLiteral("Fichier ") + fileName() +
                        QString::fromUtf16(u" importé dans le dossier ") +
                        Drives::clean(dataFolder),
                    Prompts::Icon::Information);
    return Outcome::Done;
}

} // namespace PrintParamsTransfer
