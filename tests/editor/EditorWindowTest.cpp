#include "TestMain.h"

#include "FakePrompts.h"
#include "app/AppState.h"
#include "app/IniAccess.h"
#include "app/TextFile.h"
#include "editor/BulletinEditing.h"
#include "editor/EditorWindow.h"
#include "editor/EditorWiring.h"
#include "editor/RosterListBox.h"
#include "editor/SlotComboBox.h"
#include "view/BulletinCanvas.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace SlotTable;

// One editor window on a data folder of its own, driven through its real widgets.
class EditorWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    FakePrompts m_prompts;
    EditorWindow *m_window = nullptr;

    BulletinRecord &record() { return m_state->record; }
    BulletinEditing &editing() { return *m_window->editing(); }
    QLineEdit *text() { return m_window->textControl(); }
    SlotComboBox *list() { return m_window->listControl(); }

    // Types into whichever control stands on the slot.
    void typeAt(int slot, const QString &keys)
    {
        editing().setCurrentSlot(slot);
        QWidget *target = list()->isHidden() ? static_cast<QWidget *>(text()) : list();
        QTest::keyClicks(target, keys);
    }
    QWidget *control() { return list()->isHidden() ? static_cast<QWidget *>(text()) : list(); }
    QPoint boxCentre(int slot) { return m_window->canvas()->boxRect(slot).center(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("DataBul"));
    }

    void init()
    {
        m_state = std::make_unique<AppState>();
        m_state->config.ouestKerbo = m_dir.path() + QLatin1Char('/');
        TextFile::writeLines(m_state->config.dataFile(QStringLiteral("ListeGares.txt")),
                             {QStringLiteral("PNORD"), QStringLiteral("CREIL"), QStringLiteral("AMIEN")});
        TextFile::writeLines(m_state->config.dataFile(QStringLiteral("ListeDossier.txt")),
                             {m_dir.path() + QStringLiteral("/R1/")});
        m_window = new EditorWindow(*m_state, EditorLayout::Editor1024);
        wireEditorCommands(*m_window, *m_state, m_prompts);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        editing().setCurrentSlot(FirstTrainNumberSlot);
    }

    void cleanup()
    {
        m_window->closeForLayoutSwitch();
        delete m_window;
        m_window = nullptr;
    }

    void upperCaseExceptTheNames()
    {
        typeAt(1, QStringLiteral("dupont"));
        QCOMPARE(record().slot(1), QStringLiteral("dupont"));
        QCOMPARE(text()->text(), QStringLiteral("dupont"));
        typeAt(lineSlot(0, De), QStringLiteral("creil"));
        QVERIFY(!list()->isHidden() && text()->isHidden());
        QCOMPARE(record().slot(lineSlot(0, De)), QStringLiteral("CREIL"));
        typeAt(lineSlot(0, HeureDep), QStringLiteral("7h12"));
        QCOMPARE(record().slot(lineSlot(0, HeureDep)), QStringLiteral("7H12"));
    }

    void trainNumberPrefix()
    {
        m_state->config.options.prefixTrain = QStringLiteral("14");
        QStringList lookups;
        connect(&editing(), &BulletinEditing::trainNumberTyped, this,
                [&](int slot) { lookups << record().slot(slot); });
        typeAt(lineSlot(2, NumeroTrain), QStringLiteral("2"));
        QCOMPARE(record().slot(lineSlot(2, NumeroTrain)), QStringLiteral("142"));
        QCOMPARE(lookups, QStringList({QStringLiteral("14"), QStringLiteral("142")}));
        // Not empty any more: no second prefix.
        QTest::keyClicks(text(), QStringLiteral("5"));
        QCOMPARE(record().slot(lineSlot(2, NumeroTrain)), QStringLiteral("1425"));
        // A value placed by the program is no typing: no lookup.
        lookups.clear();
        m_window->refreshBulletin();
        QVERIFY(lookups.isEmpty());
    }

    void marksByTyping()
    {
        typeAt(13, QStringLiteral("a"));
        QCOMPARE(record().slot(13), QStringLiteral("x"));
        QTest::keyClicks(text(), QStringLiteral("b"));
        QCOMPARE(record().slot(13), QStringLiteral("xx")); // as typed: the mark is no longer "x"
        typeAt(52, QStringLiteral("Z"));
        QCOMPARE(record().slot(52), QStringLiteral("x"));
        // Clicking Non conforme only makes it current.
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(13));
        QCOMPARE(record().currentSlot(), 13);
        QCOMPARE(record().slot(13), QStringLiteral("xx"));
    }

    void marksByClick()
    {
        const int fac = lineSlot(1, Fac);
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(fac));
        QCOMPARE(record().currentSlot(), fac);
        QCOMPARE(record().slot(fac), QStringLiteral("x"));
        QCOMPARE(text()->text(), QStringLiteral("x"));
        // The text control now stands over the mark: the second click lands on it.
        QTest::mouseClick(text(), Qt::LeftButton);
        QCOMPARE(record().slot(fac), QString());
        // A double-click is a click and a second toggle.
        QTest::mouseClick(text(), Qt::LeftButton);
        QTest::mouseDClick(text(), Qt::LeftButton);
        QCOMPARE(record().slot(fac), QString());
        // Straight on the drawing too.
        const int obs = lineSlot(4, Observation);
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(obs));
        QTest::mouseDClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(obs));
        QCOMPARE(record().slot(obs), QString());
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(56));
        QCOMPARE(record().slot(56), QStringLiteral("x"));
    }

    void clickingABoxMakesItCurrent()
    {
        const int masse = lineSlot(3, Masse);
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(masse));
        QCOMPARE(record().currentSlot(), masse);
        QVERIFY(m_window->canvas()->boxRect(masse).intersects(text()->geometry()));
        QVERIFY(text()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(255, 255, 0));
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, boxCentre(lineSlot(3, IndCompo)));
        QVERIFY(text()->isHidden() && list()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void displayCuts()
    {
        const int de = lineSlot(1, De);
        typeAt(de, QStringLiteral("PARISN"));
        QCOMPARE(record().slot(de), QStringLiteral("PARIS"));
        QCOMPARE(list()->currentText(), QStringLiteral("PARIS"));
        record().setSlot(lineSlot(0, AgSeul), QStringLiteral("EAS"));
        m_window->refreshBulletin();
        QCOMPARE(record().slot(lineSlot(0, AgSeul)), QStringLiteral("EA"));
        typeAt(lineSlot(0, Gare), QStringLiteral("CHAN"));
        QCOMPARE(record().slot(lineSlot(0, Gare)), QStringLiteral("CHAN"));
    }

    void totalAfterEachChange()
    {
        typeAt(lineSlot(0, EvoDep), QStringLiteral("3"));
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("3"));
        typeAt(lineSlot(0, EvoArr), QStringLiteral("2.5"));
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("5.5"));
        typeAt(lineSlot(0, KmTrain), QStringLiteral("120"));
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("125.5"));
        QTest::keyClick(text(), Qt::Key_Backspace);
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("17.5"));
    }

    void eraseAndRestoreFrameC()
    {
        record().setSlot(LastLineSlot, QStringLiteral("80"));
        typeAt(lineSlot(1, NumeroTrain), QStringLiteral("847002"));
        m_window->action(EditorCommand::EraseC)->trigger();
        QCOMPARE(record().slot(lineSlot(1, NumeroTrain)), QString());
        QCOMPARE(text()->text(), QString());
        QCOMPARE(record().slot(LastLineSlot), QStringLiteral("80"));
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("80"));
        m_window->action(EditorCommand::RestoreC)->trigger();
        QCOMPARE(record().slot(lineSlot(1, NumeroTrain)), QStringLiteral("847002"));
        QCOMPARE(text()->text(), QStringLiteral("847002"));
    }

    void rosterListRefusesTypingAndKeepsAnEmptyText()
    {
        m_state->config.hdGenerique = QStringLiteral("/ailleurs/");
        m_window->showRosterFolder(QString());
        RosterListBox *roster = m_window->rosterList();
        roster->setFocus();
        QVERIFY(roster->hasFocus());
        QTest::keyClicks(roster, QStringLiteral("abc"));
        QCOMPARE(roster->currentText(), QString());
        // The key sent the driver back to the bulletin, on Nom, which took the focus away.
        QCOMPARE(record().currentSlot(), 1);
        QVERIFY(text()->hasFocus());
        QCOMPARE(m_state->config.hdGenerique, QString());
        QCOMPARE(LectureINI(m_state->config.iniPath(), QStringLiteral("CheminDossiers"),
                            QStringLiteral("Hdgenerique")).text,
                 QString());

        roster->showPopup();
        QCOMPARE(roster->count(), 1);
        roster->hidePopup();
        emit roster->activated(0);
        QCOMPARE(m_state->config.hdGenerique, m_dir.path() + QStringLiteral("/R1/"));
    }

    void forwardAndBackwardMovement()
    {
        editing().setCurrentSlot(49);
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 54);
        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(record().currentSlot(), 55);
        QTest::keyClick(text(), Qt::Key_PageDown);
        QCOMPARE(record().currentSlot(), 58);
        QTest::keyClick(text(), Qt::Key_Up);
        QCOMPARE(record().currentSlot(), 55);
        QTest::keyClick(text(), Qt::Key_PageUp);
        QCOMPARE(record().currentSlot(), 54);
        QTest::keyClick(text(), Qt::Key_Up);
        QCOMPARE(record().currentSlot(), 49);

        editing().setCurrentSlot(lineSlot(0, Coef));
        QTest::keyClick(text(), Qt::Key_Right);
        QCOMPARE(record().currentSlot(), lineSlot(0, Nat1));
        editing().setCurrentSlot(lineSlot(0, A2Um2));
        QTest::keyClick(text(), Qt::Key_Down);
        QCOMPARE(record().currentSlot(), lineSlot(0, KmTrain));
        QTest::keyClick(text(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(record().currentSlot(), lineSlot(1, NumeroTrain));
        QTest::keyClick(text(), Qt::Key_Up);
        QCOMPARE(record().currentSlot(), lineSlot(0, KmTrain));

        editing().setCurrentSlot(LastLineSlot);
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), FirstTrainNumberSlot);
        // Left stays in the text.
        QTest::keyClick(text(), Qt::Key_Left);
        QCOMPARE(record().currentSlot(), FirstTrainNumberSlot);
        // From Roulement back to the date picker.
        editing().setCurrentSlot(7);
        QTest::keyClick(text(), Qt::Key_Up);
        QCOMPARE(record().currentSlot(), 6);
        QVERIFY(text()->isHidden() && list()->isHidden());
        QVERIFY(m_window->datePicker()->hasFocus());
    }

    void tabulationModeVisitsTheEngines()
    {
        QPushButton *tab = m_window->button(EditorCommand::TabMode);
        QVERIFY(tab->isEnabled());
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), QStringLiteral("Tab E"));
        QCOMPARE(record().currentSlot(), 82);
        QVERIFY(!list()->isHidden());
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 84);
        editing().setCurrentSlot(268);
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 82);
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), QStringLiteral("Tab N"));
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 83);
    }

    void listControlReadsItsFileAndHoldsShuntingEngines()
    {
        typeAt(9, QString());
        list()->showPopup();
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->itemText(2), QStringLiteral("AMIEN"));
        list()->hidePopup();
        QCOMPARE(list()->currentText(), QString());
        typeAt(39, QStringLiteral("bb6700x"));
        QCOMPARE(record().slot(39), QStringLiteral("BB6700"));
        QTest::keyClick(list(), Qt::Key_Backspace);
        QCOMPARE(record().slot(39), QStringLiteral("BB670"));
        // A missing list file gives an empty drop-down.
        typeAt(lineSlot(0, Categ), QString());
        list()->showPopup();
        QCOMPARE(list()->count(), 0);
        list()->hidePopup();
    }

    void mentionAndDate()
    {
        m_window->showMention(QStringLiteral("2bis"));
        QVERIFY(!m_window->mentionLabel()->isHidden());
        typeAt(7, QStringLiteral("1"));
        QVERIFY(!m_window->mentionLabel()->isHidden());
        typeAt(8, QStringLiteral("1"));
        QVERIFY(m_window->mentionLabel()->isHidden());
        QCOMPARE(m_window->mentionLabel()->text(), QString());
        // Hidden by a command, the controls leave the current slot where it was.
        editing().hideEditControls();
        QCOMPARE(record().currentSlot(), 8);
        QVERIFY(m_window->canvas()->hasFocus());
        editing().placeEditControl();

        QDateEdit *date = m_window->datePicker();
        QCOMPARE(date->displayFormat(), QStringLiteral("dd/MM/yy"));
        QCOMPARE(date->toolTip(), QStringLiteral("Cliquez sur la flêche pour afficher le calendrier"));
        m_window->showServiceDate(QDate(2026, 12, 4));
        QCOMPARE(date->text(), QStringLiteral("04/12/26"));
        QVERIFY(!text()->isHidden()); // placed by the program: the controls stay
        date->setFocus();
        QCOMPARE(record().currentSlot(), 6);
        QVERIFY(text()->isHidden());
        date->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(record().serviceDate(), QDate(2026, 12, 5));
        QCOMPARE(date->displayFormat(), QStringLiteral("dd/MM/yy"));
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), 7);
        QVERIFY(!text()->isHidden());
    }

    void eachLayoutFitsItsScreen()
    {
        QVERIFY(m_window->sizeHint().width() <= 1024 && m_window->sizeHint().height() <= 740);
        EditorWindow small(*m_state, EditorLayout::Editor800);
        QVERIFY(small.sizeHint().width() <= 800 && small.sizeHint().height() <= 580);
        QCOMPARE(small.action(EditorCommand::ScaleSwitch)->text(),
                 QStringLiteral("Augmenter l'échelle de l'éditeur"));
        // The record is the window's: a second window shows the same values.
        QCOMPARE(small.textControl()->text(), record().slot(FirstTrainNumberSlot));
        small.closeForLayoutSwitch();
    }

    void menusAndCaptions()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("EDITEUR DE BULLETIN DE SERVICE RO 2004"));
        QCOMPARE(m_window->action(EditorCommand::ScaleSwitch)->text(),
                 QStringLiteral("Réduire l'échelle de l'éditeur"));
        for (EditorCommand c : {EditorCommand::EraseA, EditorCommand::RestoreC, EditorCommand::Help,
                                EditorCommand::About, EditorCommand::ScaleSwitch, EditorCommand::Quit})
            QVERIFY(m_window->action(c)->isEnabled());
        // Commands built elsewhere stay disabled until they are wired.
        QVERIFY(!m_window->action(EditorCommand::Print)->isEnabled());
        QVERIFY(!m_window->button(EditorCommand::SaveGeneric)->isEnabled());

        // The help file is looked for in the data folder.
        m_window->action(EditorCommand::Help)->trigger();
        QCOMPARE(m_prompts.last().title, QStringLiteral("AIDE"));
        QVERIFY(m_prompts.last().text.contains(QStringLiteral("AideKerbo1.html")));
    }
};

KERBO_TEST(EditorWindowTest)
#include "EditorWindowTest.moc"
