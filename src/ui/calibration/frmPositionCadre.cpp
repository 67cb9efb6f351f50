#include "ui/calibration/frmPositionCadre.h"

#include "core/AppState.h"
#include "core/model/PrintItems.h"
#include "ui/Session.h"
#include "ui/calibration/TenthsControl.h"

#include <QPushButton>

namespace {

XYDialog::Captions captions()
{
    XYDialog::Captions c;
    c.xPrompt = QStringLiteral("ENTREZ ICI LA NOUVELLE POSITION X A PARTIR DU COTE GAUCHE DU "
                               "BULLETIN OU DEPLACEZ LE CURSEUR HORIZONTAL");
    c.yPrompt = QStringLiteral("ENTREZ ICI LA NOUVELLE POSITION Y A PARTIR DU HAUT DU BULLETIN "
                               "OU DEPLACEZ LE CURSEUR VERTICAL");
    c.xRange = QString::fromUtf16(u"De 0  à 2970  MAXI  En HAUTEUR");
    c.yRange = QString::fromUtf16(u"De 0  à 2100 MAXI  En HAUTEUR");
    c.note = QStringLiteral("LES VALEURS NEGATIVES NE SONT PAS AUTORISEES");
    return c;
}

} // namespace

frmPositionCadre::frmPositionCadre(Session &session, const QString &title, QWidget *parent)
    : XYDialog(title, Calibration::Window::FramePosition, captions(), parent), m_session(session),
      m_item(PrintItems::itemByTitle(title))
{
    const PrintLayout &layout = session.state.printLayout;
    if (m_item >= 0) showItem(layout.ParaImpX[size_t(m_item)], layout.ParaImpY[size_t(m_item)]);
    connect(okButton(), &QPushButton::clicked, this, [this] {
        Calibration::store(m_session.state.printLayout, m_item, xControl()->value(),
                           yControl()->value());
        accept();
    });
    connect(cancelButton(), &QPushButton::clicked, this, &QDialog::reject);
}
