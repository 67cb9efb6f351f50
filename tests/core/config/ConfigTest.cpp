#include "TestMain.h"

#include "TempDataFolder.h"

#include "core/base/Paths.h"
#include "core/base/TextFile.h"
#include "core/config/Config.h"

#include <QFile>

using namespace Qt::StringLiterals;

// The settings of Config.ini and the folders they name.
class ConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void foldersAndDefaults()
    {
        const QString sep = Paths::separator();
        for (const QString &folder : {u"/x/ROUL"_s, u"/x/ROUL/"_s})
            QCOMPARE(Paths::folderOrDriveC(folder), u"/x/ROUL/"_s);
        for (const QString &none : {QString(), sep, QStringLiteral("\\"), QStringLiteral("C:\\")})
            QCOMPARE(Paths::folderOrDriveC(none), Paths::driveC());
        QCOMPARE(Paths::folderValue(QString()), QString());

        TempDataFolder data;
        Config &config = data.state.config;
        config.load();
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

KERBO_TEST(ConfigTest)
#include "ConfigTest.moc"
