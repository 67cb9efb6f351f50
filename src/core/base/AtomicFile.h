#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// One file written whole or not at all. The content goes to a temporary file of the same
// folder, unbuffered so that every write's failure is seen where it happens; commit() forces the
// data to the disk and only then gives the file its name. Until then, and after any failure,
// the previous file of that name stays byte for byte as it was. Every writer of the program
// goes through this class (TextFile::writeAtomic for a file written in one piece).
//
// The temporary file is named after the file and a mark of the program's own,
// "<name>.kerbo-XXXXXX", so that one left by a program killed in a save is told apart from the
// driver's own copies ("Config.ini.backup") when it is cleared away (QSaveFile's
// "<name>.XXXXXX" could not be).
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);
    // An uncommitted file is discarded.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    bool commit();

    // Why the last step failed: a French sentence naming the file.
    const QString &error() const { return m_error; }

    // Files of a folder that nobody reads yet, which takes its final name only once it is
    // complete (as a converted roster): each is written straight to its name with every write
    // checked (a file of that name already written there is replaced), and the folder is forced
    // to the disk once, whole, by syncFolder() before it is renamed. One sync for the folder
    // instead of one per file.
    static bool writeNew(const QString &path, QByteArrayView bytes, QString *error);
    static bool syncFolder(const QString &folder, QString *error);

    // A file that takes another's place by a rename of its own (Automatisme2.ini over
    // Automatisme.ini): the file that `path` names through its symbolic links, which the rename
    // must replace, and the owner, group and permissions of `previous` given to `made` (as the
    // writer gives them to its own temporary file).
    static QString linkTarget(const QString &path);
    static void keepOwnership(const QString &made, const QString &previous);

    // The sentence for a file that a writer finds read-only.
    static QString readOnlyFailure(const QString &path);

    // Why a file could not be opened or read, in French whatever the system's language: `code`
    // is the errno of the failed call, `detail` the system's own wording, kept in brackets for
    // a cause the program does not name.
    static QString readCause(int code, const QString &detail);

    // The mark in the name of every temporary file of the writer: "<name>.kerbo-" and six
    // letters or digits.
    static constexpr char TemporaryMark[] = ".kerbo-";

private:
    bool fail(const QString &cause);
    // Closes and removes the temporary file.
    void discard();

    QString m_path;
    QString m_target; // m_path, or the file its symbolic links lead to
    QFile m_file;     // the temporary file
    bool m_committed = false;
    qint64 m_written = 0;
    QString m_error;
};
