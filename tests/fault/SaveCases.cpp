// The writers of the program, each saved the way its window saves it. A new writer adds one
// KERBO_SAVE_CASE here; the fault and kill tests then cover it.
#include "SaveCase.h"

#include "FakePrompts.h"
#include "FakeView.h"

#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/config/CartoucheStore.h"
#include "core/dayfiles/DayCommands.h"
#include "core/dayfiles/DayNames.h"
#include "core/folders/RosterFolderList.h"
#include "core/print/PrintLayoutFile.h"

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

QString lastMessage(const FakePrompts &prompts, const char *title)
{
    for (qsizetype i = prompts.calls.size() - 1; i >= 0; --i)
        if (prompts.calls[i].title == QLatin1String(title))
            return prompts.calls[i].text;
    return QString();
}

} // namespace

// An archive day saved over the earlier file of the same day, from the editor's command.
KERBO_SAVE_CASE({"day file",
                 [](AppState &s) {
                     QDir().mkpath(folder(s, "Archive"));
                     s.config.hdArchive = folder(s, "Archive");
                     s.config.write(ConfigKeys::CheminDossiers, ConfigKeys::HdArchive,
                                    s.config.hdArchive);
                     s.record.setServiceDate(ServiceDate);
                     s.record.setSlot(7, QStringLiteral("R12"));
                     s.record.setSlot(8, QStringLiteral("J34"));
                 },
                 [](const AppState &s) {
                     return folder(s, "Archive") +
                            DayNames::archiveName(QStringLiteral("J34"), QString(), ServiceDate);
                 },
                 [](AppState &s, int version) {
                     s.record.setSlot(9, version ? QStringLiteral("LYON") : QStringLiteral("PARIS"));
                     for (auto &line : s.verso.txtD)
                         line = version ? QStringLiteral("neige") : QStringLiteral("pluie");
                     FakePrompts prompts;
                     prompts.answers = {Prompts::Answer::Yes}; // overwrite the earlier file
                     FakeView view;
                     DayCommands::saveArchive(s, prompts, view);
                     return SaveOutcome{!lastMessage(prompts, "SAUVEGARDE REUSSIE").isEmpty(),
                                        lastMessage(prompts, "SAUVEGARDE IMPOSSIBLE !!")};
                 }});

// A setting written at once when a window changes it; a failure is told once per run.
KERBO_SAVE_CASE({"Config.ini", [](AppState &) {},
                 [](const AppState &s) { return s.config.iniPath(); },
                 [](AppState &s, int version) {
                     QString told;
                     s.config.onWriteFailure = [&told](const QString &, const QString &text) {
                         told = text;
                     };
                     const bool saved = s.config.write(ConfigKeys::Options, ConfigKeys::Enaug,
                                                       QString::number(version));
                     s.config.onWriteFailure = nullptr;
                     return SaveOutcome{saved, told};
                 }});

// The cartouche dialog's OK: six keys of Config.ini in one save.
KERBO_SAVE_CASE({"cartouche", [](AppState &) {},
                 [](const AppState &s) { return s.config.iniPath(); },
                 [](AppState &s, int version) {
                     const QString name = version ? QStringLiteral("MARTIN") : QStringLiteral("DURAND");
                     QString error;
                     const bool saved = CartoucheStore::confirm(
                         s.config, s.record, {name, QStringLiteral("Jean"), QStringLiteral("PARIS"),
                             QStringLiteral("LYON"), QStringLiteral("1234567A")},
                         &error);
                     return SaveOutcome{saved, error};
                 }});

// The print layout, saved when a calibration window closes.
KERBO_SAVE_CASE({"print layout", [](AppState &s) { s.printLayout.DefautParaImp(); },
                 [](const AppState &s) { return PrintLayoutFile::path(s.config.dataFolder()); },
                 [](AppState &s, int version) {
                     s.printLayout.ParaImpX[1] = version ? QStringLiteral("61.5") : QStringLiteral("60");
                     QString error;
                     const bool saved =
                         SauveParametresImp(s.printLayout, s.config.dataFolder(), &error);
                     return SaveOutcome{saved, error};
                 }});

// The roster-folder list: folders added to it, then the check run at every start, which drops
// a vanished folder silently.
KERBO_SAVE_CASE({"roster-folder list",
                 [](AppState &s) {
                     QDir().mkpath(folder(s, "ROUL1"));
                     QDir().mkpath(folder(s, "ROUL2"));
                 },
                 [](const AppState &s) { return RosterFolderList::listPath(s.config.dataFolder()); },
                 [](AppState &s, int version) {
                     const QString data = s.config.dataFolder();
                     const QString list = RosterFolderList::listPath(data);
                     if (version == 0) {
                         QString error;
                         bool saved = true;
                         for (const char *name : {"ROUL1", "ROUL2", "GONE"})
                             saved = saved && RosterFolderList::add(data, folder(s, name), &error);
                         return SaveOutcome{saved, error};
                     }
                     const QByteArray before =
                         TextFile::readBytes(list, TextFile::MaxListBytes).bytes;
                     RosterFolderList::verify(s.config);
                     const QByteArray after =
                         TextFile::readBytes(list, TextFile::MaxListBytes).bytes;
                     return SaveOutcome{after != before, QString(), true};
                 }});
