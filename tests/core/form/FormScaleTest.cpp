#include "TestMain.h"

#include "core/form/FormGeometry.h"

// The scale of a form that grows with its window.
class FormScaleTest : public QObject
{
    Q_OBJECT

private slots:
    void fittedScale_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("layoutScale");
        QTest::addColumn<double>("expected");
        // The form is 297 x 220 mm: the narrower side of the window decides.
        QTest::newRow("the layout's own size") << 891.0 << 660.0 << 3.0 << 3.0;
        QTest::newRow("wide window, height decides") << 1782.0 << 990.0 << 3.0 << 4.5;
        QTest::newRow("tall window, width decides") << 1485.0 << 2000.0 << 3.0 << 5.0;
        QTest::newRow("1920 x 1080 with menus and buttons") << 1800.0 << 1040.0 << 3.0 << 4.72;
        QTest::newRow("never below the layout") << 500.0 << 300.0 << 3.0 << 3.0;
        QTest::newRow("800 layout") << 800.0 << 560.0 << 2.33 << 2.54;
        QTest::newRow("a pixel more draws nothing again") << 1783.0 << 991.0 << 3.0 << 4.5;
    }
    void fittedScale()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, layoutScale);
        QFETCH(double, expected);
        const double scale = FormGeometry::fittedScale(width, height, layoutScale);
        QVERIFY2(qAbs(scale - expected) < 1e-9, qPrintable(QString::number(scale)));
        // The whole form fits what the window offers, or the layout's size is kept.
        QVERIFY(scale == layoutScale || (FormGeometry::WidthMm * scale <= width &&
                                         FormGeometry::HeightMm * scale <= height));
    }
};

KERBO_TEST(FormScaleTest)
#include "FormScaleTest.moc"
