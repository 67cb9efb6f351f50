#include "TestMain.h"

#include "ui/EnterPressesButtons.h"

#include <QtWidgets>

// Enter presses the button that has the keyboard, in a window with no default button too.
class EnterPressesButtonsTest : public QObject
{
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButtonOnly()
    {
        EnterPressesButtons filter;
        qApp->installEventFilter(&filter);
        QDialog window;
        auto *box = new QLineEdit(&window);
        auto *save = new QPushButton(QStringLiteral("Enregistrer"), &window);
        save->setAutoDefault(false);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(save);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy pressed(save, &QPushButton::clicked);

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return); // in a box, Enter is the box's
        QTest::qWait(200);
        QCOMPARE(pressed.count(), 0);
        save->setFocus();
        QTest::keyClick(save, Qt::Key_Return);
        QTRY_COMPARE(pressed.count(), 1);
        QTest::keyClick(save, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(pressed.count(), 2);
        QTest::keyClick(save, Qt::Key_Return, Qt::ControlModifier); // not a press
        QTest::qWait(200);
        QCOMPARE(pressed.count(), 2);
        qApp->removeEventFilter(&filter);
    }
};

KERBO_TEST(EnterPressesButtonsTest)
#include "EnterPressesButtonsTest.moc"
