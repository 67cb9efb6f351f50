#include "TestMain.h"

#include "../SessionFolder.h"
#include "ui/PaperColours.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/calibration/TenthsControl.h"
#include "ui/calibration/frmCentrage.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/RosterListBox.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/options/frmOption.h"
#include "ui/startup/frmCartouche.h"
#include "ui/verso/frmVerso.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace
{

// A desktop in a dark theme: light text on dark grounds.
QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53));
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(40, 40, 40));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(240, 240, 240));
    return dark;
}

// How many pixels of the box's text as drawn are dark, and how many light: text that can be read
// on a light ground has both.
struct Ink {
    int dark = 0;
    int light = 0;
};

// Inside the box's frame, left of a drop-down's arrow: where its text stands, as drawn over
// what the box stands on.
Ink inkOf(QWidget *box, QRect part = {})
{
    const QImage picture = part.isValid() ? box->grab(part).toImage()
                                          : box->parentWidget()->grab(box->geometry()).toImage();
    const QRect text = QRect(QPoint(0, 0), picture.size())
                           .adjusted(2, 2, -2, -2)
                           .intersected(QRect(0, 0, picture.width() * 7 / 10, picture.height()));
    Ink ink;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x) {
            const int grey = qGray(picture.pixel(x, y));
            ink.dark += grey < 90;
            ink.light += grey > 200;
        }
    return ink;
}

// The box shows its text as dark letters on a light ground.
bool readableOnLight(QWidget *box, QRect part = {})
{
    const Ink ink = inkOf(box, part);
    return ink.dark >= 30 && ink.light > ink.dark; // more than the cursor
}

void activate(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

// Whatever colours the desktop gives, the form stays paper and a box lit up for the keyboard
// keeps its text readable.
class DarkDesktopTest : public QObject
{
    Q_OBJECT

    QPalette m_before;

private slots:
    void initTestCase()
    {
        m_before = QApplication::palette();
        QApplication::setPalette(darkPalette());
    }
    void cleanupTestCase() { QApplication::setPalette(m_before); }

    // The form's boxes lit up for the keyboard and typed into, its drop-downs' arrows and the
    // date box's calendar, under the desktop's dark palette, then under a desktop style of its
    // own with a dark variant (Adwaita's): that style leaves room in a box for its own padding,
    // draws its arrows in the light colours of its dark palette and, as GNOME's does, keeps dark
    // shades in the palette it was drawn for.
    void formStaysPaper_data()
    {
        QTest::addColumn<bool>("desktopStyle");
        QTest::newRow("dark palette") << false;
        QTest::newRow("dark desktop style") << true;
    }
    void formStaysPaper()
    {
        struct PaddedDarkStyle : QProxyStyle {
            PaddedDarkStyle() : QProxyStyle(QStyleFactory::create(u"Fusion"_s)) {}
            QPalette standardPalette() const override { return darkPalette(); }
            QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                 SubControl part, const QWidget *widget) const override
            {
                const QRect r = QProxyStyle::subControlRect(control, option, part, widget);
                return control == CC_ComboBox && part == SC_ComboBoxEditField
                           ? r.adjusted(6, 6, -6, -6)
                           : r;
            }
        };
        QFETCH(bool, desktopStyle);
        const QString before = QApplication::style()->name();
        if (desktopStyle) {
            QApplication::setStyle(new PaddedDarkStyle); // the application deletes it
            QApplication::setPalette(darkPalette());
        }
        {
            SessionFolder data;
            data.state.config.hdGenerique = data.dataFolder();
            EditorWindow editor(data.state, EditorLayout::Editor1024);
            editor.setAttribute(Qt::WA_DeleteOnClose, false);
            activate(&editor);
            BulletinEditing &editing = *editor.editing();
            editing.setCurrentSlot(SlotTable::FirstTrainNumberSlot);
            QTest::keyClicks(editor.textControl(), u"88888"_s);
            QVERIFY(readableOnLight(editor.textControl()));
            editing.setCurrentSlot(SlotTable::lineSlot(0, SlotTable::EnginTitu));
            QTest::keyClicks(editor.listControl(), u"BB 88888"_s);
            QVERIFY(readableOnLight(editor.listControl()));
            QVERIFY(readableOnLight(editor.datePicker()));
            editor.rosterList()->setFocus();
            QVERIFY(editor.rosterList()->hasFocus());
            QVERIFY(readableOnLight(editor.rosterList()));

            for (QComboBox *box : {static_cast<QComboBox *>(editor.rosterList()),
                                   static_cast<QComboBox *>(editor.listControl())}) {
                QStyleOptionComboBox option;
                option.initFrom(box);
                const QRect arrow = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                 QStyle::SC_ComboBoxArrow, box);
                const QImage picture = box->grab(arrow).toImage();
                int arrowInk = 0, ground = 0;
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) {
                        const int grey = qGray(picture.pixel(x, y));
                        arrowInk += grey < 150;
                        ground += grey > 200;
                    }
                QVERIFY2(arrowInk >= 3 && ground > picture.width() * picture.height() / 2,
                         qPrintable(u"%1: %2 dark, %3 light"_s
                                        .arg(QString::fromLatin1(box->metaObject()->className()))
                                        .arg(arrowInk)
                                        .arg(ground)));
            }

            // The calendar writes its day names dark on a light header row.
            QCalendarWidget *calendar = editor.datePicker()->calendarWidget();
            calendar->show();
            auto *days = calendar->findChild<QTableView *>(u"qt_calendar_calendarview"_s);
            QVERIFY(days);
            QRect header = days->visualRect(days->model()->index(0, 0));
            header = header.united(days->visualRect(days->model()->index(0, 4)));
            QVERIFY(readableOnLight(days->viewport(), header));
            calendar->hide();
        }
        if (desktopStyle) {
            QApplication::setStyle(before);
            QApplication::setPalette(darkPalette());
        }
    }

    // The drop-down list of a list box of the form opens as paper too.
    void formListDropsAsPaper()
    {
        QWidget form;
        PaperColours::makePaper(&form);
        auto *box = new SlotComboBox(&form);
        box->addItems({u"BB 15000 LEN"_s, u"MMMMMM"_s});
        box->setGeometry(10, 10, 120, 20);
        activate(&form);
        box->showPopup();
        QAbstractItemView *list = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(1, 0));
        QVERIFY(readableOnLight(list->viewport(), item));
        box->hidePopup();
    }

    void litBoxesOfTheWindowsShowDarkText()
    {
        SessionFolder data;
        data.saveFactoryLayout();

        // Each window active, its box with the keyboard and typed into.
        const auto typedReads = [](QWidget &window, QLineEdit *box, const char *typed) {
            activate(&window);
            box->setFocus();
            QTest::keyClicks(box, QLatin1String(typed));
            QVERIFY2(readableOnLight(box), qPrintable(window.windowTitle()));
            window.close();
        };
        frmCartouche cartouche(data.state, data.prompts, false);
        typedReads(cartouche, cartouche.box(0), "MMMMMM");
        QWidget parent;
        frmAutomatisme automatisme(data.session, &parent);
        typedReads(automatisme, automatisme.numberBox(), "88888");
        frmOption options(data.session);
        typedReads(options, options.text(ConfigKeys::PrefixTrain), "MMMM");
        frmCentrage centring(data.session, PrintSide::Recto);
        typedReads(centring, centring.xControl()->box(), "888");

        // The verso's boxes, with their texts.
        data.state.verso.txtD[1] = u"MMMMMM"_s;
        data.state.verso.txtObsMec = u"MMMMMM"_s;
        frmVerso verso(data.session, EditorLayout::Editor1024);
        verso.setAttribute(Qt::WA_DeleteOnClose, false);
        activate(&verso);
        for (const VersoText text : {VersoText::D, VersoText::ObsMec}) {
            QWidget *box = verso.textBox({text, text == VersoText::D ? 1 : 0});
            QVERIFY(box);
            QVERIFY(readableOnLight(box));
        }
    }
};

KERBO_TEST(DarkDesktopTest)
#include "DarkDesktopTest.moc"
