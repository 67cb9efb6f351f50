#pragma once

// A data folder with a generic and an archive folder set, and a day in the record: the ground
// of the day-file tests.
#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"
#include "TestFiles.h"

#include "core/AppState.h"
#include "core/base/IniAccess.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/dayfiles/DayCommands.h"
#include "core/dayfiles/DayFileReader.h"
#include "core/dayfiles/DayFileWriter.h"
#include "core/dayfiles/DayNames.h"
#include "core/folders/RosterFolderList.h"
#include "core/model/SlotTable.h"

#include <QDir>
#include <QtTest>

class DayFilesFixture : public QObject
{
protected:
    std::unique_ptr<TempDataFolder> m_data;
    AppState *m_state = nullptr;
    QString m_generic, m_archive;
    FakePrompts m_prompts;
    FakeView m_view;

    QString slot(int s) const { return m_state->record.slot(s); }
    QString folder(const QString &name)
    {
        QDir(m_data->dir.path()).mkpath(name);
        return Paths::CheckPath(m_data->dir.filePath(name));
    }
    QString writeFile(const QString &path, const QByteArray &bytes)
    {
        return writeBytes(path, bytes) ? path : QString();
    }
    // Loads the bytes as a day file into an emptied state; true when the reader refuses them.
    bool load(const QByteArray &bytes)
    {
        const QString path = writeFile(m_data->dir.filePath(QStringLiteral("day.txt")), bytes);
        m_state->record.clearForNewDay();
        m_state->verso.clear();
        return DayFileReader::load(path, *m_state, m_prompts);
    }
    bool load(const QStringList &lines) { return load(TextFile::joinLines(lines)); }

    QString iniValue(const QString &key)
    {
        return LectureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"), key).text;
    }
    void setFolders(const QString &generic, const QString &archive)
    {
        m_state->config.hdGenerique = generic;
        m_state->config.hdArchive = archive;
        m_state->config.write("CheminDossiers", "Hdgenerique", generic);
        m_state->config.write("CheminDossiers", "HdArchive", archive);
    }
    QStringList files(const QString &dir) const { return QDir(dir).entryList(QDir::Files); }
    void expectLast(const QString &title, const QString &text,
                    Prompts::Icon icon = Prompts::Icon::Exclamation)
    {
        QCOMPARE(m_prompts.last().title, title);
        QCOMPARE(m_prompts.last().text, text);
        QCOMPARE(m_prompts.last().icon, icon);
    }
    void saveGeneric() { DayCommands::saveGeneric(*m_state, m_prompts, m_view); }
    void saveArchive() { DayCommands::saveArchive(*m_state, m_prompts, m_view); }

    void setUp()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_state = &m_data->state;
        m_generic = folder(QStringLiteral("ROULEMENT"));
        m_archive = folder(QStringLiteral("ARCHIVE"));
        setFolders(m_generic, m_archive);
        m_prompts = FakePrompts();
        m_view = FakeView();
        m_state->record.setServiceDate(QDate(2026, 12, 4));
        m_state->record.setSlot(7, QStringLiteral("R42"));
        m_state->record.setSlot(8, QStringLiteral(" 12 "));
        m_state->verso.txtObsMec = QStringLiteral("Freinage très\nlong");
    }
};
