#pragma once

#include "core/calibration/Calibration.h"
#include "ui/calibration/frmReglageCadres.h"

class EditorWindow;
class QWidget;
struct Session;

namespace CalibrationWiring {

// The chooser of a side, modal. The editor's recto chooser refreshes the editor on "Quitter";
// the previews and the verso editor give their own hooks.
void openChooser(QWidget *parent, Session &session, Calibration::Side side,
                 const ChooserHooks &hooks = {});

// "CENTRAGE DU BULLETIN RECTO" / "... VERSO", modal.
void openCentring(QWidget *parent, Session &session, Calibration::Side side);

// Connects "Du bulletin sur l'imprimante", "Centrage du bulletin", "Sauver les paramètres
// d'imprimante" and "Importer les paramètres d'imprimante" of the editor.
void wire(EditorWindow &editor, Session &session);

} // namespace CalibrationWiring
