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

void drawCaption(QPainter &p, const FormGeometry::Caption &c, double k)
{
    const FormPicture::CaptionLayout layout = captionLayout(c, k);
    p.setFont(layout.font);
    p.drawText(layout.rect,
               Qt::AlignLeft | Qt::AlignVCenter | (layout.wrapped ? Qt::TextWordWrap : 0), c.text);
}

} // namespace

FormPicture::CaptionLayout captionLayout(const FormGeometry::Caption &c, double k)
{
    // On one line, made to fit as the recto's captions are...
    const FormPicture::CaptionLayout line = FormPicture::captionLayout(c, k);
    // ...or on as many lines as the head's height allows, at the largest size that fits there,
    // when that is larger: a narrow column's head stays legible in a small preview.
    FormPicture::CaptionLayout lines{FormPicture::fontFor(c.bold ? 2.6 : 2.0, k, c.bold), true,
                                     scaled(c.rect, k)};
    const int smallest = line.font.pixelSize() + (line.wrapped ? 0 : 1);
    for (; lines.font.pixelSize() >= smallest;
         lines.font.setPixelSize(lines.font.pixelSize() - 1)) {
        const QRectF needed =
            QFontMetricsF(lines.font)
                .boundingRect(lines.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                              c.text);
        if (needed.width() <= lines.rect.width() + 1 && needed.height() <= lines.rect.height() + 1)
            return lines;
    }
    return line;
}

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
