#include "TestMain.h"
#include "TestFiles.h"

#include "core/base/IniAccess.h"
#include "core/base/IniFile.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// INI files read and written like the Windows profile API, and never written over unread.
class IniFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readsLikeTheProfileApi()
    {
        IniFile ini;
        ini.parse("[Cartouche]\r\n  Nom =  Dupont  \r\nPrenom=\"  Jean \"\r\nnom=second\r\n"
                  "[CARTOUCHE]\r\nResidence=ignored\r\n[S]\n"
                  "k=" +
                  QByteArray(300, 'a') + "\ne=\"\"\nf=''\n");
        // Case-insensitive names, trimmed values, one pair of quotes removed, first match wins.
        QCOMPARE(ini.value(u"cartouche", u"NOM"), u"Dupont"_s);
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), u"  Jean "_s);
        QCOMPARE(ini.value(u"Cartouche", u"Residence"), QString());
        QCOMPARE(ini.value(u"s", u"K"), QString(254, u'a'));
        QCOMPARE(ini.value(u"S", u"e"), QString()); // a pair of quotes with nothing inside
        QCOMPARE(ini.value(u"S", u"f"), QString());
        QCOMPARE(ini.value(u"Absent", u"k"), QString());
        // Only blanks and tabs surround a name: one ending in other white space (a no-break
        // space typed with AltGr, a form feed) is found as listed, and only so.
        ini.parse("[T\f]\r\nk\xA0=1\r\n");
        QCOMPARE(ini.value(u" T\f\t", u"k\u00A0"), u"1"_s);
        QCOMPARE(ini.value(u"T", u"k"), QString());
        QVERIFY(ini.setValue(u"T\f", u"k\u00A0", u"2") && ini.setValue(u"12\u00A0", u"a", u"3"));
        QCOMPARE(ini.toBytes(), "[T\f]\r\nk\xA0=2\r\n[12\xA0]\r\na=3\r\n");
    }

    void writesKeepEveryOtherByte()
    {
        // Keys spelt with Windows-1252 bytes are found by their text; lines around a change keep
        // their bytes and line ends; a new key ends its section, a new section ends the file.
        IniFile ini;
        ini.parse("; \x92 \x80\r\n[Train]\r\nHeureD\xE9p2=10h\r\nNbv\xE9h=3\n"
                  "junk without equals\r\n\r\n[Other]\r\nx = 1");
        QCOMPARE(ini.value(u"Train", QString::fromUtf8("NBVÉH")), u"3"_s);
        ini.setValue(u"train", QString::fromUtf8("heuredép2"), QString::fromUtf8("11h’€"));
        ini.setValue(u"Train", u"Gateg", u"x\r\ny"); // a value cannot break its line
        ini.setValue(u"Other", u"y", u"2");
        ini.setValue(u"New", u"z", u"3");
        QCOMPARE(ini.toBytes(), QByteArray("; \x92 \x80\r\n[Train]\r\nHeureD\xE9p2=11h\x92\x80\r\n"
                                           "Nbv\xE9h=3\njunk without equals\r\nGateg=x  y\r\n\r\n"
                                           "[Other]\r\nx = 1\r\ny=2\r\n[New]\r\nz=3\r\n"));
        // Each line keeps its own ending, the last one none; an unmatched quote stays.
        ini.parse("[S]\nq=\"abc\r\nr='abc\"\r\ns=\"\nk=1\nlast=0");
        QCOMPARE(QStringList({ini.value(u"S", u"q"), ini.value(u"S", u"r"), ini.value(u"S", u"s")}),
                 QStringList({u"\"abc"_s, u"'abc\""_s, u"\""_s}));
        ini.setValue(u"S", u"k", u"2");
        ini.setValue(u"S", u"last", u"9");
        QCOMPARE(ini.toBytes(), QByteArray("[S]\nq=\"abc\r\nr='abc\"\r\ns=\"\nk=2\nlast=9"));
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
        QCOMPARE(again.value(u"cartouche", u"condition"), u"1"_s);
        QVERIFY(again.toBytes().startsWith(head));
    }

    void oneKeyAtATimeOnFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Config.ini"_s);
        QCOMPARE(LectureINI(path, "Options", "NbUm").text, QString()); // a missing file reads empty
        QVERIFY(EcritureINI(path, "Options", "NbUm", " 2.5 rames"));
        QCOMPARE(TextFile::readLines(path).lines, (QStringList{"[Options]", "NbUm= 2.5 rames"}));
        QCOMPARE(LectureINI(path, "OPTIONS", "nbum").number, 2.5);
    }

    void oversizedIniIsNeverWrittenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Config.ini"_s);
        QVERIFY(writeBytes(path, "[Cartouche]\r\nNom=DUPONT\r\n")
                && QFile(path).resize(TextFile::MaxIniBytes + 1)); // sparse: nothing really written
        const QByteArray before = bytesOf(path);
        IniFile ini;
        QVERIFY(!ini.load(path) && ini.isEmpty());
        QVERIFY(ini.setValue(u"Cartouche", u"condition", u"1"));
        QString error;
        QVERIFY(!ini.save(&error));
        QVERIFY2(error.contains(u"Config.ini"_s) && error.contains(u"pas réécrit"_s),
                 qPrintable(error));
        QCOMPARE(bytesOf(path), before);
        // Once the content is given anew (a file really read), saving works again.
        ini.parse("[Cartouche]\r\n");
        QCOMPARE(ini.loadError(), QString());
    }

    void namesThatWouldReadBackOtherwiseAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : {QString(), u"  "_s, u"83[01"_s, u"83]01"_s,
                                    u"De=A"_s, u"a\rb"_s, u"a\nb"_s, u"train\u4E2D"_s,
                                    u"nul"_s + QChar(0)})
            QTest::newRow(name.toUtf8().toPercentEncoding().constData()) << name;
    }
    void namesThatWouldReadBackOtherwiseAreRefused()
    {
        QFETCH(QString, name);
        IniFile ini;
        ini.parse("[8301]\r\nDe=PARIS\r\n");
        QVERIFY(!IniFile::validName(name));
        QVERIFY(!ini.setValue(name, u"De", u"LYON") && !ini.setValue(u"8301", name, u"LYON"));
        QCOMPARE(ini.toBytes(), QByteArray("[8301]\r\nDe=PARIS\r\n"));
    }

    void namesThatReadBackAreTaken()
    {
        // Blanks around a name are not part of it; accents of the code page are fine.
        IniFile ini;
        for (const char16_t *name : {u" 830123 ", u"HeureDép2", u"Nbvéh", u"EV en LOC", u"a;b"})
            QVERIFY(ini.setValue(QString::fromUtf16(name), QString::fromUtf16(name), u"v"));
        IniFile again;
        again.parse(ini.toBytes());
        for (const char16_t *name : {u"830123", u"heuredép2", u"NBVÉH", u"ev en loc", u"a;b"})
            QCOMPARE(again.value(QString::fromUtf16(name), QString::fromUtf16(name)), u"v"_s);
    }
};

KERBO_TEST(IniFileTest)
#include "IniFileTest.moc"
