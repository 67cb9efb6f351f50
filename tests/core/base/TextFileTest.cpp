#include "TestMain.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The 8-bit text of every file, and files read or written whole or not at all.
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
        // Text files: CR LF or LF in, CR LF out; a final line end starts no extra line.
        QCOMPARE(TextFile::splitLines("\x80\r\nb\n\r\n"), (QStringList{u"€"_s, "b", ""}));
        QCOMPARE(TextFile::joinLines({u"é"_s, QString()}), QByteArray("\xE9\r\n\r\n"));
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

        // A folder where the file should be cannot be read, and is no missing file either.
        QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        r = TextFile::readBytes(dir.filePath(u"Config.ini"_s), 10);
        QVERIFY(!r.ok && !r.missing && !r.error.isEmpty());
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

        // A disk that fills up in the middle of a write leaves the previous file whole.
        const QString path = dir.filePath(u"f.txt"_s);
        QVERIFY(TextFile::writeAtomic(path, "old\r\n"));
        {
            FileSizeLimit full(64);
            QVERIFY(!TextFile::writeAtomic(path, QByteArray(2000, 'n'), &error));
        }
        QVERIFY(error.startsWith(u"Impossible d'écrire le fichier "_s));
        QCOMPARE(bytesOf(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"f.txt"_s});
    }
};

KERBO_TEST(TextFileTest)
#include "TextFileTest.moc"
