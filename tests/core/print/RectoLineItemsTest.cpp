#include "TestMain.h"

#include "FakePrompts.h"
#include "RecordingPage.h"

#include "core/AppState.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"

#include <cmath>

using namespace Qt::StringLiterals;
using namespace SlotTable;

namespace {

bool near(double a, double b) { return std::abs(a - b) < 1e-6; }

// What a train line's field prints, and where: the item of the form, in one piece or one
// character per box, after the limit of the field.
struct Expected {
    LineOffset offset;
    const char *value;
    int item;
    bool whole;
    const char *printed;
};

// Every field of a line with a text of its own. Engines print in three pieces, given apart below.
const Expected LineFields[] = {
    {Fac, "F", 27, true, "F"},
    {NumeroTrain, "830123", 28, false, "830123"},
    {De, "PARIS", 29, false, "PARIS"},
    {A, "LYON", 30, false, "LYON"},
    {Via, "DIJ", 31, false, "DIJ"},
    {EvoDep, "12", 32, false, "12"},
    {MvDep, "MD", 33, false, "MD"},
    {HeureDep, "0605", 34, false, "0605"},
    {HeureArr, "0812", 35, false, "0812"},
    {MvArr, "MA", 36, false, "MA"},
    {EvoArr, "34", 37, false, "34"},
    {Categ, "EXP", 38, false, "EXP"},
    {AgSeul, "ASX", 40, false, "AS"},
    {AgentEnSecond, "SECOND", 42, true, "SECOND"},
    {AutreAgent, "AUTRE", 43, true, "AUTRE"},
    {Nat1, "N1", 44, false, "N1"},
    {Nat2, "N2", 45, false, "N2"},
    {De2Um1, "DU1", 50, false, "DU1"},
    {A2Um1, "AU1", 51, false, "AU1"},
    {Nat3, "N3", 68, false, "N3"},
    {De2Um2, "DU2", 72, false, "DU2"},
    {A2Um2, "AU2", 73, false, "AU2"},
    {NbVeh, "9", 41, false, "9"},
    {IndCompo, "ICOMPOS", 39, false, "ICOMP"},
    {Observation, "RETARD", 52, true, "RETARD"},
    {Gare, "GARE", 61, false, "GARE"},
    {HeureArr2, "0730", 62, false, "0730"},
    {Mv, "MV", 63, false, "MV"},
    {HeureDep2, "0735", 64, false, "0735"},
    {Long, "310", 65, false, "310"},
    {Masse, "640", 66, false, "640"},
    {Coef, "7", 67, false, "7"},
};

struct EngineItems {
    LineOffset offset;
    const char *value;
    const char *letter;
    int letterItem;
    const char *number;
    int numberItem;
    const char *code;
    int codeItem;
};

const EngineItems Engines[] = {
    {EnginTitu, "B 67401 SOT", "B", 56, "67401", 46, "SOT", 48},
    {EnginUm1, "C 27301 LYO", "C", 57, "27301", 47, "LYO", 49},
    {EnginUm2, "D 36002 NVS", "D", 69, "36002", 70, "NVS", 71},
};

} // namespace

// A whole train line printed: each field lands at its own item of the form.
class RectoLineItemsTest : public QObject
{
    Q_OBJECT

    AppState m_state;
    RecordingPage m_page;
    double m_row = 0;

    // The text drawn in one piece at the item, on the line's row.
    QStringList wholeAt(int item) const
    {
        QStringList found;
        for (const RecordingPage::Text &t : m_page.texts)
            if (near(t.x, m_state.printLayout.x(item))
                && near(t.y, m_state.printLayout.y(item) + m_row))
                found << t.text;
        return found;
    }
    // The characters in the first count + 1 boxes of the item, left to right (one box more, to
    // see a limit overrun); the first box stands one pitch right of the item.
    QString boxesAt(int item, int count) const
    {
        QString s;
        for (int n = 1; n <= count + 1; ++n)
            for (const RecordingPage::Text &t : m_page.texts)
                if (near(t.x, m_state.printLayout.x(item) + n * 4.3)
                    && near(t.y, m_state.printLayout.y(item) + m_row))
                    s += t.text;
        return s;
    }

private slots:
    void init()
    {
        m_state = AppState();
        m_state.printLayout.DefautParaImp();
        m_page = RecordingPage();
        const int line = 2;
        m_row = line * 25.6;
        for (const Expected &f : LineFields)
            m_state.record.setSlot(lineSlot(line, f.offset), QString::fromUtf8(f.value));
        for (const EngineItems &e : Engines)
            m_state.record.setSlot(lineSlot(line, e.offset), QString::fromUtf8(e.value));
        RectoPrinter::draw(m_state.record, m_state.printLayout, m_state.config.options,
                           RectoPrinter::printShift(m_state.printLayout), m_page);
    }

    void everyFieldOfALineAtItsItem_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(LineFields)); ++i)
            QTest::addRow("offset %d", int(LineFields[i].offset)) << i;
    }

    void everyFieldOfALineAtItsItem()
    {
        QFETCH(int, index);
        const Expected &f = LineFields[index];
        const QString printed = QString::fromUtf8(f.printed);
        if (f.whole)
            QCOMPARE(wholeAt(f.item), QStringList{printed});
        else
            QCOMPARE(boxesAt(f.item, int(printed.size())), printed);
    }

    void enginesInThreePieces_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("EnginTitu") << 0;
        QTest::newRow("EnginUm1") << 1;
        QTest::newRow("EnginUm2") << 2;
    }

    void enginesInThreePieces()
    {
        QFETCH(int, index);
        const EngineItems &e = Engines[index];
        QCOMPARE(wholeAt(e.letterItem), QStringList{QString::fromUtf8(e.letter)});
        QCOMPARE(boxesAt(e.numberItem, 5), QString::fromUtf8(e.number));
        QCOMPARE(boxesAt(e.codeItem, 3), QString::fromUtf8(e.code));
    }

    void boldAndItalicAsWindowsStoresThem()
    {
        for (const char16_t *yes : {u"True", u"TRUE", u"true", u" True ", u"-1", u"1"})
            QVERIFY(PrinterFonts::textBool(QString::fromUtf16(yes)));
        for (const char16_t *no : {u"False", u"FALSE", u"0", u"", u"Vrai", u"x"})
            QVERIFY(!PrinterFonts::textBool(QString::fromUtf16(no)));
        const QFont font = PrinterFonts::toQFont({u"Arial"_s, 10, u"TRUE"_s, u"FALSE"_s});
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
    }

    // A font exactly as high as the boxes fits; a hair higher is refused and asked again.
    void fontHeightLimitIsInclusive()
    {
        struct Measure : RecordingPage {
            double height = 0;
            double textHeight(const QString &) const override { return height; }
        };
        for (const auto &[height, accepted] : {std::pair{4.3, true}, std::pair{4.3001, false}}) {
            Measure measure;
            measure.height = height;
            FakePrompts prompts;
            PrinterFont font{u"Old"_s, 8, u"False"_s, u"False"_s};
            int asked = 0;
            const bool chosen = PrinterFonts::chooseFont(
                font, PrinterFonts::RectoHeightLimitMm, measure, prompts,
                [&asked](const QFont &) -> std::optional<QFont> {
                    // The second time the driver cancels.
                    return ++asked == 1 ? std::optional<QFont>(QFont(u"Arial"_s, 9))
                                        : std::nullopt;
                });
            QCOMPARE(chosen, accepted);
            QCOMPARE(prompts.calls.size(), accepted ? 0 : 1);
            QCOMPARE(font.name, accepted ? u"Arial"_s : u"Old"_s);
        }
    }
};

KERBO_TEST(RectoLineItemsTest)
#include "RectoLineItemsTest.moc"
