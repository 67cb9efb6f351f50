#include "TestMain.h"

#include "core/AppState.h"
#include "core/editor/EditRules.h"
#include "core/editor/FrameErase.h"
#include "core/model/ListFiles.h"

using SlotTable::Frame;

// The rules the window tests reach only in part: which control and list serve each slot, and
// the exceptions of the frame erase and restore.
class EditRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndListFiles()
    {
        using EditRules::Control;
        QCOMPARE(EditRules::controlFor(6), Control::Date);
        for (int s : {9, 11, 14, 35, 38, 39, 41, 49, 59, 60, 61, 68, 72, 73, 74, 82, 84, 88, 239})
            QVERIFY2(EditRules::controlFor(s) == Control::List, qPrintable(QString::number(s)));
        for (int s : {1, 8, 10, 13, 15, 16, 50, 56, 57, 58, 62, 81, 272})
            QVERIFY2(EditRules::controlFor(s) == Control::Text, qPrintable(QString::number(s)));
        const QList<QPair<int, QString>> files = {
            {47, "ListeGares.txt"}, {32, "ListeTaches.txt"}, {108, "ListeCateg.txt"},
            {73, "InCompo.txt"},    {74, "AgentSeul.txt"},   {45, "ListeEngins.txt"},
        };
        for (const auto &[slot, file] : files)
            QCOMPARE(EditRules::listFileFor(slot, {}), file);
        QCOMPARE(EditRules::listFileFor(268, "ListeEnginsAut.txt"), QStringLiteral("ListeEnginsAut.txt"));
        QCOMPARE(ListFiles::engineListFile(0), QStringLiteral("ListeEngins.txt"));
        QCOMPARE(ListFiles::engineListFile(1), QStringLiteral("ListeEnginsAut.txt"));
        // The six-character limit of the shunting engines: not over a selection, not on a line.
        QVERIFY(!EditRules::listKeyRefused(48, QStringLiteral("BB6700"), true, false));
        QVERIFY(!EditRules::listKeyRefused(82, QStringLiteral("BB6700"), false, false));
    }

    void eraseAndRestoreKeepTheirExceptions()
    {
        AppState state;
        for (int s = 1; s <= 272; ++s)
            state.record.setSlot(s, QString::number(s));
        state.config.nom = QStringLiteral("MARTIN");

        FrameErase::erase(state.record, state.saveAreas, Frame::A);
        QCOMPARE(state.record.slot(6), QStringLiteral("6"));
        QVERIFY(state.record.slot(1).isEmpty() && state.record.slot(8).isEmpty());
        FrameErase::erase(state.record, state.saveAreas, Frame::B3);
        QCOMPARE(state.record.slot(56), QStringLiteral("56"));
        QVERIFY(state.record.slot(55).isEmpty());
        FrameErase::erase(state.record, state.saveAreas, Frame::C);
        QCOMPARE(state.record.slot(272), QStringLiteral("272"));
        QVERIFY(state.record.slot(57).isEmpty() && state.record.slot(271).isEmpty());
        QCOMPARE(state.record.slot(56), QStringLiteral("56"));

        FrameErase::restore(state.record, state.saveAreas, state.config, Frame::A);
        QCOMPARE(state.record.slot(1), QStringLiteral("MARTIN"));
        QCOMPARE(state.record.slot(2), QString());
        QCOMPARE(state.record.slot(7), QStringLiteral("7"));
        QCOMPARE(state.record.slot(8), QStringLiteral("8"));
        FrameErase::restore(state.record, state.saveAreas, state.config, Frame::C);
        for (int s = 57; s <= 272; ++s)
            QCOMPARE(state.record.slot(s), QString::number(s));
    }

    void restoreSkipsEmptyValuesAndASecondEraseLeavesNothing()
    {
        AppState state;
        state.record.setSlot(9, QStringLiteral("PNORD"));
        FrameErase::erase(state.record, state.saveAreas, Frame::B1);
        state.record.setSlot(10, QStringLiteral("05H30")); // typed after the erase
        FrameErase::restore(state.record, state.saveAreas, state.config, Frame::B1);
        QCOMPARE(state.record.slot(9), QStringLiteral("PNORD"));
        QCOMPARE(state.record.slot(10), QStringLiteral("05H30"));

        state.record.setSlot(14, QStringLiteral("DISPO"));
        FrameErase::erase(state.record, state.saveAreas, Frame::B2);
        FrameErase::erase(state.record, state.saveAreas, Frame::B2);
        FrameErase::restore(state.record, state.saveAreas, state.config, Frame::B2);
        QCOMPARE(state.record.slot(14), QString());
    }
};

KERBO_TEST(EditRulesTest)
#include "EditRulesTest.moc"
