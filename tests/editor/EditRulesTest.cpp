#include "TestMain.h"

#include "app/AppState.h"
#include "editor/EditRules.h"
#include "editor/FrameErase.h"
#include "editor/SlotNavigation.h"

using namespace SlotNavigation;
using SlotTable::Frame;

class EditRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void nextSlotSkipsTheDateAndTheMarks()
    {
        const QList<QPair<int, int>> moves = {
            {5, 7},     // the date place
            {12, 14},   // Non conforme
            {49, 54},   // 30SC, CRLEL, CRMP, Panier
            {55, 58},   // 2 BS and the first Fac
            {78, 81},   // Agent en 2nd, Autre agent
            {90, 92},   // Observation
            {92, 94},   // next line's Fac
            {272, 58},  // after the last KmTrain, the first train number
            {1, 2},
        };
        for (const auto &[from, to] : moves)
            QCOMPARE(nextSlot(from), to);
    }

    void previousSlotSkipsTheMarksButNotTheDate()
    {
        const QList<QPair<int, int>> moves = {
            {14, 12}, {54, 49}, {58, 55}, {81, 78}, {92, 90}, {94, 92}, {7, 6}, {1, 1}, {272, 271 - 1},
        };
        for (const auto &[from, to] : moves)
            QCOMPARE(previousSlot(from), to);
    }

    void engineTabCyclesOverTheLineEngines()
    {
        const QList<int> cycle = {82, 84, 88, 118, 120, 124, 154, 156, 160,
                                  190, 192, 196, 226, 228, 232, 262, 264, 268};
        for (int i = 0; i < cycle.size(); ++i) {
            QVERIFY(isLineEngineSlot(cycle[i]));
            QCOMPARE(nextEngineSlot(cycle[i]), cycle[(i + 1) % cycle.size()]);
        }
        QVERIFY(!isLineEngineSlot(39));
        QCOMPARE(nextEngineSlot(58), 82);
    }

    void controlsAndListFiles()
    {
        using EditRules::Control;
        QCOMPARE(EditRules::controlFor(6), Control::Date);
        for (int s : {9, 11, 14, 35, 38, 39, 41, 49, 59, 60, 61, 68, 72, 73, 74, 82, 84, 88, 239})
            QVERIFY2(EditRules::controlFor(s) == Control::List, qPrintable(QString::number(s)));
        for (int s : {1, 8, 10, 13, 15, 16, 50, 56, 57, 58, 62, 81, 272})
            QVERIFY2(EditRules::controlFor(s) == Control::Text, qPrintable(QString::number(s)));
        QCOMPARE(EditRules::listFileFor(47, {}), QStringLiteral("ListeGares.txt"));
        QCOMPARE(EditRules::listFileFor(32, {}), QStringLiteral("ListeTaches.txt"));
        QCOMPARE(EditRules::listFileFor(72 + 36, {}), QStringLiteral("ListeCateg.txt"));
        QCOMPARE(EditRules::listFileFor(73, {}), QStringLiteral("InCompo.txt"));
        QCOMPARE(EditRules::listFileFor(74, {}), QStringLiteral("AgentSeul.txt"));
        QCOMPARE(EditRules::listFileFor(45, {}), QStringLiteral("ListeEngins.txt"));
        QCOMPARE(EditRules::listFileFor(268, QStringLiteral("ListeEnginsAut.txt")),
                 QStringLiteral("ListeEnginsAut.txt"));
    }

    void typedCharacters()
    {
        QCOMPARE(EditRules::typedText(1, QStringLiteral("é")), QStringLiteral("é"));
        QCOMPARE(EditRules::typedText(2, QStringLiteral("a")), QStringLiteral("a"));
        QCOMPARE(EditRules::typedText(3, QStringLiteral("é")), QStringLiteral("É"));
        for (int s : {13, 50, 51, 52, 53})
            QCOMPARE(EditRules::typedText(s, QStringLiteral("7")), QStringLiteral("x"));
        // 56 and the line marks are toggled by click, typing there is plain text.
        QCOMPARE(EditRules::typedText(56, QStringLiteral("x")), QStringLiteral("X"));
        QVERIFY(EditRules::prefixFirst(238, {}, QStringLiteral("14")));
        QVERIFY(!EditRules::prefixFirst(238, QStringLiteral("1"), QStringLiteral("14")));
        QVERIFY(!EditRules::prefixFirst(239, {}, QStringLiteral("14")));
        QVERIFY(!EditRules::prefixFirst(58, {}, {}));
    }

    void shuntingEngineLength()
    {
        const QString six = QStringLiteral("BB6700");
        QVERIFY(EditRules::listKeyRefused(39, six, false, false));
        QVERIFY(!EditRules::listKeyRefused(39, six, false, true));  // Backspace
        QVERIFY(!EditRules::listKeyRefused(48, six, true, false));  // over a selection
        QVERIFY(!EditRules::listKeyRefused(42, QStringLiteral("BB670"), false, false));
        QVERIFY(!EditRules::listKeyRefused(82, six, false, false)); // a line engine
    }

    void marksToggleOnClickExceptNonConforme()
    {
        QVERIFY(!EditRules::togglesOnClick(13));
        for (int s : {50, 53, 56, 57, 79, 80, 91, 271})
            QVERIFY(EditRules::togglesOnClick(s));
        QVERIFY(!EditRules::togglesOnClick(58));
        QCOMPARE(EditRules::toggled({}), QStringLiteral("x"));
        QCOMPARE(EditRules::toggled(QStringLiteral("x")), QString());
    }

    void eraseAndRestoreKeepTheirExceptions()
    {
        AppState state;
        for (int s = 1; s <= 272; ++s)
            state.record.setSlot(s, QString::number(s));
        state.config.nom = QStringLiteral("MARTIN");

        FrameErase::erase(state, Frame::A);
        QCOMPARE(state.record.slot(6), QStringLiteral("6"));
        QVERIFY(state.record.slot(1).isEmpty() && state.record.slot(8).isEmpty());
        FrameErase::erase(state, Frame::B3);
        QCOMPARE(state.record.slot(56), QStringLiteral("56"));
        QVERIFY(state.record.slot(55).isEmpty());
        FrameErase::erase(state, Frame::C);
        QCOMPARE(state.record.slot(272), QStringLiteral("272"));
        QVERIFY(state.record.slot(57).isEmpty() && state.record.slot(271).isEmpty());
        QCOMPARE(state.record.slot(56), QStringLiteral("56"));

        FrameErase::restore(state, Frame::A);
        QCOMPARE(state.record.slot(1), QStringLiteral("MARTIN"));
        QCOMPARE(state.record.slot(2), QString());
        QCOMPARE(state.record.slot(7), QStringLiteral("7"));
        QCOMPARE(state.record.slot(8), QStringLiteral("8"));
        FrameErase::restore(state, Frame::C);
        for (int s = 57; s <= 272; ++s)
            QCOMPARE(state.record.slot(s), QString::number(s));
    }

    void restoreSkipsEmptyValuesAndASecondEraseLeavesNothing()
    {
        AppState state;
        state.record.setSlot(9, QStringLiteral("PNORD"));
        FrameErase::erase(state, Frame::B1);
        state.record.setSlot(10, QStringLiteral("05H30")); // typed after the erase
        FrameErase::restore(state, Frame::B1);
        QCOMPARE(state.record.slot(9), QStringLiteral("PNORD"));
        QCOMPARE(state.record.slot(10), QStringLiteral("05H30"));

        FrameErase::erase(state, Frame::B2);
        state.record.setSlot(14, QStringLiteral("DISPO"));
        FrameErase::erase(state, Frame::B2);
        FrameErase::erase(state, Frame::B2);
        FrameErase::restore(state, Frame::B2);
        QCOMPARE(state.record.slot(14), QString());
    }
};

KERBO_TEST(EditRulesTest)
#include "EditRulesTest.moc"
