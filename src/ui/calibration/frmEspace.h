#pragma once

#include "core/calibration/Calibration.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
struct Session;

// A pitch, the verso line spacing or the observation line length, in millimetres, chosen by the
// window's title. OK stores (in memory: the chooser's "Quitter" saves) and closes only when the
// observation line length is within 20..110; the close box puts back the value found on opening,
// so that the driver is never held in the window.
class frmEspace : public QDialog
{
    Q_OBJECT
public:
    frmEspace(Session &session, const QString &title, QWidget *parent = nullptr);

    QLineEdit *valueBox() const { return m_value; }
    QPushButton *okButton() const { return m_ok; }

    void reject() override;

private:
    void store();

    Session &m_session;
    QString m_title;
    Calibration::Remembered m_opening;
    QLineEdit *m_value = nullptr;
    QPushButton *m_ok = nullptr;
};
