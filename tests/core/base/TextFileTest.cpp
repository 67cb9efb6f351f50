#include "AnotherUser.h"
#include "TestFiles.h"
#include "TestMain.h"

#include "core/base/Cp1252.h"
#include "core/base/NumberText.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The 8-bit text of every file, files read or written whole or not at all, numbers in texts.
class TextFileTest : public QObject
{
    Q_OBJECT
private slots:
    void windows1252IsNotLatin1()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Cp1252::decode(all);
        QCOMPARE(QString(text[0x80]) + text[0x92] + text[0x9C], QString::fromUtf8("€’œ"));
        QCOMPARE(Cp1252::encode(text), all);
        // Outside the code page: one "?" per character, a surrogate pair included.
        QCOMPARE(Cp1252::encode(QString::fromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80z")),
                 QByteArray("a??z"));
        // CR LF or LF in, CR LF out; a final line end starts no extra line.
        QCOMPARE(TextFile::splitLines("\x80\r\nb\n\r\n"), (QStringList{u"€"_s, "b", ""}));
        QCOMPARE(TextFile::joinLines({u"é"_s, QString()}), QByteArray("\xE9\r\n\r\n"));
    }

    // A file that a program of today saved in UTF-8 or UTF-16 reads as the code page's bytes;
    // the code page's own bytes, and bytes that are no UTF-8, stay as they are.
    void textSavedInUtf8ReadsAsTheCodePage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("UTF-8") << "S\xC3\xA8te \xC5\x92uvre \xE2\x82\xAC\r\n"_ba
                               << "S\xE8te \x8Cuvre \x80\r\n"_ba;
        QTest::newRow("UTF-8 with its mark") << "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"_ba
                                             << "\xE9t\xE9"_ba;
        QTest::newRow("beyond the code page") << "a\xF0\x9F\x9A\x82z"_ba
                                              << "a?z"_ba;
        QTest::newRow("the code page's") << "S\xE8te \x8Cuvre \x80"_ba
                                         << "S\xE8te \x8Cuvre \x80"_ba;
        QTest::newRow("ASCII") << "[RLT]\r\n"_ba
                               << "[RLT]\r\n"_ba;
        QTest::newRow("UTF-8 cut in a character") << "\xC3\xA9t\xC3"_ba
                                                  << "\xC3\xA9t\xC3"_ba;
        QTest::newRow("the mark on the code page's") << "\xEF\xBB\xBF\xE9t\xE9"_ba
                                                     << "\xE9t\xE9"_ba;
        // Windows' "Unicode", as Notepad or PowerShell save a list or the settings.
        QTest::newRow("UTF-16 with its mark") << "\xFF\xFES\0\xE8\0t\0e\0\r\0\n\0B\x01"_ba
                                              << "S\xE8te\r\n?"_ba;
        QTest::newRow("UTF-16, big end first") << "\xFE\xFF\0S\0\xE8"_ba
                                               << "S\xE8"_ba;
        // Read and written back, a file must read the same again: where the reading would
        // itself pass for another encoding, the bytes stay as they are.
        QTest::newRow("a UTF-8 mark before a UTF-16 one") << "\xEF\xBB\xBF\xFF\xFE"
                                                             "a"_ba
                                                          << "\xEF\xBB\xBF\xFF\xFE"
                                                             "a"_ba;
        QTest::newRow("UTF-16 text that begins with its own mark") << "\xFF\xFE\xFF\0\xFE\0a\0"_ba
                                                                   << "\xFF\xFE\xFF\0\xFE\0a\0"_ba;
        QTest::newRow("UTF-8 twice over") << "\xC3\x83\xC2\xA9"_ba
                                          << "\xC3\x83\xC2\xA9"_ba;
    }
    void textSavedInUtf8ReadsAsTheCodePage()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, read);
        QCOMPARE(Cp1252::fromFileBytes(file), read);
        QCOMPARE(Cp1252::fromFileBytes(read), read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ListeGares.txt"_s);
        QVERIFY(writeBytes(path, file));
        QCOMPARE(TextFile::readBytes(path, 100).bytes, read);
    }

    void readersTellMissingUnreadableAndOversizedApart()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"ListeGares.txt"_s);
        TextFile::ReadBytes r = TextFile::readBytes(file, 10);
        QVERIFY(!r.ok && r.missing);
        QVERIFY(writeBytes(file, "0123456789")); // the limit itself is taken
        r = TextFile::readBytes(file, 10);
        QVERIFY(r.ok && !r.missing && r.bytes == "0123456789");
        QVERIFY(writeBytes(file, "0123456789A"));
        r = TextFile::readBytes(file, 10);
        QVERIFY(!r.ok && !r.missing && r.bytes.isEmpty());
        QVERIFY2(r.error.contains(u"ListeGares.txt"_s) && r.error.contains(u"trop volumineux"_s),
                 qPrintable(r.error));
        // A folder in the file's place is unreadable, not missing.
        QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        r = TextFile::readBytes(dir.filePath(u"Config.ini"_s), 10);
        QVERIFY(!r.ok && !r.missing && !r.error.isEmpty());
    }

    // A file rewritten keeps its permissions, and a link to it stays a link to the file
    // rewritten; nothing but the file is left.
    void rewrittenFileKeepsItsLinksAndPermissions()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"ListeGares.txt"_s);
        QVERIFY(TextFile::writeAtomic(file, "PARIS\r\n"));
        const auto kept = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(file, kept));
        const QString link = dir.filePath(u"Liens/ListeGares.txt"_s);
        QVERIFY(QDir(dir.path()).mkdir(u"Liens"_s) && QFile::link(file, link));
        QVERIFY(TextFile::writeAtomic(link, "LYON\r\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(TextFile::readBytes(file, 100).bytes, QByteArray("LYON\r\n"));
        const auto ownerGroupOther = QFileDevice::Permissions(0x7077);
        QCOMPARE(QFile::permissions(file) & ownerGroupOther, kept);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"ListeGares.txt"_s});
    }

    // A computer shared by several drivers: a file saved by the administrator stays its
    // owner's, with its group, and a driver who cannot change another user's file is told
    // whose it is, not that it is read-only.
    void anotherUsersFileKeepsItsOwner()
    {
        if (::geteuid() != 0) QSKIP("only the administrator can give files to other users");
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
        const QString users = dir.filePath(u"Config.ini"_s);
        QVERIFY(TextFile::writeAtomic(users, "[Cartouche]\r\n"));
        QVERIFY(::chown(QFile::encodeName(users).constData(), AnotherUserId, AnotherUserId) == 0);
        QVERIFY(::chmod(QFile::encodeName(users).constData(), 0640) == 0);
        QVERIFY(TextFile::writeAtomic(users, "[Cartouche]\r\nNom=DUPONT\r\n"));
        const QFileInfo saved(users);
        QCOMPARE(saved.ownerId(), AnotherUserId);
        QCOMPARE(saved.groupId(), AnotherUserId);
        QCOMPARE(saved.permissions() & QFileDevice::Permissions(0x7777),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser | QFileDevice::ReadGroup);

        // The administrator's file, as the other user sees it.
        const QString admins = dir.filePath(u"12.txt"_s);
        QVERIFY(TextFile::writeAtomic(admins, "A\r\n"));
        QVERIFY(::chmod(QFile::encodeName(admins).constData(), 0644) == 0);
        const QStringList told = asAnotherUser([&] {
            QString error;
            return TextFile::writeAtomic(admins, "B\r\n", &error) ? QString() : error;
        });
        QCOMPARE(
            told,
            QStringList{
                u"Impossible d'écrire le fichier %1 : le fichier appartient à l'utilisateur "
                "root, vous ne pouvez pas le modifier."_s.arg(QDir::toNativeSeparators(admins))});
        QCOMPARE(TextFile::readBytes(admins, 100).bytes, "A\r\n");
    }

    void failedWriteNamesTheFileAndLeavesNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"absent/ParametresImp.txt"_s);
        QString error;
        QVERIFY(!TextFile::writeAtomic(file, "1\r\n", &error));
        QCOMPARE(error, u"Impossible d'écrire le fichier %1 : le dossier %2 est introuvable."_s
                            .arg(QDir::toNativeSeparators(file),
                                 QDir::toNativeSeparators(dir.filePath(u"absent"_s))));
        // Over a folder of that name: refused, the folder stays, no temporary file is left.
        QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        QVERIFY(!TextFile::writeAtomic(dir.filePath(u"Config.ini"_s), "x", &error));
        QVERIFY(QFileInfo(dir.filePath(u"Config.ini"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        // A read-only file in a writable folder: the file is named as the cause, and kept, also
        // when the administrator, whom the system lets write anywhere, runs the program.
        const QString readOnly = dir.filePath(u"ListeGares.txt"_s);
        QVERIFY(TextFile::writeAtomic(readOnly, "PARIS\r\n"));
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        QVERIFY(!TextFile::writeAtomic(readOnly, "LYON\r\n", &error));
        QCOMPARE(error, u"Impossible d'écrire le fichier %1 : le fichier est en lecture seule."_s
                            .arg(QDir::toNativeSeparators(readOnly)));
        QCOMPARE(TextFile::readBytes(readOnly, 100).bytes, "PARIS\r\n");
    }

    void numbersInTexts()
    {
        const std::pair<const char16_t *, double> read[] = {
            {u"  12.5km", 12.5}, {u" \t -3 km", -3}, {u"12,5", 12}, {u".5", 0.5}, {u"abc", 0},
            {u"\u0663", 0}, // a digit of another script is not a number
        };
        for (const auto &[text, number] : read)
            QCOMPARE(NumberText::leadingNumber(text), number);
        QCOMPARE(NumberText::toInt(std::numeric_limits<double>::quiet_NaN()), 0);
        // Halves go to the even neighbour.
        for (const auto &[value, whole] : {std::pair{8.5, 8}, {9.5, 10}, {2.6, 3}, {-0.5, 0}})
            QCOMPARE(NumberText::roundedToInt(value), whole);
        const std::pair<double, const char *> written[] = {
            {0, "0"}, {0.1 + 0.2, "0.3"}, {1e20, "100000000000000000000"}, {-0.25, "-0.25"},
            {123456789012.5, "123456789012.5"}, {0.00001, "0.00001"},
        };
        for (const auto &[value, text] : written)
            QCOMPARE(NumberText::shortest(value), QLatin1String(text));
    }
};

KERBO_TEST(TextFileTest)
#include "TextFileTest.moc"
