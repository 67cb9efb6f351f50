#include "TestMain.h"

#include "TempDataFolder.h"
#include "TestFiles.h"

#include "core/base/Paths.h"
#include "core/base/StaleWork.h"
#include "core/config/CartoucheStore.h"
#include "core/config/DataFolder.h"

#include <QDir>

#include <limits>

using namespace Qt::StringLiterals;

// The settings as Config.ini holds them, the folders they name, and what happens when the file
// cannot be written.
class ConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void foldersAndDefaults()
    {
        for (const QString &folder : {u"/x/ROUL"_s, u"/x/ROUL/"_s})
            QCOMPARE(Paths::folderOrDriveC(folder), u"/x/ROUL/"_s);
        // A Windows computer's folder ends with its own separator already.
        QCOMPARE(Paths::folderOrDriveC(u"D:\\Roulements\\"_s), u"D:\\Roulements\\"_s);
        for (const QString &none : {QString(), QString(Paths::separator()), u"\\"_s, u"C:\\"_s})
            QCOMPARE(Paths::folderOrDriveC(none), Paths::driveC());
        QCOMPARE(Paths::folderValue(QString()), QString());
    }

    void everyValueIsReadFromItsOwnKey()
    {
        TempDataFolder data;
        Config &config = data.state.config;
        config.load();
        QVERIFY(!QFile::exists(config.iniPath())); // reading writes nothing

        data.write(u"Config.ini"_s,
                   "[CheminDossiers]\r\nHdgenerique=/r/ROUL\r\n[cartouche]\r\nNOM=Dupont\r\n"
                   "Immatriculation= 123A \r\ncondition=1\r\n[Options]\r\nEnaug=1\r\nEneng=2\r\n"
                   "Enaut=3\r\nPasImpB1=4\r\nPasImpB2=5\r\nNbvhe=6\r\nNbUm=7\r\nEmtaut=EMT\r\n"
                   "IndCompo=IC\r\nLettreAutom=L\r\nCalendrier=CAL\r\nPrefixEngin=PE\r\n"
                   "PrefixTrain=PT\r\n[Echelle Editeur]\r\nEchelle=1\r\n"
                   "[PoliceImprimanteVerso]\r\nPoliceFontSizeVerso=8.5\r\n");
        config.load();
        QCOMPARE((QStringList{config.hdGenerique, config.cartoucheValue(1), config.cartoucheValue(5)}),
                 (QStringList{u"/r/ROUL"_s, u"Dupont"_s, u"123A"_s}));
        QVERIFY(config.condition == 1 && config.echelle && config.versoFont.size == 8);
        const Options &o = config.options;
        QCOMPARE((QList<int>{o.enaug, o.eneng, o.enaut, o.pasImpB1, o.pasImpB2, o.nbvhe, o.nbUm}),
                 (QList<int>{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE((QStringList{o.emtaut, o.indCompo, o.lettreAutom, o.calendrier, o.prefixEngin,
                              o.prefixTrain}),
                 (QStringList{"EMT", "IC", "L", "CAL", "PE", "PT"}));
    }

    void numbersOutOfRange()
    {
        TempDataFolder data("[Cartouche]\r\ncondition=99999999999\r\n[Options]\r\n"
                            "NbUm=-99999999999\r\nPasImpB2=x\r\n[PoliceImprimante]\r\n"
                            "PoliceFontSize=123456789012345678901234567890\r\n");
        const Config &c = data.state.config;
        QCOMPARE(c.condition, 99999999999.0); // not a first start
        QCOMPARE(c.options.nbUm, std::numeric_limits<int>::min());
        QCOMPARE(c.rectoFont.size, std::numeric_limits<int>::max());
        QCOMPARE(c.options.pasImpB2, 0);
    }

    // A Config.ini that cannot be written is told by the caller that asks for the error, else by
    // Config itself; the fault tests see the file kept and the one message per run.
    void failedWriteIsToldAndKeepsTheFile()
    {
        TempDataFolder data;
        Config &config = data.state.config;
        QVERIFY(QDir().mkdir(config.iniPath())); // a folder in its place
        QStringList told;
        config.onWriteFailure = [&told](const QString &title, const QString &text) {
            told << title + u'|' + text;
        };
        QString error;
        QVERIFY(!config.write({{ConfigKeys::Options, ConfigKeys::Enaug, u"1"_s}}, &error));
        QVERIFY(told.isEmpty()); // a caller given the error tells it itself
        QVERIFY(!config.write(ConfigKeys::Options, ConfigKeys::Eneng, u"1"_s));
        QVERIFY2(told.size() == 1 && told[0].contains(error) && error.contains(u"Config.ini"_s),
                 qPrintable(told.join(u'\n')));

        // The identity typed at the first start stays in use; the dialog comes again next start.
        QVERIFY(!CartoucheStore::confirm(
            config, data.state.record, {u"DUPONT"_s, u"Jean"_s, u"PARIS"_s, u"NORD"_s, u"123A"_s},
            &error));
        QVERIFY2(error.contains(u"Config.ini"_s), qPrintable(error));
        QCOMPARE((QStringList{QString::number(config.condition), config.nom,
                              data.state.record.slot(5)}),
                 (QStringList{u"0"_s, u"DUPONT"_s, u"123A"_s}));
    }

    // A line break pasted into a box of the cartouche is a blank in the file, and so in the
    // bulletin: what is shown and printed is what the next start reads.
    void cartoucheHoldsWhatTheFileHolds()
    {
        TempDataFolder data;
        QVERIFY(CartoucheStore::confirm(
            data.state.config, data.state.record,
            {u"DU\r\nPONT"_s, u"Jean\tLuc"_s, u"PARIS"_s, u"NORD\u03A9"_s, u"123A"_s}));
        const QStringList shown = {data.state.record.slot(1), data.state.record.slot(2),
                                   data.state.record.slot(4)};
        QCOMPARE(shown, (QStringList{u"DU PONT"_s, u"Jean Luc"_s, u"NORD?"_s}));
        Config again = data.state.config;
        again.nom.clear();
        again.load();
        QCOMPARE((QStringList{again.nom, again.prenom, again.residence}), shown);
    }

    void staleTemporaryFilesOfOursAreRemoved()
    {
        TempDataFolder data;
        const QDateTime now = QDateTime::currentDateTime();
        const QStringList stale = {u"Config.ini.kerbo-AbCdEf"_s, u"ListeGares.txt.kerbo-QwErTy"_s,
                                   u"ParametresImp.TXT.kerbo-a1B2c3"_s, u"kerbo-Zx81aB.tmp"_s};
        const QStringList kept = {
            u"Config.ini"_s, // the file itself
            // The driver's own copies, whatever their ending: they were taken for Qt's
            // temporary files ("<name>.XXXXXX") and removed.
            u"Config.ini.backup"_s,
            u"ListeGares.txt.251207"_s,
            u"Automatisme.ini.avant1"_s,
            u"Config.ini.kerbo-backup1"_s,      // not six letters
            u"ListeDossier.txt.kerbo-Ab-dEf"_s, // not letters and digits
            u"Automatisme.ini.kerbo-ZZZZZZ.old"_s,
        };
        const auto dated = [&data](const QString &name, const QDateTime &time) {
            data.write(name, "x");
            QFile f(data.dataFile(name));
            return f.open(QIODevice::ReadWrite) &&
                   f.setFileTime(time, QFileDevice::FileModificationTime);
        };
        for (const QString &name : stale + kept)
            QVERIFY(dated(name, now.addSecs(-3600)));
        data.write(u"Config.ini.kerbo-YoUnGs"_s, "x"); // a save in progress of another Kerbo
        // The clock set back since: two hours ahead of it was written before, a few minutes
        // ahead may be a save in progress of a share whose clock runs a little ahead.
        QVERIFY(dated(u"Automatisme.ini.kerbo-AhEaD2"_s, now.addSecs(2 * 3600)));
        QVERIFY(dated(u"Automatisme.ini.kerbo-AhEaD1"_s, now.addSecs(5 * 60)));
        QVERIFY(QDir().mkdir(data.dataFile(u"ListeTaches.txt.kerbo-FoLdEr"_s)));

        auto sorted = [](QStringList l) { l.sort(); return l; };
        QCOMPARE(sorted(removeStaleTemporaryFiles(data.dataFolder(), now)),
                 sorted(stale + QStringList{u"Automatisme.ini.kerbo-AhEaD2"_s}));
        QCOMPARE(
            sorted(
                QDir(data.dataFolder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)),
            sorted(kept + QStringList{u"Config.ini.kerbo-YoUnGs"_s,
                                      u"ListeTaches.txt.kerbo-FoLdEr"_s,
                                      u"Automatisme.ini.kerbo-AhEaD1"_s}));
        QCOMPARE(bytesOf(data.dataFile(u"Config.ini"_s)), QByteArray("x"));
    }
};

KERBO_TEST(ConfigTest)
#include "ConfigTest.moc"
