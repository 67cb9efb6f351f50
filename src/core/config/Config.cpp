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

QString Config::normaliseFolder(const QString &value)
{
    // A lone "\" also comes from a file written on Windows; it means no folder either way.
    const QString folder = Paths::CheckPath(value);
    if (folder.size() == 1 || folder == QLatin1String("\\/"))
        return Paths::driveC();
    return folder;
}

void Config::load()
{
    const IniFile ini(iniPath());
    auto text = [&ini](const char *section, const char *key) {
        return ini.value(QString::fromLatin1(section), QString::fromLatin1(key));
    };
    auto number = [&](const char *section, const char *key) {
        return int(NumberText::leadingNumber(text(section, key)));
    };

    const QString folder = text(CheminDossiers, "OuestKerbo");
    if (!folder.isEmpty())
        ouestKerbo = Paths::CheckPath(folder);
    hdGenerique = text(CheminDossiers, "Hdgenerique");
    hdArchive = text(CheminDossiers, "HdArchive");
    dossierRlt = text(CheminDossiers, "DossierRlt");

    nom = text(Cartouche, "Nom");
    prenom = text(Cartouche, "Prenom");
    etablissement = text(Cartouche, "Etablissement");
    residence = text(Cartouche, "Residence");
    immatriculation = text(Cartouche, "Immatriculation");
    condition = number(Cartouche, "condition");

    options.enaug = number(OptionsSection, "Enaug");
    options.eneng = number(OptionsSection, "Eneng");
    options.enaut = number(OptionsSection, "Enaut");
    options.pasImpB1 = number(OptionsSection, "PasImpB1");
    options.pasImpB2 = number(OptionsSection, "PasImpB2");
    options.nbvhe = number(OptionsSection, "Nbvhe");
    options.nbUm = number(OptionsSection, "NbUm");
    options.emtaut = text(OptionsSection, "Emtaut");
    options.indCompo = text(OptionsSection, "IndCompo");
    options.lettreAutom = text(OptionsSection, "LettreAutom");
    options.calendrier = text(OptionsSection, "Calendrier");
    options.prefixEngin = text(OptionsSection, "PrefixEngin");
    options.prefixTrain = text(OptionsSection, "PrefixTrain");

    loc = text(EvEnLoc, "LOC");
    echelle = NumberText::leadingNumber(text(EchelleEditeur, "Echelle")) != 0;

    rectoFont = PrinterFont{text(PoliceImprimante, "PoliceFontName"),
                            number(PoliceImprimante, "PoliceFontSize"),
                            text(PoliceImprimante, "PoliceFontBold"),
                            text(PoliceImprimante, "PoliceFontItalic")};
    versoFont = PrinterFont{text(PoliceImprimanteVerso, "PoliceFontNameVerso"),
                            number(PoliceImprimanteVerso, "PoliceFontSizeVerso"),
                            text(PoliceImprimanteVerso, "PoliceFontBoldVerso"),
                            text(PoliceImprimanteVerso, "PoliceFontItalicVerso")};
}

IniValue Config::read(const char *section, const QString &key) const
{
    return LectureINI(iniPath(), QLatin1String(section), key);
}

bool Config::write(const char *section, const QString &key, const QString &value) const
{
    return EcritureINI(iniPath(), QLatin1String(section), key, value);
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
