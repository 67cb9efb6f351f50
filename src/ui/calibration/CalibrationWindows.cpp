#include "ui/calibration/CalibrationWindows.h"

#include "ui/Session.h"
#include "ui/calibration/frmCentrage.h"

#include <QApplication>

namespace CalibrationWindows {

void openChooser(QWidget *parent, Session &session, PrintSide side, const ChooserHooks &hooks)
{
    frmReglageCadres chooser(session, side, hooks, parent);
    chooser.exec();
}

void openCentring(QWidget *parent, Session &session, PrintSide side)
{
    frmCentrage centring(session, side, parent);
    centring.exec();
}

void openTransfer(QWidget *parent, Session &session, frmParametresImp::Mode mode)
{
    // Listing the mounted volumes may take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    frmParametresImp transfer(session, mode, parent);
    QApplication::restoreOverrideCursor();
    transfer.exec();
}

void installHooks(Session &session, std::function<void()> refreshEditor)
{
    session.calibration.openFrameChooser =
        [&session, refreshEditor](QWidget *parent, PrintSide side, bool fromPreview,
                                  const CalibrationHooks::LayoutChanged &changed) {
            ChooserHooks hooks;
            hooks.fromPreview = fromPreview;
            hooks.layoutChanged = changed;
            if (side == PrintSide::Recto) hooks.refresh = refreshEditor;
            openChooser(parent, session, side, hooks);
        };
    session.calibration.openCentring = [&session](QWidget *parent, PrintSide side) {
        openCentring(parent, session, side);
    };
}

} // namespace CalibrationWindows
