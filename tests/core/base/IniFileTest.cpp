#include "TestMain.h"

#include "core/base/IniAccess.h"
#include "core/base/IniFile.h"
#include "core/base/TextFile.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// INI files read and written like the Windows profile API.
class IniFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readsLikeTheProfileApi()
    {
        IniFile ini;
        ini.parse("[Cartouche]\r\n  Nom =  Dupont  \r\nPrenom=\"  Jean \"\r\nnom=second\r\n"
                  "[CARTOUCHE]\r\nResidence=ignored\r\n[S]\n"
                  "k=" + QByteArray(300, 'a') + "\n");
        // Case-insensitive names, trimmed values, one pair of quotes removed, first match wins.
        QCOMPARE(ini.value(u"cartouche", u"NOM"), QStringLiteral("Dupont"));
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), QStringLiteral("  Jean "));
        QCOMPARE(ini.value(u"Cartouche", u"Residence"), QString());
        QCOMPARE(ini.value(u"s", u"K"), QString(254, u'a'));
        QCOMPARE(ini.value(u"Absent", u"k"), QString());
    }

    void writesKeepEveryOtherByte()
    {
        // Keys spelt with Windows-1252 bytes are found by their text; lines around a change keep
        // their bytes and line ends; a new key ends its section, a new section ends the file.
        IniFile ini;
        ini.parse("; \x92 \x80\r\n[Train]\r\nHeureD\xE9p2=10h\r\nNbv\xE9h=3\n"
                  "junk without equals\r\n\r\n[Other]\r\nx = 1");
        QCOMPARE(ini.value(u"Train", QString::fromUtf8("NBVÉH")), QStringLiteral("3"));
        ini.setValue(u"train", QString::fromUtf8("heuredép2"), QString::fromUtf8("11h’€"));
        ini.setValue(u"Train", u"Gateg", u"x\r\ny"); // a value cannot break its line
        ini.setValue(u"Other", u"y", u"2");
        ini.setValue(u"New", u"z", u"3");
        QCOMPARE(ini.toBytes(), QByteArray("; \x92 \x80\r\n[Train]\r\nHeureD\xE9p2=11h\x92\x80\r\n"
                                           "Nbv\xE9h=3\njunk without equals\r\nGateg=x  y\r\n\r\n"
                                           "[Other]\r\nx = 1\r\ny=2\r\n[New]\r\nz=3\r\n"));
    }

    void badInputNeverCrashes()
    {
        // No section, control bytes, a NUL in a key, megabyte lines, broken or duplicate headers.
        const QByteArray head = "Nom=no section\r\n\x00\x01\xFF garbage\r\n"_ba;
        IniFile ini;
        const QByteArray mega(1 << 20, 'z');
        ini.parse(head + "[Cartouche]\r\nNom=" + mega + "\r\n[" + mega + "\r\n=no key\r\n]]\r\n"
                  + "[\r\n[]\r\n\r\r\n[Cartouche]\r\nPrenom=second\r\nBin\x00" "ary=1"_ba);
        QCOMPARE(ini.value(u"Cartouche", u"Nom"), QString(254, u'z'));
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), QString());
        ini.setValue(u"Cartouche", u"condition", u"1");
        IniFile again;
        again.parse(ini.toBytes());
        QCOMPARE(again.value(u"cartouche", u"condition"), QStringLiteral("1"));
        QVERIFY(again.toBytes().startsWith(head));
    }

    void oneKeyAtATimeOnFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        QCOMPARE(LectureINI(path, "Options", "NbUm").text, QString()); // a missing file reads empty
        QVERIFY(EcritureINI(path, "Options", "NbUm", " 2.5 rames"));
        QCOMPARE(TextFile::readLines(path).lines, (QStringList{"[Options]", "NbUm= 2.5 rames"}));
        QCOMPARE(LectureINI(path, "OPTIONS", "nbum").number, 2.5);
    }
};

KERBO_TEST(IniFileTest)
#include "IniFileTest.moc"
