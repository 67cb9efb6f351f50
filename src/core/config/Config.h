#pragma once

#include "core/base/IniAccess.h"
#include "core/config/ConfigKeys.h"

#include <QList>
#include <QString>

// Printer font of one side, as stored: bold and italic are the texts "True" / "False".
struct PrinterFont {
    QString name;
    int size = 0;
    QString bold;
    QString italic;
};

// Options of the options window, read at start-up.
struct Options {
    int enaug = 0, eneng = 0, enaut = 0, pasImpB1 = 0, pasImpB2 = 0, nbvhe = 0, nbUm = 0;
    QString emtaut, indCompo, lettreAutom, calendrier, prefixEngin, prefixTrain;
};

// The settings of Config.ini held in memory, and the places of the data folder's files.
// Values are read at start-up and written to the file at once whenever a window changes them.
class Config
{
public:
    // The program folder: the root of DataBul, ending with a separator.
    QString ouestKerbo;

    QString hdGenerique;
    QString hdArchive;
    QString dossierRlt;

    QString nom, prenom, etablissement, residence, immatriculation;
    int condition = 0;

    Options options;
    QString loc;
    bool echelle = false;
    bool fitToWindow = false; // the editor's form grows with its window

    PrinterFont rectoFont;
    PrinterFont versoFont;

    // Path building: program folder + "DataBul" + separator + name.
    static QString dataFolder(const QString &programFolder);
    static QString dataFile(const QString &programFolder, const QString &name);
    QString dataFolder() const { return dataFolder(ouestKerbo); }
    QString dataFile(const QString &name) const { return dataFile(ouestKerbo, name); }
    QString iniPath() const { return dataFile(QStringLiteral("Config.ini")); }

    // Reads every key of the table from Config.ini in one pass; absent keys give the defaults.
    void load();
    // One key, read from or written to the file at once (names from ConfigKeys).
    IniValue read(const char *section, const char *key) const;
    bool write(const char *section, const char *key, const QString &value) const;

    // Several keys of one user action: the file is read once and saved once.
    struct Entry {
        const char *section;
        const char *key;
        QString value;
    };
    bool write(const QList<Entry> &entries, QString *error = nullptr) const;

    QString cartoucheValue(int slot) const; // slots 1..5
};
