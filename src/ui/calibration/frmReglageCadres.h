#pragma once

#include "core/calibration/Calibration.h"

#include <QDialog>

#include <functional>

class QPushButton;
struct Session;

// How a chooser was opened and whom it tells when the layout changed.
struct ChooserHooks {
    // Opened from a print preview: shows "Calibrage Ecran-Imprimante".
    bool fromPreview = false;
    // On "Quitter", before the layout is saved: draws the editor (and the open preview) again.
    std::function<void()> refresh;
    // Verso: after the defaults and the line-length window, so that the verso editor resizes its
    // observation box, wraps the observations again and redraws its preview.
    std::function<void()> layoutChanged;
};

// The frame chooser of one side: a button per printed frame opening its position window, the
// pitch buttons, the general shift, the screen calibration, the factory values, and "Quitter",
// which saves the layout and reads it back. Its close box acts as "Quitter".
class frmReglageCadres : public QDialog
{
    Q_OBJECT
public:
    frmReglageCadres(Session &session, PrintSide side, ChooserHooks hooks = {},
                     QWidget *parent = nullptr);

    // The button of a frame, by print item; nullptr when the side has none.
    QPushButton *frameButton(int item) const;
    // A command button by its caption.
    QPushButton *commandButton(const QString &caption) const;

    // "Quitter": draws again, saves and reloads the layout, closes.
    void quit();
    // The close box and Escape act as "Quitter"; the end of the run closes it unsaved.
    void reject() override;

private:
    void addCommand(const QString &caption, const std::function<void()> &run);
    void openSpacing(const QString &title);
    void openShift(const QString &title);

    Session &m_session;
    PrintSide m_side;
    ChooserHooks m_hooks;
    QList<QPushButton *> m_frameButtons;
    QList<QPushButton *> m_commands;
    bool m_quitting = false;
};
