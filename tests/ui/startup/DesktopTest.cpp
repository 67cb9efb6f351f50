#include "TestMain.h"

#include "FakePrompts.h"
#include "TestFiles.h"
#include "ui/EnterPressesButtons.h"
#include "ui/HelpFile.h"
#include "ui/startup/KerboStyle.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/Translations.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

// What the program takes from the desktop and adds to it: the style, the French of the standard
// dialogs, Enter on the button that has the keyboard, and the viewer of the help files.
class DesktopTest : public QObject
{
    Q_OBJECT
    // Shows `window` with `widgets` in a column, all in `style`, as the active window.
    static bool showActive(QWidget &window, QStyle &style, const QList<QWidget *> &widgets)
    {
        window.setStyle(&style);
        auto *column = new QVBoxLayout(&window);
        for (QWidget *w : widgets) {
            w->setStyle(&style);
            column->addWidget(w);
        }
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

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
            bar->addMenu(u"Menu numéro %1"_s.arg(i));
        bar->setGeometry(0, 0, 200, 30);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *more = bar->findChild<QToolButton *>(u"qt_menubar_ext_button"_s);
        QVERIFY(more);
        QTRY_VERIFY(more->isVisible());
        QCOMPARE(more->icon().pixmap(more->iconSize()).toImage(),
                 own.pixmap(more->iconSize()).toImage());
    }

    // The icon of the windows, read at the start without loading the system's image plug-ins
    // (JPEG, GIF and the others): a start pays for each one loaded.
    void windowIconLoadsNoImagePlugin()
    {
        const auto imagePluginsLoaded = [] {
            QFile maps(u"/proc/self/maps"_s);
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
        };
        if (imagePluginsLoaded()) QSKIP("an earlier test of this program loaded image plug-ins");
        const QIcon icon = StartUp::windowIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
        const QImage picture = icon.pixmap(64).toImage();
        QVERIFY(picture.hasAlphaChannel());
        QVERIFY(picture.pixelColor(32, 32).alpha() > 0);
        QVERIFY(!imagePluginsLoaded());
    }

    // A message box's picture at 200 %: drawn at the screen's pixels, where the theme has none,
    // each kind its own.
    void messagePicturesAreSharpAtAnyScale()
    {
        KerboStyle style;
        QIcon::setThemeName(QString());
        QList<QImage> pictures;
        for (const auto kind : {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion}) {
            const QImage picture = style.standardIcon(kind)
                                       .pixmap(QSize(32, 32), 2.0)
                                       .toImage()
                                       .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(picture.size(), QSize(64, 64));
            QVERIFY(qAlpha(picture.pixel(32, 40)) == 255);
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
            QVERIFY(!pictures.contains(picture));
            pictures << picture;
        }
    }

    // A list with the keyboard shows it by its outline, empty or with its chosen line.
    void listWithTheKeyboardIsOutlined()
    {
        KerboStyle style;
        QWidget window;
        auto *filled = new QListWidget(&window);
        auto *empty = new QListWidget(&window);
        filled->addItem(u"/home"_s);
        filled->setCurrentRow(0);
        QVERIFY(showActive(window, style, {filled, empty}));
        const QRgb highlight = filled->palette().color(QPalette::Highlight).rgb();
        const auto edge = [](QListWidget *list) {
            const QImage picture = list->grab().toImage();
            return picture.pixel(0, picture.height() / 2) & RGB_MASK;
        };
        for (QListWidget *list : {filled, empty}) {
            list->setFocus();
            QCOMPARE(edge(list), highlight & RGB_MASK);
            (list == filled ? empty : filled)->setFocus();
            QVERIFY(edge(list) != (highlight & RGB_MASK));
        }
    }

    // The window's default button looks the same with or without the keyboard in the base
    // style: with it, it must show.
    void defaultButtonShowsTheKeyboard()
    {
        KerboStyle style;
        QDialog window;
        auto *box = new QLineEdit(&window);
        auto *ok = new QPushButton(u"OK"_s, &window);
        ok->setDefault(true);
        QVERIFY(showActive(window, style, {box, ok}));
        box->setFocus();
        const QImage without = ok->grab().toImage();
        ok->setFocus();
        QVERIFY(ok->hasFocus() && ok->isDefault());
        QVERIFY(ok->grab().toImage() != without);
    }

    void standardButtonsReadFrench()
    {
        QVERIFY2(installFrenchTranslations(*QCoreApplication::instance()),
                 "qtbase_fr.qm is missing: install qt6-translations-l10n");
        QMessageBox box(QMessageBox::Question, u"Kerbo"_s, u"?"_s,
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"Annuler"_s);
        // The date box's calendar names its months and days in French too.
        QCOMPARE(QLocale().monthName(1), u"janvier"_s);

        // The file dialogs' "Type" column, which Qt's catalogue leaves in English.
        const QFileIconProvider kinds;
        QCOMPARE(kinds.type(QFileInfo(QDir::tempPath())), u"Dossier"_s);
        QCOMPARE(kinds.type(QFileInfo(QDir::rootPath())), u"Lecteur"_s);
        // Qt's own catalogue, and the texts it lacks that the program adds (the printer's
        // properties, a print server's password window). Qt 6.8's catalogue puts a no-break
        // space before a colon.
        const char *const french[][3] = {
            {"QFileDialog", "Look in:", "Voir dans :"},
            {"QPrintPropertiesDialog", "Printer Properties", "Propriétés de l'imprimante"},
            {"QCupsPrinterSupport", "Authentication needed to use %1 on %2.",
             "Authentification requise pour utiliser %1 sur %2."},
        };
        for (const auto &[context, english, expected] : french)
            QCOMPARE(QCoreApplication::translate(context, english).replace(QChar(0xA0), u' '),
                     QString::fromUtf8(expected));
    }

    // Enter presses the button that has the keyboard, in a window with no default button too.
    void enterPressesTheFocusedButtonOnly()
    {
        EnterPressesButtons filter;
        qApp->installEventFilter(&filter);
        KerboStyle style;
        QDialog window;
        auto *box = new QLineEdit(&window);
        auto *save = new QPushButton(u"Enregistrer"_s, &window);
        save->setAutoDefault(false);
        QVERIFY(showActive(window, style, {box, save}));
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

    // The help goes to the desktop's opener; an opener that finds no viewer is told, one that
    // shows the file is not, and a help file that is gone is named.
    void helpFileIsShownOrTold()
    {
        QTemporaryDir dir;
        const QString help = dir.filePath(u"AideKerbo1.html"_s);
        QVERIFY(writeBytes(help, "<html></html>"));
        const QString opener = dir.filePath(u"xdg-open"_s);
        // The opener of the test comes first in PATH until the test ends, however it ends.
        struct Path {
            const QByteArray saved = qgetenv("PATH");
            ~Path() { qputenv("PATH", saved); }
        } path;
        qputenv("PATH", dir.path().toLocal8Bit() + ':' + path.saved);
        const auto openerDone = [] {
            return QCoreApplication::instance()->findChildren<QProcess *>().isEmpty();
        };
        const auto writeOpener = [&opener](const QString &script) {
            QVERIFY(writeBytes(opener, script.toLocal8Bit()));
            QFile::setPermissions(opener, QFile::permissions(opener) | QFile::ExeOwner);
            QFile::remove(opener + u".url"_s);
        };
        const auto openerExits = [&](int code) {
            writeOpener(u"#!/bin/sh\necho \"$1\" > \"%1.url\"\nexit %2\n"_s.arg(opener).arg(code));
        };

        FakePrompts prompts;
        openerExits(3);
        HelpFile::show(prompts, help);
        QTRY_COMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().title, u"Kerbo"_s);
        QCOMPARE(prompts.last().text,
                 u"Impossible d'afficher le fichier d'aide %1\r\nAucun programme de "
                 u"cet ordinateur ne sait ouvrir les pages HTML : installez un "
                 u"navigateur web."_s.arg(help));

        openerExits(0);
        HelpFile::show(prompts, help);
        QTRY_VERIFY(openerDone());
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(bytesOf(opener + u".url"_s).trimmed(), QUrl::fromLocalFile(help).toEncoded());

        // An opener that cannot even start: the driver still learns what to do.
        writeOpener(u"#!/nonexistent/sh\n"_s);
        HelpFile::show(prompts, help);
        QTRY_COMPARE(prompts.calls.size(), 2);
        QCOMPARE(prompts.last().text,
                 u"Impossible d'afficher le fichier d'aide %1\r\nOuvrez ce fichier "
                 u"avec votre navigateur web."_s.arg(help));

        QFile::remove(help);
        HelpFile::show(prompts, help);
        QCOMPARE(prompts.calls.size(), 3);
        QCOMPARE(prompts.last().text, u"Le fichier d'aide %1 est introuvable."_s.arg(help));
    }
};

KERBO_TEST(DesktopTest)
#include "DesktopTest.moc"
