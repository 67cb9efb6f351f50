#pragma once

#include "core/roster/CaraibeRoster.h"
#include "core/roster/ConvertCriteria.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class Prompts;

// One roster conversion, from the choice of the file to the new folder of generic days: what
// the converter's windows show and do, without the windows.
class CaraibeConversion
{
public:
    // `dataFolder` holds ParaConvert.ini; the criteria are read at once.
    explicit CaraibeConversion(const QString &dataFolder);

    QString criteriaPath() const;
    void reloadCriteria();
    const ConvertCriteria::Criteria &criteria() const { return m_criteria; }

    enum class Pick { Refused, Abandoned, Chosen };
    // The driver clicked a file: reads its header (the refusal message when it is no roster),
    // then asks for the period when there are several. Only `Chosen` keeps the file.
    Pick pickFile(const QString &path, Prompts &prompts);
    // No file chosen any more (the choice went back to the drive).
    void forgetFile();

    bool hasFile() const { return !m_path.isEmpty(); }
    const QString &path() const { return m_path; }
    const EnteteRoulement &header() const { return m_header; }
    int period() const { return m_period; }
    QChar LettrePeriode() const { return QChar(u'A' + (m_period - 1)); }

    // The description under "LE ROULEMENT DETECTE DANS LE FICHIER CARAIBE": "  EST :" until a
    // file is chosen.
    QString description() const;
    // The two header lines of the destination window ("" until a file is chosen).
    QString rosterLine() const;
    QString validityLine() const;

    enum class Outcome {
        NameMissing,  // nothing done, the name box keeps its text
        FolderExists, // refused: the name box is to be emptied
        Failed,       // the destination could not be made: nothing left under its name
        Done,         // "C'EST FAIT"
    };
    // "Convertir": creates `name` in `drive`, converts every day of the chosen period into it
    // and tells the driver. The days are written into a temporary folder beside the
    // destination that takes its name at the end. `busy` is called with true before the long
    // work and false after it, before any message.
    Outcome convert(const QString &drive, const QString &name, Prompts &prompts, const QDate &today,
                    const std::function<void(bool)> &busy = {});
    int convertedDays() const { return m_converted; }

    // The folder name as typed, without the characters that the name box swallows:
    // / : | \ ? < > *
    static QString folderName(const QString &typed);

    // The period question; nullopt when the driver gives no answer.
    static std::optional<int> choosePeriod(const EnteteRoulement &header, Prompts &prompts);

private:
    QString m_dataFolder;
    ConvertCriteria::Criteria m_criteria;
    QString m_path;
    EnteteRoulement m_header;
    int m_period = 1;
    int m_converted = 0;
};
