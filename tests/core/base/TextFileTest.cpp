#include "TestMain.h"

#include "FileSizeLimit.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The 8-bit text of every file: Windows-1252 and line ends.
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

    // A disk that fills up in the middle of a write leaves the previous file whole.
    void atomicWriteCutShortKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"f.txt"_s);
        QVERIFY(TextFile::writeAtomic(path, "old\r\n"));
        QString error;
        {
            FileSizeLimit full(64);
            QVERIFY(!TextFile::writeAtomic(path, QByteArray(2000, 'n'), &error));
        }
        QVERIFY(error.startsWith(u"Impossible d'écrire le fichier "_s));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"f.txt"_s});
    }
};

KERBO_TEST(TextFileTest)
#include "TextFileTest.moc"
