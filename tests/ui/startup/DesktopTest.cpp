#include "TestMain.h"

#include "ui/EnterPressesButtons.h"
#include "ui/startup/KerboStyle.h"
#include "ui/startup/Translations.h"

#include <QtWidgets>

// What the program takes from the desktop and adds to it: the style, the French of the standard
// dialogs, and Enter on the button that has the keyboard.
class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    // The program's style is the desktop's; only the menu bar's arrow is made when first shown.
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

    void standardButtonsReadFrench()
    {
        QVERIFY2(installFrenchTranslations(*QCoreApplication::instance()),
                 "qtbase_fr.qm is missing: install qt6-translations-l10n");
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kerbo"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuler"));
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Non"));

        // The file dialogs' "Type" column, which Qt's catalogue leaves in English.
        const QFileIconProvider kinds;
        QCOMPARE(kinds.type(QFileInfo(QDir::tempPath())), QStringLiteral("Dossier"));
        QCOMPARE(kinds.type(QFileInfo(QDir::rootPath())), QStringLiteral("Lecteur"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Voir dans :"));
        // The printer's properties window, opened from "Configuration de l'impression".
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesDialog", "Printer Properties"),
                 QStringLiteral("Propriétés de l'imprimante"));
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
                 QStringLiteral("Avancé"));
    }

    // Enter presses the button that has the keyboard, in a window with no default button too.
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

KERBO_TEST(DesktopTest)
#include "DesktopTest.moc"
