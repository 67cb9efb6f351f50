#pragma once

#include <QObject>

// Tells the windows that save when they close whether the run is being ended: the desktop session
// closing (its session manager asks Kerbo to quit, and Qt then closes every window left open, the
// modal ones first) or "Quitter". A window closed that way is left as cancelled, and writes
// nothing the driver has not confirmed with its own buttons.
class EndOfRun : public QObject
{
public:
    // Starts watching for the end of the run; once per program, however often it is called.
    static void watch();
    // While the windows are being closed because the run ends.
    static bool underway();
    // How many times the end of the run was asked and agreed to so far: one asked before the
    // editor's event loop runs (the first start's cartouche open) must end the run all the same.
    static int requests();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
