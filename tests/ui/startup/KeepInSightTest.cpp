#include "TestMain.h"

#include "ui/KeepInSight.h"

#include <QtWidgets>

using KeepInSight::inSight;

// The program's windows after the screens changed under them: a monitor unplugged, the
// resolution lowered.
class KeepInSightTest : public QObject
{
    Q_OBJECT

private slots:
    void framesComeWholeOnTheScreensLeft_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QList<QRect>>("rooms");
        QTest::addColumn<QPoint>("placed");
        // A laptop's screen, its panel at the top; an office monitor to its right.
        const QRect laptop(0, 0, 1366, 768), laptopRoom(0, 27, 1366, 741);
        const QRect office(1366, 0, 1920, 1080);
        const QList<QRect> both{laptop, office}, bothRooms{laptopRoom, office};
        const QList<QRect> alone{laptop}, aloneRoom{laptopRoom};

        QTest::newRow("whole on its screen")
            << QRect(100, 100, 400, 300) << alone << aloneRoom << QPoint(100, 100);
        QTest::newRow("across both monitors")
            << QRect(1200, 100, 400, 300) << both << bothRooms << QPoint(1200, 100);
        QTest::newRow("over the panel, still on the screen")
            << QRect(100, 0, 400, 300) << alone << aloneRoom << QPoint(100, 0);
        // Where the window manager left the first start's dialog once the office monitor went.
        QTest::newRow("a strip left on the laptop")
            << QRect(1328, 200, 400, 300) << alone << aloneRoom << QPoint(966, 200);
        QTest::newRow("the editor after 1366x768 became 1024x768")
            << QRect(177, 49, 1019, 716) << QList<QRect>{QRect(0, 0, 1024, 768)}
            << QList<QRect>{QRect(0, 27, 1024, 741)} << QPoint(5, 49);
        QTest::newRow("larger than the screen: its corner in sight")
            << QRect(177, 49, 1019, 716) << QList<QRect>{QRect(0, 0, 800, 600)}
            << QList<QRect>{QRect(0, 27, 800, 573)} << QPoint(0, 27);
        QTest::newRow("off every screen: onto the first")
            << QRect(4000, 2000, 400, 300) << both << bothRooms << QPoint(966, 468);
        QTest::newRow("mostly on the office monitor, off its bottom")
            << QRect(2000, 900, 400, 300) << both << bothRooms << QPoint(2000, 780);
    }
    void framesComeWholeOnTheScreensLeft()
    {
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, screens);
        QFETCH(QList<QRect>, rooms);
        QFETCH(QPoint, placed);
        QCOMPARE(inSight(frame, screens, rooms), placed);
    }

    // The pass moves the program's windows that stand off the screen, and no other.
    void windowsOffTheScreenAreBroughtBack()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QDialog dialog;
        dialog.resize(300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(screen.right() - 50, screen.top() + 40);
        QTRY_COMPARE(dialog.frameGeometry().left(), screen.right() - 50);
        QWidget whole;
        whole.resize(200, 100);
        whole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&whole));
        whole.move(screen.topLeft() + QPoint(30, 30));
        QTRY_COMPARE(whole.frameGeometry().topLeft(), screen.topLeft() + QPoint(30, 30));

        KeepInSight::bringBack();
        QTRY_VERIFY(screen.contains(dialog.frameGeometry()));
        QCOMPARE(dialog.frameGeometry().top(), screen.top() + 40);
        QCOMPARE(whole.frameGeometry().topLeft(), screen.topLeft() + QPoint(30, 30));
    }
};

KERBO_TEST(KeepInSightTest)
#include "KeepInSightTest.moc"
