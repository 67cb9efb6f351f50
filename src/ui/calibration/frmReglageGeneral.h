#pragma once

#include "ui/calibration/XYDialog.h"

struct Session;

// General shift of one side, or its screen calibration, as the title says. Every slider
// movement is stored at once so that a print made meanwhile uses it; OK stores, saves and
// reloads the layout; "Annuler" and the close box put back the values found on opening and save.
class frmReglageGeneral : public XYDialog
{
    Q_OBJECT
public:
    frmReglageGeneral(Session &session, const QString &title, QWidget *parent = nullptr);

    void reject() override;

private:
    Session &m_session;
    Calibration::Remembered m_opening;
};
