#pragma once

#include "core/base/IniAccess.h"
#include "core/config/ConfigKeys.h"

#include <QList>
#include <QString>

#include <functional>

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
    // Kept as the number the file holds: only 0 is a first start ("0.5" is not).
    double condition = 0;

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

    // Several keys of one user action: the file is read once and saved once. On failure the
    // file is left as it was; `error`, when given, receives the explanation and the caller
    // reports it; without it the failure goes to onWriteFailure.
    struct Entry {
        const char *section;
        const char *key;
        QString value;
    };
    bool write(const QList<Entry> &entries, QString *error = nullptr) const;

    // Shows a message (title, text) to the driver. Called for the first failed write of the run
    // that no caller reports itself, so that a full disk or a read-only folder is known once
    // without a message at every change.
    std::function<void(const QString &title, const QString &text)> onWriteFailure;
    static QString writeFailureTitle();
    static QString writeFailureText(const QString &error);

    QString cartoucheValue(int slot) const; // slots 1..5

private:
    mutable bool m_writeFailureTold = false;
};
