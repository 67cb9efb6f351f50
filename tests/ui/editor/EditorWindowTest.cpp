#include "TestMain.h"

#include "EditorFixture.h"
#include "core/editor/EditRules.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "ui/editor/DayFileWiring.h"
#include "ui/editor/RosterListBox.h"

// What a widget repaints: the parts of the form drawn again after a change.
struct PaintedRegion : QObject {
    QRegion region;
    explicit PaintedRegion(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The bulletin typed into, clicked and moved through in the editor's window.
class EditorWindowTest : public EditorFixture
{
    Q_OBJECT

    enum Gesture { Keys, Backspace, Paste, Characters };

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // What a slot keeps of keys typed, of Backspace (a key press like a character) and of Ctrl+V
    // (the clipboard's text typed on one line), all through the rules of the slot, with the
    // train prefix "14" set. A mention stays: only an edited Journee loses it (below).
    void whatASlotKeeps_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<QString>("before"); // in the slot already
        QTest::addColumn<QString>("input");  // the keys typed or the clipboard's text
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, int slot, Gesture gesture, const QString &before,
                            const QString &input, const QString &kept) {
            QTest::newRow(name) << slot << int(gesture) << before << input << kept;
        };
        row("Nom keeps its case", 1, Keys, {}, u"dupont"_s, u"dupont"_s);
        row("station in capitals", lineSlot(0, De), Keys, {}, u"creil"_s, u"CREIL"_s);
        row("hour in capitals", lineSlot(0, HeureDep), Keys, {}, u"7h12"_s, u"7H12"_s);
        row("station cut", lineSlot(1, De), Keys, {}, u"PARISN"_s, u"PARIS"_s);
        row("mark 13", 13, Keys, {}, u"a"_s, u"x"_s);
        row("mark 50", 50, Keys, {}, u"a"_s, u"x"_s);
        row("mark 53", 53, Keys, {}, u"a"_s, u"x"_s);
        row("56 is toggled by click, typed as text", 56, Keys, {}, u"x"_s, u"X"_s);
        row("mass not prefixed", lineSlot(2, Masse), Keys, {}, u"5"_s, u"5"_s);
        row("Backspace in Nom", 1, Backspace, u"dupont"_s, {}, u"dupon"_s);
        row("Backspace on Non conforme ticked", 13, Backspace, u"x"_s, {}, u"xx"_s);
        row("Backspace on an empty train number: prefix first", lineSlot(1, NumeroTrain), Backspace,
            {}, {}, u"1"_s);
        row("Backspace in a train number", lineSlot(1, NumeroTrain), Backspace, u"847"_s, {},
            u"84"_s);
        // A key whose character is written as two (an emoji) is a character like any other.
        row("emoji key on mark 13", 13, Characters, {}, u"😀"_s, u"x"_s);
        row("emoji key in Nom", 1, Characters, u"Dupont"_s, u"😀"_s, u"Dupont?"_s);
        row("emoji key in a list slot", lineSlot(0, De), Characters, {}, u"a😀"_s, u"A?"_s);
        row("emoji key first in a train number", lineSlot(0, NumeroTrain), Characters, {}, u"😀"_s,
            u"14?"_s);
        // So is an invisible one (a joiner, a layout's zero-width key), which no file holds.
        row("joiner key on mark 50", 50, Characters, {}, u"\u200D"_s, u"x"_s);
        row("joiner key in a station", lineSlot(0, De), Characters, {}, u"a\u200Db"_s, u"AB"_s);
        row("paste on a mark", 50, Paste, {}, u"oui"_s, u"x"_s);
        row("paste in capitals", 3, Paste, {}, u"paris\r\nnord"_s, u"PARIS NORD"_s);
        row("paste in Nom keeps its case", 1, Paste, {}, u"Dupont"_s, u"Dupont"_s);
        row("paste in an empty train number: prefix first", lineSlot(0, NumeroTrain), Paste, {},
            u"2001"_s, u"142001"_s);
        row("paste in a list slot", lineSlot(0, De), Paste, {}, u"lyd"_s, u"LYD"_s);
        // Copied cells, a line break inside: the text the files can hold, in capitals.
        row("paste of cells", 3, Paste, {}, u"\tab\ncd"_s, u" AB CD"_s);
        row("paste in a shunting engine: six characters", 45, Paste, {}, u"674012345"_s,
            u"674012"_s);
    }
    void whatASlotKeeps()
    {
        QFETCH(int, slot);
        QFETCH(int, gesture);
        QFETCH(QString, before);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        m_state->config.options.prefixTrain = u"14"_s;
        m_state->mention = u"2bis"_s;
        m_window->showMention(m_state->mention);
        record().setSlot(slot, before);
        editing().setCurrentSlot(slot);
        if (gesture == Keys) {
            QTest::keyClicks(control(), input);
        } else if (gesture == Backspace) {
            QTest::keyClick(control(), Qt::Key_Backspace);
        } else if (gesture == Characters) {
            typeCharacters(control(), input);
        } else {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(record().slot(slot), kept);
        QCOMPARE(list()->isHidden() ? text()->text() : list()->currentText(), kept);
        QVERIFY(!m_window->mentionLabel()->isHidden());
        QCOMPARE(m_state->mention, u"2bis"_s);
        // Nothing comes in by a drop.
        QVERIFY(!text()->acceptDrops() && !list()->lineEdit()->acceptDrops());
    }

    void trainNumberLookupsAndRefresh()
    {
        m_state->config.options.prefixTrain = u"14"_s;
        QStringList lookups;
        connect(&editing(), &BulletinEditing::trainNumberTyped, this,
                [&](int slot) { lookups << record().slot(slot); });
        typeAt(lineSlot(2, NumeroTrain), u"25"_s);
        QCOMPARE(lookups, QStringList({u"14"_s, u"142"_s, u"1425"_s})); // prefixed once
        // A paste is one change: one lookup, with the whole number, after the prefix's own as
        // for a key; what it fills is shown.
        lookups.clear();
        const auto fill = connect(&editing(), &BulletinEditing::trainNumberTyped, this,
                                  [&](int) { record().setSlot(lineSlot(3, De), u"PARIS"_s); });
        typeAt(lineSlot(3, NumeroTrain), QString());
        QCoreApplication::processEvents();
        PaintedRegion painted(m_window->canvas());
        QGuiApplication::clipboard()->setText(u"29"_s);
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lookups, QStringList({u"14"_s, u"1429"_s}));
        QTRY_VERIFY(painted.region.contains(m_window->canvas()->boxRect(lineSlot(3, De))));
        disconnect(fill);
        // A paste that leaves the number as it was looks nothing up: the line the driver has
        // changed since stays as he left it.
        QGuiApplication::clipboard()->setText(u"1429"_s);
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(record().slot(lineSlot(3, NumeroTrain)), u"1429"_s);
        QCOMPARE(lookups, QStringList({u"14"_s, u"1429"_s}));
        // A value placed by the program is no typing (no lookup), but it is cut to its box.
        lookups.clear();
        record().setSlot(lineSlot(0, AgSeul), u"EAS"_s);
        m_window->refreshBulletin();
        QVERIFY(lookups.isEmpty());
        QCOMPARE(record().slot(lineSlot(0, AgSeul)), u"EA"_s);
    }

    // Wherever a key goes into the text, the caret then stands at its end, ready for the next
    // character of the box.
    void caretGoesToTheEndAfterAChange()
    {
        const int hour = lineSlot(0, HeureDep);
        typeAt(hour, u"0712"_s);
        text()->setCursorPosition(2);
        QTest::keyClicks(text(), u"h"_s);
        QCOMPARE(record().slot(hour), u"07H12"_s);
        QCOMPARE(text()->cursorPosition(), 5);
        text()->setCursorPosition(1);
        QTest::keyClick(text(), Qt::Key_Delete);
        QCOMPARE(record().slot(hour), u"0H12"_s);
        QCOMPARE(text()->cursorPosition(), 4);
    }

    void marks()
    {
        typeAt(13, u"ab"_s);
        QCOMPARE(record().slot(13), u"xx"_s); // as typed: the mark is no longer "x"
        click(13); // Non conforme is only made current
        QCOMPARE(record().currentSlot(), 13);
        QCOMPARE(record().slot(13), u"xx"_s);

        const int fac = lineSlot(1, Fac);
        click(fac);
        QCOMPARE(record().slot(fac), u"x"_s);
        QCOMPARE(text()->text(), u"x"_s);
        // The text control now stands over the mark: the next clicks land on it.
        QTest::mouseClick(text(), Qt::LeftButton);
        QCOMPARE(record().slot(fac), QString());
        QTest::mouseClick(text(), Qt::LeftButton);
        QTest::mouseDClick(text(), Qt::LeftButton); // a double-click toggles twice
        QCOMPARE(record().slot(fac), QString());
        click(lineSlot(4, Observation), true); // straight on the drawing too
        QCOMPARE(record().slot(lineSlot(4, Observation)), QString());
        click(56);
        QCOMPARE(record().slot(56), u"x"_s);
    }

    void clickingABoxMakesItCurrent()
    {
        const int masse = lineSlot(3, Masse);
        click(masse);
        QCOMPARE(record().currentSlot(), masse);
        QVERIFY(m_window->canvas()->boxRect(masse).intersects(text()->geometry()));
        QVERIFY(text()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(255, 255, 0));
        click(lineSlot(3, IndCompo));
        QVERIFY(text()->isHidden() && list()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(Qt::white));
        // The right button opens the form's menu and leaves the box where the driver stands.
        QTest::mousePress(m_window->canvas(), Qt::RightButton, {},
                          m_window->canvas()->boxRect(masse).center());
        QTest::mouseRelease(m_window->canvas(), Qt::RightButton, {},
                            m_window->canvas()->boxRect(masse).center());
        QCOMPARE(record().currentSlot(), lineSlot(3, IndCompo));
    }

    // A screen reader announces the form's control by the box it has come to, by keys or clicks.
    void theControlIsNamedAfterItsBox()
    {
        const auto spokenName = [] {
            QAccessibleInterface *a =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            return a ? a->text(QAccessible::Name) : QString();
        };
        click(lineSlot(1, HeureDep));
        QCOMPARE(spokenName(), u"Ligne 2, Heure dép"_s);
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(spokenName(), u"Ligne 2, Heure arr"_s);
        // A drop-down's name is its value on Linux: the box is told by the caption labelling
        // it, a value typed or not.
        const auto label = [] {
            QAccessibleInterface *a =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            const auto labels = a->relations(QAccessible::Label);
            return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
        };
        click(lineSlot(3, IndCompo));
        QCOMPARE(label(), u"Ligne 4, Ind. compo"_s);
        QTest::keyClicks(list(), u"TS"_s);
        QCOMPARE(label(), u"Ligne 4, Ind. compo"_s);
        click(lineSlot(3, Gare));
        QCOMPARE(label(), u"Ligne 4, Gare"_s);
        click(RoulementSlot);
        QCOMPARE(spokenName(), u"Roulement"_s);
        m_window->datePicker()->setFocus();
        QCOMPARE(spokenName(), u"Date PS"_s);
    }

    // At the layout's scale the control covers the white inside of its box exactly: the box's
    // four lines stand on the pixels just around it (it covered the right and bottom ones of
    // most boxes).
    void theControlLeavesTheBoxLinesInSight()
    {
        BulletinCanvas *canvas = m_window->canvas();
        const QImage form = FormPicture::editorImage(canvas->scale(), 1.0);
        const auto dark = [&form](int x, int y) { return qGray(form.pixel(x, y)) < 160; };
        for (int slot = 1; slot <= LastLineSlot; ++slot) {
            if (EditRules::controlFor(slot) != EditRules::Control::Text ||
                FormGeometry::slotBox(slot).isEmpty())
                continue;
            click(slot);
            const QRect g = text()->geometry();
            const QPoint c = g.center();
            QVERIFY2(dark(g.left() - 1, c.y()) && dark(g.right() + 1, c.y()) &&
                         dark(c.x(), g.top() - 1) && dark(c.x(), g.bottom() + 1),
                     qPrintable(QString::number(slot)));
        }
    }

    // TOTAL Km is counted again after each change, and after frame C is erased.
    void totalAndFrameC()
    {
        typeAt(lineSlot(0, KmTrain), u"120"_s);
        QCOMPARE(record().slot(TotalKmSlot), u"120"_s);
        QTest::keyClick(text(), Qt::Key_Backspace);
        QCOMPARE(record().slot(TotalKmSlot), u"12"_s);
        record().setSlot(LastLineSlot, u"80 km"_s);
        typeAt(lineSlot(1, NumeroTrain), u"847002"_s);
        m_window->action(EditorCommand::EraseC)->trigger();
        QCOMPARE(text()->text(), QString());
        QCOMPARE(record().slot(TotalKmSlot), u"80"_s); // recounted: only the kept last km
        m_window->action(EditorCommand::RestoreC)->trigger();
        QCOMPARE(text()->text(), u"847002"_s);
    }

    void rosterListRefusesTypingAndKeepsAnEmptyText()
    {
        m_state->config.hdGenerique = u"/ailleurs/"_s;
        m_window->showRosterFolder(QString());
        RosterListBox *roster = m_window->rosterList();
        roster->setFocus();
        QVERIFY(roster->hasFocus());
        // A modifier alone types nothing, and Alt on its own still opens the menu bar.
        QTest::keyClick(roster, Qt::Key_Shift);
        QTest::keyClick(roster, Qt::Key_Control);
        QVERIFY(roster->hasFocus());
        QTest::keyClick(roster, Qt::Key_Alt);
        QTRY_COMPARE(QApplication::focusWidget(), m_window->menuBar());
        QTest::keyClick(m_window->menuBar(), Qt::Key_Escape);
        QTRY_VERIFY(roster->hasFocus());
        QVERIFY(record().currentSlot() != 1);
        QTest::keyClicks(roster, u"abc"_s);
        QCOMPARE(roster->currentText(), QString());
        QCOMPARE(record().currentSlot(), 1); // the key sends the driver back to Nom
        QVERIFY(text()->hasFocus());
        QCOMPARE(m_state->config.hdGenerique, QString());
        QCOMPARE(iniOption(u"CheminDossiers"_s, u"Hdgenerique"_s), QString());

        roster->showPopup();
        QCOMPARE(roster->count(), 1);
        roster->hidePopup();
        emit roster->activated(0);
        QCOMPARE(m_state->config.hdGenerique, m_data->dir.path() + u"/R1/"_s);
    }

    // A day opened from a folder whose name the 8-bit settings cannot hold ("Roulement ő") makes
    // it the generic folder for this run only: leaving the roster list that shows it does not
    // store it with "?" in place of its letter, nor cut at a line break in the name, while an
    // ordinary folder shown there is stored as before.
    void rosterListStoresNoFolderTheSettingsCannotHold()
    {
        RosterListBox *roster = m_window->rosterList();
        const QString stored = iniOption(u"CheminDossiers"_s, u"Hdgenerique"_s);
        for (const QString &name : {u"Roulement ő"_s, u"R1\nR2"_s, u"Roulement é"_s}) {
            const QString folder = m_data->dir.path() + u'/' + name + u'/';
            m_state->config.hdGenerique = folder;
            m_window->showRosterFolder(folder);
            roster->setFocus();
            QVERIFY(roster->hasFocus());
            text()->setFocus();
            QVERIFY(!roster->hasFocus());
            QCOMPARE(m_state->config.hdGenerique, folder);
            QCOMPARE(iniOption(u"CheminDossiers"_s, u"Hdgenerique"_s),
                     name.endsWith(u'é') ? folder : stored);
        }
    }

    // A drop-down opens on the text its box shows, in sight: among thirty roster folders the
    // folder shown, whichever way it got there, none when it is a folder of no line; among
    // hundreds of stations the station shown, or the first one that begins with what was typed.
    // The box keeps its text until an item is taken.
    void dropDownsOpenOnTheTextShown()
    {
        const auto openedOn = [](QComboBox *box) { // the row marked and in sight, or -1
            box->showPopup();
            const QAbstractItemView *view = box->view();
            const QModelIndex at = view->currentIndex();
            const bool marked = view->selectionModel()->isSelected(at) &&
                                view->viewport()->rect().contains(view->visualRect(at));
            box->hidePopup();
            return marked ? at.row() : -1;
        };
        QStringList folders;
        for (int i = 0; i < 30; ++i)
            folders << u"/roulements/ROUL %1/"_s.arg(400 + i);
        m_data->writeLines(u"ListeDossier.txt"_s, folders);
        RosterListBox *roster = m_window->rosterList();
        m_window->showRosterFolder(folders[25]);
        QCOMPARE(openedOn(roster), 25);
        emit roster->activated(3);
        m_window->showRosterFolder(folders[20]); // a generic day opened from another folder
        QCOMPARE(openedOn(roster), 20);
        QCOMPARE(roster->currentText(), folders[20]);
        m_window->showRosterFolder(u"/ailleurs/"_s);
        QCOMPARE(openedOn(roster), -1);
        QCOMPARE(roster->currentText(), u"/ailleurs/"_s);

        QStringList stations;
        for (int i = 0; i < 800; ++i)
            stations << u"G%1"_s.arg(1000 + i);
        m_data->writeLines(u"ListeGares.txt"_s, stations);
        typeAt(lineSlot(0, De), u"G1500"_s);
        QCOMPARE(openedOn(list()), 500);
        QCOMPARE(list()->currentText(), u"G1500"_s);
        typeAt(lineSlot(0, A), u"g16"_s);
        QCOMPARE(openedOn(list()), 600);
        QCOMPARE(list()->currentText(), u"G16"_s);
    }

    // What the driver types shows whole in the box: too wide, it is drawn narrower; a box of
    // room enough, or a control moved on to one, shows it at the form's own width.
    void typedTextShowsWholeInNarrowBoxes()
    {
        auto fits = [](QLineEdit *edit) {
            return QFontMetrics(edit->font()).horizontalAdvance(edit->text()) <=
                   edit->contentsRect().width() - 5;
        };
        const QFont form = m_window->canvas()->textFont();
        typeAt(lineSlot(0, Categ), u"MES"_s);
        QLineEdit *listEdit = list()->lineEdit();
        QCOMPARE(listEdit->text(), u"MES"_s);
        QVERIFY(QFontMetrics(form).horizontalAdvance(u"MES"_s) >
                listEdit->contentsRect().width() - 5);
        QVERIFY(fits(listEdit));
        QVERIFY(listEdit->font().stretch() < 100);
        typeAt(lineSlot(0, EvoDep), u"12.5"_s);
        QVERIFY(fits(text()));
        typeAt(lineSlot(0, NumeroTrain), u"1"_s);
        QCOMPARE(text()->font(), form);
        typeAt(lineSlot(0, De), u"P"_s);
        QCOMPARE(listEdit->font(), form);
    }

    // The drop-down covers its box only and reads its list file (none: empty) when opened.
    void listControl()
    {
        editing().setCurrentSlot(lineSlot(3, Via));
        QVERIFY(!list()->isHidden());
        QCOMPARE(list()->geometry(), m_window->canvas()->boxRect(lineSlot(3, Via)));
        const auto listed = [this](int slot) {
            typeAt(slot, QString());
            list()->showPopup();
            list()->hidePopup();
            return list()->count();
        };
        QCOMPARE(listed(9), 3);
        QCOMPARE(list()->currentText(), QString());
        QCOMPARE(listed(lineSlot(0, Categ)), 0);

        // The mouse wheel over the closed control chooses among the items of the slot's own
        // list only: those read for another slot never land in this one.
        const auto wheel = [this] {
            const QPointF at = QRectF(list()->rect()).center();
            QWheelEvent down(at, list()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list(), &down);
        };
        for (const int slot : {lineSlot(0, EnginTitu), lineSlot(0, De)}) {
            listed(slot == lineSlot(0, De) ? lineSlot(0, EnginTitu) : 9); // another list's items
            editing().setCurrentSlot(slot);
            wheel();
            QVERIFY2(record().slot(slot).isEmpty(), qPrintable(record().slot(slot)));
        }
        listed(lineSlot(0, De));
        editing().setCurrentSlot(lineSlot(0, A)); // a station box too: the same list
        wheel();
        QCOMPARE(record().slot(lineSlot(0, A)), list()->itemText(0).left(5));
        record().setSlot(lineSlot(0, A), QString());

        // A station longer than the screen is wide: the list stays within the screen.
        m_data->writeLines(u"ListeGares.txt"_s, {u"CREIL"_s, QString(400, u'W')});
        typeAt(9, QString());
        list()->showPopup();
        QCOMPARE(list()->count(), 2);
        QCOMPARE_LE(list()->view()->window()->width(),
                    list()->screen()->availableGeometry().width());
        list()->hidePopup();
    }
};

KERBO_TEST(EditorWindowTest)
#include "EditorWindowTest.moc"
