#include "TestMain.h"

#include "core/form/VersoGeometry.h"
#include "core/print/PrintLayout.h"
#include "core/print/VersoPrinter.h"
#include "core/verso/VersoNavigation.h"

class VersoGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    // With the factory layout every text stands inside its own box: the editor shows each text
    // where it prints, and the preview shows the printed texts in their boxes. A 10 pt line has
    // its capitals from about 0.5 mm below the top of its cell, its base line at 3.3 mm and its
    // descenders down to 4.1 mm.
    void everyTextPrintsInsideItsBox()
    {
        PrintLayout layout;
        layout.DefautParaImp();
        layout.DefautParaImpVerso();
        for (const VersoPlacement::Place &place : VersoPlacement::places()) {
            const QPointF at = VersoPrinter::position(place, layout);
            const QRectF box = VersoGeometry::box(place.field);
            const QString where = QStringLiteral("%1/%2 at %3, %4")
                                      .arg(int(place.field.text))
                                      .arg(place.field.index)
                                      .arg(at.x())
                                      .arg(at.y());
            QVERIFY2(box.contains(at + QPointF(0, 0.5)), qPrintable(where));
            // Frame E's rows are 3.8 mm apart: there the capitals and the base line fit.
            const double line = place.field.text == VersoText::E ? 3.3 : 4.1;
            QVERIFY2(at.y() + line <= box.bottom() + 1e-9, qPrintable(where));
        }
    }

    void boxesStayInTheirFramesWithoutOverlapping()
    {
        const QList<VersoField> &fields = VersoNavigation::tabOrder();
        const QRectF sheet(0, 0, VersoGeometry::WidthMm, VersoGeometry::HeightMm);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QRectF box = VersoGeometry::box(fields[i]);
            QVERIFY(!box.isEmpty());
            QVERIFY(sheet.contains(box));
            QVERIFY(std::any_of(VersoGeometry::frames().begin(), VersoGeometry::frames().end(),
                                [&box](const QRectF &frame) { return frame.contains(box); }));
            for (qsizetype j = i + 1; j < fields.size(); ++j) {
                const QRectF common = box.intersected(VersoGeometry::box(fields[j]));
                QVERIFY2(common.width() < 1e-9 || common.height() < 1e-9,
                         qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
            }
        }
    }

    void observationsBoxFollowsTheLineLength()
    {
        const QRectF factory = VersoGeometry::observationsBox(110);
        const QRectF shorter = VersoGeometry::observationsBox(50);
        QCOMPARE(shorter.topLeft(), factory.topLeft());
        QVERIFY(shorter.width() > 50 && shorter.width() < 53);
        QVERIFY(factory.right() <= VersoGeometry::WidthMm);
    }
};

KERBO_TEST(VersoGeometryTest)
#include "VersoGeometryTest.moc"
