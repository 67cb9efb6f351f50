#include "TestMain.h"

#include "core/AppState.h"
#include "core/editor/EditRules.h"
#include "core/editor/FrameErase.h"

using namespace Qt::StringLiterals;
using SlotTable::Frame;

// The rules the window tests reach only in part: which control and list serve each slot, and
// the exceptions of the frame erase and restore.
class EditRulesTest : public QObject
{
    Q_OBJECT

    AppState m_state;
    QString slot(int s) const { return m_state.record.slot(s); }
    void set(int s, const QString &text) { m_state.record.setSlot(s, text); }
    void erase(Frame f) { FrameErase::erase(m_state.record, m_state.saveAreas, f); }
    void restore(Frame f)
    {
        FrameErase::restore(m_state.record, m_state.saveAreas, m_state.config, f);
    }

private slots:
    void init() { m_state = AppState(); }

    // Which list feeds each box of the form; the date has its own control, every other box the
    // text control.
    void controlsAndListFiles()
    {
        using EditRules::Control;
        using namespace SlotTable;
        QHash<int, QString> files;
        const auto feed = [&files](const QString &file, std::initializer_list<int> boxes,
                                   std::initializer_list<int> offsets) {
            for (int s : boxes)
                files.insert(s, file);
            for (int line = 0; line < LineCount; ++line)
                for (int r : offsets)
                    files.insert(lineSlot(line, r), file);
        };
        feed(u"ListeGares.txt"_s, {9, 11, 38, 40, 41, 43, 44, 46, 47, 49}, {De, A, Via, Gare});
        feed(u"ListeTaches.txt"_s, {14, 17, 20, 23, 26, 29, 32, 35}, {});
        feed(u"ListeCateg.txt"_s, {}, {Categ});
        feed(u"InCompo.txt"_s, {}, {IndCompo});
        feed(u"AgentSeul.txt"_s, {}, {AgSeul});
        feed(u"ListeEnginsAut.txt"_s, {39, 42, 45, 48}, {EnginTitu, EnginUm1, EnginUm2});
        for (int s = 1; s <= LastLineSlot; ++s) {
            const QString file = files.value(s);
            QVERIFY2(EditRules::listFileFor(s, u"ListeEnginsAut.txt"_s) == file,
                     qPrintable(QString::number(s)));
            const Control control = s == DateSlot    ? Control::Date
                                    : file.isEmpty() ? Control::Text
                                                     : Control::List;
            QVERIFY2(EditRules::controlFor(s) == control, qPrintable(QString::number(s)));
        }
        QCOMPARE(EditRules::listFileFor(45, {}), u"ListeEngins.txt"_s);
        // Typed text goes to capitals within the code page (µ and ß have none there); the names
        // keep their case, the typed marks are crosses.
        QCOMPARE(EditRules::typedText(60, u"gare œuvre µß"_s), u"GARE ŒUVRE µß"_s);
        QCOMPARE(EditRules::typedText(1, u"Dupont"_s), u"Dupont"_s);
        QCOMPARE(EditRules::typedText(2, u"Jean"_s), u"Jean"_s);
        QCOMPARE(EditRules::typedText(3, u"Sncf"_s), u"SNCF"_s);
        QCOMPARE(EditRules::typedText(13, u"a"_s), u"x"_s);
        // The six-character limit of the shunting engines: not over a selection, not on a line.
        QVERIFY(!EditRules::listKeyRefused(48, u"BB6700"_s, true, false));
        QVERIFY(!EditRules::listKeyRefused(82, u"BB6700"_s, false, false));
    }

    // What a slot keeps of a text brought in: one line, bytes the files can hold.
    void storableText_data()
    {
        QTest::addColumn<QString>("brought");
        QTest::addColumn<QString>("kept");
        QTest::newRow("cells and lines") << u"\tab\r\ncd\ne\rf"_s << u" ab cd e f"_s;
        QTest::newRow("invisible marks go") << u"\uFEFFpa\u200Bris\u0007\u007F"_s << u"paris"_s;
        QTest::newRow("outside the code page")
            << u"Ωmega 😀 Łódź"_s << u"?mega ? ?ód?"_s;
        QTest::newRow("the code page whole")
            << u"€ œ ’ « » é \u00AD \u0081 ÿ"_s << u"€ œ ’ « » é \u00AD \u0081 ÿ"_s;
    }
    void storableText()
    {
        QFETCH(QString, brought);
        QTEST(EditRules::storable(brought), "kept");
    }

    void eraseAndRestoreKeepTheirExceptions()
    {
        for (int s = 1; s <= 272; ++s)
            set(s, QString::number(s));
        m_state.config.nom = u"MARTIN"_s;

        erase(Frame::A); // not the date
        QCOMPARE(slot(6), u"6"_s);
        QVERIFY(slot(1).isEmpty() && slot(8).isEmpty());
        erase(Frame::B3); // not its last mark
        QCOMPARE(slot(56), u"56"_s);
        QVERIFY(slot(55).isEmpty());
        erase(Frame::C); // not the last line's km
        QCOMPARE(slot(272), u"272"_s);
        QVERIFY(slot(57).isEmpty() && slot(271).isEmpty());
        QCOMPARE(slot(56), u"56"_s);

        restore(Frame::A); // the cartouche comes from the settings
        QCOMPARE(QStringList({slot(1), slot(2), slot(7), slot(8)}),
                 QStringList({u"MARTIN"_s, QString(), u"7"_s, u"8"_s}));
        restore(Frame::C);
        for (int s = 57; s <= 272; ++s)
            QCOMPARE(slot(s), QString::number(s));
    }

    // What was typed after an erase is not wiped by an empty saved value.
    void restoreSkipsEmptyValuesAndASecondEraseLeavesNothing()
    {
        set(SlotTable::JourneeSlot, u"J12"_s);
        erase(Frame::A);
        QCOMPARE(slot(SlotTable::JourneeSlot), QString());
        set(SlotTable::RoulementSlot, u"R7"_s);
        restore(Frame::A);
        QCOMPARE(slot(SlotTable::RoulementSlot), u"R7"_s);
        QCOMPARE(slot(SlotTable::JourneeSlot), u"J12"_s);

        set(9, u"PNORD"_s);
        erase(Frame::B1);
        set(10, u"05H30"_s);
        restore(Frame::B1);
        QCOMPARE(slot(9), u"PNORD"_s);
        QCOMPARE(slot(10), u"05H30"_s);

        set(14, u"DISPO"_s);
        erase(Frame::B2);
        erase(Frame::B2);
        restore(Frame::B2);
        QCOMPARE(slot(14), QString());
        // The frame runs to its last box, the last shunting depot code.
        set(13, u"T"_s);
        set(49, u"SOT"_s);
        erase(Frame::B2);
        QCOMPARE(slot(13) + slot(49), QString());
        restore(Frame::B2);
        QCOMPARE(slot(13) + slot(49), u"TSOT"_s);
    }
};

KERBO_TEST(EditRulesTest)
#include "EditRulesTest.moc"
