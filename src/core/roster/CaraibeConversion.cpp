#include "core/roster/CaraibeConversion.h"

#include "core/base/Cp1252.h"

#include "core/base/AtomicFile.h"

#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/base/StaleWork.h"
#include "core/roster/CaraibeDayFile.h"
#include "core/roster/CaraibeReader.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr auto lines = &Prompts::lines;

const QString ErrorTitle = QStringLiteral("Erreur !!");

// A new empty hidden folder beside `destination`; "" when none can be made. Its name is short
// whatever the destination's: a name near the file system's limit is still a good destination.
// The name of the folder being filled, beside the destination, until every day is written.
const QString WorkPrefix = QStringLiteral(".kerbo-conversion-");

QString makeWorkFolder(const QString &destination)
{
    const QString parent = Paths::CheckPath(QFileInfo(destination).path());
    // What a conversion stopped half-way (a crash, a power cut) left there.
    removeStaleWorkFolders(
        parent, QStringLiteral("^%1[0-9a-z]+$").arg(QRegularExpression::escape(WorkPrefix)));
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QString candidate =
            parent + WorkPrefix + QString::number(QRandomGenerator::global()->generate(), 36);
        if (!QFileInfo::exists(candidate) && QDir().mkdir(candidate))
            return Paths::CheckPath(candidate);
    }
    return QString();
}

} // namespace

CaraibeConversion::CaraibeConversion(const QString &dataFolder) : m_dataFolder(dataFolder)
{
    reloadCriteria();
}

QString CaraibeConversion::criteriaPath() const
{
    return Paths::join(m_dataFolder, ConvertCriteria::fileName());
}

void CaraibeConversion::reloadCriteria()
{
    m_criteria = ConvertCriteria::criteria(ConvertCriteria::readRows(criteriaPath()));
}

QString CaraibeConversion::folderName(const QString &typed)
{
    // Accents typed as a letter and its mark (as a Mac writes them) are joined first.
    QString name = typed.normalized(QString::NormalizationForm_C);
    // A line break or tab pasted in would be kept in the folder's name on the disk; a letter
    // the code page lacks would make a folder that the settings could not name, refused when
    // the driver chose it as his generic folder.
    name.removeIf([](QChar c) {
        return c == u'/' || Paths::isRefusedOnKey(c) || Paths::isControlCharacter(c) ||
               !Cp1252::holds(QStringView(&c, 1));
    });
    // A name that starts with a dot makes a hidden folder, which no folder list shows.
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name;
}

std::optional<int> CaraibeConversion::choosePeriod(const EnteteRoulement &header, Prompts &prompts)
{
    if (header.periodCount <= 1)
        return 1;
    QStringList periods;
    for (int k = 1; k <= header.periodCount; ++k)
        periods << QString::fromUtf16(u"N°%1  du ").arg(k) + header.startDates[size_t(k - 1)]
                       + QStringLiteral(" au ") + header.endDates[size_t(k - 1)];
    const QString prompt =
        QString::fromUtf16(u"Il y a plusieurs périodes sur ce roulement :")
        + QStringLiteral("\r\n\r\n") + lines(periods) + QStringLiteral("\r\n\r\n")
        + QString::fromUtf16(u"Inscrire le numero de période (un seul chiffre s.v.p.) ");
    for (;;) {
        const std::optional<QString> answer =
            prompts.input(QString::fromUtf16(u"Choix de la période"), prompt, QString());
        if (!answer || answer->isEmpty())
            return std::nullopt;
        const QChar c = answer->front();
        if (answer->size() == 1 && c >= u'1' && c <= u'6' && c.digitValue() <= header.periodCount)
            return c.digitValue();
        prompts.message(ErrorTitle,
                        lines({QStringLiteral("Vous avez fait une erreur "),
                               QString::fromUtf16(u"Inscrire le bon numéro s.v.p..")}),
                        Prompts::Icon::Exclamation);
    }
}

CaraibeConversion::Pick CaraibeConversion::pickFile(const QString &path, Prompts &prompts)
{
    forgetFile();
    const std::optional<EnteteRoulement> header = CaraibeReader::readHeader(path);
    if (!header) {
        CaraibeReader::showRefusal(prompts);
        return Pick::Refused;
    }
    const std::optional<int> period = choosePeriod(*header, prompts);
    if (!period)
        return Pick::Abandoned;
    m_path = path;
    m_header = *header;
    m_period = *period;
    return Pick::Chosen;
}

void CaraibeConversion::forgetFile()
{
    m_path.clear();
    m_header = EnteteRoulement();
    m_period = 1;
}

QString CaraibeConversion::description() const
{
    if (!hasFile())
        return QStringLiteral("  EST :");
    const size_t k = size_t(m_period - 1);
    return QStringLiteral("  EST : le ") + m_header.roster + QStringLiteral(" de ") + m_header.place
           + QString::fromUtf16(u" période du  ") + m_header.startDates[k]
           + QStringLiteral("  au  ") + m_header.endDates[k];
}

QString CaraibeConversion::rosterLine() const
{
    if (!hasFile())
        return QString();
    return QString::fromUtf16(u" Roulement à convertir : le ") + m_header.roster
           + QStringLiteral(" de ") + m_header.place;
}

QString CaraibeConversion::validityLine() const
{
    if (!hasFile())
        return QString();
    const size_t k = size_t(m_period - 1);
    return QStringLiteral(" valable du  ") + m_header.startDates[k] + QStringLiteral("  au  ")
           + m_header.endDates[k];
}

CaraibeConversion::Outcome CaraibeConversion::convert(const QString &drive, const QString &typed,
                                                      Prompts &prompts, const QDate &today,
                                                      const std::function<void(bool)> &busy)
{
    m_converted = 0;
    // Blanks at the ends do not show in any list: "R142 " would sit beside "R142" looking the
    // same, and blanks alone would name a folder that looks unnamed.
    const QString name = typed.trimmed();
    if (name.isEmpty()) {
        prompts.message(ErrorTitle, QStringLiteral("Veuillez inscrire le nom du dossier s.v.p."),
                        Prompts::Icon::Exclamation);
        return Outcome::NameMissing;
    }
    const QString destination = Paths::CheckPath(drive) + name;
    const QString shown = QDir::toNativeSeparators(destination);
    if (QFileInfo::exists(destination)) {
        prompts.message(
            ErrorTitle,
            lines({QString::fromUtf16(u"Un dossier avec ce nom existe déja sur ce lecteur ! "),
                   QStringLiteral("La création est impossible."),
                   QStringLiteral("Veuillez inscrire un autre nom de dossier,"),
                   QStringLiteral("ou choisir un autre lecteur s.v.p.")}),
            Prompts::Icon::Critical);
        return Outcome::FolderExists;
    }

    if (busy)
        busy(true);
    const QString work = makeWorkFolder(destination);
    QString error;
    QStringList unnamed; // days whose number names no file
    CaraibeReader::ReadEnd end = CaraibeReader::ReadEnd::CannotOpen;
    if (work.isEmpty()) {
        error = QString::fromUtf16(u"Le dossier %1 ne peut pas être créé : le lecteur est "
                                   u"protégé en écriture, plein, ou le nom ne convient pas.")
                    .arg(shown);
    } else {
        const CaraibeDayFile::Target target{work, LettrePeriode(), m_header.roster, m_criteria,
                                            today};
        end = CaraibeReader::OuvreFichier_CARAIBE(m_path, [&](const JourneeCaraibe &day) {
            if (const std::optional<QString> number = CaraibeDayFile::unnamableNumber(day, target))
                unnamed << QStringLiteral("\"%1\"").arg(*number);
            return SauveFichier_Caraibe(day, target, m_converted, &error);
        });
        if (end == CaraibeReader::ReadEnd::CannotOpen)
            error = QStringLiteral("Le fichier %1 ne peut plus être lu.")
                        .arg(QDir::toNativeSeparators(m_path));
        // The folder takes its name only once every file is on the disk.
        else if (error.isEmpty() && AtomicFile::syncFolder(work, &error)
                 && !QDir().rename(work, destination))
            error = QString::fromUtf16(u"Le dossier %1 ne peut pas être créé.").arg(shown);
        if (!error.isEmpty()) {
            QDir(work).removeRecursively();
            error.replace(QDir::toNativeSeparators(QDir::cleanPath(work)), shown);
        }
    }
    if (busy)
        busy(false);

    if (!error.isEmpty()) {
        m_converted = 0;
        prompts.message(QStringLiteral("Kerbo"),
                        lines({error, QString::fromUtf16(u"La conversion n'a pas eu lieu : "
                                                         u"aucun dossier n'a été créé.")}),
                        Prompts::Icon::Critical);
        return Outcome::Failed;
    }
    prompts.message(QStringLiteral("C'EST FAIT"),
                    QStringLiteral("C'est fait ") + u' ' + QString::number(m_converted)
                        + QString::fromUtf16(u" journees converties avec succés")
                        + QStringLiteral("\r\n") + QStringLiteral(" dans ") + shown,
                    Prompts::Icon::None);
    if (!unnamed.isEmpty())
        prompts.message(QStringLiteral("Kerbo"),
                        lines({QString::fromUtf16(u"Ces journées du roulement n'ont pas été "
                                                  u"converties : leur numéro ne peut pas servir "
                                                  u"de nom de fichier."),
                               unnamed.join(QStringLiteral(", "))}),
                        Prompts::Icon::Exclamation);
    return Outcome::Done;
}
