#include "TestMain.h"

#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"

#include <QFontMetricsF>

using namespace SlotTable;

// The printed captions of the form stand clear of each other and of every box, and their texts
// fit their places at the scale of each editor layout.
class FormCaptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void captionsStandClearOfEachOtherAndOfTheBoxes()
    {
        const QList<FormGeometry::Caption> &captions = FormGeometry::captions();
        for (qsizetype a = 0; a < captions.size(); ++a) {
            const FormGeometry::Caption &c = captions[a];
            for (qsizetype b = a + 1; b < captions.size(); ++b)
                QVERIFY2(!c.rect.intersects(captions[b].rect),
                         qPrintable(c.text + QStringLiteral(" / ") + captions[b].text));
            for (int s = 1; s <= LastLineSlot; ++s)
                QVERIFY2(!c.rect.intersects(FormGeometry::slotBox(s)),
                         qPrintable(c.text + QStringLiteral(" / slot ") + QString::number(s)));
        }
    }

    void everyCaptionFitsItsPlaceInEveryLayout()
    {
        for (EditorLayout layout :
             {EditorLayout::Editor1024, EditorLayout::Editor800, EditorLayout::LargeFont}) {
            const double k = FormGeometry::scaleFor(layout).pixelsPerMm;
            for (const FormGeometry::Caption &c : FormGeometry::captions()) {
                const FormPicture::CaptionLayout l = FormPicture::captionLayout(c, k);
                const QRectF place = c.vertical ? QRectF(0, 0, l.rect.height(), l.rect.width())
                                                : QRectF(QPointF(0, 0), l.rect.size());
                const int flags = l.wrapped ? Qt::TextWordWrap : 0;
                const QRectF needed = QFontMetricsF(l.font).boundingRect(place, flags, c.text);
                QVERIFY2(needed.width() <= place.width() + 0.5 &&
                             needed.height() <= place.height() + 1.5,
                         qPrintable(QStringLiteral("%1 at %2 px/mm").arg(c.text).arg(k)));
            }
        }
    }

    void frameCCaptionsStandByTheRowTheyName()
    {
        // The head of the first line: its first row's captions right above that row, the third
        // row's captions right above the third row.
        auto captionOver = [](int slot) -> const FormGeometry::Caption * {
            const QRectF box = FormGeometry::slotBox(slot);
            for (const FormGeometry::Caption &c : FormGeometry::captions())
                if (c.rect.left() == box.left() && c.rect.bottom() <= box.top() &&
                    box.top() - c.rect.bottom() < 1.0)
                    return &c;
            return nullptr;
        };
        const std::pair<int, const char *> named[] = {{lineSlot(0, NumeroTrain), "N° du train"},
                                                      {lineSlot(0, HeureDep), "Heure dép"},
                                                      {lineSlot(0, Gare), "Gare"},
                                                      {lineSlot(0, Categ), "Catég"},
                                                      {lineSlot(0, Coef), "Coef"},
                                                      {14, "Tâches"},
                                                      {39, "Engin de manoeuvre"}};
        for (const auto &[slot, text] : named) {
            const FormGeometry::Caption *c = captionOver(slot);
            QVERIFY2(c && c->text == QString::fromUtf8(text), text);
        }
    }
};

KERBO_TEST(FormCaptionsTest)
#include "FormCaptionsTest.moc"
