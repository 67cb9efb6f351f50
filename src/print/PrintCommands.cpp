#include "print/PrintCommands.h"

#include "app/AppState.h"
#include "app/Prompts.h"
#include "editor/EditorWindow.h"
#include "print/PrintLayoutFile.h"
#include "print/PrinterFonts.h"
#include "print/PrinterPage.h"
#include "print/RectoPrinter.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrinter>

namespace PrintCommands {

bool printRecto(AppState &state, Prompts &prompts)
{
    if (state.printLayout.ParaImpX[1].isEmpty())
        ChargeParaImp(state.printLayout, state.config.dataFolder());
    if (prompts.question(QStringLiteral("Kerbo"), QStringLiteral(" IMPRIMER ?"),
                         Prompts::Icon::None, Prompts::Buttons::OkCancel, Prompts::Answer::Ok)
        != Prompts::Answer::Ok)
        return false;
    return SortieImpimante(state, prompts);
}

namespace {

// The font dialog selects a style by name: give the font the family's own name for its weight
// and slant ("Book" rather than "Normal"), else the dialog falls on the first style listed.
QFont withStyleName(QFont font)
{
    QString best;
    const QString family = QFontInfo(font).family();
    for (const QString &style : QFontDatabase::styles(family)) {
        if (QFontDatabase::italic(family, style) == font.italic()
            && (QFontDatabase::weight(family, style) >= QFont::Bold) == font.bold()
            && QFontDatabase::weight(family, style) > QFont::Light
            && (best.isEmpty() || style.size() < best.size()))
            best = style;
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

void connect(EditorWindow &editor, EditorCommand command, std::function<void()> run)
{
    QAction *action = editor.action(command);
    QObject::connect(action, &QAction::triggered, &editor, std::move(run));
    action->setEnabled(true);
}

} // namespace

bool chooseRectoFont(QWidget *parent, AppState &state, Prompts &prompts)
{
    // Measured on the printer that will print; a PDF device stands in when there is none.
    QPrinter fallback(QPrinter::HighResolution);
    QPrinter *printer = state.printerChoice.printer();
    if (!printer) {
        fallback.setOutputFormat(QPrinter::PdfFormat);
        printer = &fallback;
    }
    PrinterPage measure(*printer);
    return PrinterFonts::Police_Recto(
        state.config, measure, prompts, [parent](const QFont &initial) -> std::optional<QFont> {
            bool ok = false;
            const QFont font = QFontDialog::getFont(&ok, withStyleName(initial), parent);
            return ok ? std::optional<QFont>(font) : std::nullopt;
        });
}

void wire(EditorWindow &editor, AppState &state, Prompts &prompts)
{
    connect(editor, EditorCommand::Print, [&state, &prompts] { printRecto(state, prompts); });
    connect(editor, EditorCommand::PrinterSetup,
            [&editor, &state] { state.printerChoice.setUp(&editor); });
    connect(editor, EditorCommand::ChoosePrinterFont,
            [&editor, &state, &prompts] { chooseRectoFont(&editor, state, prompts); });
}

} // namespace PrintCommands
