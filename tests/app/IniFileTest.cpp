#include "TestMain.h"

#include "app/Cp1252.h"
#include "app/IniAccess.h"
#include "app/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class IniFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readsLikeTheProfileApi()
    {
        IniFile ini;
        ini.parse("[Cartouche]\r\n"
                  "  Nom =  Dupont  \r\n"
                  "Prenom=\"  Jean \"\r\n"
                  "nom=second\r\n"
                  "[CARTOUCHE]\r\n"
                  "Residence=ignored\r\n"
                  "[Options]\n"
                  "Enaut=1\n");
        // Case-insensitive names, trimmed values, one pair of quotes removed with what they hold.
        QCOMPARE(ini.value(u"cartouche", u"NOM"), QStringLiteral("Dupont"));
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), QStringLiteral("  Jean "));
        // First section and first key of a name win.
        QCOMPARE(ini.value(u"Cartouche", u"Residence"), QString());
        QCOMPARE(ini.value(u"options", u"enaut"), QStringLiteral("1"));
        QCOMPARE(ini.value(u"Options", u"Absent"), QString());
        QCOMPARE(ini.value(u"Absent", u"Enaut"), QString());
    }

    void valuesAreCutAt254Characters()
    {
        IniFile ini;
        const QByteArray longValue(300, 'a');
        ini.parse("[S]\r\nk=" + longValue + "\r\nexact=" + QByteArray(254, 'b') + "\r\n");
        QCOMPARE(ini.value(u"S", u"k"), QString(254, u'a'));
        QCOMPARE(ini.value(u"S", u"exact"), QString(254, u'b'));
    }

    void oddKeySpellingsAndBytesRoundTrip()
    {
        // Keys written with Windows-1252 bytes (é, ’, €) are found by their text and every line
        // around a change keeps its bytes, line ends included.
        const QByteArray original = "; comment \x92 \x80\r\n"
                                    "[Train]\r\n"
                                    "HeureD\xE9p2=10h\r\n"
                                    "Nbv\xE9h=3\n"
                                    "Gateg=\x9C\xE9\r\n"
                                    "junk line without equals\r\n"
                                    "\r\n"
                                    "[Other]\r\n"
                                    "x = 1";
        IniFile ini;
        ini.parse(original);
        QCOMPARE(ini.value(u"Train", QString::fromUtf8("HeureDép2")), QStringLiteral("10h"));
        QCOMPARE(ini.value(u"Train", QString::fromUtf8("NBVÉH")), QStringLiteral("3"));
        QCOMPARE(ini.value(u"Train", u"Gateg"), QString::fromUtf8("œé"));
        QCOMPARE(ini.toBytes(), original);

        ini.setValue(u"train", QString::fromUtf8("heuredép2"), QString::fromUtf8("11h’€"));
        QCOMPARE(ini.toBytes(), QByteArray("; comment \x92 \x80\r\n"
                                           "[Train]\r\n"
                                           "HeureD\xE9p2=11h\x92\x80\r\n"
                                           "Nbv\xE9h=3\n"
                                           "Gateg=\x9C\xE9\r\n"
                                           "junk line without equals\r\n"
                                           "\r\n"
                                           "[Other]\r\n"
                                           "x = 1"));
    }

    void newKeysAndSectionsGoAtTheEnd()
    {
        IniFile ini;
        ini.parse("[A]\r\na=1\r\n\r\n[B]\r\nb=2");
        ini.setValue(u"A", u"new", u"n");
        ini.setValue(u"B", u"b2", u" v ");
        ini.setValue(u"C", u"c", u"3");
        QCOMPARE(ini.toBytes(), QByteArray("[A]\r\na=1\r\nnew=n\r\n\r\n[B]\r\nb=2\r\nb2= v \r\n"
                                           "[C]\r\nc=3\r\n"));
        QCOMPARE(ini.value(u"C", u"c"), QStringLiteral("3"));
        QCOMPARE(ini.value(u"A", u"new"), QStringLiteral("n"));
        // A value cannot break its line.
        ini.setValue(u"A", u"a", u"x\r\ny");
        QCOMPARE(ini.value(u"A", u"a"), QStringLiteral("x  y"));
        QCOMPARE(ini.value(u"A", u"y"), QString());
    }

    void keysBeforeAnySectionAreNotReadAsSectionKeys()
    {
        IniFile ini;
        ini.parse("Nom=orphan\r\n");
        QCOMPARE(ini.value(u"Cartouche", u"Nom"), QString());
        ini.setValue(u"Cartouche", u"Nom", u"X");
        QCOMPARE(ini.toBytes(), QByteArray("Nom=orphan\r\n[Cartouche]\r\nNom=X\r\n"));
    }

    void badInputNeverCrashes()
    {
        QByteArray bytes;
        bytes += QByteArray("\x00\x01\xFF\xFE garbage\r\n", 14);
        bytes += "[Cartouche]\r\n";
        bytes += "Nom=" + QByteArray(1024 * 1024, 'z') + "\r\n";
        bytes += "[" + QByteArray(1024 * 1024, 'q') + "\r\n"; // a header that never closes
        bytes += "=no key\r\n]]]\r\n[\r\n[]\r\n\r\r\r\n";
        bytes += "[Cartouche]\r\nPrenom=second section\r\n";
        bytes += QByteArray("Bin\x00" "ary=1\n", 10);
        IniFile ini;
        ini.parse(bytes);
        QCOMPARE(ini.value(u"Cartouche", u"Nom"), QString(254, u'z'));
        QCOMPARE(ini.value(u"Cartouche", u"Prenom"), QString());
        ini.setValue(u"Cartouche", u"condition", u"1");
        QCOMPARE(IniFile().value(u"x", u"y"), QString());
        IniFile again;
        again.parse(ini.toBytes());
        QCOMPARE(again.value(u"cartouche", u"condition"), QStringLiteral("1"));
        QVERIFY(again.toBytes().startsWith(bytes.left(14)));
    }

    void lectureAndEcritureOnFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        // A missing file reads as empty text and 0.
        IniValue v = LectureINI(path, QStringLiteral("Options"), QStringLiteral("Enaut"));
        QCOMPARE(v.text, QString());
        QCOMPARE(v.number, 0.0);
        QVERIFY(!QFile::exists(path));

        QVERIFY(EcritureINI(path, QStringLiteral("Echelle Editeur"), QStringLiteral("Echelle"),
                            QStringLiteral("1")));
        QVERIFY(EcritureINI(path, QStringLiteral("Options"), QStringLiteral("NbUm"),
                            QStringLiteral(" 2.5 rames")));
        QCOMPARE(readBytes(path),
                 QByteArray("[Echelle Editeur]\r\nEchelle=1\r\n[Options]\r\nNbUm= 2.5 rames\r\n"));
        v = LectureINI(path, QStringLiteral("OPTIONS"), QStringLiteral("nbum"));
        QCOMPARE(v.text, QStringLiteral("2.5 rames"));
        QCOMPARE(v.number, 2.5);

        // A write into a folder that does not exist fails and says so.
        QVERIFY(!EcritureINI(dir.filePath(QStringLiteral("none/Config.ini")),
                             QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")));
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
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x92], QChar(0x2019));
        QCOMPARE(text[0x9C], QChar(0x0153));
        QCOMPARE(text[0xE9], QChar(0x00E9));
        QCOMPARE(Cp1252::encode(text), all);
        // Outside the code page: one "?" per character, a surrogate pair included.
        QCOMPARE(Cp1252::encode(QString::fromUtf8("a\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80z")),
                 QByteArray("a\x80??z"));
    }

    void fileWrittenWholeReplacesAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.ini"));
        writeBytes(path, "[A]\nold=1\n");
        IniFile ini(path);
        ini.setValue(u"A", u"old", u"2");
        QVERIFY(ini.save());
        QCOMPARE(readBytes(path), QByteArray("[A]\nold=2\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.ini")});
    }
};

KERBO_TEST(IniFileTest)
#include "IniFileTest.moc"
