#include "core/print/RectoPrinter.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/model/EngineText.h"
#include "core/model/SlotTable.h"
#include "core/print/Page.h"
#include "core/print/PrinterFonts.h"


#include <optional>

namespace RectoPrinter {
namespace {

// Places texts at the items of the layout, with a row offset for the repeated rows.
class Placer
{
public:
    Placer(const PrintLayout &layout, Page &page)
        : m_layout(layout), m_page(page), m_pitch(layout.y(PrintItems::CharPitch))
    {}

    void setRowOffset(double offset) { m_row = offset; }

    // The text in one piece at the anchor.
    void whole(const QString &text, int item)
    {
        if (!text.isEmpty())
            m_page.drawText(m_layout.x(item), m_layout.y(item) + m_row, text);
    }

    // One character per box: the n-th character (from 1) n pitches right of the anchor, which
    // the stored calibrations rely on.
    void chars(const QString &text, int item, int limit = 0)
    {
        const qsizetype count = limit > 0 ? std::min<qsizetype>(text.size(), limit) : text.size();
        const double x = m_layout.x(item);
        const double y = m_layout.y(item) + m_row;
        for (qsizetype n = 1; n <= count; ++n)
            m_page.drawText(x + double(n) * m_pitch, y, text.mid(n - 1, 1));
    }

private:
    const PrintLayout &m_layout;
    Page &m_page;
    double m_pitch;
    double m_row = 0;
};

// An engine field split for its three boxes, with the automotrice defaults.
EngineParts engineParts(const QString &field, int slot, const Options &options)
{
    const bool automotrice = options.enaut == 1;
    EngineParts parts = ExtractEngin(field, slot, options.enaut, options.lettreAutom);
    if (parts.number.isEmpty() && parts.letter == u"/")
        parts.letter = automotrice ? options.lettreAutom : QString();
    if (parts.code.isEmpty() && !field.isEmpty() && automotrice)
        parts.code = options.emtaut;
    return parts;
}

void drawFrameA(const BulletinRecord &r, Placer &p)
{
    p.whole(r.slot(1), 1);
    p.whole(r.slot(2), 2);
    p.chars(r.slot(3), 3);
    p.chars(r.slot(4), 4);
    p.chars(r.slot(5), 5);
    p.chars(dateText(r.serviceDate()), 6);
    p.chars(r.slot(7), 7);
    p.chars(r.slot(8), 8);
}

void drawFrameB1(const BulletinRecord &r, Placer &p)
{
    for (int i = 0; i < 4; ++i)
        p.chars(r.slot(9 + i), 9 + i);
}

void drawFrameB2(const BulletinRecord &r, const PrintLayout &layout, Placer &p)
{
    p.whole(r.slot(13), 13);
    struct Column {
        int firstSlot;
        int item;
        int limit;
    };
    static constexpr Column columns[] = {
        {14, 14, 0}, {26, 17, 0}, {15, 15, 0}, {27, 18, 0}, {16, 16, 0},
        {28, 19, 0}, {38, 58, 3}, {39, 59, 6}, {40, 60, 3},
    };
    for (const Column &c : columns) {
        for (int k = 0; k < 4; ++k) {
            p.setRowOffset(k * layout.y(PrintItems::RowPitchB2));
            p.chars(r.slot(c.firstSlot + 3 * k), c.item, c.limit);
        }
    }
    p.setRowOffset(0);
}

void drawFrameB3(const BulletinRecord &r, Placer &p)
{
    p.whole(r.slot(50), 22);
    p.whole(r.slot(51), 20);
    p.whole(r.slot(52), 21);
    p.whole(r.slot(53), 23);
    p.whole(r.slot(54), 24);
    p.chars(r.slot(55), 25);
    p.whole(r.slot(56), 26);
}

void drawEngine(const BulletinRecord &r, int line, int offset, int letterItem, int numberItem,
                int codeItem, const Options &options, Placer &p)
{
    const int slot = SlotTable::lineSlot(line, offset);
    const EngineParts parts = engineParts(r.slot(slot), slot, options);
    p.whole(parts.letter, letterItem);
    p.chars(parts.number, numberItem);
    p.chars(parts.code, codeItem);
}

void drawLine(const BulletinRecord &r, int line, const Options &options, Placer &p)
{
    using namespace SlotTable;
    auto field = [&](int offset) -> const QString & { return r.slot(lineSlot(line, offset)); };

    p.whole(field(Fac), 27);
    p.chars(field(NumeroTrain), 28);
    p.chars(field(De), 29);
    p.chars(field(A), 30);
    p.chars(field(Via), 31);
    p.chars(field(EvoDep), 32);
    p.chars(field(MvDep), 33);
    p.chars(field(HeureDep), 34);
    p.chars(field(HeureArr), 35);
    p.chars(field(MvArr), 36);
    p.chars(field(EvoArr), 37);
    p.chars(field(Categ), 38);
    p.chars(field(AgSeul), 40, 2);
    p.whole(field(AgentEnSecond), 42);
    p.whole(field(AutreAgent), 43);
    drawEngine(r, line, EnginTitu, 56, 46, 48, options, p);
    p.chars(field(Nat1), 44);
    drawEngine(r, line, EnginUm1, 57, 47, 49, options, p);
    p.chars(field(Nat2), 45);
    p.chars(field(De2Um1), 50);
    p.chars(field(A2Um1), 51);
    drawEngine(r, line, EnginUm2, 69, 70, 71, options, p);
    p.chars(field(Nat3), 68);
    p.chars(field(De2Um2), 72);
    p.chars(field(A2Um2), 73);
    p.chars(field(NbVeh), 41);
    p.chars(field(IndCompo), 39, 5);
    p.whole(field(Observation), 52);
    p.chars(field(Gare), 61);
    p.chars(field(HeureArr2), 62);
    p.chars(field(Mv), 63);
    p.chars(field(HeureDep2), 64);
    p.chars(field(Long), 65);
    p.chars(field(Masse), 66);
    p.chars(field(Coef), 67);
}

} // namespace

QString dateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1%2%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QPointF printShift(const PrintLayout &layout)
{
    return {layout.x(PrintItems::RectoShift) + layout.x(PrintItems::RectoCentring),
            layout.y(PrintItems::RectoShift) + layout.y(PrintItems::RectoCentring)};
}

QPointF previewShift(const PrintLayout &layout)
{
    return {layout.x(PrintItems::RectoShift) + layout.x(PrintItems::ScreenCalibration),
            layout.y(PrintItems::RectoShift) + layout.y(PrintItems::ScreenCalibration)};
}

void draw(const BulletinRecord &record, const PrintLayout &layout, const Options &options,
          const QPointF &shift, Page &page)
{
    page.setShift(shift.x(), shift.y());
    Placer p(layout, page);
    drawFrameA(record, p);
    if (options.pasImpB1 == 0)
        drawFrameB1(record, p);
    if (options.pasImpB2 == 0)
        drawFrameB2(record, layout, p);
    drawFrameB3(record, p);
    for (int line = 0; line < SlotTable::LineCount; ++line) {
        p.setRowOffset(line * layout.y(PrintItems::LinePitchC));
        drawLine(record, line, options, p);
    }
}

void print(AppState &state, Page &page)
{
    page.setFont(PrinterFonts::rectoFontForPrinting(state.config, page.font()));
    draw(state.record, state.printLayout, state.config.options, printShift(state.printLayout),
         page);
    page.endPage();
}

} // namespace RectoPrinter

void RectoPrinter::reportNoPrinter(Prompts &prompts)
{
    prompts.message(QStringLiteral("Attention n'y a acune imprimante installée!!"),
                    QStringLiteral("Pour que le programme fonctionne normalement \r\n"
                                   "il faut qu'une imprimante soit installée par défaut.\r\n"
                                   "\r\n"
                                   "Kerbo ne peut donc pas imprimer vos bulletins."),
                    Prompts::Icon::Exclamation);
}
