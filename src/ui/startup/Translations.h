#pragma once

class QCoreApplication;

// Qt's own French texts for the standard buttons and dialogs ("Annuler", "Ouvrir", ...), from
// the translations installed with Qt, and the few that their catalogue lacks. Returns false when
// they are not installed; the program then runs with Qt's English texts.
bool installFrenchTranslations(QCoreApplication &app);
