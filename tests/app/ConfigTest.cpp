#include "TestMain.h"

#include "app/Config.h"
#include "app/NumberText.h"
#include "app/Paths.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void pathsAreBuiltFromTheProgramFolder()
    {
        const QString sep = Paths::separator();
        QCOMPARE(Config::dataFolder(QStringLiteral("/opt/kerbo")),
                 QStringLiteral("/opt/kerbo") + sep + "DataBul" + sep);
        QCOMPARE(Config::dataFile(QStringLiteral("/opt/kerbo/"), QStringLiteral("Config.ini")),
                 QStringLiteral("/opt/kerbo/DataBul") + sep + "Config.ini");
        Config config;
        config.ouestKerbo = QStringLiteral("/p/");
        QCOMPARE(config.iniPath(), QStringLiteral("/p/DataBul") + sep + "Config.ini");
        QCOMPARE(Paths::join(QStringLiteral("/a/"), QStringLiteral("b")), QStringLiteral("/a/b"));
    }

    void folderNormalisation()
    {
        const QString sep = Paths::separator();
        QCOMPARE(Config::normaliseFolder(QStringLiteral("/home/x/ROUL")),
                 QStringLiteral("/home/x/ROUL") + sep);
        QCOMPARE(Config::normaliseFolder(QStringLiteral("/home/x/ROUL/")),
                 QStringLiteral("/home/x/ROUL/"));
        QCOMPARE(Config::normaliseFolder(QString()), Paths::driveC());
        QCOMPARE(Config::normaliseFolder(sep), Paths::driveC());
        QCOMPARE(Config::normaliseFolder(QStringLiteral("\\")), Paths::driveC());
        QVERIFY(Paths::driveC().endsWith(sep));
    }

    void absentFileGivesTheDefaults()
    {
        QTemporaryDir dir;
        Config config;
        config.ouestKerbo = Paths::CheckPath(dir.path());
        config.load();
        QCOMPARE(config.ouestKerbo, Paths::CheckPath(dir.path()));
        QCOMPARE(config.hdGenerique, QString());
        QCOMPARE(config.condition, 0);
        QCOMPARE(config.echelle, false);
        QCOMPARE(config.options.enaut, 0);
        QCOMPARE(config.options.prefixTrain, QString());
        QCOMPARE(config.rectoFont.size, 0);
        // Reading writes nothing: the "C:\" defaults live in memory only.
        QVERIFY(!QFile::exists(config.iniPath()));
    }

    void everyKeyIsRead()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("DataBul")));
        Config config;
        config.ouestKerbo = Paths::CheckPath(dir.path());
        QVERIFY(TextFile::writeLines(
            config.iniPath(),
            {QStringLiteral("[CheminDossiers]"), QStringLiteral("Hdgenerique=/r/ROUL"),
             QStringLiteral("HdArchive=/r/ARCH/"), QStringLiteral("DossierRlt=ROUL"),
             QStringLiteral("[cartouche]"), QStringLiteral("NOM=Dupont"),
             QStringLiteral("Immatriculation= 123A "), QStringLiteral("condition=1"),
             QStringLiteral("[Options]"), QStringLiteral("Enaut=1"), QStringLiteral("NbUm=2"),
             QStringLiteral("PasImpB2=x"), QStringLiteral("PrefixTrain=TER"),
             QStringLiteral("[EV en LOC]"), QStringLiteral("LOC=1"),
             QStringLiteral("[Echelle Editeur]"), QStringLiteral("Echelle=0"),
             QStringLiteral("[PoliceImprimante]"), QStringLiteral("PoliceFontName=Arial"),
             QStringLiteral("PoliceFontSize=10"), QStringLiteral("PoliceFontBold=True"),
             QStringLiteral("[PoliceImprimanteVerso]"), QStringLiteral("PoliceFontSizeVerso=8.5")}));
        config.load();
        QCOMPARE(config.hdGenerique, QStringLiteral("/r/ROUL"));
        QCOMPARE(config.hdArchive, QStringLiteral("/r/ARCH/"));
        QCOMPARE(config.dossierRlt, QStringLiteral("ROUL"));
        QCOMPARE(config.nom, QStringLiteral("Dupont"));
        QCOMPARE(config.cartoucheValue(5), QStringLiteral("123A"));
        QCOMPARE(config.cartoucheValue(6), QString());
        QCOMPARE(config.condition, 1);
        QCOMPARE(config.options.enaut, 1);
        QCOMPARE(config.options.nbUm, 2);
        QCOMPARE(config.options.pasImpB2, 0);
        QCOMPARE(config.options.prefixTrain, QStringLiteral("TER"));
        QCOMPARE(config.loc, QStringLiteral("1"));
        QCOMPARE(config.echelle, false);
        QCOMPARE(config.rectoFont.name, QStringLiteral("Arial"));
        QCOMPARE(config.rectoFont.size, 10);
        QCOMPARE(config.rectoFont.bold, QStringLiteral("True"));
        QCOMPARE(config.versoFont.size, 8);

        QVERIFY(config.write(Config::EchelleEditeur, QStringLiteral("Echelle"), QStringLiteral("1")));
        config.load();
        QCOMPARE(config.echelle, true);
        QCOMPARE(config.read(Config::Cartouche, QStringLiteral("condition")).number, 1.0);
    }

    void leadingNumber()
    {
        using NumberText::leadingNumber;
        QCOMPARE(leadingNumber(u"  12.5km"), 12.5);
        QCOMPARE(leadingNumber(u"12,5"), 12.0);
        QCOMPARE(leadingNumber(u".5"), 0.5);
        QCOMPARE(leadingNumber(u"-3"), -3.0);
        QCOMPARE(leadingNumber(u"7."), 7.0);
        QCOMPARE(leadingNumber(u"abc"), 0.0);
        QCOMPARE(leadingNumber(u""), 0.0);
        QCOMPARE(leadingNumber(u"-"), 0.0);
        QCOMPARE(leadingNumber(u"\u0663"), 0.0); // a digit of another script is not a number
    }

    void textFileLines()
    {
        QCOMPARE(TextFile::splitLines("a\r\nb\nc"), (QStringList{"a", "b", "c"}));
        QCOMPARE(TextFile::splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
        QCOMPARE(TextFile::splitLines("\x80\r\n"), QStringList{QString(QChar(0x20AC))});
        QCOMPARE(TextFile::joinLines({QString::fromUtf8("é"), QString()}),
                 QByteArray("\xE9\r\n\r\n"));
        QTemporaryDir dir;
        const TextFile::ReadResult missing = TextFile::readLines(dir.filePath("none.txt"));
        QVERIFY(!missing.ok);
        QVERIFY(missing.error.contains(QStringLiteral("none.txt")));
    }
};

KERBO_TEST(ConfigTest)
#include "ConfigTest.moc"
