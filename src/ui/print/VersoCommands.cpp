#include "ui/print/VersoCommands.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/form/VersoGeometry.h"
#include "core/print/PainterPage.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "core/print/VersoWrap.h"
#include "ui/Session.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/PrinterPage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <optional>

namespace VersoCommands {
namespace {

void wrapOn(Page &measure, AppState &state)
{
    measure.setFont(PrinterFonts::versoFontForPrinting(state.config, measure.font()));
    state.versoLines = VersoWrap::wrapBoth(state.verso, state.printLayout, measure);
}

void wrapOn(QPrinter &printer, AppState &state)
{
    PrinterPage measure(printer);
    wrapOn(measure, state);
}

} // namespace

bool wrapForPrinting(Session &session)
{
    QPrinter *printer = session.printer.printer();
    if (!printer) {
        VersoPrinter::reportNoPrinterToMeasure(session.prompts);
        return false;
    }
    wrapOn(*printer, session.state);
    return true;
}

void wrapForPreview(Session &session)
{
    if (session.printer.answering()) {
        wrapOn(session.printer.forMeasuring(), session.state);
        return;
    }
    // The print server does not answer: the texts are measured as a printer lays them out, on
    // a picture.
    QImage picture(1, 1, QImage::Format_RGB32);
    QPainter painter(&picture);
    PainterPage measure(painter, 1);
    wrapOn(measure, session.state);
}

bool printVerso(Session &session)
{
    AppState &state = session.state;
    ensureLoaded(state.printLayout, state.config.dataFolder());
    if (session.prompts.question(QStringLiteral("Kerbo"), QStringLiteral(" IMPRIMER ?"),
                                 Prompts::Icon::None, Prompts::Buttons::OkCancel,
                                 Prompts::Answer::Ok) != Prompts::Answer::Ok)
        return false;
    if (!session.printer.answering(session.prompts)) return false;
    wrapForPrinting(session);
    return SortieImpVerso(session);
}

bool chooseVersoFont(QWidget *parent, Session &session)
{
    if (!session.printer.answering(session.prompts)) return false;
    PrinterPage measure(session.printer.forMeasuring());
    return PrinterFonts::Police_Verso(session.state.config, VersoGeometry::BoxHeightMm, measure,
                                      session.prompts, PrintCommands::fontDialog(parent));
}

} // namespace VersoCommands

bool SortieImpVerso(Session &session)
{
    QPrinter *printer = session.printer.printer();
    if (printer && !session.printer.mayPrint(session.prompts)) return false;
    std::optional<PrinterPage> page;
    if (printer) {
        page.emplace(*printer);
        if (!page->begin()) {
            page.reset();
            if (PrinterPage::reportUnwritableFile(session.prompts, *printer)) return false;
        }
    }
    if (!page) {
        RectoPrinter::reportNoPrinter(session.prompts);
        return false;
    }
    VersoPrinter::print(session.state, *page);
    session.printer.printed();
    return true;
}
