#include "ui/print/VersoCommands.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/form/VersoGeometry.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"
#include "core/print/VersoWrap.h"
#include "ui/Session.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/PrinterPage.h"

#include <QPrinter>

#include <optional>

namespace VersoCommands {
namespace {

void wrapOn(QPrinter &printer, AppState &state)
{
    PrinterPage measure(printer);
    measure.setFont(PrinterFonts::versoFontForPrinting(state.config, measure.font()));
    state.versoLines = VersoWrap::wrapBoth(state.verso, state.printLayout, measure);
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
    wrapOn(session.printer.forMeasuring(), session.state);
}

bool printVerso(Session &session)
{
    AppState &state = session.state;
    ensureLoaded(state.printLayout, state.config.dataFolder());
    if (session.prompts.question(QStringLiteral("Kerbo"), QStringLiteral(" IMPRIMER ?"),
                                 Prompts::Icon::None, Prompts::Buttons::OkCancel,
                                 Prompts::Answer::Ok) != Prompts::Answer::Ok)
        return false;
    wrapForPrinting(session);
    return SortieImpVerso(session);
}

bool chooseVersoFont(QWidget *parent, Session &session)
{
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
        if (!page->begin()) page.reset();
    }
    if (!page) {
        RectoPrinter::reportNoPrinter(session.prompts);
        return false;
    }
    VersoPrinter::print(session.state, *page);
    session.printer.printed();
    return true;
}
