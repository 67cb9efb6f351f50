#pragma once

#include "core/calibration/Calibration.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TenthsControl;

// The common body of the windows that move one item in X and Y: a text box and a slider for
// each axis in tenths of a millimetre, "Remise à zéro en largeur / en hauteur", OK and
// "Annuler". The windows differ by their captions, bounds and what their buttons store.
class XYDialog : public QDialog
{
    Q_OBJECT
public:
    struct Captions {
        QString xPrompt; // above the X box
        QString yPrompt; // above the Y box
        QString xRange;  // beside the X box
        QString yRange;  // beside the Y box
        QString note;    // under the boxes, may be empty
        QString ok = QStringLiteral("OK");
    };

    TenthsControl *xControl() const { return m_x; }
    TenthsControl *yControl() const { return m_y; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *resetXButton() const { return m_resetX; }
    QPushButton *resetYButton() const { return m_resetY; }

protected:
    XYDialog(const QString &title, Calibration::Window window, const Captions &captions,
             QWidget *parent);

    // Shows the item's values x 10 in boxes and sliders.
    void showItem(const QString &x, const QString &y);
    // The text boxes turn light yellow while they have the focus.
    void highlightFocusedBox();
    // A button added beside OK and "Annuler".
    QPushButton *addButton(const QString &caption);

private:
    TenthsControl *m_x = nullptr;
    TenthsControl *m_y = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_resetX = nullptr;
    QPushButton *m_resetY = nullptr;
    class QHBoxLayout *m_buttons = nullptr;
};
