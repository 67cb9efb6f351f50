#pragma once

struct Session;

namespace CalibrationHelp {

// "Aide" of the recto chooser: the help file Aide2 of the data folder in the system's viewer.
void open(Session &session);

} // namespace CalibrationHelp
