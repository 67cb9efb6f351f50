#include "ui/preview/PlainPaper.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/form/FormPicture.h"
#include "core/form/VersoPicture.h"
#include "core/model/PrintItems.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "core/print/VersoWrap.h"
#include "ui/Session.h"
#include "ui/print/PrinterPage.h"

#include <QPainter>
#include <QPrinter>

namespace PlainPaper {
namespace {

// Where the picture of the form goes: the print shift without the general shift, which places
// the texts on the form rather than the form on the sheet.
QPointF pictureOffset(const PrintLayout &layout, PrintSide side)
{
    if (side == PrintSide::Recto)
        return RectoPrinter::printShift(layout) -
               QPointF(layout.x(PrintItems::RectoShift), layout.y(PrintItems::RectoShift));
    return VersoPrinter::printShift(layout) -
           QPointF(layout.x(PrintItems::VersoShift), layout.y(PrintItems::VersoShift));
}

} // namespace

bool print(Session &session, PrintSide side, QPrinter &printer)
{
    AppState &state = session.state;
    PrinterPage page(printer);
    if (!page.begin()) {
        if (!PrinterPage::reportUnwritableFile(session.prompts, printer))
            session.prompts.message(
                QStringLiteral("Kerbo"),
                QStringLiteral("L'imprimante ne répond pas.\r\nRien n'a été imprimé."),
                Prompts::Icon::Exclamation);
        return false;
    }
    const QPointF offset = pictureOffset(state.printLayout, side);
    page.paintBeneath([side, offset](QPainter &p, double dotsPerMm) {
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(offset * dotsPerMm);
        if (side == PrintSide::Recto)
            FormPicture::paint(p, dotsPerMm, FormPicture::Surface::Paper);
        else
            VersoPicture::paint(p, dotsPerMm, FormPicture::Surface::Paper);
    });
    if (side == PrintSide::Recto) {
        RectoPrinter::print(state, page);
    } else {
        page.setFont(PrinterFonts::versoFontForPrinting(state.config, page.font()));
        state.versoLines = VersoWrap::wrapBoth(state.verso, state.printLayout, page);
        VersoPrinter::print(state, page);
    }
    return true;
}

} // namespace PlainPaper
