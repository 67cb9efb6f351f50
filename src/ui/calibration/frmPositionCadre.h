#pragma once

#include "ui/calibration/XYDialog.h"

struct Session;

// Frame position: the window's title selects the item. OK stores the sliders' positions / 10
// into the item (in memory: the chooser's "Quitter" saves); "Annuler" stores nothing.
class frmPositionCadre : public XYDialog
{
    Q_OBJECT
public:
    frmPositionCadre(Session &session, const QString &title, QWidget *parent = nullptr);

    int item() const { return m_item; }

private:
    Session &m_session;
    int m_item;
};
