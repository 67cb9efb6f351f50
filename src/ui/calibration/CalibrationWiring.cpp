#include "ui/calibration/CalibrationWiring.h"

#include "ui/calibration/frmCentrage.h"
#include "ui/calibration/frmParametresImp.h"
#include "ui/editor/EditorWindow.h"

#include <QAction>

namespace CalibrationWiring {

namespace {

void connect(EditorWindow &editor, EditorCommand command, std::function<void()> run)
{
    QAction *action = editor.action(command);
    QObject::connect(action, &QAction::triggered, &editor, std::move(run));
    action->setEnabled(true);
}

} // namespace

void openChooser(QWidget *parent, Session &session, Calibration::Side side,
                 const ChooserHooks &hooks)
{
    frmReglageCadres chooser(session, side, hooks, parent);
    chooser.exec();
}

void openCentring(QWidget *parent, Session &session, Calibration::Side side)
{
    frmCentrage centring(session, side, parent);
    centring.exec();
}

void wire(EditorWindow &editor, Session &session)
{
    using C = EditorCommand;
    EditorWindow *window = &editor;
    editor.wireCommand(C::CalibrationRecto, [window, &session] {
        ChooserHooks hooks;
        hooks.refresh = [window] { window->refreshBulletin(); };
        openChooser(window, session, Calibration::Side::Recto, hooks);
    });
    editor.wireCommand(C::CentringRecto, [window, &session] {
        openCentring(window, session, Calibration::Side::Recto);
    });
    editor.wireCommand(C::SavePrintParams, [window, &session] {
        frmParametresImp transfer(session, frmParametresImp::Mode::Export, window);
        transfer.exec();
    });
    editor.wireCommand(C::ImportPrintParams, [window, &session] {
        frmParametresImp transfer(session, frmParametresImp::Mode::Import, window);
        transfer.exec();
    });
}

} // namespace CalibrationWiring
