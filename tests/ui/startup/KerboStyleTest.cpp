#include "TestMain.h"

#include "ui/startup/KerboStyle.h"

#include <QtWidgets>

// The program's style is the desktop's; only the menu bar's arrow is made when first shown.
class KerboStyleTest : public QObject
{
    Q_OBJECT
private slots:
    void narrowMenuBarShowsTheDesktopStylesArrow()
    {
        KerboStyle style;
        const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
        const QIcon deferred = style.standardIcon(arrow);
        const QIcon own = style.baseStyle()->standardIcon(arrow);
        for (const QSize size : {QSize(8, 8), QSize(16, 16)}) {
            QCOMPARE(deferred.actualSize(size), own.actualSize(size));
            QCOMPARE(deferred.pixmap(size, 2.0).toImage(), own.pixmap(size, 2.0).toImage());
        }
        QCOMPARE(style.standardIcon(QStyle::SP_DirIcon).pixmap(16).toImage(),
                 style.baseStyle()->standardIcon(QStyle::SP_DirIcon).pixmap(16).toImage());

        QWidget window;
        window.setStyle(&style);
        auto *bar = new QMenuBar(&window);
        bar->setStyle(&style);
        for (int i = 0; i < 12; ++i)
            bar->addMenu(QStringLiteral("Menu numéro %1").arg(i));
        bar->setGeometry(0, 0, 200, 30);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(more);
        QTRY_VERIFY(more->isVisible());
        QCOMPARE(more->icon().pixmap(more->iconSize()).toImage(),
                 own.pixmap(more->iconSize()).toImage());
    }
};

KERBO_TEST(KerboStyleTest)
#include "KerboStyleTest.moc"
