#include "core/config/Config.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/base/Paths.h"

QString Config::dataFolder(const QString &programFolder)
{
    return Paths::CheckPath(Paths::CheckPath(programFolder) + QStringLiteral("DataBul"));
}

QString Config::dataFile(const QString &programFolder, const QString &name)
{
    return dataFolder(programFolder) + name;
}

void Config::load()
{
    namespace K = ConfigKeys;
    const IniFile ini(iniPath());
    auto text = [&ini](const char *section, const char *key) {
        return ini.value(QString::fromLatin1(section), QString::fromLatin1(key));
    };
    auto number = [&](const char *section, const char *key) {
        return NumberText::toInt(NumberText::leadingNumber(text(section, key)));
    };

    const QString folder = text(K::CheminDossiers, K::OuestKerbo);
    if (!folder.isEmpty())
        ouestKerbo = Paths::CheckPath(folder);
    hdGenerique = text(K::CheminDossiers, K::Hdgenerique);
    hdArchive = text(K::CheminDossiers, K::HdArchive);
    dossierRlt = text(K::CheminDossiers, K::DossierRlt);

    nom = text(K::Cartouche, K::Nom);
    prenom = text(K::Cartouche, K::Prenom);
    etablissement = text(K::Cartouche, K::Etablissement);
    residence = text(K::Cartouche, K::Residence);
    immatriculation = text(K::Cartouche, K::Immatriculation);
    condition = NumberText::leadingNumber(text(K::Cartouche, K::Condition));

    options.enaug = number(K::Options, K::Enaug);
    options.eneng = number(K::Options, K::Eneng);
    options.enaut = number(K::Options, K::Enaut);
    options.pasImpB1 = number(K::Options, K::PasImpB1);
    options.pasImpB2 = number(K::Options, K::PasImpB2);
    options.nbvhe = number(K::Options, K::Nbvhe);
    options.nbUm = number(K::Options, K::NbUm);
    options.emtaut = text(K::Options, K::Emtaut);
    options.indCompo = text(K::Options, K::IndCompo);
    options.lettreAutom = text(K::Options, K::LettreAutom);
    options.calendrier = text(K::Options, K::Calendrier);
    options.prefixEngin = text(K::Options, K::PrefixEngin);
    options.prefixTrain = text(K::Options, K::PrefixTrain);

    loc = text(K::EvEnLoc, K::Loc);
    echelle = NumberText::leadingNumber(text(K::EchelleEditeur, K::Echelle)) != 0;
    fitToWindow = number(K::Options, K::AjusterFenetre) != 0;

    // A size saved with a half point ("9.5") is read in whole points as the font dialog took it.
    auto points = [&](const char *section, const char *key) {
        return NumberText::roundedToInt(NumberText::leadingNumber(text(section, key)));
    };
    auto font = [&](const K::FontKeys &keys) {
        return PrinterFont{text(keys.section, keys.name), points(keys.section, keys.size),
                           text(keys.section, keys.bold), text(keys.section, keys.italic)};
    };
    rectoFont = font(K::RectoFont);
    versoFont = font(K::VersoFont);
}

IniValue Config::read(const char *section, const char *key) const
{
    return LectureINI(iniPath(), QLatin1String(section), QLatin1String(key));
}

bool Config::write(const char *section, const char *key, const QString &value) const
{
    return write({{section, key, value}});
}

bool Config::write(const QList<Entry> &entries, QString *error) const
{
    IniFile ini(iniPath());
    for (const Entry &e : entries)
        ini.setValue(QString::fromLatin1(e.section), QString::fromLatin1(e.key), e.value);
    QString why;
    if (ini.save(&why))
        return true;
    if (error) {
        *error = why;
    } else if (!m_writeFailureTold && onWriteFailure) {
        m_writeFailureTold = true;
        onWriteFailure(writeFailureTitle(), writeFailureText(why));
    }
    return false;
}

QString Config::writeFailureTitle()
{
    return QStringLiteral("Kerbo");
}

QString Config::writeFailureText(const QString &error)
{
    return QStringLiteral("Kerbo n'a pas pu enregistrer vos réglages :\r\n%1\r\n\r\n"
                          "Le fichier Config.ini reste tel qu'il était. Les réglages changés "
                          "restent en usage jusqu'à la fermeture de Kerbo, puis seront perdus.\r\n"
                          "Vérifiez la place libre sur le disque et le droit d'écriture sur le "
                          "dossier DataBul et sur ce fichier.\r\n"
                          "(Ce message n'est affiché qu'une fois.)")
        .arg(error);
}

QString Config::cartoucheValue(int slot) const
{
    switch (slot) {
    case 1: return nom;
    case 2: return prenom;
    case 3: return etablissement;
    case 4: return residence;
    case 5: return immatriculation;
    default: return QString();
    }
}
