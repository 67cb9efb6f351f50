#include "core/print/RectoPrinter.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/model/EngineText.h"
#include "core/model/SlotTable.h"
#include "core/print/Page.h"
#include "core/print/PrinterFonts.h"

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

// Only a ticked box leaves its frame out, as the options window shows it: 1, and nothing else.
bool leftOut(SlotTable::Frame frame, const Options &options)
{
    return (frame == SlotTable::Frame::B1 && options.pasImpB1 == 1) ||
           (frame == SlotTable::Frame::B2 && options.pasImpB2 == 1);
}

// The offset of a slot's row from its item: train line or row of the B2 tables.
double rowOffset(int slot, const SlotTable::SlotInfo &info, const PrintLayout &layout)
{
    const int line = SlotTable::lineOf(slot);
    if (line >= 0)
        return line * layout.y(PrintItems::LinePitchC);
    if (info.b2Row > 0)
        return info.b2Row * layout.y(PrintItems::RowPitchB2);
    return 0;
}

} // namespace

QString dateText(const QDate &date)
{
    return date.toString(u"ddMMyy");
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
    for (int slot = 1; slot <= SlotTable::LastLineSlot; ++slot) {
        const SlotTable::SlotInfo &info = SlotTable::info(slot);
        if (info.placement == SlotTable::Placement::None || leftOut(info.frame, options))
            continue;
        p.setRowOffset(rowOffset(slot, info, layout));
        const QString &text =
            info.kind == SlotTable::Kind::Date ? dateText(record.serviceDate()) : record.slot(slot);
        switch (info.placement) {
        case SlotTable::Placement::Whole: p.whole(text, info.printItem); break;
        case SlotTable::Placement::Chars: p.chars(text, info.printItem, info.printLimit); break;
        case SlotTable::Placement::Engine: {
            const EngineParts parts = engineParts(text, slot, options);
            p.whole(parts.letter, info.printItem);
            p.chars(parts.number, info.numberItem);
            p.chars(parts.code, info.codeItem);
            break;
        }
        case SlotTable::Placement::None: break;
        }
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
