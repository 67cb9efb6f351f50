#include "TestMain.h"

#include "AutomatismeFile.h"
#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "core/automatismes/AutomatismeForm.h"
#include "core/automatismes/Automatismes.h"
#include "core/model/LineView.h"

#include <cstdio>

using namespace SlotTable;
using namespace Qt::StringLiterals;
using AutomatismeFile::counter;
using AutomatismeFile::section;

namespace
{

struct FakeLineView : LineView {
    QStringList calls;
    void showCurrentSlot() override { calls << QStringLiteral("show"); }
    void setBusy(bool busy) override { calls << (busy ? "busy" : "idle"); }
};

const AutomatismeFile::Values Train14{{"De", "PNORD"}, {"A", "CREIL"},         {"HeureDép", "0712"},
                                      {"Let1", "B"},   {"EnginTitu", "67401"}, {"EmtTitu", "SOT"}};
const AutomatismeFile::Values Train142{
    {"De", "PNORD"}, {"A", "AMIEN"}, {"Let2", "B"}, {"EnginUm1", "67402"}, {"EmtUm1", "SOT"}};
const QString MissingTitle = QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE TRAIN !!");
const QString FailedTitle = QStringLiteral("Kerbo");

} // namespace

class AutomatismesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    FakePrompts m_prompts;
    FakeLineView m_view;

    BulletinRecord &record() { return m_data->state.record; }
    AutomatismeStore &store() { return m_data->state.automatismes; }
    void writeStore(const QStringList &lines) { m_data->writeLines("Automatisme.ini", lines); }
    QByteArray storeBytes() const { return m_data->read("Automatisme.ini"); }
    bool type(int line, const QString &number)
    {
        record().setSlot(lineSlot(line, NumeroTrain), number);
        return Automatismes::Automatisme(record(), lineSlot(line, NumeroTrain), store());
    }
    QStringList line(int k, std::initializer_list<int> offsets)
    {
        QStringList values;
        for (int r : offsets)
            values << record().slot(lineSlot(k, r));
        return values;
    }
    void capture(int slot, Prompts::Answer answer = Prompts::Answer::Yes)
    {
        m_prompts.answers.push_back(answer);
        Automatismes::captureLine(record(), slot, m_data->state.config.options, store(), m_prompts,
                                  m_view);
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        store().setPath(m_data->dataFile("Automatisme.ini"));
        m_prompts = FakePrompts();
        m_view.calls.clear();
    }

    void lookupAtEveryKeystroke()
    {
        writeStore(counter(2) + section("14", Train14) + section("142", Train142) +
                   QStringList{"[Train]", "NumeroTrain=", "De=BLANK"} + section("a1", {}));
        for (int r = 0; r < LineLength; ++r)
            record().setSlot(lineSlot(2, r), QStringLiteral("OLD"));
        QVERIFY(!type(2, "1"));
        QVERIFY(type(2, "14"));
        QCOMPARE(line(2, {NumeroTrain, De, A, Via, HeureDep, EnginTitu, EnginUm1, Nat2, Fac}),
                 QStringList({"14", "PNORD", "CREIL", "", "0712", "B 67401 SOT", "  ", "", "OLD"}));
        QVERIFY(type(2, "142")); // overwrites; a multiple unit brings "UM" and the route
        QCOMPARE(line(2, {A, HeureDep, EnginTitu, EnginUm1, Nat2, De2Um1, A2Um1, De2Um2}),
                 QStringList({"AMIEN", "", "  ", "B 67402 SOT", "UM", "PNORD", "AMIEN", ""}));
        // The route the template gives the engine in multiple unit stands over the line's own.
        writeStore(counter(1) + section("143", {{"De", "PNORD"},
                                                {"A", "AMIEN"},
                                                {"Let2", "B"},
                                                {"EnginUm1", "67403"},
                                                {"De2Um1", "CREIL"},
                                                {"A2Um1", "TOURS"}}));
        QVERIFY(type(2, "143"));
        QCOMPARE(line(2, {De2Um1, A2Um1}), QStringList({"CREIL", "TOURS"}));
        writeStore(counter(2) + section("14", Train14) + section("142", Train142));
        QVERIFY(type(2, " 14 "));
        // Blanks would name the section "Train"; another case is another number.
        QVERIFY(!type(2, "   "));
        QVERIFY(!type(2, "A1"));
        QCOMPARE(record().slot(lineSlot(2, A)), QStringLiteral("CREIL"));

        // A template added by hand while the program runs: the next lookup finds it, and F9
        // on another line writes over the file as it now is, the hand-made template kept.
        writeStore(counter(1) + section("77", {{"De", "BREST"}}));
        QVERIFY(!type(0, "142"));
        QVERIFY(type(0, "77"));
        QCOMPARE(record().slot(lineSlot(0, De)), QStringLiteral("BREST"));
        record().setSlot(lineSlot(1, NumeroTrain), QStringLiteral("88"));
        record().setSlot(lineSlot(1, De), QStringLiteral("NANTES"));
        capture(lineSlot(1, De));
        QVERIFY(storeBytes().contains("[Train77]\r\nNumeroTrain=77\r\nDe=BREST\r\n"));
        QCOMPARE(Automatismes::counter(store().ini()), 2);
        QVERIFY(type(2, "88"));
        QCOMPARE(record().slot(lineSlot(2, De)), QStringLiteral("NANTES"));

        // Another file of the same size renamed over it with the same time, as a sync client
        // or a copy that keeps times does: read again too.
        const QString path = store().path();
        const QDateTime written = QFileInfo(path).lastModified();
        QByteArray other = storeBytes();
        other.replace("De=NANTES", "De=MORLX");
        QVERIFY(writeBytes(path + u".new"_s, other));
        QFile copy(path + u".new"_s);
        QVERIFY(copy.open(QIODevice::ReadWrite) &&
                copy.setFileTime(written, QFileDevice::FileModificationTime));
        copy.close();
        QVERIFY(::rename(QFile::encodeName(path + u".new"_s).constData(),
                         QFile::encodeName(path).constData()) == 0);
        QVERIFY(type(2, "88"));
        QCOMPARE(record().slot(lineSlot(2, De)), QStringLiteral("MORLX"));
    }

    // Each key fills its own slot of the line; the marks and the number are left alone. A nature
    // the template gives stands; the second engine in multiple unit gets the defaults as well.
    void lookupFillsEachSlotFromItsKey()
    {
        AutomatismeFile::Values all;
        for (const QString &key : AutomatismeFile::Keys)
            all[key] = key.toUpper();
        for (const char *key : {"Nat3", "De2Um2", "A2Um2"})
            all[key] = QString();
        writeStore(counter(1) + section("77", all));
        for (int r = 0; r < LineLength; ++r)
            record().setSlot(lineSlot(5, r), QStringLiteral("OLD"));
        QVERIFY(type(5, "77"));
        QStringList filled;
        for (int r = 0; r < LineLength; ++r)
            filled << record().slot(lineSlot(5, r));
        QCOMPARE(filled,
                 u"OLD|77|DE|A|VIA|EVODÉP|MVDÉP|HEUREDÉP|HEUREARR|MVARR|EVOARR|GARE|HEUREARR2|MV|"
                 u"HEUREDÉP2|GATEG|INDCOMPO|AGSEUL|NBVÉH|LONG|MASSE|COEF|OLD|OLD|NAT1|"
                 u"LET1 ENGINTITU EMTTITU|NAT2|LET2 ENGINUM1 EMTUM1|DE2UM1|A2UM1|UM|"
                 u"LET3 ENGINUM2 EMTUM2|DE|A|OLD|KM"_s.split(u'|'));
    }

    void captureWritesTheLine()
    {
        m_data->state.config.options.enaut = 1;
        m_data->state.config.options.lettreAutom = QStringLiteral("Z");
        const int m = lineSlot(1, 0);
        using V = std::pair<int, const char *>;
        for (const auto &[r, v] :
             {V{NumeroTrain, " 142"}, V{De, "PNORD"}, V{HeureDep2, "0715"}, V{Fac, "x"},
              V{EnginTitu, "20501"}, V{EnginUm1, "B 67401 SOT"}, V{KmTrain, "12"}})
            record().setSlot(m + r, QString::fromUtf8(v));
        capture(m + Masse);
        QCOMPARE(m_prompts.titles(),
                 QStringList({"ENREGISTRER CETTE LIGNE DE TRAIN COMME UN AUTOMATISME ?",
                              "ENREGISTREMENT DE L'AUTOMATISME DE LA LIGNE DE TRAIN 2  REUSSI"}));
        QCOMPARE(m_prompts.calls[0].text,
                 QStringLiteral("Voulez- vous enregistrer la ligne du "
                                "train 2 comme un nouvel automatisme ? \r\n"));
        QCOMPARE(m_prompts.calls[0].buttons, Prompts::Buttons::YesNo);
        QCOMPARE(m_prompts.calls[0].icon, Prompts::Icon::Information);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("L'ENREGISTREMENT DE L'AUTOMATISME A REUSSI ."));
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Information);
        QCOMPARE(m_view.calls, QStringList({"show", "busy", "idle", "show"}));
        AutomatismeFile::Values written{
            {"De", "PNORD"}, {"HeureDép2", "0715"}, {"Let1", "Z"},     {"EnginTitu", "20501"},
            {"Let2", "B"},   {"EnginUm1", "67401"}, {"EmtUm1", "SOT"}, {"Km", "12"}};
        QCOMPARE(storeBytes(), TextFile::joinLines(counter(1) + section(" 142", written)));
        QVERIFY(storeBytes().contains("\r\nEvoD\xe9p=\r\n")); // the "é" is one byte

        // Again on the same number: overwritten in place, the counter stays.
        record().setSlot(m + De, QStringLiteral("CREIL"));
        capture(m + 1);
        written["De"] = "CREIL";
        QCOMPARE(storeBytes(), TextFile::joinLines(counter(1) + section(" 142", written)));
    }

    void captureRefusals_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("title"); // of the message after the question
        QTest::addColumn<QString>("text");
        const QString impossible = "ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\n";
        const QString missing = impossible + "VEUILLEZ INSCRIRE UN NUMERO DE TRAIN DANS LE CADRE  "
                                             "\"Numéro de train\".";
        QTest::newRow("no number") << "" << MissingTitle << missing;
        QTest::newRow("blanks only") << "   " << MissingTitle << missing;
        QTest::newRow("a bracket") << "14]" << FailedTitle
                                   << impossible + "LE NUMERO DE TRAIN NE "
                                                   "PEUT PAS CONTENIR LE CARACTERE  \"]\".";
        // A section name that the file would not give back.
        const QString unwritable = impossible + "LE NUMERO DE TRAIN CONTIENT UN CARACTERE QUE LE "
                                                "FICHIER DES AUTOMATISMES NE PEUT PAS ENREGISTRER.";
        QTest::newRow("a NUL") << QStringLiteral("14\u0000") << FailedTitle << unwritable;
        QTest::newRow("outside the code page") << "14\u0141" << FailedTitle << unwritable;
    }
    void captureRefusals()
    {
        QFETCH(QString, number);
        record().setSlot(lineSlot(4, NumeroTrain), number);
        capture(lineSlot(4, De), Prompts::Answer::No);
        QCOMPARE(m_prompts.calls.size(), 1);
        capture(lineSlot(4, De));
        QTEST(m_prompts.last().title, "title");
        QTEST(m_prompts.last().text, "text");
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QVERIFY(!m_data->exists("Automatisme.ini"));
    }

    void deletionKeepsTheOthers()
    {
        const QStringList t1 = section("1", {{"De", "X"}});
        writeStore(counter(3) + t1 + section("14", Train14) + section("142", Train142));
        QString error;
        QVERIFY(Automatismes::remove(store(), "14", &error));
        QCOMPARE(storeBytes(), TextFile::joinLines(counter(2) + t1 + section("142", Train142)));
        QVERIFY(!m_data->exists("Automatisme2.ini"));
        QVERIFY(!type(0, "14") && type(0, "142"));
        // Nothing matches (the header's case counts): the counter goes down all the same.
        QVERIFY(Automatismes::remove(store(), "TRAIN1", &error));
        QCOMPARE(storeBytes(), TextFile::joinLines(counter(1) + t1 + section("142", Train142)));

        // A section without its closing line takes the rest with it; LF ends stay LF.
        const QByteArray head = "[NombreTrain]\nNombreTrain=3\n[Train1]\nFin1=Fin1\n";
        m_data->write("Automatisme.ini", head + "[Train7]\nNumeroTrain=7\n[Train8]\nFin8=Fin8\n");
        store().setPath(QString());
        store().setPath(m_data->dataFile("Automatisme.ini"));
        QVERIFY(Automatismes::remove(store(), "7", &error));
        QCOMPARE(storeBytes(), QByteArray(head).replace("=3", "=2"));
    }

    void failedWritesKeepTheFile()
    {
        const QByteArray before = TextFile::joinLines(counter(1) + section("14", Train14));
        m_data->write("Automatisme.ini", before);
        QVERIFY(
            QDir(m_data->dataFolder()).mkdir("Automatisme2.ini")); // the temporary cannot be made
        QString error;
        QVERIFY(!Automatismes::remove(store(), "14", &error));
        QVERIFY(error.contains("Automatisme2.ini"));
        QVERIFY(type(0, "14"));

        // A file kept read-only is not replaced by a writable copy, even where the system
        // would allow it (as for root).
        QVERIFY(QDir(m_data->dataFolder()).rmdir("Automatisme2.ini"));
        const QString path = m_data->dataFile("Automatisme.ini");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
        QVERIFY(!Automatismes::remove(store(), "14", &error));
        QVERIFY(error.endsWith("Automatisme.ini : le fichier est en lecture seule."));
        QCOMPARE(m_data->read("Automatisme.ini"), before);
        QCOMPARE(QFileInfo(path).permissions() & QFile::WriteOwner, QFile::Permissions());
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));

        // The data folder gone from under the program: F9 says so, the kept copy stays.
        const QString moved = m_data->dir.filePath("Moved");
        QVERIFY(QDir().rename(m_data->dataFolder(), moved));
        record().setSlot(lineSlot(1, NumeroTrain), QStringLiteral("55"));
        capture(lineSlot(1, NumeroTrain));
        QCOMPARE(m_prompts.last().title, FailedTitle);
        QVERIFY(m_prompts.last().text.contains("\r\nImpossible d'écrire"));
        QVERIFY(!type(2, "55"));
        QFile kept(moved + "/Automatisme.ini");
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == before);
    }

    // A removal puts a new file in the old one's place: a file kept private (or shared with a
    // group) keeps its permissions, and a link to a file of another folder stays a link.
    void removalKeepsTheFilesPermissionsAndLink()
    {
        const QByteArray after = TextFile::joinLines(counter(1) + section("142", Train142));
        writeStore(counter(2) + section("14", Train14) + section("142", Train142));
        const QString path = m_data->dataFile("Automatisme.ini");
        const auto kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, kept));
        QString error;
        QVERIFY2(Automatismes::remove(store(), "14", &error), qPrintable(error));
        QCOMPARE(storeBytes(), after);
        QCOMPARE(QFile::permissions(path) & QFileDevice::Permissions(0x7077), kept);

        const QString elsewhere = m_data->dir.filePath("Cle/Automatisme.ini");
        QVERIFY(QDir().mkpath(QFileInfo(elsewhere).absolutePath()));
        QVERIFY(QFile::rename(path, elsewhere) && QFile::link(elsewhere, path));
        QVERIFY2(Automatismes::remove(store(), "142", &error), qPrintable(error));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(TextFile::readBytes(elsewhere, 1000).bytes, TextFile::joinLines(counter(0)));
        QCOMPARE(QFile::permissions(elsewhere) & QFileDevice::Permissions(0x7077), kept);
    }

    void badStores()
    {
        // Duplicates (the first counts), no counter, a value beyond 254 characters, odd bytes.
        writeStore(section("14", {{"De", "FIRST"}, {"A", QString(300, u'L')}}) +
                   section("14", {{"De", "SECOND"}}));
        m_data->write("Automatisme.ini",
                      storeBytes() + QByteArrayLiteral("[Train9]\r\nNumeroTrain=9\r\n"
                                                       "De=\x81\x00\x9c\r\n"));
        QVERIFY(type(0, "14"));
        QCOMPARE(line(0, {De, A}), QStringList({"FIRST", QString(254, u'L')}));
        QVERIFY(type(0, "9"));
        QCOMPARE(record().slot(lineSlot(0, De)).size(), 3);
        QCOMPARE(Automatismes::counter(store().ini()), 0);

        // A store that cannot be read is never written over.
        QVERIFY(QFile::remove(m_data->dataFile("Automatisme.ini")));
        QVERIFY(QDir(m_data->dataFolder()).mkdir("Automatisme.ini"));
        store().setPath(QString());
        store().setPath(m_data->dataFile("Automatisme.ini"));
        QVERIFY(!type(0, "14"));
        record().setSlot(lineSlot(0, NumeroTrain), QStringLiteral("14"));
        capture(lineSlot(0, NumeroTrain));
        QVERIFY(m_prompts.last().text.contains("Impossible de lire"));
        QString error;
        QVERIFY(!Automatismes::remove(store(), "14", &error));
        AutomatismeForm form(store(), m_prompts);
        QVERIFY(!form.remove("14", true));
        QCOMPARE(m_prompts.last().title, FailedTitle);
        QVERIFY(m_prompts.last().text.startsWith(
            QStringLiteral("SUPPRESSION DE L'AUTOMATISME IMPOSSIBLE !! \r\nImpossible de lire")));
    }

    void windowRules()
    {
        m_data->write("Automatisme.ini", "[NombreTrain]\r\nNombreTrain=2\r\n[train5]\r\n"
                                         "NumeroTrain=5\r\nnumerotrain=0\r\n" +
                                             TextFile::joinLines(section(" 6 ", {{"Let1", "B"}})));
        AutomatismeForm form(store(), m_prompts);
        QCOMPARE(form.items(), QStringList({"5", " 6 "}));
        QCOMPARE(form.counterLabel(), QStringLiteral(" 2 automatismes enregistrés"));
        QCOMPARE(Automatismes::counterLabel(0), QStringLiteral("0 automatismes enregistrés"));
        QVERIFY(!form.load("5")); // the header is matched exactly
        QCOMPARE(form.load("6")->at(21), QStringLiteral("B"));

        QCOMPARE(form.save(" ", {}), AutomatismeForm::Saved::Refused);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! "
                                "\r\nVEUILLEZ INSCRIRE UN NUMERO DE TRAIN DANS "
                                "LE CADRE  \"Si le n°du train débute par :\"."));
        QVERIFY(!form.remove("6", false));
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION AUCUN ITEM SELECTIONNE !!"));

        // An engine box keeps the number part once left (the leading engine's, in the window
        // test, with a blank); other boxes keep their text.
        QCOMPARE(AutomatismeForm::leftBoxText(26, "1234567"), QStringLiteral("234567"));
        QCOMPARE(AutomatismeForm::leftBoxText(32, "Z 20503 NOR"), QStringLiteral("20503"));
        QCOMPARE(AutomatismeForm::leftBoxText(21, "B 1"), QStringLiteral("B 1"));
    }
};

KERBO_TEST(AutomatismesTest)
#include "AutomatismesTest.moc"
