#include "ui/print/PrintCommands.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/PrinterFonts.h"
#include "core/print/RectoPrinter.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/PrinterPage.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrinter>

namespace PrintCommands {

bool printRecto(Session &session)
{
    AppState &state = session.state;
    Prompts &prompts = session.prompts;
    ensureLoaded(state.printLayout, state.config.dataFolder());
    if (prompts.question(QStringLiteral("Kerbo"), QStringLiteral(" IMPRIMER ?"),
                         Prompts::Icon::None, Prompts::Buttons::OkCancel, Prompts::Answer::Ok)
        != Prompts::Answer::Ok)
        return false;
    return SortieImpimante(session);
}

QFont withStyleName(QFont font)
{
    QString best;
    const QString family = QFontInfo(font).family();
    // A font that is not on this computer prints in the family that stands in for it: the
    // dialog opens there, with the stored weight and slant, not on its own default.
    if (!QFontDatabase::hasFamily(font.family())) font.setFamily(family);
    for (const QString &style : QFontDatabase::styles(family)) {
        // An "Oblique" slants as an "Italic" does: both are the italic the settings keep.
        const QFont face = QFontDatabase::font(family, style, 12);
        const bool slanted = face.style() != QFont::StyleNormal;
        if (slanted == font.italic() && (face.weight() >= QFont::Bold) == font.bold() &&
            face.weight() > QFont::Light && (best.isEmpty() || style.size() < best.size()))
            best = style;
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

bool chooseRectoFont(QWidget *parent, Session &session)
{
    if (!session.printer.answering(session.prompts)) return false;
    // Measured on the printer that will print; a PDF device stands in when there is none.
    PrinterPage measure(session.printer.forMeasuring());
    return PrinterFonts::Police_Recto(session.state.config, measure, session.prompts,
                                      fontDialog(parent));
}

PrinterFonts::FontDialog fontDialog(QWidget *parent)
{
    return [parent](const QFont &initial) -> std::optional<QFont> {
        QFontDialog dialog(withStyleName(initial), parent);
        // Qt opens it at 500x360 pixels whatever the desktop's font: at 18 points its lists
        // showed one line each and its captions were cut.
        resizeWithinScreen(&dialog, dialog.sizeHint());
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.selectedFont();
    };
}

} // namespace PrintCommands

bool SortieImpimante(Session &session)
{
    if (!session.printer.answering(session.prompts)) return false;
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
    RectoPrinter::print(session.state, *page);
    session.printer.printed();
    return true;
}
