#include "ui/startup/CommandWiring.h"

#include "core/AppState.h"
#include "ui/Session.h"
#include "ui/calibration/CalibrationWindows.h"
#include "ui/editor/AutomatismeWiring.h"
#include "ui/editor/DayFileWiring.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/EditorWiring.h"
#include "ui/editor/FolderWiring.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/roster/frmChoixFichier.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/frmCartouche.h"
#include "ui/verso/VersoWiring.h"

#include <QApplication>

namespace {

using C = EditorCommand;

void wirePrinting(EditorWindow &editor, Session &session)
{
    editor.wireCommand(C::Print, [&session] { PrintCommands::printRecto(session); });
    editor.wireCommand(C::PrinterSetup,
                       [&editor, &session] { session.printer.setUp(&editor, session.prompts); });
    editor.wireCommand(C::ChoosePrinterFont,
                       [&editor, &session] { PrintCommands::chooseRectoFont(&editor, session); });
}

void wireCartouche(EditorWindow &editor, Session &session)
{
    editor.wireCommand(C::EditCartouche, [&editor, &session] {
        frmCartouche::run(session.state, session.prompts, false, &editor);
        editor.refreshBulletin();
    });
}

void wireRoster(EditorWindow &editor, Session &session)
{
    editor.wireCommand(C::CaraibeConverter, [&editor, &session] {
        // Listing the drives and the home folder may take a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        frmChoixFichier window(session.state.config.dataFolder(), session.prompts, &editor);
        QApplication::restoreOverrideCursor();
        window.exec();
    });
}

void wireCalibration(EditorWindow &editor, Session &session)
{
    editor.wireCommand(C::CalibrationRecto, [&editor, &session] {
        ChooserHooks hooks;
        hooks.refresh = [&editor] { editor.refreshBulletin(); };
        CalibrationWindows::openChooser(&editor, session, PrintSide::Recto, hooks);
    });
    editor.wireCommand(C::CentringRecto, [&editor, &session] {
        CalibrationWindows::openCentring(&editor, session, PrintSide::Recto);
    });
    editor.wireCommand(C::SavePrintParams, [&editor, &session] {
        CalibrationWindows::openTransfer(&editor, session, frmParametresImp::Mode::Export);
    });
    editor.wireCommand(C::ImportPrintParams, [&editor, &session] {
        CalibrationWindows::openTransfer(&editor, session, frmParametresImp::Mode::Import);
    });
    CalibrationWindows::installHooks(session, [&editor] { editor.refreshBulletin(); });
}

} // namespace

void wireCommands(EditorWindow &editor, Session &session)
{
    // One line per subsystem that implements editor commands.
    wireEditorCommands(editor, session.state, session.prompts, [&session](EditorLayout layout) {
        return StartUp::openEditor(session, layout);
    });
    wireDayFiles(editor, session.state, session.prompts);
    wirePrinting(editor, session);
    wireCartouche(editor, session);
    wireFolderWindows(editor, session);
    wireRoster(editor, session);
    wireAutomatismes(editor, session);
    wireVersoAndPreviews(editor, session);
    wireCalibration(editor, session);
}
