#include "core/form/VersoPicture.h"

#include "core/form/FormPicture.h"
#include "core/form/VersoGeometry.h"

#include <QFontMetricsF>
#include <QPainter>

namespace VersoPicture {
namespace {

QRectF scaled(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

// Column heads stand over narrow columns: at their normal size on as many lines as the head's
// height allows, else made to fit as the recto's captions are.
void drawCaption(QPainter &p, const FormGeometry::Caption &c, double k)
{
    const QFont font = FormPicture::fontFor(c.bold ? 2.6 : 2.0, k, c.bold);
    const QRectF r = scaled(c.rect, k);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    const QRectF needed = QFontMetricsF(font).boundingRect(r, flags, c.text);
    if (needed.width() > r.width() + 1 || needed.height() > r.height() + 1) {
        FormPicture::drawCaption(p, c, k);
        return;
    }
    p.setFont(font);
    p.drawText(r, flags, c.text);
}

} // namespace

void paint(QPainter &p, double k, FormPicture::Surface surface)
{
    using namespace VersoGeometry;
    p.fillRect(QRectF(0, 0, WidthMm * k, HeightMm * k), surface == FormPicture::Surface::Paper
                                                            ? QColor(Qt::white)
                                                            : FormPicture::PaperColour);

    p.setPen(QPen(FormPicture::InkColour, FormPicture::thinLine(k)));
    p.setBrush(FormPicture::BoxColour);
    for (VersoText text : {VersoText::D, VersoText::E, VersoText::ObsMecUP, VersoText::I,
                           VersoText::J, VersoText::L})
        for (int i = 0; i < boxCount(text); ++i)
            p.drawRect(scaled(box({text, i}), k));

    // Frame H: two columns of ruled lines.
    const QRectF trains = box({VersoText::NumTrainH, 0});
    const QRectF observations = box({VersoText::ObsMec, 0});
    p.drawRect(scaled(trains, k));
    p.drawRect(scaled(observations, k));
    p.setPen(QPen(FormPicture::InkColour.lighter(170), FormPicture::thinLine(k)));
    for (double y : lineRules())
        p.drawLine(QPointF(trains.left(), y) * k, QPointF(observations.right(), y) * k);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(FormPicture::InkColour, FormPicture::thickLine(k)));
    for (const QRectF &frame : frames())
        p.drawRect(scaled(frame, k));

    p.setPen(FormPicture::InkColour);
    for (const FormGeometry::Caption &c : captions())
        drawCaption(p, c, k);
}

} // namespace VersoPicture
