#include "TestMain.h"

#include "../SessionFolder.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/FolderWiring.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/lists/frmGestListe.h"
#include "ui/options/frmOption.h"

#include <QtWidgets>

// The list window, the editor's learning of stations and engines, and the options switching it.
class ListWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SessionFolder> m_data;

    AppState &state() { return m_data->state; }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Runs `check` on the window that a triggered action opens modally, then closes it.
    template <typename Window> bool whileOpen(QAction *action, std::function<bool(Window *)> check)
    {
        bool passed = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            passed = window && check(window);
            if (QWidget *modal = QApplication::activeModalWidget()) modal->close();
        });
        action->trigger();
        return passed;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<SessionFolder>();
        m_data->write("ListeGares.txt", "PNORD\r\nCREIL\r\nAMIEN\r\nCREIL\r\n");
    }

    void listWindow()
    {
        frmGestListe window(m_data->session, ReferenceLists::Kind::Gares);
        window.show();
        QCOMPARE(window.windowTitle(), "GESTION DES LISTES GARES");
        QCOMPARE(window.list()->count(), 4);
        // Capitals within the code page: a letter without one stays as typed.
        typeCharacters(window.itemBox(), QStringLiteral(" amiençµ"));
        QCOMPARE(window.itemBox()->text(), QStringLiteral(" AMIENÇµ"));
        window.itemBox()->selectAll();
        QTest::keyClicks(window.itemBox(), " amien");
        click(window.button(frmGestListe::Button::Add));
        QCOMPARE(window.list()->item(4)->text(), "AMIEN");
        QTest::keyClicks(window.itemBox(), "pnord");
        click(window.button(frmGestListe::Button::Add));
        QCOMPARE(m_data->prompts.last().text, "Ce nom existe déjà dans la collection");
        QCOMPARE(m_data->prompts.last().icon, Prompts::Icon::None);
        QVERIFY(window.itemBox()->text().isEmpty());
        // A letter the file cannot hold shows as the "?" the file will hold, as it is typed.
        typeCharacters(window.itemBox(), QStringLiteral("łódź"));
        QCOMPARE(window.itemBox()->text(), QStringLiteral("?ÓD?"));
        click(window.button(frmGestListe::Button::Add));
        QCOMPARE(window.list()->item(5)->text(), QStringLiteral("?ÓD?"));
        QVERIFY(m_data->read("ListeGares.txt")
                    .endsWith("\r\n?\xd3"
                              "D?\r\n"));

        QListWidget *list = window.list();
        clickItem(list, 1);
        QCOMPARE(window.itemBox()->text(), "CREIL");
        // The keys move the choice with the highlight.
        QVERIFY(bringToFront(window));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window.itemBox()->text(), "AMIEN");
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(window.itemBox()->text(), "CREIL");
        window.itemBox()->setText("CREUL"); // no such item: the text stays to be put right
        click(window.button(frmGestListe::Button::Remove));
        QCOMPARE(window.itemBox()->text(), "CREUL");
        QCOMPARE(list->count(), 6);
        window.itemBox()->setText("CREIL");
        click(window.button(frmGestListe::Button::Remove)); // both CREIL lines go
        QCOMPARE(list->count(), 4);
        // The keys are back in the item box, emptied: Enter there does not add CREIL again.
        QTRY_VERIFY(window.itemBox()->hasFocus());
        QVERIFY(window.itemBox()->text().isEmpty());
        QTest::keyClicks(window.itemBox(), "laon");
        QCOMPARE(window.itemBox()->text(), "LAON");
        QTest::keyClick(window.itemBox(), Qt::Key_Return); // Enter adds it
        QVERIFY(window.itemBox()->hasFocus() && window.itemBox()->text().isEmpty());
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(4)->text(), "LAON");
        QTest::keyClick(window.itemBox(), Qt::Key_Return); // nothing typed: nothing added
        QCOMPARE(list->count(), 5);
        QVERIFY(window.isVisible());

        click(window.button(frmGestListe::Button::RemoveAll)); // answered No
        QCOMPARE(m_data->prompts.last().text,
                 "Désirez-vous vraiment supprimer tous les élements ?");
        QCOMPARE(list->count(), 5);
        m_data->prompts.answers = {Prompts::Answer::Yes};
        click(window.button(frmGestListe::Button::RemoveAll));
        QCOMPARE(list->count(), 0);
        QCOMPARE(m_data->read("ListeGares.txt"), QByteArray());
    }

    // What the driver adds to a list of hundreds is shown at its foot, not left out of sight.
    void addedItemShownInLongList()
    {
        QByteArray stations;
        for (int i = 0; i < 800; ++i)
            stations += "GARE " + QByteArray::number(1000 + i) + "\r\n";
        m_data->write("ListeGares.txt", stations);
        frmGestListe window(m_data->session, ReferenceLists::Kind::Gares);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListWidget *list = window.list();
        QTest::keyClicks(window.itemBox(), "vernon");
        click(window.button(frmGestListe::Button::Add));
        QCOMPARE(list->item(800)->text(), "VERNON");
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(800))));
    }

    // A list that is there but cannot be read (too large here) is told, not shown as empty;
    // "Tout Supprimer" emptied the file the driver could not see.
    void listThatCannotBeReadIsToldAndKept()
    {
        const QByteArray huge(int(TextFile::MaxListBytes) + 1, 'A');
        m_data->write("ListeGares.txt", huge);
        {
            frmGestListe window(m_data->session, ReferenceLists::Kind::Gares);
            QCOMPARE(m_data->prompts.calls.size(), 1);
            QVERIFY(m_data->prompts.last().text.contains("trop volumineux"));
            m_data->prompts.answers = {Prompts::Answer::Yes};
            click(window.button(frmGestListe::Button::RemoveAll));
            QCOMPARE(m_data->prompts.calls.size(), 2); // told again, nothing asked
            QCOMPARE(m_data->read("ListeGares.txt").size(), huge.size());
        }
        // The editor's drop-down tells it once a run.
        EditorWindow editor(state(), EditorLayout::Editor1024);
        QSignalSpy told(editor.editing(), &BulletinEditing::listUnreadable);
        editor.editing()->setCurrentSlot(9); // Lieu PS
        for (int opening = 0; opening < 2; ++opening) {
            editor.listControl()->showPopup();
            editor.listControl()->hidePopup();
        }
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().first().toString().contains("ListeGares.txt"));
    }

    void editorLearnsWhatTheOptionsSwitchOn()
    {
        EditorWindow editor(state(), EditorLayout::Editor1024);
        wireFolderWindows(editor, m_data->session);
        QVERIFY(bringToFront(editor));
        BulletinEditing &editing = *editor.editing();
        auto typeAndLeave = [&](int slot, const QString &text) {
            editing.setCurrentSlot(slot);
            QWidget *control = editor.listControl()->isHidden()
                                   ? static_cast<QWidget *>(editor.textControl())
                                   : editor.listControl();
            QTest::keyClicks(control, text);
            QTest::keyClick(control, Qt::Key_Tab);
        };
        // The options window, opened from its menu entry, switches the learning on.
        QVERIFY(whileOpen<frmOption>(editor.action(EditorCommand::Options), [](frmOption *w) {
            w->check(ConfigKeys::Enaug)->setChecked(true);
            w->check(ConfigKeys::Eneng)->setChecked(true);
            w->check(ConfigKeys::Enaut)->setChecked(true);
            QTest::mouseClick(w->confirmButton(), Qt::LeftButton);
            return true;
        }));
        QCOMPARE(state().config.options.enaug, 1);

        // The drop-down gains the item at once where the next box takes the same list; the
        // items of another list are not the next box's.
        const auto openAt = [&](int slot) {
            editing.setCurrentSlot(slot);
            editor.listControl()->showPopup();
            editor.listControl()->hidePopup();
        };
        openAt(SlotTable::lineSlot(0, SlotTable::EnginTitu));
        typeAndLeave(SlotTable::lineSlot(0, SlotTable::EnginTitu), " bb 7");
        QCOMPARE(m_data->read("ListeEnginsAut.txt"), "BB 7\r\n");
        editing.setCurrentSlot(SlotTable::lineSlot(0, SlotTable::De));
        QCOMPARE(editor.listControl()->findText("BB 7"), -1);
        openAt(SlotTable::lineSlot(0, SlotTable::De));
        QCOMPARE(editor.listControl()->findText("QWXYZ"), -1);
        typeAndLeave(SlotTable::lineSlot(0, SlotTable::De), "qwxyz");
        QCOMPARE(state().record.currentSlot(), SlotTable::lineSlot(0, SlotTable::A));
        QVERIFY(editor.listControl()->findText("QWXYZ") >= 0);

        // The item learnt stays in its own box: the box the driver goes on to starts empty,
        // whether its drop-down was ever opened or not.
        QVERIFY(bringToFront(editor)); // back from the options window
        editing.setCurrentSlot(9); // Lieu PS, then Heure PS
        editor.listControl()->showPopup();
        editor.listControl()->hidePopup();
        typeAndLeave(9, "melun");
        QTest::keyClicks(editor.textControl(), "6h00");
        QCOMPARE(state().record.slot(9), "MELUN");
        QCOMPARE(state().record.slot(10), "6H00");
        const int via = SlotTable::lineSlot(1, SlotTable::Via);
        typeAndLeave(via, "qqq");
        QCOMPARE(state().record.slot(via + 1), QString());
        QCOMPARE(editor.textControl()->text(), QString());

        // The list entry opens the list window on the engine list in use.
        QVERIFY(
            whileOpen<frmGestListe>(editor.action(EditorCommand::ListEngins), [](frmGestListe *w) {
                return w->windowTitle() == "GESTION DES LISTES ENGINS" && w->list()->count() == 1;
            }));
    }

    void optionWindow()
    {
        m_data->write("Config.ini", "[Options]\r\nEnaut=0\r\nNbvhe=2\r\n");
        frmOption window(m_data->session);
        QVERIFY(bringToFront(window));
        QLineEdit *vehicles = window.text(ConfigKeys::Nbvhe);
        QVERIFY(vehicles->isHidden());
        window.check(ConfigKeys::Enaut)->setChecked(true);
        QVERIFY(!vehicles->isHidden());
        QCOMPARE(vehicles->text(), "2");

        vehicles->setFocus();
        QCOMPARE(vehicles->palette().color(QPalette::Base), QColor(255, 255, 192));
        vehicles->clear();
        QTest::keyClicks(vehicles, "x2");
        QCOMPARE(vehicles->text(), "X2");
        window.text(ConfigKeys::Emtaut)->setFocus();
        QTRY_COMPARE(m_data->prompts.calls.size(), 1);
        QCOMPARE(m_data->prompts.last().title, "Erreur dans le nombre de vehicules!!");
        QCOMPARE(m_data->prompts.last().text,
                 "Veuillez entrez des chiffres et pas de lettres s.v.p.");
        QVERIFY(vehicles->text().isEmpty());
        QTRY_VERIFY(vehicles->hasFocus());
        window.text(ConfigKeys::Emtaut)->setFocus(); // left empty: becomes 0
        QTRY_COMPARE(vehicles->text(), "0");
        QCOMPARE(m_data->prompts.calls.size(), 1);

        // The train prefix is taken when its box is left, before any confirmation.
        window.text(ConfigKeys::PrefixTrain)->setFocus();
        QTest::keyClicks(window.text(ConfigKeys::PrefixTrain), "8");
        vehicles->setFocus();
        QCOMPARE(state().config.options.prefixTrain, "8");
        QVERIFY(!m_data->read("Config.ini").contains("PrefixTrain"));

        // "Valider" clicked at once on leaving the box, before its delayed check has run: the
        // check comes first, once.
        vehicles->clear();
        QTest::keyClicks(vehicles, "x2");
        window.confirmButton()->setFocus(Qt::MouseFocusReason); // the press on the button
        window.confirmButton()->click();                        // its release
        QTest::qWait(50);
        QCOMPARE(m_data->prompts.calls.size(), 2);
        QVERIFY(window.isVisible() && vehicles->text().isEmpty() && vehicles->hasFocus());
        QCOMPARE(m_data->read("Config.ini"), "[Options]\r\nEnaut=0\r\nNbvhe=2\r\n");
        window.confirmButton()->setFocus(Qt::MouseFocusReason); // left empty: it becomes 0
        window.confirmButton()->click();
        QVERIFY(m_data->read("Config.ini").contains("\r\nNbvhe=0\r\n"));
        QCOMPARE(m_data->prompts.calls.size(), 2);

        // Enter confirms from any box, the vehicle count checked first.
        frmOption again(m_data->session);
        QVERIFY(bringToFront(again));
        QLineEdit *count = again.text(ConfigKeys::Nbvhe);
        count->setFocus();
        count->clear();
        QTest::keyClicks(count, "x");
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(m_data->prompts.calls.size(), 3);
        QVERIFY(again.isVisible() && count->text().isEmpty());
        QTest::keyClicks(count, "4");
        QTest::keyClick(count, Qt::Key_Return);
        QVERIFY(!again.isVisible());
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(m_data->read("Config.ini").contains("\r\nNbvhe=4\r\n"));
        QCOMPARE(m_data->prompts.calls.size(), 3);
    }
};

KERBO_TEST(ListWindowsTest)
#include "ListWindowsTest.moc"
