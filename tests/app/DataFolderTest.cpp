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
    void theBuildEmbedsTheFactoryCopy()
    {
        QVERIFY(QFile::exists(QStringLiteral(":/factory/DataBul/ListeDossier.txt")));
        QTemporaryDir dir;
        const DataFolder::Location l = DataFolder::locate(dir.path(), QString());
        QVERIFY(l.ok());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("DataBul/ListeDossier.txt"))));
        // Seeded files belong to the user: they can be rewritten.
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DataBul/ListeDossier.txt"))).isWritable());
    }

    void seedsOnlyAMissingFolder()
    {
        QTemporaryDir factory, program;
        writeBytes(factory.filePath(QStringLiteral("ListeGares.txt")), "PARIS\r\n");
        writeBytes(factory.filePath(QStringLiteral("sub/Aide.html")), "<p>");

        DataFolder::Location l = DataFolder::locate(program.path(), QString(), factory.path());
        QVERIFY(l.ok());
        QCOMPARE(l.programFolder, Paths::CheckPath(program.path()));
        QCOMPARE(readBytes(program.filePath(QStringLiteral("DataBul/ListeGares.txt"))),
                 QByteArray("PARIS\r\n"));
        QCOMPARE(readBytes(program.filePath(QStringLiteral("DataBul/sub/Aide.html"))),
                 QByteArray("<p>"));

        // An existing data folder is never touched, even when files are missing from it.
        writeBytes(program.filePath(QStringLiteral("DataBul/ListeGares.txt")), "LYON\r\n");
        QFile::remove(program.filePath(QStringLiteral("DataBul/sub/Aide.html")));
        l = DataFolder::locate(program.path(), QString(), factory.path());
        QVERIFY(l.ok());
        QCOMPARE(readBytes(program.filePath(QStringLiteral("DataBul/ListeGares.txt"))),
                 QByteArray("LYON\r\n"));
        QVERIFY(!QFile::exists(program.filePath(QStringLiteral("DataBul/sub/Aide.html"))));
    }

    void fallsBackToTheApplicationDataFolder()
    {
        QTemporaryDir factory, program, appData;
        writeBytes(factory.filePath(QStringLiteral("ListeDossier.txt")), "");
        // Something that is not a folder stands where the data folder should be.
        writeBytes(program.filePath(QStringLiteral("DataBul")), "not a folder");
        const QString user = appData.filePath(QStringLiteral("Kerbo"));
        const DataFolder::Location l = DataFolder::locate(program.path(), user, factory.path());
        QVERIFY(l.ok());
        QCOMPARE(l.programFolder, Paths::CheckPath(QDir::toNativeSeparators(user)));
        QVERIFY(QFile::exists(user + QStringLiteral("/DataBul/ListeDossier.txt")));
        QCOMPARE(readBytes(program.filePath(QStringLiteral("DataBul"))), QByteArray("not a folder"));
    }

    void noUsableFolderIsExplained()
    {
        QTemporaryDir factory, root;
        writeBytes(root.filePath(QStringLiteral("a/DataBul")), "x");
        writeBytes(root.filePath(QStringLiteral("b")), "x"); // not a folder: nothing below it
        const DataFolder::Location l = DataFolder::locate(
            root.filePath(QStringLiteral("a")), root.filePath(QStringLiteral("b/c")), factory.path());
        QVERIFY(!l.ok());
        const QString first = QDir::toNativeSeparators(root.filePath(QStringLiteral("a/DataBul")));
        const QString second =
            QDir::toNativeSeparators(root.filePath(QStringLiteral("b/c/DataBul")));
        QCOMPARE(l.error, QString::fromUtf8(
                              "Kerbo ne peut pas écrire dans son dossier de données :\r\n%1%2\r\n%3%4\r\n"
                              "Vos réglages et vos journées ne pourraient pas être enregistrés.\r\n"
                              "Donnez le droit d'écriture sur ce dossier puis relancez Kerbo.")
                              .arg(first, Paths::separator(), second, Paths::separator()));
    }
};

KERBO_TEST(DataFolderTest)
#include "DataFolderTest.moc"
