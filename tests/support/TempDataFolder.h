#pragma once

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder in a temporary directory with an empty DataBul, and the state of a run on
// it. Files of the data folder are written and read back as bytes.
struct TempDataFolder {
    QTemporaryDir dir;
    AppState state;

    // `configIni`, when given, becomes DataBul/Config.ini and is loaded.
    explicit TempDataFolder(const QByteArray &configIni = {})
    {
        QDir(dir.path()).mkdir(QStringLiteral("DataBul"));
        state.config.ouestKerbo = programFolder();
        if (!configIni.isEmpty()) {
            write(QStringLiteral("Config.ini"), configIni);
            state.config.load();
        }
    }

    // The program folder, ending with the separator.
    QString programFolder() const { return Paths::CheckPath(dir.path()); }
    QString dataFolder() const { return state.config.dataFolder(); }
    QString dataFile(const QString &name) const { return state.config.dataFile(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(dataFile(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    void writeLines(const QString &name, const QStringList &lines) const
    {
        write(name, TextFile::joinLines(lines));
    }
    QByteArray read(const QString &name) const
    {
        QFile f(dataFile(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString &name) const { return QFile::exists(dataFile(name)); }
};
