#include "TestMain.h"

#include "FakePrompts.h"
#include "core/base/TextFile.h"
#include "core/files/FileCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class FileCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakePrompts m_prompts;
    QString m_source, m_target;

    static QStringList files(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    }
    void write(const QString &folder, const QString &name, const QString &text)
    {
        QVERIFY(TextFile::writeLines(QDir(folder).filePath(name), {text}));
    }

private slots:
    void init()
    {
        m_prompts = FakePrompts();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_source = m_dir.filePath("src"));
        QDir().mkpath(m_target = m_dir.filePath("dst"));
        for (const char *name : {"1.txt", "2.txt", "3.txt"})
            write(m_source, name, QLatin1String("source ") + name);
    }

    void copyMessages_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("all copied") << "dst" << QStringList{"3.txt", "1.txt"} << true << "Message"
                                    << "Les fichiers ont été correctement copiés !";
        QTest::newRow("nothing selected") << "dst" << QStringList() << false << "Erreur"
                                          << "Veuillez sélectionner les  fichiers à copier !";
        QTest::newRow("into the source folder")
            << "src" << QStringList{"1.txt"} << false << "Erreur"
            << "Le répertoire de destination est identique à celui d'origine! Interruption de "
               "l'opération de copie !";
        QTest::newRow("target gone") << "gone" << QStringList{"1.txt"} << false << "Erreur"
                                     << "Les fichiers n'ont pas pu être copiés correctement !";
    }
    void copyMessages()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, selected);
        QFETCH(bool, done);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QCOMPARE(FileCommands::copy(m_prompts, m_source, m_dir.filePath(target), selected), done);
        QCOMPARE(m_prompts.titles(), QStringList{title});
        QCOMPARE(m_prompts.last().text, text);
        selected.sort();
        QCOMPARE(files(m_target), done ? selected : QStringList());
        QCOMPARE(files(m_source), (QStringList{"1.txt", "2.txt", "3.txt"}));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"dst", "src"}));
    }

    // Days named as long as the disk allows (255 bytes, an accent taking two) are written and
    // copied like any other, and nothing of the work is left beside them.
    void namesAsLongAsTheDiskAllows()
    {
        QStringList names = {QString(251, u'x') + QStringLiteral(".txt"),
                             QString(125, u'é') + QStringLiteral("x.txt")};
        for (const QString &name : names) {
            QCOMPARE(QFile::encodeName(name).size(), 255);
            write(m_source, name, name);
        }
        QVERIFY(FileCommands::copy(m_prompts, m_source, m_target, names));
        names.sort();
        QCOMPARE(files(m_target), names);
        for (const QString &name : names)
            QCOMPARE(TextFile::readLines(QDir(m_target).filePath(name)).lines, QStringList{name});
        QCOMPARE(files(m_source).size(), 5);
    }

    // A link left in the target folder, even one leading nowhere, is a file there: nothing is
    // written through it.
    void linkAtTheTargetIsAnExistingFile()
    {
        QVERIFY(QFile::link(m_dir.filePath("nowhere.txt"), m_target + "/1.txt"));
        QVERIFY(!FileCommands::copy(m_prompts, m_source, m_target, {"1.txt"}));
        QCOMPARE(m_prompts.last().text, "Les fichiers de destination existent déjà ! Les fichiers  "
                                        "ne seront pas copiés pour des raisons de sécurité !");
        QVERIFY(QFileInfo(m_target + "/1.txt").isSymLink());
        QVERIFY(!QFile::exists(m_dir.filePath("nowhere.txt")));
    }

    // A copy stopped half-way (a power cut, a logout) leaves its temporary file in the target
    // folder, where no save of Kerbo comes to sweep: the next copy there removes it. Which files
    // are ours, and how old, is the data folder's sweep (ConfigTest).
    void copySweepsWhatAStoppedCopyLeft()
    {
        write(m_target, "1.txt.kerbo-Ab12Cd", "half");
        QFile file(QDir(m_target).filePath("1.txt.kerbo-Ab12Cd"));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        QVERIFY(FileCommands::copy(m_prompts, m_source, m_target, {"3.txt"}));
        QCOMPARE(files(m_target), QStringList{"3.txt"});
    }

    void deleteAsksFirst()
    {
        using Result = FileCommands::DeleteResult;
        QCOMPARE(FileCommands::remove(m_prompts, m_source, {}), Result::NothingSelected);
        QCOMPARE(m_prompts.last().text, "Veuillez sélectionner les  fichiers à supprimer !");

        QCOMPARE(FileCommands::remove(m_prompts, m_source, {"1.txt"}), Result::Cancelled);
        QCOMPARE(m_prompts.last().title, "CONFIRMATION DE LA SUPPRESSION");
        QCOMPARE(m_prompts.last().text, "Désirez-vous vraiment supprimer le fichier séléctionné ?");
        QCOMPARE(m_prompts.last().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(files(m_source).size(), 3);

        // A file gone since the list was drawn is not a failure: the others still go, and so
        // does a link that led to it.
        QVERIFY(QFile::link(m_source + "/gone.txt", m_source + "/link.txt"));
        m_prompts.answers = {Prompts::Answer::Yes};
        QCOMPARE(
            FileCommands::remove(m_prompts, m_source, {"gone.txt", "link.txt", "1.txt", "3.txt"}),
            Result::Deleted);
        QVERIFY(!QFileInfo(m_source + "/link.txt").isSymLink());
        QCOMPARE(m_prompts.last().text,
                 "Désirez-vous vraiment supprimer les fichiers séléctionnés ?");
        QCOMPARE(files(m_source), QStringList{"2.txt"});
    }

    void readOnlyFileKept()
    {
        // The files selected after it still go; the failure is told once.
        write(m_source, "4.txt", "quatre");
        QVERIFY(QFile::setPermissions(m_source + "/2.txt", QFile::ReadOwner | QFile::ReadUser));
        QVERIFY(QFile::setPermissions(m_source + "/3.txt", QFile::ReadOwner | QFile::ReadUser));
        m_prompts.answers = {Prompts::Answer::Yes};
        QCOMPARE(FileCommands::remove(m_prompts, m_source, {"1.txt", "2.txt", "3.txt", "4.txt"}),
                 FileCommands::DeleteResult::Failed);
        QCOMPARE(m_prompts.calls.size(), 2); // the question, then one message
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(m_prompts.last().text, "Les fichiers n'ont pas pu être Supprimés correctement !"
                                        "Assurez-vous qu'ils ne soient pas en lecture seule");
        QCOMPARE(files(m_source), (QStringList{"2.txt", "3.txt"}));
    }
};

KERBO_TEST(FileCommandsTest)
#include "FileCommandsTest.moc"
