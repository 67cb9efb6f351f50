#include "TestMain.h"

#include "TempDataFolder.h"

#include "core/config/CartoucheStore.h"
#include "core/config/DataFolder.h"

#include <QDir>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

// The settings as Config.ini holds them, and what happens when it cannot be written.
class ConfigStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void everyOptionIsReadFromItsOwnKey()
    {
        TempDataFolder data("[Options]\r\nEnaug=1\r\nEneng=2\r\nEnaut=3\r\nPasImpB1=4\r\n"
                            "PasImpB2=5\r\nNbvhe=6\r\nNbUm=7\r\nEmtaut=EMT\r\nIndCompo=IC\r\n"
                            "LettreAutom=L\r\nCalendrier=CAL\r\nPrefixEngin=PE\r\n"
                            "PrefixTrain=PT\r\n");
        const Options &o = data.state.config.options;
        QCOMPARE((QList<int>{o.enaug, o.eneng, o.enaut, o.pasImpB1, o.pasImpB2, o.nbvhe, o.nbUm}),
                 (QList<int>{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE((QStringList{o.emtaut, o.indCompo, o.lettreAutom, o.calendrier, o.prefixEngin,
                              o.prefixTrain}),
                 (QStringList{"EMT", "IC", "L", "CAL", "PE", "PT"}));
    }

    void numbersBeyondIntAreHeldToIt()
    {
        TempDataFolder data("[Cartouche]\r\ncondition=99999999999\r\n[Options]\r\n"
                            "NbUm=-99999999999\r\n[PoliceImprimante]\r\n"
                            "PoliceFontSize=123456789012345678901234567890\r\n");
        const Config &c = data.state.config;
        QCOMPARE(c.condition, std::numeric_limits<int>::max()); // not a first start
        QCOMPARE(c.options.nbUm, std::numeric_limits<int>::min());
        QCOMPARE(c.rectoFont.size, std::numeric_limits<int>::max());
    }

    // A Config.ini that cannot be written: the file stays, the driver is told once per run.
    void failedWriteIsToldOnceAndKeepsTheFile()
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
        QVERIFY(!config.write(ConfigKeys::Options, ConfigKeys::Enaug, u"1"_s));
        QVERIFY(!config.write(ConfigKeys::Options, ConfigKeys::Eneng, u"1"_s));
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].startsWith(Config::writeFailureTitle() + u'|'));
        QVERIFY2(told[0].contains(error) && error.contains(u"Config.ini"_s), qPrintable(told[0]));
        QVERIFY(QFileInfo(config.iniPath()).isDir());
    }

    void cartoucheNotWrittenLeavesTheFirstStart()
    {
        TempDataFolder data;
        AppState &state = data.state;
        QVERIFY(QDir().mkdir(state.config.iniPath()));
        QString error;
        const CartoucheStore::Texts texts = {u"DUPONT"_s, u"Jean"_s, u"PARIS"_s, u"NORD"_s,
                                             u"123A"_s};
        QVERIFY(!CartoucheStore::confirm(state.config, state.record, texts, &error));
        QVERIFY2(error.contains(u"Config.ini"_s), qPrintable(error));
        QCOMPARE(state.config.condition, 0); // the dialog comes again at the next start
        // What was typed stays in use for the run.
        QCOMPARE(state.config.nom, u"DUPONT"_s);
        QCOMPARE(state.record.slot(5), u"123A"_s);
    }

    void staleTemporaryFilesOfOursAreRemoved()
    {
        TempDataFolder data;
        const QDateTime now = QDateTime::currentDateTime();
        const QStringList stale = {u"Config.ini.AbCdEf"_s, u"ListeGares.txt.QwErTy"_s,
                                   u"ParametresImp.TXT.a1B2c3"_s, u"kerbo-Zx81aB.tmp"_s};
        const QStringList kept = {
            u"Config.ini"_s,               // the file itself
            u"notes.doc.AbCdEf"_s,         // not a file of the program
            u"Config.ini.backup1"_s,       // not six letters
            u"ListeDossier.txt.Ab-dEf"_s,  // not letters and digits
            u"Automatisme.ini.ZZZZZZ.old"_s,
        };
        for (const QString &name : stale + kept) {
            data.write(name, "x");
            QFile f(data.dataFile(name));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(now.addSecs(-3600), QFileDevice::FileModificationTime));
        }
        data.write(u"Config.ini.YoUnGs"_s, "x"); // a save in progress of another Kerbo
        QVERIFY(QDir().mkdir(data.dataFile(u"ListeTaches.txt.FoLdEr"_s)));

        QStringList removed = DataFolder::removeStaleTemporaries(data.dataFolder(), now);
        removed.sort();
        QStringList expected = stale;
        expected.sort();
        QCOMPARE(removed, expected);
        QStringList left = QDir(data.dataFolder()).entryList(QDir::Files | QDir::Dirs |
                                                              QDir::NoDotAndDotDot);
        QStringList expectedLeft = kept + QStringList{u"Config.ini.YoUnGs"_s,
                                                      u"ListeTaches.txt.FoLdEr"_s};
        left.sort();
        expectedLeft.sort();
        QCOMPARE(left, expectedLeft);
        QCOMPARE(bytesOf(data.dataFile(u"Config.ini"_s)), QByteArray("x"));
    }
};

KERBO_TEST(ConfigStoreTest)
#include "ConfigStoreTest.moc"
