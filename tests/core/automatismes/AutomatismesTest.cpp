#include "TestMain.h"

#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "core/automatismes/AutomatismeForm.h"
#include "core/automatismes/AutomatismeStore.h"
#include "core/automatismes/Automatismes.h"
#include "core/editor/LineView.h"

#include <QHash>

using namespace SlotTable;

namespace
{

// The keys after NumeroTrain, as the file spells them.
const QStringList Keys = {
    "De",       "A",      "Via",       "EvoDép", "MvDép",     "HeureDép", "HeureArr",  "MvArr",
    "EvoArr",   "Gare",   "HeureArr2", "Mv",     "HeureDép2", "Gateg",    "IndCompo",  "AgSeul",
    "Nbvéh",    "Long",   "Masse",     "Coef",   "Nat1",      "Let1",     "EnginTitu", "EmtTitu",
    "Nat2",     "Let2",   "EnginUm1",  "EmtUm1", "De2Um1",    "A2Um1",    "Nat3",      "Let3",
    "EnginUm2", "EmtUm2", "De2Um2",    "A2Um2",  "Km"};

using KeyValues = QHash<QString, QString>;

// A section as written by the program: every key, the given values, the closing line.
QStringList section(const QString &number, const KeyValues &values)
{
    const QString n = number.trimmed();
    QStringList lines{"[Train" + n + "]", "NumeroTrain=" + number};
    for (const QString &key : Keys)
        lines << key + '=' + values.value(key);
    lines << "Fin" + n + "=Fin" + n;
    return lines;
}

QStringList counterLines(int n)
{
    return {"[NombreTrain]", "NombreTrain=" + QString::number(n)};
}

struct FakeLineView : LineView {
    QStringList calls;
    void showCurrentSlot() override { calls << QStringLiteral("show"); }
    void setBusy(bool busy) override
    {
        calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle"));
    }
};

const KeyValues Train14{{"De", "PNORD"},        {"A", "CREIL"},     {"HeureDép", "0712"},
                        {"Gateg", "MV"},        {"Nbvéh", "8"},     {"Let1", "B"},
                        {"EnginTitu", "67401"}, {"EmtTitu", "SOT"}, {"Km", "51"}};
const KeyValues Train142{{"De", "PNORD"}, {"A", "AMIEN"},        {"Via", "LON"},   {"Nat2", ""},
                         {"Let2", "B"},   {"EnginUm1", "67402"}, {"EmtUm1", "SOT"}};

} // namespace

class AutomatismesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    FakePrompts m_prompts;
    FakeLineView m_view;

    AppState &state() { return m_data->state; }
    BulletinRecord &record() { return m_data->state.record; }
    AutomatismeStore &store() { return m_data->state.automatismes; }
    void writeStore(const QStringList &lines)
    {
        m_data->writeLines(QStringLiteral("Automatisme.ini"), lines);
    }
    QByteArray storeBytes() const { return m_data->read(QStringLiteral("Automatisme.ini")); }
    bool type(int slot, const QString &text)
    {
        record().setSlot(slot, text);
        return Automatismes::Automatisme(record(), slot, store());
    }
    void capture(int slot, Prompts::Answer answer = Prompts::Answer::Yes)
    {
        m_prompts.answers.push_back(answer);
        Automatismes::captureLine(record(), slot, state().config.options, store(), m_prompts,
                                  m_view);
    }
    QStringList line(int k, std::initializer_list<int> offsets)
    {
        QStringList values;
        for (int r : offsets)
            values << record().slot(lineSlot(k, r));
        return values;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        store().setPath(m_data->dataFile(QStringLiteral("Automatisme.ini")));
        m_prompts = FakePrompts();
        m_view.calls.clear();
    }

    void lookupAtEveryKeystroke()
    {
        writeStore(counterLines(2) + section("14", Train14) + section("142", Train142));
        for (int r = 0; r < LineLength; ++r)
            record().setSlot(lineSlot(2, r), QStringLiteral("OLD"));
        const int number = lineSlot(2, NumeroTrain);

        QVERIFY(!type(number, "1"));
        QCOMPARE(record().slot(lineSlot(2, De)), QStringLiteral("OLD"));
        QVERIFY(type(number, "14"));
        QCOMPARE(line(2, {NumeroTrain, De, A, Via, HeureDep, Categ, NbVeh, KmTrain}),
                 QStringList({"14", "PNORD", "CREIL", "", "0712", "MV", "8", "51"}));
        QCOMPARE(line(2, {EnginTitu, EnginUm1, Nat2}), QStringList({"B 67401 SOT", "  ", ""}));
        // The marks are no part of an automatisme.
        QCOMPARE(line(2, {Fac, AgentEnSecond, AutreAgent, Observation}),
                 QStringList({"OLD", "OLD", "OLD", "OLD"}));

        QVERIFY(type(number, "142"));
        QCOMPARE(line(2, {De, A, Via, HeureDep, KmTrain, EnginTitu}),
                 QStringList({"PNORD", "AMIEN", "LON", "", "", "  "}));
        // A multiple unit brings its nature and the line's route.
        QCOMPARE(line(2, {EnginUm1, Nat2, De2Um1, A2Um1, Nat3, De2Um2}),
                 QStringList({"B 67402 SOT", "UM", "PNORD", "AMIEN", "", ""}));

        QVERIFY(type(number, "14 ")); // blanks around the number do not count
        QCOMPARE(record().slot(lineSlot(2, A)), QStringLiteral("CREIL"));
        QVERIFY(!type(number, "1424"));
        QCOMPARE(record().slot(lineSlot(2, A)), QStringLiteral("CREIL"));
    }

    void lookupNeverMatchesBlanksOrAnotherCase()
    {
        // A section "Train" is what blanks would name; a lower-case number is another one.
        writeStore(counterLines(1) + QStringList{"[Train]", "NumeroTrain=", "De=X"} +
                   section("A1", {{"De", "Y"}}));
        record().setSlot(lineSlot(0, De), QStringLiteral("KEEP"));
        QVERIFY(!type(lineSlot(0, NumeroTrain), "   "));
        QVERIFY(!type(lineSlot(0, NumeroTrain), "a1"));
        QVERIFY(!type(lineSlot(0, De), "A1")); // not a train-number slot
        QCOMPARE(record().slot(lineSlot(0, De)), QStringLiteral("A1"));
    }

    void storeReadOnceThenFromOwnWrites()
    {
        writeStore(counterLines(1) + section("14", Train14));
        QVERIFY(type(lineSlot(0, NumeroTrain), "14"));
        // Changed behind the program's back: the kept copy still answers.
        writeStore(counterLines(0));
        QVERIFY(type(lineSlot(1, NumeroTrain), "14"));
        // The program's own write is what it reads next.
        record().setSlot(lineSlot(1, NumeroTrain), QStringLiteral("77"));
        capture(lineSlot(1, De));
        QVERIFY(type(lineSlot(3, NumeroTrain), "77"));
        QCOMPARE(record().slot(lineSlot(3, A)), QStringLiteral("CREIL"));
    }

    void captureWritesTheLine()
    {
        state().config.options.enaut = 1;
        state().config.options.lettreAutom = QStringLiteral("Z");
        const int m = lineSlot(1, 0);
        record().setSlot(m + NumeroTrain, QStringLiteral(" 142"));
        record().setSlot(m + De, QStringLiteral("PNORD"));
        record().setSlot(m + HeureDep2, QStringLiteral("0715"));
        record().setSlot(m + Fac, QStringLiteral("x"));
        record().setSlot(m + EnginTitu, QStringLiteral("20501"));
        record().setSlot(m + EnginUm1, QStringLiteral("B 67401 SOT"));
        record().setSlot(m + KmTrain, QStringLiteral("12"));
        capture(m + Masse);

        QCOMPARE(m_prompts.calls.size(), 2);
        const FakePrompts::Call &ask = m_prompts.calls[0];
        QCOMPARE(ask.title,
                 QStringLiteral("ENREGISTRER CETTE LIGNE DE TRAIN COMME UN AUTOMATISME ?"));
        QCOMPARE(ask.text, QStringLiteral("Voulez- vous enregistrer la ligne du train 2 comme un "
                                          "nouvel automatisme ? \r\n"));
        QCOMPARE(ask.icon, Prompts::Icon::Information);
        QCOMPARE(ask.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(m_prompts.last().title,
                 QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME DE LA LIGNE DE TRAIN 2  REUSSI"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("L'ENREGISTREMENT DE L'AUTOMATISME A REUSSI ."));
        QCOMPARE(m_view.calls, QStringList({"show", "busy", "idle", "show"}));

        const KeyValues written{
            {"De", "PNORD"}, {"HeureDép2", "0715"}, {"Let1", "Z"},     {"EnginTitu", "20501"},
            {"Let2", "B"},   {"EnginUm1", "67401"}, {"EmtUm1", "SOT"}, {"Km", "12"}};
        const QByteArray first = TextFile::joinLines(counterLines(1) + section(" 142", written));
        QCOMPARE(storeBytes(), first);
        QVERIFY(first.contains("\r\nEvoD\xe9p=\r\n")); // the key's "é" is one byte

        // Again: the same section, overwritten in place, and the counter stays.
        record().setSlot(m + De, QStringLiteral("CREIL"));
        capture(m + 1);
        KeyValues again = written;
        again["De"] = "CREIL";
        QCOMPARE(storeBytes(), TextFile::joinLines(counterLines(1) + section(" 142", again)));
    }

    void captureRefusals_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title"); // of the message after the question, "" for none
        QTest::addColumn<QString>("text");
        const QString missing =
            "ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\nVEUILLEZ INSCRIRE "
            "UN NUMERO DE TRAIN DANS LE CADRE  \"Numéro de train\".";
        QTest::newRow("answer no") << "14" << int(Prompts::Answer::No) << ""
                                   << "";
        QTest::newRow("no number") << "" << int(Prompts::Answer::Yes)
                                   << "ATTENTION IL MANQUE LE NUMERO DE TRAIN !!" << missing;
        QTest::newRow("blanks only") << "   " << int(Prompts::Answer::Yes)
                                     << "ATTENTION IL MANQUE LE NUMERO DE TRAIN !!" << missing;
        QTest::newRow("a bracket")
            << "14]" << int(Prompts::Answer::Yes) << "ATTENTION ENREGISTREMENT IMPOSSIBLE !!"
            << "ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\nLE NUMERO "
               "DE TRAIN NE PEUT PAS CONTENIR LE CARACTERE  \"]\".";
    }
    void captureRefusals()
    {
        QFETCH(QString, number);
        QFETCH(int, answer);
        QFETCH(QString, title);
        record().setSlot(lineSlot(4, NumeroTrain), number);
        capture(lineSlot(4, NumeroTrain), Prompts::Answer(answer));
        QVERIFY(!m_data->exists(QStringLiteral("Automatisme.ini")));
        QCOMPARE(m_prompts.calls.size(), title.isEmpty() ? 1 : 2);
        if (!title.isEmpty()) {
            QCOMPARE(m_prompts.last().title, title);
            QTEST(m_prompts.last().text, "text");
            QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        }
    }

    void deletionKeepsTheOthers()
    {
        const QStringList t1 = section("1", {{"De", "X"}});
        const QStringList t14 = section("14", Train14);
        const QStringList t142 = section("142", Train142);
        writeStore(counterLines(3) + t1 + t14 + t142);
        QString error;
        QVERIFY(Automatismes::remove(store(), QStringLiteral("14"), &error));
        QCOMPARE(storeBytes(), TextFile::joinLines(counterLines(2) + t1 + t142));
        QVERIFY(!m_data->exists(QStringLiteral("Automatisme2.ini")));
        QVERIFY(!type(lineSlot(0, NumeroTrain), "14"));
        QVERIFY(type(lineSlot(0, NumeroTrain), "142"));

        // Nothing matches (the header's case counts): the counter goes down all the same.
        QVERIFY(Automatismes::remove(store(), QStringLiteral("TRAIN1"), &error));
        QVERIFY(Automatismes::remove(store(), QStringLiteral("99"), &error));
        QCOMPARE(storeBytes(), TextFile::joinLines(counterLines(0) + t1 + t142));
    }

    void deletionOfAnUnclosedSectionTakesTheRest()
    {
        // Bare LF line ends are kept as they are on the lines that stay.
        const QByteArray head =
            "[NombreTrain]\nNombreTrain=3\n[Train1]\nNumeroTrain=1\nFin1=Fin1\n";
        m_data->write(QStringLiteral("Automatisme.ini"),
                      head + "[Train7]\nNumeroTrain=7\n[Train8]\nNumeroTrain=8\nFin8=Fin8\n");
        QString error;
        QVERIFY(Automatismes::remove(store(), QStringLiteral("7"), &error));
        QByteArray expected = head;
        expected.replace("NombreTrain=3", "NombreTrain=2");
        QCOMPARE(storeBytes(), expected);
    }

    void failedWritesKeepTheFile()
    {
        const QByteArray before = TextFile::joinLines(counterLines(1) + section("14", Train14));
        m_data->write(QStringLiteral("Automatisme.ini"), before);
        // The temporary file cannot be made: a folder holds its name.
        QVERIFY(QDir(m_data->dataFolder()).mkdir(QStringLiteral("Automatisme2.ini")));
        QString error;
        QVERIFY(!Automatismes::remove(store(), QStringLiteral("14"), &error));
        QVERIFY(error.contains(QStringLiteral("Automatisme2.ini")));
        QCOMPARE(storeBytes(), before);
        QVERIFY(type(lineSlot(0, NumeroTrain), "14"));

        // The data folder gone from under the program: F9 says so, the kept copy stays.
        const QString moved = m_data->dir.filePath(QStringLiteral("Moved"));
        QVERIFY(QDir().rename(m_data->dataFolder(), moved));
        record().setSlot(lineSlot(1, NumeroTrain), QStringLiteral("55"));
        capture(lineSlot(1, NumeroTrain));
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION ENREGISTREMENT IMPOSSIBLE !!"));
        QVERIFY(m_prompts.last().text.startsWith(QStringLiteral(
            "ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\nImpossible d'écrire")));
        QCOMPARE(m_view.calls.last(), QStringLiteral("show"));
        QVERIFY(!type(lineSlot(2, NumeroTrain), "55"));
        QFile kept(moved + QStringLiteral("/Automatisme.ini"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
    }

    void badStores()
    {
        // Duplicate sections (the first counts), no counter, a value beyond 254 characters,
        // bytes that are no text.
        const QString longValue(300, u'L');
        writeStore(section("14", {{"De", "FIRST"}, {"A", longValue}}) +
                   section("14", {{"De", "SECOND"}}));
        m_data->write(QStringLiteral("Automatisme.ini"), storeBytes() +
                                                             "[Train9]\r\nNumeroTrain=9\r\n" +
                                                             QByteArray("De=\x81\x00\x9c\r\n", 8));
        QVERIFY(type(lineSlot(0, NumeroTrain), "14"));
        QCOMPARE(record().slot(lineSlot(0, De)), QStringLiteral("FIRST"));
        QCOMPARE(record().slot(lineSlot(0, A)), longValue.left(254));
        QVERIFY(type(lineSlot(0, NumeroTrain), "9"));
        QCOMPARE(record().slot(lineSlot(0, De)).size(), 3);
        QCOMPARE(Automatismes::counter(store().ini()), 0);
        QCOMPARE(Automatismes::list(store().bytes()), QStringList({"14", "14", "9"}));
    }

    void unreadableStoreIsNeverWritten()
    {
        // A folder in place of the file: it cannot be read, so nothing may replace it.
        QVERIFY(QDir(m_data->dataFolder()).mkdir(QStringLiteral("Automatisme.ini")));
        QVERIFY(!type(lineSlot(0, NumeroTrain), "14"));
        record().setSlot(lineSlot(0, NumeroTrain), QStringLiteral("14"));
        capture(lineSlot(0, NumeroTrain));
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION ENREGISTREMENT IMPOSSIBLE !!"));
        QVERIFY(m_prompts.last().text.contains(QStringLiteral("Impossible de lire")));
        QString error;
        QVERIFY(!Automatismes::remove(store(), QStringLiteral("14"), &error));
        QVERIFY(QFileInfo(m_data->dataFile(QStringLiteral("Automatisme.ini"))).isDir());
    }

    void listAndCounterLabel()
    {
        m_data->write(QStringLiteral("Automatisme.ini"),
                      "[NombreTrain]\r\nNombreTrain=12\r\nNumeroTrain= 15 \r\nnumerotrain=9\r\n"
                      " NumeroTrain=8\r\nNumeroTrain=\r\nNumeroTrain=142");
        QCOMPARE(Automatismes::list(store().bytes()), QStringList({" 15 ", "", "142"}));
        AutomatismeForm form(store(), m_prompts);
        QCOMPARE(form.counterLabel(), QStringLiteral(" 12 automatismes enregistrés"));
        QCOMPARE(Automatismes::counterLabel(0), QStringLiteral("0 automatismes enregistrés"));
        QCOMPARE(Automatismes::counterLabel(-1), QStringLiteral("-1 automatismes enregistrés"));
    }

    void windowForm()
    {
        writeStore(counterLines(2) + QStringList{"[train5]", "NumeroTrain=5", "De=X"} +
                   section("6", {{"De", "Y"}, {"Let1", "B"}}));
        AutomatismeForm form(store(), m_prompts);
        QVERIFY(!form.load(QStringLiteral("5"))); // the header is matched exactly
        QVERIFY(!form.load(QStringLiteral("  ")));
        const auto six = form.load(QStringLiteral("6 "));
        QVERIFY(six);
        QCOMPARE((*six)[0], QStringLiteral("Y"));
        QCOMPARE((*six)[21], QStringLiteral("B"));

        QCOMPARE(form.save(QStringLiteral(" "), {}), AutomatismeForm::Saved::Refused);
        QCOMPARE(m_prompts.last().title,
                 QStringLiteral("ATTENTION IL MANQUE LE NUMERO DE TRAIN !!"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("ENREGISTREMENT DE L'AUTOMATISME IMPOSSIBLE !! \r\nVEUILLEZ "
                                "INSCRIRE UN NUMERO DE TRAIN DANS LE CADRE  \"Si le n°du train "
                                "débute par :\"."));
        QCOMPARE(form.save(QStringLiteral("6"), {}), AutomatismeForm::Saved::Updated);
        QCOMPARE(form.save(QStringLiteral("7"), {}), AutomatismeForm::Saved::Added);
        QCOMPARE(form.counterLabel(), QStringLiteral(" 3 automatismes enregistrés"));

        QVERIFY(!form.remove(QStringLiteral("7"), false));
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION AUCUN ITEM SELECTIONNE !!"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("SUPPRESSION DE L'AUTOMATISME IMPOSSIBLE !! \r\nVEUILLEZ "
                                "SELECTIONNER UN ITEM DANS  \"Liste des automatismes "
                                "enregistrés\"."));
        QVERIFY(form.remove(QStringLiteral(" 7 "), true));
        QCOMPARE(form.items(), QStringList({"5", "6"}));

        form.showInfo();
        const QStringList info = m_prompts.last().text.split(QStringLiteral("\r\n"));
        QCOMPARE(m_prompts.last().title, QStringLiteral("Information"));
        QCOMPARE(info.size(), 17);
        for (int empty : {1, 5, 7, 10, 13})
            QVERIFY(info[empty].isEmpty());
        QCOMPARE(
            info.last(),
            QStringLiteral("ligne de train déja inscrite sur l'éditeur comme un automatisme."));
    }

    void engineBoxesKeepTheNumber_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("leading engine") << 22 << "BB 67401 SOT"
                                        << "B67401 ";
        QTest::newRow("first multiple unit") << 26 << "Z20501NOR"
                                             << "20501";
        QTest::newRow("second multiple unit") << 32 << "1234567"
                                              << "234567";
        QTest::newRow("blank stays") << 22 << "  "
                                     << "  ";
        QTest::newRow("other box") << 21 << "B 1"
                                   << "B 1";
    }
    void engineBoxesKeepTheNumber()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QTEST(AutomatismeForm::leftBoxText(field, typed), "left");
    }
};

KERBO_TEST(AutomatismesTest)
#include "AutomatismesTest.moc"
