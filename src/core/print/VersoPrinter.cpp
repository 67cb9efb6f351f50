#include "core/print/VersoPrinter.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/model/PrintItems.h"
#include "core/print/Page.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrinterFonts.h"
#include "core/print/VersoLines.h"

namespace VersoPrinter {

QPointF position(const VersoPlacement::Place &place, const PrintLayout &layout)
{
    const double p = layout.y(PrintItems::VersoObsWidth);
    return {layout.x(place.item) + place.dx, layout.y(place.item) + place.dy + place.spacings * p};
}

QString textAt(const VersoContent &verso, const VersoLines &lines, VersoField field)
{
    const int line = field.index;
    const bool printed = line >= 0 && line < VersoLines::Printed;
    switch (field.text) {
    case VersoText::NumTrainH:
        return printed ? lines.trainNumbers[size_t(line)] : QString();
    case VersoText::ObsMec:
        return printed ? lines.observations[size_t(line)] : QString();
    default:
        return versoText(verso, field);
    }
}

double versoShiftX(const PrintLayout &l)
{
    const double x = l.x(PrintItems::VersoShift) + l.x(PrintItems::VersoCentring);
    return x > 0 ? x - l.x(PrintItems::RectoCentring) : x;
}

QPointF printShift(const PrintLayout &l)
{
    return {versoShiftX(l), l.y(PrintItems::VersoShift) + l.y(PrintItems::VersoCentring)};
}

QPointF previewShift(const PrintLayout &l)
{
    return {l.x(PrintItems::VersoShift) + l.x(PrintItems::ScreenCalibrationVerso),
            l.y(PrintItems::VersoShift) + l.y(PrintItems::ScreenCalibrationVerso)};
}

void draw(const VersoContent &verso, const VersoLines &lines, const PrintLayout &layout,
          const QPointF &shift, Page &page)
{
    page.setShift(shift.x(), shift.y());
    for (const VersoPlacement::Place &place : VersoPlacement::places()) {
        const QString text = textAt(verso, lines, place.field);
        if (text.isEmpty()) continue;
        const QPointF at = position(place, layout);
        page.drawText(at.x(), at.y(), text);
    }
}

void print(AppState &state, Page &page)
{
    page.setFont(PrinterFonts::versoFontForPrinting(state.config, page.font()));
    draw(state.verso, state.versoLines, state.printLayout, printShift(state.printLayout), page);
    page.endPage();
}

void reportNoPrinterToMeasure(Prompts &prompts)
{
    prompts.message(QStringLiteral("Attention n'y a acune imprimante installée !!"),
                    QStringLiteral("Pour que le programme fonctionne normalement \r\n"
                                   "il faut qu'une imprimante soit installée par défaut.\r\n"
                                   "\r\n"
                                   "Kerbo ne peut donc pas imprimer vos bulletins."),
                    Prompts::Icon::Exclamation);
}

} // namespace VersoPrinter
