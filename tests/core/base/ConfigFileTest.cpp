#include "TestMain.h"

#include "core/base/Cp1252.h"
#include "core/base/IniAccess.h"
#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/config/Config.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Config.ini read and written like the Windows profile API, its 8-bit text, the settings it holds.
class ConfigFileTest : public QObject
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

    void leadingNumber()
    {
        const std::pair<const char16_t *, double> cases[] = {
            {u"  12.5km", 12.5}, {u"12,5", 12}, {u".5", 0.5}, {u"-3", -3}, {u"abc", 0},
            {u"\u0663", 0}, // a digit of another script is not a number
        };
        for (const auto &[text, number] : cases)
            QCOMPARE(NumberText::leadingNumber(text), number);
    }

    void foldersAndDefaults()
    {
        const QString sep = Paths::separator();
        QCOMPARE(Config::dataFile(QStringLiteral("/opt/kerbo/"), QStringLiteral("Config.ini")),
                 "/opt/kerbo/DataBul" + sep + "Config.ini");
        QCOMPARE(Paths::folderOrDriveC(u"/x/ROUL"_s), u"/x/ROUL"_s + sep);
        QCOMPARE(Paths::folderOrDriveC(QStringLiteral("/x/ROUL/")), QStringLiteral("/x/ROUL/"));
        for (const QString &none : {QString(), sep, QStringLiteral("\\"), QStringLiteral("C:\\")})
            QCOMPARE(Paths::folderOrDriveC(none), Paths::driveC());
        QCOMPARE(Paths::folderValue(QString()), QString());

        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
        Config config;
        config.ouestKerbo = Paths::CheckPath(dir.path());
        config.load();
        QCOMPARE(config.condition, 0);
        QCOMPARE(config.echelle, false);
        QCOMPARE(config.hdGenerique, QString());
        QVERIFY(!QFile::exists(config.iniPath())); // reading writes nothing

        QVERIFY(TextFile::writeLines(
            config.iniPath(),
            {"[CheminDossiers]", "Hdgenerique=/r/ROUL", "[cartouche]", "NOM=Dupont",
             "Immatriculation= 123A ", "condition=1", "[Options]", "Enaut=1", "PasImpB2=x",
             "PrefixTrain=TER", "[Echelle Editeur]", "Echelle=1", "[PoliceImprimanteVerso]",
             "PoliceFontSizeVerso=8.5"}));
        config.load();
        QCOMPARE(config.hdGenerique, QStringLiteral("/r/ROUL"));
        QCOMPARE(config.cartoucheValue(1), QStringLiteral("Dupont"));
        QCOMPARE(config.cartoucheValue(5), QStringLiteral("123A"));
        QCOMPARE(config.condition, 1);
        QCOMPARE(config.options.enaut, 1);
        QCOMPARE(config.options.pasImpB2, 0);
        QCOMPARE(config.options.prefixTrain, QStringLiteral("TER"));
        QCOMPARE(config.echelle, true);
        QCOMPARE(config.versoFont.size, 8);
    }
};

KERBO_TEST(ConfigFileTest)
#include "ConfigFileTest.moc"
