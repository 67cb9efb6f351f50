#include "TestMain.h"

#include "app/DataFolder.h"
#include "app/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DataFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void seedsOnlyAMissingFolder()
    {
        // The factory copy built into the program seeds writable files.
        QTemporaryDir built;
        QVERIFY(DataFolder::locate(built.path(), QString()).ok());
        QVERIFY(QFileInfo(built.filePath("DataBul/ListeDossier.txt")).isWritable());

        QTemporaryDir factory, program;
        writeBytes(factory.filePath("ListeGares.txt"), "PARIS\r\n");
        writeBytes(factory.filePath("sub/Aide.html"), "<p>");
        DataFolder::Location l = DataFolder::locate(program.path(), QString(), factory.path());
        QCOMPARE(l.programFolder, Paths::CheckPath(program.path()));
        QCOMPARE(readBytes(program.filePath("DataBul/sub/Aide.html")), QByteArray("<p>"));
        // An existing data folder is never touched, even when files are missing from it.
        writeBytes(program.filePath("DataBul/ListeGares.txt"), "LYON\r\n");
        QFile::remove(program.filePath("DataBul/sub/Aide.html"));
        QVERIFY(DataFolder::locate(program.path(), QString(), factory.path()).ok());
        QCOMPARE(readBytes(program.filePath("DataBul/ListeGares.txt")), QByteArray("LYON\r\n"));
        QVERIFY(!QFile::exists(program.filePath("DataBul/sub/Aide.html")));
    }

    void fallsBackToTheApplicationDataFolder()
    {
        QTemporaryDir factory, root;
        writeBytes(factory.filePath("ListeDossier.txt"), "");
        // Something that is not a folder stands where the data folder should be.
        writeBytes(root.filePath("program/DataBul"), "not a folder");
        const QString user = root.filePath("user/Kerbo");
        DataFolder::Location l =
            DataFolder::locate(root.filePath("program"), user, factory.path());
        QCOMPARE(l.programFolder, Paths::CheckPath(user));
        QVERIFY(QFile::exists(user + "/DataBul/ListeDossier.txt"));
        QCOMPARE(readBytes(root.filePath("program/DataBul")), QByteArray("not a folder"));

        // Nowhere to write: the message names every folder tried.
        writeBytes(root.filePath("file"), "x");
        l = DataFolder::locate(root.filePath("program"), root.filePath("file/c"), factory.path());
        QVERIFY(!l.ok());
        QCOMPARE(l.error, QString::fromUtf8(
                              "Kerbo ne peut pas écrire dans son dossier de données :\r\n%1/\r\n%2/\r\n"
                              "Vos réglages et vos journées ne pourraient pas être enregistrés.\r\n"
                              "Donnez le droit d'écriture sur ce dossier puis relancez Kerbo.")
                              .arg(root.filePath("program/DataBul"), root.filePath("file/c/DataBul")));
    }
};

KERBO_TEST(DataFolderTest)
#include "DataFolderTest.moc"
