#include "TestMain.h"

#include "app/Cp1252.h"
#include "app/IniAccess.h"
#include "app/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

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
        static const char head[] = "Nom=no section\r\n\x00\x01\xFF garbage\r\n";
        static const char tail[] = "[Cartouche]\r\nPrenom=second section\r\nBin\x00" "ary=1";
        QByteArray bytes(head, sizeof head - 1);
        bytes += "[Cartouche]\r\nNom=" + QByteArray(1024 * 1024, 'z') + "\r\n";
        bytes += "[" + QByteArray(1024 * 1024, 'q') + "\r\n=no key\r\n]]\r\n[\r\n[]\r\n\r\r\n";
        bytes += QByteArray(tail, sizeof tail - 1);
        IniFile ini;
        ini.parse(bytes);
        QCOMPARE(ini.value(u"Cartouche", u"Nom"), QString(254, u'z'));
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), QString());
        ini.setValue(u"Cartouche", u"condition", u"1");
        IniFile again;
        again.parse(ini.toBytes());
        QCOMPARE(again.value(u"cartouche", u"condition"), QStringLiteral("1"));
        QVERIFY(again.toBytes().startsWith(QByteArray(head, sizeof head - 1)));
    }

    void lectureAndEcritureOnFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        IniValue v = LectureINI(path, QStringLiteral("Options"), QStringLiteral("Enaut"));
        QCOMPARE(v.text, QString());
        QCOMPARE(v.number, 0.0);
        QVERIFY(EcritureINI(path, QStringLiteral("Options"), QStringLiteral("NbUm"),
                            QStringLiteral(" 2.5 rames")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Options]\r\nNbUm= 2.5 rames\r\n"));
        v = LectureINI(path, QStringLiteral("OPTIONS"), QStringLiteral("nbum"));
        QCOMPARE(v.text, QStringLiteral("2.5 rames"));
        QCOMPARE(v.number, 2.5);

        IniFile ini(dir.filePath(QStringLiteral("none/Config.ini")));
        ini.setValue(u"A", u"b", u"c");
        QString error;
        QVERIFY(!ini.save(&error));
        QVERIFY2(error.contains(QStringLiteral("Config.ini")), qPrintable(error));
    }

    void cp1252IsNotLatin1()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Cp1252::decode(all);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x92], QChar(0x2019));
        QCOMPARE(text[0x9C], QChar(0x0153));
        QCOMPARE(Cp1252::encode(text), all);
        // Outside the code page: one "?" per character, a surrogate pair included.
        QCOMPARE(Cp1252::encode(QString::fromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80z")),
                 QByteArray("a??z"));
    }
};

KERBO_TEST(IniFileTest)
#include "IniFileTest.moc"
