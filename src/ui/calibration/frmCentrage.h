#pragma once

#include "ui/calibration/XYDialog.h"

struct Session;

// "CENTRAGE DU BULLETIN RECTO" / "... VERSO": corrects the centring of a batch of forms on the
// printer only. Every slider movement is stored at once; "&OK" saves and reloads the layout;
// "Annuler" and the close box put back the values found on opening and save.
class frmCentrage : public XYDialog
{
    Q_OBJECT
public:
    frmCentrage(Session &session, PrintSide side, QWidget *parent = nullptr);

    QPushButton *infoButton() const { return m_info; }

    void reject() override;

private:
    Session &m_session;
    Calibration::Remembered m_opening;
    QPushButton *m_info = nullptr;
};
