// The writers of the program, each saved the way its window saves it. A new writer adds its
// three functions and one KERBO_SAVE_CASE line here; the fault and kill tests then cover it.
#include "SaveCase.h"

#include "FakePrompts.h"
#include "FakeView.h"

#include "core/automatismes/AutomatismeForm.h"
#include "core/automatismes/AutomatismeKeys.h"
#include "core/automatismes/AutomatismeStore.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "core/config/CartoucheStore.h"
#include "core/dayfiles/DayCommands.h"
#include "core/dayfiles/DayNames.h"
#include "core/folders/RosterFolderList.h"
#include "core/lists/ListFile.h"
#include "core/lists/ReferenceLists.h"
#include "core/options/OptionValues.h"
#include "core/print/PrintLayoutFile.h"
#include "core/roster/ConvertCriteria.h"

#include <QDir>

std::vector<SaveCase> &saveCases()
{
    static std::vector<SaveCase> cases;
    return cases;
}

namespace {

const QDate ServiceDate(2026, 12, 4);

QString folder(const AppState &state, const char *name)
{
    return Paths::CheckPath(state.config.ouestKerbo + QLatin1String(name));
}

// The text of the last prompt, or of the last one of that title; "" if none.
QString told(const FakePrompts &prompts, const char *title = nullptr)
{
    for (qsizetype i = prompts.calls.size() - 1; i >= 0; --i)
        if (!title || prompts.calls[i].title == QLatin1String(title)) return prompts.calls[i].text;
    return QString();
}

void nothingToSetUp(AppState &) {}

QString configIni(const AppState &s) { return s.config.iniPath(); }

// An archive day saved over the earlier file of the same day, from the editor's command.
void dayFileSetUp(AppState &s)
{
    QDir().mkpath(folder(s, "Archive"));
    s.config.hdArchive = folder(s, "Archive");
    s.config.write(ConfigKeys::CheminDossiers, ConfigKeys::HdArchive, s.config.hdArchive);
    s.record.setServiceDate(ServiceDate);
    s.record.setSlot(SlotTable::RoulementSlot, QStringLiteral("R12"));
    s.record.setSlot(SlotTable::JourneeSlot, QStringLiteral("J34"));
}

QString dayFile(const AppState &s)
{
    return folder(s, "Archive") +
           DayNames::archiveName(QStringLiteral("J34"), QString(), ServiceDate);
}

SaveOutcome saveDay(AppState &s, int version)
{
    s.record.setSlot(9, version ? QStringLiteral("LYON") : QStringLiteral("PARIS"));
    for (QString &line : s.verso.txtD)
        line = version ? QStringLiteral("neige") : QStringLiteral("pluie");
    FakePrompts prompts;
    prompts.answers = {Prompts::Answer::Yes}; // overwrite the earlier file
    FakeView view;
    DayCommands::saveArchive(s, prompts, view);
    return {!told(prompts, "SAUVEGARDE REUSSIE").isEmpty(), told(prompts, "Kerbo")};
}

// A setting written at once when a window changes it; a failure is told once per run.
SaveOutcome saveSetting(AppState &s, int version)
{
    QString told;
    s.config.onWriteFailure = [&told](const QString &, const QString &text) { told = text; };
    const bool saved =
        s.config.write(ConfigKeys::Options, ConfigKeys::Enaug, QString::number(version));
    s.config.onWriteFailure = nullptr;
    return {saved, told};
}

// The cartouche dialog's OK: several keys of Config.ini in one save.
SaveOutcome saveCartouche(AppState &s, int version)
{
    const CartoucheStore::Texts texts = {
        version ? QStringLiteral("MARTIN") : QStringLiteral("DURAND"), QStringLiteral("Jean"),
        QStringLiteral("PARIS"), QStringLiteral("LYON"), QStringLiteral("1234567A")};
    QString error;
    return {CartoucheStore::confirm(s.config, s.record, texts, &error), error};
}

// The print layout, saved when a calibration window closes.
void layoutSetUp(AppState &s) { s.printLayout.DefautParaImp(); }

QString layoutFile(const AppState &s) { return PrintLayoutFile::path(s.config.dataFolder()); }

SaveOutcome saveLayout(AppState &s, int version)
{
    s.printLayout.ParaImpX[1] = version ? QStringLiteral("61.5") : QStringLiteral("60");
    QString error;
    return {SauveParametresImp(s.printLayout, s.config.dataFolder(), &error), error};
}

// The roster-folder list: folders added to it, then the check run at every start, which drops
// a vanished folder without a word.
void rosterSetUp(AppState &s)
{
    QDir().mkpath(folder(s, "ROUL1"));
    QDir().mkpath(folder(s, "ROUL2"));
}

QString rosterList(const AppState &s) { return RosterFolderList::listPath(s.config.dataFolder()); }

SaveOutcome saveRosterList(AppState &s, int version)
{
    const QString data = s.config.dataFolder();
    if (version == 0) {
        QString error;
        bool saved = true;
        for (const char *name : {"ROUL1", "ROUL2", "GONE"})
            saved = saved && RosterFolderList::add(data, folder(s, name), &error);
        return {saved, error};
    }
    const QString list = rosterList(s);
    const QByteArray before = TextFile::readBytes(list, TextFile::MaxListBytes).bytes;
    RosterFolderList::verify(s.config);
    const QByteArray after = TextFile::readBytes(list, TextFile::MaxListBytes).bytes;
    return {after != before, QString(), true};
}

// A reference list: an item added by the list window's "Ajouter", then removed by its
// "Supprimer".
QString stationList(const AppState &s)
{
    return s.config.dataFile(QStringLiteral("ListeGares.txt"));
}

void stationListSetUp(AppState &s)
{
    if (!QFile::exists(stationList(s)))
        TextFile::writeLines(stationList(s), {QStringLiteral("PARIS")});
}

SaveOutcome saveStationList(AppState &s, int version)
{
    QString error;
    if (version == 0) {
        // A killed saver may start again on a list that holds the item: the window refuses it.
        const auto added = ReferenceLists::add(stationList(s), QStringLiteral("LYON"), &error);
        return {added != ReferenceLists::AddResult::Failed, error};
    }
    return {ListFile::remove(stationList(s), QStringLiteral("LYON"), true, &error) > 0, error};
}

// An automatisme saved by its window, then deleted: the deletion puts the whole file in place
// through a temporary copy of another name, so the faults hit the whole folder.
void automatismeSetUp(AppState &s)
{
    s.automatismes.setPath(s.config.dataFile(QLatin1String(AutomatismeKeys::FileName)));
}

QString automatismeFile(const AppState &s) { return s.automatismes.path(); }

SaveOutcome saveAutomatisme(AppState &s, int version)
{
    FakePrompts prompts;
    AutomatismeForm form(s.automatismes, prompts);
    bool saved;
    if (version == 0) {
        Automatismes::Values values;
        values[0] = QStringLiteral("PARIS");
        saved = form.save(QStringLiteral("830123"), values) != AutomatismeForm::Saved::Refused;
    } else if (form.items().contains(QStringLiteral("830123"))) {
        saved = form.remove(QStringLiteral("830123"), true);
    } else {
        // A killed saver may start again on a file without it: the window lists nothing to
        // delete.
        saved = true;
    }
    return {saved, told(prompts)};
}

// The options window's "OK": every option of Config.ini in one save.
SaveOutcome saveOptions(AppState &s, int version)
{
    OptionValues values;
    values.enaug = version == 1;
    values.prefixTrain = version ? QStringLiteral("83") : QStringLiteral("87");
    QString told;
    s.config.onWriteFailure = [&told](const QString &, const QString &text) { told = text; };
    const bool saved = values.confirm(s);
    s.config.onWriteFailure = nullptr;
    return {saved, told};
}

// The layout imported from a folder where it was saved.
SaveOutcome importLayout(AppState &s, int version)
{
    const QString saved = folder(s, "Sauvegarde");
    QDir().mkpath(saved);
    PrintLayout layout;
    layout.DefautParaImp();
    layout.ParaImpX[2] = version ? QStringLiteral("12.5") : QStringLiteral("14");
    if (!TextFile::writeLines(saved + PrintParamsTransfer::fileName(), PrintLayoutFile::lines(layout)))
        return {};
    FakePrompts prompts;
    const auto outcome =
        PrintParamsTransfer::importFrom(saved, s.config.dataFolder(), s.printLayout, prompts);
    return {outcome == PrintParamsTransfer::Outcome::Done, told(prompts)};
}

// The layout saved into a folder of the driver's choice (a key), over the copy saved there
// before.
QString exportedLayout(const AppState &s)
{
    return folder(s, "Sauvegarde") + PrintParamsTransfer::fileName();
}

void exportSetUp(AppState &s)
{
    QDir().mkpath(folder(s, "Sauvegarde"));
}

SaveOutcome exportLayout(AppState &s, int version)
{
    PrintLayout layout;
    layout.DefautParaImp();
    layout.ParaImpX[2] = version ? QStringLiteral("12.5") : QStringLiteral("14");
    if (!SauveParametresImp(layout, s.config.dataFolder())) return {};
    FakePrompts prompts;
    prompts.answers = {Prompts::Answer::Yes}; // over the copy saved before
    const auto outcome =
        PrintParamsTransfer::exportTo(s.config.dataFolder(), folder(s, "Sauvegarde"), prompts);
    return {outcome == PrintParamsTransfer::Outcome::Done, told(prompts, "Kerbo")};
}

// The converter criteria of the roster window.
QString criteriaFile(const AppState &s)
{
    return s.config.dataFile(ConvertCriteria::fileName());
}

SaveOutcome saveCriteria(AppState &s, int version)
{
    ConvertCriteria::Rows rows;
    rows[0] = {version ? QStringLiteral("8301") : QStringLiteral("8302"), QStringLiteral("EXP"),
               QStringLiteral("R"), QStringLiteral("AS")};
    QString error;
    return {ConvertCriteria::writeRows(criteriaFile(s), rows, &error), error};
}

} // namespace

KERBO_SAVE_CASE({"day file", dayFileSetUp, dayFile, saveDay});
KERBO_SAVE_CASE({"Config.ini", nothingToSetUp, configIni, saveSetting});
KERBO_SAVE_CASE({"cartouche", nothingToSetUp, configIni, saveCartouche});
KERBO_SAVE_CASE({"print layout", layoutSetUp, layoutFile, saveLayout});
KERBO_SAVE_CASE({"layout import", nothingToSetUp, layoutFile, importLayout});
KERBO_SAVE_CASE({"layout export", exportSetUp, exportedLayout, exportLayout});
KERBO_SAVE_CASE({"roster-folder list", rosterSetUp, rosterList, saveRosterList});
KERBO_SAVE_CASE({"reference list", stationListSetUp, stationList, saveStationList});
KERBO_SAVE_CASE({"automatismes", automatismeSetUp, automatismeFile, saveAutomatisme, true});
KERBO_SAVE_CASE({"options", nothingToSetUp, configIni, saveOptions});
KERBO_SAVE_CASE({"converter criteria", nothingToSetUp, criteriaFile, saveCriteria});
