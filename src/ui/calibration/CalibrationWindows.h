#pragma once

#include "core/calibration/Calibration.h"
#include "ui/calibration/frmParametresImp.h"
#include "ui/calibration/frmReglageCadres.h"

#include <functional>

class QWidget;
struct Session;

// The calibration windows as the editor, the verso editor and the previews open them: modal over
// `parent`, returning when closed. Each loads the layout first when it has not been loaded.
namespace CalibrationWindows {

// The frame chooser of a side; `hooks` say where it was opened from and whom to redraw.
void openChooser(QWidget *parent, Session &session, PrintSide side, const ChooserHooks &hooks = {});

// "CENTRAGE DU BULLETIN RECTO" / "... VERSO".
void openCentring(QWidget *parent, Session &session, PrintSide side);

// "SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE" / "IMPORTATION DES PARAMETRES DE L'IMPRIMANTE".
void openTransfer(QWidget *parent, Session &session, frmParametresImp::Mode mode);

// Gives the verso editor and the print previews their calibration buttons: the chooser of a
// side and the centring. `refreshEditor` draws the recto editor again when a recto chooser is
// left; the callers redraw themselves afterwards.
void installHooks(Session &session, std::function<void()> refreshEditor);

} // namespace CalibrationWindows
