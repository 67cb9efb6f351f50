#include "TestMain.h"

#include "TempDataFolder.h"
#include "core/engines/EngineRules.h"
#include "core/model/BulletinRecord.h"
#include "core/options/OptionValues.h"

using namespace Qt::StringLiterals;

class OptionValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void absentSectionReadsEmptyAndConfirmWritesEveryKey()
    {
        TempDataFolder data("[Cartouche]\r\nNom=DUPONT\r\n[Options]\r\nPrefixEngin=Z\r\n");
        QCOMPARE(OptionValues::read(data.state.config.iniPath()), OptionValues());

        OptionValues v;
        v.pasImpB2 = true;
        v.enaut = true;
        v.nbvhe = "2X";
        v.emtaut = "PTN";
        v.prefixTrain = "8";
        v.loc = true;
        data.state.config.options.nbUm = 4;
        QVERIFY(v.confirm(data.state));
        QCOMPARE(data.read("Config.ini"),
                 QByteArray("[Cartouche]\r\nNom=DUPONT\r\n[Options]\r\nPrefixEngin=Z\r\n"
                            "Enaug=0\r\nEneng=0\r\nPasImpB1=0\r\nPasImpB2=1\r\nEnaut=1\r\n"
                            "Emtaut=PTN\r\nNbvhe=2X\r\nIndCompo=\r\nNbUm=\r\nLettreAutom=\r\n"
                            "Calendrier=0\r\nPrefixTrain=8\r\n[EV en LOC]\r\nLOC=1\r\n"));
        // What was written is what the window shows next time, and what the run now uses.
        QCOMPARE(OptionValues::read(data.state.config.iniPath()), v);
        const Options &o = data.state.config.options;
        QVERIFY(o.pasImpB2 == 1 && o.pasImpB1 == 0 && o.enaut == 1 && o.nbvhe == 2 && o.nbUm == 0);
        QCOMPARE(o.prefixTrain, "8");
        QCOMPARE(o.prefixEngin, "Z"); // read, never written
        QCOMPARE(data.state.config.loc, "1");
        QCOMPARE(data.state.engineListFile, "ListeEnginsAut.txt");

        v.enaut = false;
        QVERIFY(v.confirm(data.state));
        QCOMPARE(data.state.engineListFile, "ListeEngins.txt");
    }

    void checkBoxesTickOnOne()
    {
        TempDataFolder data("[Options]\r\nEnaug=1\r\nEneng=2\r\nCalendrier= 1 \r\nPasImpB1=x\r\n"
                            "Nbvhe=3\r\n[EV en LOC]\r\nLOC=1\r\n");
        const OptionValues v = OptionValues::read(data.state.config.iniPath());
        QVERIFY(v.enaug && !v.eneng && v.calendrier && !v.pasImpB1 && v.loc);
        QCOMPARE(v.nbvhe, "3");
    }

    // A Config.ini that cannot be written: the values confirmed are in use all the same, and
    // the driver is told once, as for any setting.
    void failedWriteKeepsTheValuesInUse()
    {
        TempDataFolder data("[Options]\r\nEnaut=0\r\n");
        const QString file = data.dataFile("Config.ini");
        QFile::setPermissions(file, QFile::ReadOwner);
        QStringList told;
        data.state.config.onWriteFailure = [&told](const QString &title, const QString &text) {
            told << title << text;
        };
        OptionValues v;
        v.enaut = true;
        v.prefixTrain = "14";
        QVERIFY(!v.confirm(data.state));
        QVERIFY(data.state.config.options.enaut == 1);
        QCOMPARE(data.state.config.options.prefixTrain, "14");
        QCOMPARE(data.state.engineListFile, "ListeEnginsAut.txt");
        QCOMPARE(data.read("Config.ini"), QByteArray("[Options]\r\nEnaut=0\r\n"));
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[0], u"Kerbo"_s);
        QVERIFY2(told[1].contains(u"le fichier est en lecture seule."_s), qPrintable(told[1]));
        // The window shows them again, and a second confirmation keeps what it shows.
        QCOMPARE(OptionValues::inUse(data.state), v);
        v.calendrier = true;
        QVERIFY(!v.confirm(data.state));
        QCOMPARE(told.size(), 2);
        QCOMPARE(OptionValues::inUse(data.state), v);
        QCOMPARE(data.state.config.options.prefixTrain, "14");

        // Once the file takes them, it is the file again that the window reads.
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(v.confirm(data.state));
        QVERIFY(!data.state.unsavedOptions);
        QCOMPARE(OptionValues::inUse(data.state), OptionValues::read(file));
        QCOMPARE(OptionValues::read(file), v);
    }

    // A count typed with a key held down, beyond any whole number the program keeps: the run
    // takes the value the next start reads, and a line of two units counts twice as many.
    void outsizedVehicleCount()
    {
        TempDataFolder data;
        OptionValues v;
        v.enaut = true;
        v.nbvhe = "99999999999";
        QCOMPARE(int(OptionRules::checkVehicleCount(v.nbvhe)),
                 int(OptionRules::VehicleCount::Keep));
        QVERIFY(v.confirm(data.state));
        const int inUse = data.state.config.options.nbvhe;
        data.state.config.load();
        QCOMPARE(inUse, data.state.config.options.nbvhe);

        BulletinRecord r;
        r.setSlot(SlotTable::lineSlot(0, SlotTable::EnginTitu), u"20501"_s);
        r.setSlot(SlotTable::lineSlot(0, SlotTable::EnginUm1), u"20502"_s);
        EngineRules::engineEntered(r, SlotTable::lineSlot(0, SlotTable::EnginUm1),
                                   data.state.config.options);
        QCOMPARE(r.slot(SlotTable::lineSlot(0, SlotTable::NbVeh)),
                 QString::number(2 * qint64(inUse)));
    }

    void vehicleCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        using V = OptionRules::VehicleCount;
        // An empty text and a letter first are seen through the options window.
        QTest::newRow("zero") << "0" << int(V::Refuse);
        QTest::newRow("digit first") << "2X" << int(V::Keep);
        QTest::newRow("leading blank") << " 4" << int(V::Keep);
    }
    void vehicleCount()
    {
        QFETCH(QString, text);
        QTEST(int(OptionRules::checkVehicleCount(text)), "check");
    }
};

KERBO_TEST(OptionValuesTest)
#include "OptionValuesTest.moc"
