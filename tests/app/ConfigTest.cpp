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
    void pathsAndFolderNormalisation()
    {
        const QString sep = Paths::separator();
        QCOMPARE(Config::dataFile(QStringLiteral("/opt/kerbo"), QStringLiteral("Config.ini")),
                 QStringLiteral("/opt/kerbo") + sep + "DataBul" + sep + "Config.ini");
        QCOMPARE(Config::dataFolder(QStringLiteral("/opt/kerbo/")),
                 QStringLiteral("/opt/kerbo/DataBul") + sep);
        QCOMPARE(Config::normaliseFolder(QStringLiteral("/x/ROUL")), QStringLiteral("/x/ROUL") + sep);
        QCOMPARE(Config::normaliseFolder(QStringLiteral("/x/ROUL/")), QStringLiteral("/x/ROUL/"));
        for (const QString &none : {QString(), sep, QStringLiteral("\\")})
            QCOMPARE(Config::normaliseFolder(none), Paths::driveC());
    }

    void loadReadsTheFileOrTheDefaults()
    {
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

    void leadingNumber()
    {
        using NumberText::leadingNumber;
        QCOMPARE(leadingNumber(u"  12.5km"), 12.5);
        QCOMPARE(leadingNumber(u"12,5"), 12.0);
        QCOMPARE(leadingNumber(u".5"), 0.5);
        QCOMPARE(leadingNumber(u"-3"), -3.0);
        QCOMPARE(leadingNumber(u"abc"), 0.0);
        QCOMPARE(leadingNumber(u"\u0663"), 0.0); // a digit of another script is not a number
    }

    void textFileLines()
    {
        QCOMPARE(TextFile::splitLines("a\r\nb\nc"), (QStringList{"a", "b", "c"}));
        QCOMPARE(TextFile::splitLines("\x80\r\n\r\n"), (QStringList{QString(QChar(0x20AC)), ""}));
        QCOMPARE(TextFile::joinLines({QString::fromUtf8("é"), QString()}), QByteArray("\xE9\r\n\r\n"));
    }
};

KERBO_TEST(ConfigTest)
#include "ConfigTest.moc"
