#pragma once

#include "core/AppState.h"
#include "core/base/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <functional>
#include <vector>

// One writer of the program, driven through the path the program itself takes, for the fault
// and kill tests. Each case works in a program folder of its own, so that its file is written
// by nothing else.
struct SaveOutcome {
    bool saved = false;
    QString told;        // what the driver is shown (or handed to the window to show); "" if none
    bool silent = false; // a background save that tells no failure by design (it must still keep
                         // the previous file)
};

struct SaveCase {
    const char *name;
    // Creates the folders and in-memory values the save needs. It never replaces the case's file
    // (it may create it when missing): a saver started again must find the file as it was.
    std::function<void(AppState &)> setUp;
    // The file the save replaces.
    std::function<QString(const AppState &)> file;
    // Saves content version 0 or 1 (the two alternate, and differ from each other).
    std::function<SaveOutcome(AppState &, int version)> save;
    // The faults hit every file of the file's folder, for a save that also writes a file of
    // another name.
    bool wholeFolder = false;
};

// A file's bytes, or "<missing>".
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Temporary files that a save left beside `file`.
inline QStringList leftovers(const QString &file)
{
    const QFileInfo info(file);
    return info.dir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files);
}

// Every writer registered by KERBO_SAVE_CASE, in registration order.
std::vector<SaveCase> &saveCases();

// Sets writer `index` up in a program folder of its own inside the folder of a kill test.
inline bool setUpInKillFolder(AppState &state, const QString &root, size_t index)
{
    state.config.ouestKerbo =
        Paths::CheckPath(Paths::join(root, QStringLiteral("writer%1").arg(index)));
    if (!QDir().mkpath(state.config.dataFolder())) return false;
    saveCases()[index].setUp(state);
    return true;
}

struct SaveCaseRegistrar {
    explicit SaveCaseRegistrar(SaveCase c) { saveCases().push_back(std::move(c)); }
};

#define KERBO_SAVE_CASE_JOIN2(a, b) a##b
#define KERBO_SAVE_CASE_JOIN(a, b) KERBO_SAVE_CASE_JOIN2(a, b)
// Registers a writer: KERBO_SAVE_CASE({"name", setUp, file, save});
#define KERBO_SAVE_CASE(...)                                                                       \
    static SaveCaseRegistrar KERBO_SAVE_CASE_JOIN(kerboSaveCase, __LINE__)(SaveCase __VA_ARGS__)
