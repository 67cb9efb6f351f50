#include "ui/calibration/frmReglageGeneral.h"

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
    c.xRange = QStringLiteral("+ 1900  A  - 1900 MAXI  En LARGEUR");
    c.yRange = QStringLiteral("+ 1900  A  - 50 MAXI  En HAUTEUR");
    c.note = QString::fromUtf16(
        u"Les valeurs positives sont utilisées pour abaisser les cadres (Ex 1 baissera les "
        u"cadres de 1/10 mm).\nLes valeurs négativesves sont utilisées pour remonter les cadres "
        u"(Ex -1 remontera les cadres de 1/10 mm ).");
    return c;
}

} // namespace

frmReglageGeneral::frmReglageGeneral(Session &session, const QString &title, QWidget *parent)
    : XYDialog(title, Calibration::Window::Shift, captions(), parent), m_session(session)
{
    PrintLayout &layout = session.state.printLayout;
    EndOfRun::watch();
    // Opened from a frame chooser, whose changes not saved yet are in the tables: never read
    // over them here, even from a file changed since.
    if (!layout.isLoaded()) ChargeParaImp(layout, session.state.config.dataFolder());
    m_opening = Calibration::remember(layout, PrintItems::itemByTitle(title));
    if (m_opening.item >= 0) showItem(m_opening.x, m_opening.y);
    highlightFocusedBox();

    const int item = m_opening.item;
    connect(xControl(), &TenthsControl::valueChanged, this,
            [&layout, item](int v) { Calibration::storeX(layout, item, v); });
    connect(yControl(), &TenthsControl::valueChanged, this,
            [&layout, item](int v) { Calibration::storeY(layout, item, v); });
    connect(okButton(), &QPushButton::clicked, this, [this, &layout, item] {
        Calibration::store(layout, item, xControl()->value(), yControl()->value());
        Calibration::saveAndReload(layout, m_session.state.config.dataFolder(), m_session.prompts);
        accept();
    });
    connect(cancelButton(), &QPushButton::clicked, this, &frmReglageGeneral::reject);
}

void frmReglageGeneral::reject()
{
    PrintLayout &layout = m_session.state.printLayout;
    Calibration::restore(layout, m_opening);
    // The end of the run saves nothing: a chooser open below may hold frames not confirmed yet.
    if (!EndOfRun::underway())
        Calibration::saveAndReload(layout, m_session.state.config.dataFolder(), m_session.prompts);
    QDialog::reject();
}
