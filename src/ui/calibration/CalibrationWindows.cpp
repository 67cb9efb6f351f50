#include "ui/calibration/CalibrationWindows.h"

#include "ui/calibration/frmCentrage.h"

#include <QApplication>

namespace CalibrationWindows {

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

void openTransfer(QWidget *parent, Session &session, frmParametresImp::Mode mode)
{
    // Listing the mounted volumes may take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    frmParametresImp transfer(session, mode, parent);
    QApplication::restoreOverrideCursor();
    transfer.exec();
}

} // namespace CalibrationWindows
