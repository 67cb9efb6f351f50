#include "ui/preview/PreviewCanvas.h"

#include "core/AppState.h"
#include "core/form/FormPicture.h"
#include "core/form/VersoGeometry.h"
#include "core/form/VersoPicture.h"
#include "core/print/PainterPage.h"
#include "core/print/PreviewDrawing.h"

#include <QPaintEvent>
#include <QPainter>

PreviewCanvas::PreviewCanvas(const AppState &state, PrintSide side, QWidget *parent)
    : QWidget(parent), m_state(state), m_side(side)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The page's texts as on paper: its painter would take a right-to-left desktop's direction.
    setLayoutDirection(Qt::LeftToRight);
    setPixelsPerMm(1);
}

QSize PreviewCanvas::sheetSize(double k)
{
    return QSize(qCeil(VersoGeometry::WidthMm * k), qCeil(VersoGeometry::HeightMm * k));
}

void PreviewCanvas::setPrinterFont(const QFont &font)
{
    m_font = font;
    update();
}

void PreviewCanvas::setPixelsPerMm(double k)
{
    if (k <= 0 || (k == m_k && !m_picture.isNull())) return;
    m_k = k;
    setFixedSize(sheetSize(k));
    renderPicture();
    update();
}

void PreviewCanvas::renderPicture()
{
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(sheetSize(m_k) * ratio);
    m_picture.setDevicePixelRatio(ratio);
    // The sheet ends inside the last pixels: what it leaves of them is the paper's, not
    // whatever the memory held.
    m_picture.fill(Qt::white);
    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (m_side == PrintSide::Recto)
        FormPicture::paint(p, m_k, FormPicture::Surface::Paper);
    else
        VersoPicture::paint(p, m_k, FormPicture::Surface::Paper);
}

void PreviewCanvas::paintSheet(QPainter &p, const QRect &exposed)
{
    p.drawPixmap(exposed, m_picture,
                 QRectF(exposed.topLeft() * m_picture.devicePixelRatio(),
                        exposed.size() * m_picture.devicePixelRatio()));
    p.setClipRect(exposed);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    PainterPage page(p, m_k);
    if (m_side == PrintSide::Recto)
        PreviewDrawing::AfficheRecto(m_state, m_font, page);
    else
        PreviewDrawing::SortieEcranVerso(m_state, m_font, page);
}

void PreviewCanvas::paintEvent(QPaintEvent *event)
{
    if (m_picture.devicePixelRatio() != devicePixelRatioF())
        renderPicture(); // moved to a monitor of another pixel density
    QPainter p(this);
    paintSheet(p, event->rect());
}
