#include "ui/calibration/frmCentrage.h"

#include "core/AppState.h"
#include "core/model/PrintItems.h"
#include "core/print/PrintLayoutFile.h"
#include "ui/EndOfRun.h"
#include "ui/Session.h"
#include "ui/calibration/TenthsControl.h"

#include <QPushButton>

namespace {

XYDialog::Captions captions()
{
    XYDialog::Captions c;
    c.xRange = QStringLiteral("+ 50  A  - 50 MAXI  En LARGEUR");
    c.yRange = QStringLiteral("+ 50  A  - 50 MAXI  En HAUTEUR");
    c.ok = QStringLiteral("&OK");
    return c;
}

} // namespace

frmCentrage::frmCentrage(Session &session, PrintSide side, QWidget *parent)
    : XYDialog(Calibration::centringTitle(side), Calibration::Window::Centring, captions(), parent),
      m_session(session)
{
    PrintLayout &layout = session.state.printLayout;
    EndOfRun::watch();
    ensureLoaded(layout, session.state.config.dataFolder());
    m_opening = Calibration::remember(layout, side == PrintSide::Recto ? PrintItems::RectoCentring
                                                                       : PrintItems::VersoCentring);
    showItem(m_opening.x, m_opening.y);
    highlightFocusedBox();

    // Stored as the sliders move; "Remise à zéro" moves them to 0, which stores "0".
    const int item = m_opening.item;
    connect(xControl(), &TenthsControl::valueChanged, this,
            [&layout, item](int v) { Calibration::storeX(layout, item, v); });
    connect(yControl(), &TenthsControl::valueChanged, this,
            [&layout, item](int v) { Calibration::storeY(layout, item, v); });
    connect(okButton(), &QPushButton::clicked, this, [this, &layout] {
        Calibration::saveAndReload(layout, m_session.state.config.dataFolder(), m_session.prompts);
        accept();
    });
    connect(cancelButton(), &QPushButton::clicked, this, &frmCentrage::reject);
    m_info = addButton(QStringLiteral("&Info"));
    connect(m_info, &QPushButton::clicked, this,
            [this] { Calibration::showCentringInfo(m_session.prompts); });
}

void frmCentrage::reject()
{
    PrintLayout &layout = m_session.state.printLayout;
    Calibration::restore(layout, m_opening);
    // The end of the run saves nothing: a chooser open below may hold frames not confirmed yet.
    if (!EndOfRun::underway())
        Calibration::saveAndReload(layout, m_session.state.config.dataFolder(), m_session.prompts);
    QDialog::reject();
}
