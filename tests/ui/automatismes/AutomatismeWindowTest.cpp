#include "TestMain.h"

#include "../SessionFolder.h"
#include "AutomatismeFile.h"
#include "ui/PaperColours.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/editor/AutomatismeWiring.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/SlotComboBox.h"

#include <QtWidgets>

using namespace SlotTable;
using namespace Qt::StringLiterals;

// The editor and the automatisme window in self-propelled mode, automatismes 14 and 142 stored.
class AutomatismeWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SessionFolder> m_data;

    BulletinRecord &record() { return m_data->state.record; }

private slots:
    void init()
    {
        using AutomatismeFile::section;
        m_data = std::make_unique<SessionFolder>();
        m_data->writeLines("Automatisme.ini", AutomatismeFile::counter(2) +
                                                  section("14", {{"De", "PNORD"}, {"A", "CREIL"}}) +
                                                  section("142", {{"A", "AMIEN"},
                                                                  {"HeureDép", "0715"},
                                                                  {"Let1", "Z"},
                                                                  {"EnginTitu", "20501"},
                                                                  {"EnginUm1", "20503"},
                                                                  {"EmtUm1", "NOR"}}));
        Options &options = m_data->state.config.options;
        options.enaut = 1;
        options.lettreAutom = u"Z"_s;
        options.emtaut = u"NOR"_s;
        options.nbvhe = 3;
    }

    void editorFillsContinuesAndCaptures()
    {
        EditorWindow editor(m_data->state, EditorLayout::Editor1024);
        wireAutomatismes(editor, m_data->session);
        QVERIFY(bringToFront(editor));
        BulletinEditing &editing = *editor.editing();
        editing.setCurrentSlot(FirstTrainNumberSlot);
        QTest::keyClicks(editor.textControl(), u"14"_s);
        QCOMPARE(record().slot(lineSlot(0, A)), u"CREIL"_s);
        QTest::keyClicks(editor.textControl(), u"2"_s);
        QCOMPARE(record().slot(lineSlot(0, A)), u"AMIEN"_s);

        // F2 on the next line continues it and sends the driver to its train number.
        editing.setCurrentSlot(lineSlot(1, De));
        QTest::keyClick(editor.listControl(), Qt::Key_F2);
        QCOMPARE(record().currentSlot(), lineSlot(1, NumeroTrain));
        QVERIFY(editor.textControl()->isVisible() && editor.textControl()->text().isEmpty());
        QCOMPARE(record().slot(lineSlot(1, EnginTitu)), u"Z 20504 NOR"_s);

        // An engine typed keeps the driver's text in the control; the record is normalised.
        editing.setCurrentSlot(lineSlot(2, EnginTitu));
        QTest::keyClicks(editor.listControl(), u"20501"_s);
        QCOMPARE(editor.listControl()->currentText(), u"20501"_s);
        QCOMPARE(record().slot(lineSlot(2, EnginTitu)), u"Z 20501 NOR"_s);
        QCOMPARE(record().slot(lineSlot(2, NbVeh)), u"3"_s);
        QTest::keyClick(editor.listControl(), Qt::Key_Tab);
        editing.setCurrentSlot(lineSlot(2, EnginTitu));
        QCOMPARE(editor.listControl()->currentText(), u"Z 20501 NOR"_s);

        // F9 stores line 2 under the number typed there; the window then lists it. Ctrl+F9 is
        // no capture: nothing is asked.
        editing.setCurrentSlot(lineSlot(1, NumeroTrain));
        QTest::keyClicks(editor.textControl(), u"143"_s);
        QTest::keyClick(editor.textControl(), Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(m_data->prompts.calls.size(), 0);
        m_data->prompts.answers.push_back(Prompts::Answer::Yes);
        QTest::keyClick(editor.textControl(), Qt::Key_F9);
        frmAutomatisme window(m_data->session, &editor);
        QCOMPARE(window.list()->item(2)->text(), u"143"_s);
    }

    // A file that is there but cannot be read (a folder in its place here) fills no line and is
    // told once a run; the lookups said nothing, and only F9 told it.
    void unreadableFileIsToldAtTheFirstLookup()
    {
        QVERIFY(QFile::remove(m_data->dataFile("Automatisme.ini")));
        QVERIFY(QDir().mkdir(m_data->dataFile("Automatisme.ini")));
        EditorWindow editor(m_data->state, EditorLayout::Editor1024);
        wireAutomatismes(editor, m_data->session);
        QVERIFY(bringToFront(editor));
        editor.editing()->setCurrentSlot(FirstTrainNumberSlot);
        QTest::keyClicks(editor.textControl(), u"142"_s);
        QTRY_COMPARE(m_data->prompts.calls.size(), 1);
        QVERIFY2(m_data->prompts.last().text.contains("Automatisme.ini"),
                 qPrintable(m_data->prompts.last().text));
        QTest::keyClicks(editor.textControl(), u"4"_s);
        QTest::qWait(20);
        QCOMPARE(m_data->prompts.calls.size(), 1);
        QCOMPARE(record().slot(lineSlot(0, A)), QString());
    }

    // Automatisme.ini changed by another program (a sync, a text editor) while the window was
    // open: back on it, the list and the counter say what the file holds, the line chosen still
    // chosen and the boxes as the driver left them.
    void listFollowsTheFileOnReturn()
    {
        frmAutomatisme window(m_data->session);
        QWidget elsewhere;
        QVERIFY(bringToFront(window));
        QListWidget *list = window.list();
        clickItem(list, 1);
        window.box(1)->setText(u"LILLE"_s);
        QVERIFY(bringToFront(elsewhere));
        m_data->writeLines("Automatisme.ini",
                           AutomatismeFile::counter(2) +
                               AutomatismeFile::section("142", {{"A", "AMIEN"}}) +
                               AutomatismeFile::section("16", {{"A", "ARRAS"}}));
        QVERIFY(bringToFront(window));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), u"16"_s);
        QCOMPARE(list->selectedItems().value(0)->text(), u"142"_s);
        QCOMPARE(window.box(1)->text(), u"LILLE"_s);
    }

    void windowKeysBoxesAndList()
    {
        const QByteArray before = m_data->read("Automatisme.ini");
        QWidget parent;
        frmAutomatisme window(m_data->session, &parent);
        QVERIFY(bringToFront(window));
        QLineEdit *number = window.numberBox();
        QCOMPARE(number->palette().color(QPalette::Base), PaperColours::focusGround());

        // Enter, Right and Down go round the 38 boxes; Left and Up go back.
        const Qt::Key forward[] = {Qt::Key_Return, Qt::Key_Right, Qt::Key_Down};
        for (int i = 0; i < AutomatismeKeys::FieldCount; ++i) {
            QTest::keyClick(QApplication::focusWidget(), forward[i % 3]);
            QCOMPARE(QApplication::focusWidget(), window.box(i));
        }
        QVERIFY(number->palette().color(QPalette::Base) != PaperColours::focusGround());
        QTest::keyClick(window.box(36), Qt::Key_Return);
        QVERIFY(number->hasFocus());
        QTest::keyClick(number, Qt::Key_Left);
        QTest::keyClick(window.box(36), Qt::Key_Up);
        QVERIFY(window.box(35)->hasFocus());

        // Capitals as typed; the leading engine's box keeps its number when left.
        window.box(22)->setFocus();
        QTest::keyClicks(window.box(22), u"bb 67401 sot"_s);
        QCOMPARE(window.box(22)->text(), u"BB 67401 SOT"_s);
        QTest::keyClick(window.box(22), Qt::Key_Return);
        QCOMPARE(window.box(22)->text(), u"B67401 "_s);

        // A click on an item loads it; deleting it leaves the others as they were.
        QListWidget *list = window.list();
        clickItem(list, 0);
        QCOMPARE(window.box(1)->text(), u"CREIL"_s);
        // Each box shows the start of its text, whatever its length.
        QCOMPARE(window.box(1)->cursorPosition(), 0);
        // Clicked again, the item shown brings back what is stored over the boxes changed since.
        window.box(1)->setText(u"LILLE"_s);
        clickItem(list, 0);
        QCOMPARE(window.box(1)->text(), u"CREIL"_s);
        QVERIFY(number->hasFocus());
        // The keys load the item highlighted, the keyboard staying on the list; the item
        // deleted is the one loaded.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->hasFocus());
        QCOMPARE(number->text(), list->item(1)->text());
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(number->text(), list->item(0)->text());
        QCOMPARE(window.box(1)->text(), u"CREIL"_s);
        // Emptied, then taken again with Space on the line still highlighted.
        QTest::mouseClick(window.button(frmAutomatisme::Button::ClearAll), Qt::LeftButton);
        QVERIFY(number->text().isEmpty() && list->selectedItems().isEmpty());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(number->text(), list->item(0)->text());
        QCOMPARE(window.box(1)->text(), u"CREIL"_s);
        QTest::mouseClick(window.button(frmAutomatisme::Button::Delete), Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QCOMPARE(window.counterLabel()->text(), u" 1 automatismes enregistrés"_s);
        const QByteArray after = m_data->read("Automatisme.ini");
        QCOMPARE(after.mid(after.indexOf("[Train142]")), before.mid(before.indexOf("[Train142]")));

        // The number typed is never rewritten by the line it highlights.
        number->clear();
        number->setFocus();
        const QString typed = u' ' + list->item(0)->text();
        QTest::keyClicks(number, typed);
        QVERIFY(list->item(0)->isSelected());
        QCOMPARE(number->text(), typed);
    }

    // "Enregistrer" of a new number lists it, trimmed and chosen, and counts it; saved again it
    // is neither listed nor counted twice. The deletion takes the number trimmed as well.
    void saveNewThenAgainThenDelete()
    {
        frmAutomatisme window(m_data->session);
        QVERIFY(bringToFront(window));
        QListWidget *list = window.list();
        QTest::keyClicks(window.numberBox(), u" 15"_s);
        QTest::keyClick(window.numberBox(), Qt::Key_Return);
        QTest::keyClicks(window.box(0), u"rennes"_s);
        QPushButton *save = window.button(frmAutomatisme::Button::Save);
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(list->count(), 3);
            QCOMPARE(list->selectedItems().value(0), list->item(2));
            QCOMPARE(list->item(2)->text(), u"15"_s);
            QCOMPARE(window.counterLabel()->text(), u" 3 automatismes enregistrés"_s);
        }
        QVERIFY(m_data->read("Automatisme.ini")
                    .contains("[Train15]\r\nNumeroTrain= 15\r\nDe=RENNES\r\nA=\r\n"));
        QTest::mouseClick(window.button(frmAutomatisme::Button::Delete), Qt::LeftButton);
        QCOMPARE(list->count(), 2);
        QVERIFY(!m_data->read("Automatisme.ini").contains("Train15"));
    }
};

KERBO_TEST(AutomatismeWindowTest)
#include "AutomatismeWindowTest.moc"
