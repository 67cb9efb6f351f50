#include "TestMain.h"

#include "core/AppState.h"
#include "core/base/IniAccess.h"
#include "core/base/TextFile.h"
#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/EditorWiring.h"
#include "ui/editor/RosterListBox.h"
#include "ui/editor/SlotComboBox.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace SlotTable;

// One editor window on a data folder of its own, driven through its real widgets.
class EditorWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    AppState *m_state = nullptr;
    FakePrompts m_prompts;
    EditorWindow *m_window = nullptr;

    BulletinRecord &record() { return m_state->record; }
    BulletinEditing &editing() { return *m_window->editing(); }
    QLineEdit *text() { return m_window->textControl(); }
    SlotComboBox *list() { return m_window->listControl(); }
    // Whichever control stands on the current slot.
    QWidget *control() { return list()->isHidden() ? static_cast<QWidget *>(text()) : list(); }
    void typeAt(int slot, const QString &keys)
    {
        editing().setCurrentSlot(slot);
        QTest::keyClicks(control(), keys);
    }
    void click(int slot, bool twice = false)
    {
        const QPoint centre = m_window->canvas()->boxRect(slot).center();
        QTest::mouseClick(m_window->canvas(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(m_window->canvas(), Qt::LeftButton, {}, centre);
    }
    static QStringList captions(const QWidget *w)
    {
        QStringList texts;
        for (const QAction *a : w->actions())
            texts << a->text();
        return texts;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_state = &m_data->state;
        m_data->writeLines(QStringLiteral("ListeGares.txt"),
                           {QStringLiteral("PNORD"), QStringLiteral("CREIL"), QStringLiteral("AMIEN")});
        m_data->writeLines(QStringLiteral("ListeDossier.txt"), {m_data->dir.path() + QStringLiteral("/R1/")});
        m_window = new EditorWindow(*m_state, EditorLayout::Editor1024);
        wireEditorCommands(*m_window, *m_state, m_prompts,
                           [](EditorLayout) -> EditorWindow * { return nullptr; });
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
        QTest::keyClicks(text(), QStringLiteral("5")); // not empty any more: no second prefix
        QCOMPARE(record().slot(lineSlot(2, NumeroTrain)), QStringLiteral("1425"));
        typeAt(lineSlot(2, Masse), QStringLiteral("5")); // only train numbers take it
        QCOMPARE(record().slot(lineSlot(2, Masse)), QStringLiteral("5"));
        lookups.clear();
        m_window->refreshBulletin(); // a value placed by the program is no typing: no lookup
        QVERIFY(lookups.isEmpty());
    }

    void marksByTyping()
    {
        for (int s : {13, 50, 51, 52, 53}) {
            typeAt(s, QStringLiteral("a"));
            QCOMPARE(record().slot(s), QStringLiteral("x"));
        }
        editing().setCurrentSlot(13);
        QTest::keyClicks(text(), QStringLiteral("b"));
        QCOMPARE(record().slot(13), QStringLiteral("xx")); // as typed: the mark is no longer "x"
        typeAt(56, QStringLiteral("x")); // toggled by click, typing there is plain text
        QCOMPARE(record().slot(56), QStringLiteral("X"));
        click(13); // Non conforme is only made current
        QCOMPARE(record().currentSlot(), 13);
        QCOMPARE(record().slot(13), QStringLiteral("xx"));
    }

    void marksByClick()
    {
        const int fac = lineSlot(1, Fac);
        click(fac);
        QCOMPARE(record().slot(fac), QStringLiteral("x"));
        QCOMPARE(text()->text(), QStringLiteral("x"));
        // The text control now stands over the mark: the next clicks land on it.
        QTest::mouseClick(text(), Qt::LeftButton);
        QCOMPARE(record().slot(fac), QString());
        QTest::mouseClick(text(), Qt::LeftButton);
        QTest::mouseDClick(text(), Qt::LeftButton); // a double-click toggles twice
        QCOMPARE(record().slot(fac), QString());
        click(lineSlot(4, Observation), true); // straight on the drawing too
        QCOMPARE(record().slot(lineSlot(4, Observation)), QString());
        click(56);
        QCOMPARE(record().slot(56), QStringLiteral("x"));
    }

    void clickingABoxMakesItCurrent()
    {
        const int masse = lineSlot(3, Masse);
        click(masse);
        QCOMPARE(record().currentSlot(), masse);
        QCOMPARE(record().slot(masse), QString()); // no mark: nothing toggled
        QVERIFY(m_window->canvas()->boxRect(masse).intersects(text()->geometry()));
        QVERIFY(text()->hasFocus());
        QCOMPARE(text()->palette().color(QPalette::Base), QColor(255, 255, 0));
        click(lineSlot(3, IndCompo));
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
    }

    void totalAfterEachChange()
    {
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("0"));
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
        record().setSlot(LastLineSlot, QStringLiteral("80 km"));
        typeAt(lineSlot(1, NumeroTrain), QStringLiteral("847002"));
        m_window->action(EditorCommand::EraseC)->trigger();
        QCOMPARE(record().slot(lineSlot(1, NumeroTrain)), QString());
        QCOMPARE(text()->text(), QString());
        QCOMPARE(record().slot(TotalKmSlot), QStringLiteral("80")); // LastLineSlot is kept
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
        // The key sends the driver back to Nom.
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
        QCOMPARE(m_state->config.hdGenerique, m_data->dir.path() + QStringLiteral("/R1/"));
    }

    void movement_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("Tab over the date place") << 5 << int(Qt::Key_Tab) << 7;
        QTest::newRow("Tab over Non conforme") << 12 << int(Qt::Key_Tab) << 14;
        QTest::newRow("Tab over the marks 50..53") << 49 << int(Qt::Key_Tab) << 54;
        QTest::newRow("Return") << 54 << int(Qt::Key_Return) << 55;
        QTest::newRow("PageDown over 2 BS and Fac") << 55 << int(Qt::Key_PageDown) << 58;
        QTest::newRow("Right over the agent marks") << lineSlot(0, Coef) << int(Qt::Key_Right) << lineSlot(0, Nat1);
        QTest::newRow("Down over Observation") << lineSlot(0, A2Um2) << int(Qt::Key_Down) << lineSlot(0, KmTrain);
        QTest::newRow("keypad Enter to the next line") << lineSlot(0, KmTrain) << int(Qt::Key_Enter) << lineSlot(1, NumeroTrain);
        QTest::newRow("Tab after the last slot") << LastLineSlot << int(Qt::Key_Tab) << FirstTrainNumberSlot;
        QTest::newRow("Left stays in the text") << 58 << int(Qt::Key_Left) << 58;
        QTest::newRow("PageUp over Non conforme") << 14 << int(Qt::Key_PageUp) << 12;
        QTest::newRow("Up over the marks 50..53") << 54 << int(Qt::Key_Up) << 49;
        QTest::newRow("Up over Fac and 2 BS") << 58 << int(Qt::Key_Up) << 55;
        QTest::newRow("Up over the agent marks") << lineSlot(0, Nat1) << int(Qt::Key_Up) << lineSlot(0, Coef);
        QTest::newRow("Up to the previous line") << lineSlot(1, NumeroTrain) << int(Qt::Key_Up) << lineSlot(0, KmTrain);
        QTest::newRow("Up over the last Observation") << LastLineSlot << int(Qt::Key_Up) << LastLineSlot - 2;
        QTest::newRow("Up at Nom stays") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("Up to the date place") << 7 << int(Qt::Key_Up) << int(DateSlot);
    }

    void movement()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        editing().setCurrentSlot(from);
        QSignalSpy left(&editing(), &BulletinEditing::slotLeft);
        QTest::keyClick(control(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(record().currentSlot(), to);
        QCOMPARE(left.size(), from == to ? 0 : 1); // the slot the driver left, once
        if (from != to)
            QCOMPARE(left.first().first().toInt(), from);
        if (to == DateSlot)
            QVERIFY(text()->isHidden() && list()->isHidden() && m_window->datePicker()->hasFocus());
    }

    void tabulationModeCyclesOverTheLineEngines()
    {
        QPushButton *tab = m_window->button(EditorCommand::TabMode);
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(tab->text(), QStringLiteral("Tab E"));
        QCOMPARE(record().currentSlot(), 82);
        for (int s : {84, 88, 118, 120, 124, 154, 156, 160, 190, 192, 196, 226, 228, 232, 262, 264, 268, 82}) {
            QTest::keyClick(list(), Qt::Key_Tab);
            QCOMPARE(record().currentSlot(), s);
        }
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
        typeAt(lineSlot(0, Categ), QString()); // a missing list file gives an empty drop-down
        list()->showPopup();
        QCOMPARE(list()->count(), 0);
        list()->hidePopup();
    }

    void mentionAndDate()
    {
        m_window->showMention(QStringLiteral("2bis"));
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

    void listControlCoversItsBoxOnly()
    {
        for (int s : {lineSlot(0, De), lineSlot(0, AgSeul), lineSlot(3, Via), 14, 39}) {
            editing().setCurrentSlot(s);
            QVERIFY(!list()->isHidden());
            QCOMPARE(list()->geometry(), m_window->canvas()->boxRect(s));
        }
    }

    void scaleSwitchKeepsTheTabModeAndRefusesASmallScreen()
    {
        QList<EditorWindow *> opened;
        EditorWindow small(*m_state, EditorLayout::Editor800);
        small.setAttribute(Qt::WA_DeleteOnClose, false);
        wireEditorCommands(small, *m_state, m_prompts, [&](EditorLayout layout) {
            opened << new EditorWindow(*m_state, layout);
            return opened.last();
        });
        small.action(EditorCommand::TabMode)->trigger();
        QCOMPARE(small.action(EditorCommand::TabMode)->text(), QStringLiteral("Tab E"));

        m_state->screen = {800, 600, 96};
        small.action(EditorCommand::ScaleSwitch)->trigger();
        QVERIFY(opened.isEmpty());
        QCOMPARE(m_prompts.last().title, QStringLiteral("Kerbo"));
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("L'éditeur agrandi demande un écran d'au moins 1024 x 768 "
                                "pixels.\r\nVotre écran mesure 800 x 600 pixels : l'éditeur "
                                "garde son échelle."));

        m_state->screen = {1280, 1024, 96};
        small.action(EditorCommand::ScaleSwitch)->trigger();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0]->editorLayout(), EditorLayout::Editor1024);
        QCOMPARE(opened[0]->action(EditorCommand::TabMode)->text(), QStringLiteral("Tab E"));
        QVERIFY(opened[0]->editing()->engineTabMode());
        opened[0]->closeForLayoutSwitch();
        delete opened[0];
    }

    void eachLayoutFitsItsScreen()
    {
        const QList<std::tuple<EditorLayout, int, int>> screens = {
            {EditorLayout::Editor1024, 1024, 740}, {EditorLayout::Editor800, 800, 580},
            {EditorLayout::LargeFont, 1024, 740}};
        for (const auto &[layout, w, h] : screens) {
            EditorWindow window(*m_state, layout);
            QVERIFY(window.sizeHint().width() <= w && window.sizeHint().height() <= h);
            // The record is the window's: a second window shows the same values.
            QCOMPARE(window.textControl()->text(), record().slot(FirstTrainNumberSlot));
            if (layout == EditorLayout::Editor800)
                QCOMPARE(window.action(EditorCommand::ScaleSwitch)->text(),
                         QStringLiteral("Augmenter l'échelle de l'éditeur"));
            window.closeForLayoutSwitch();
        }
    }

    void menusAndCaptions()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("EDITEUR DE BULLETIN DE SERVICE RO 2004"));
        QCOMPARE(captions(m_window->menuBar()),
                 QStringList({"Fichier", "Vue BS", "Imprimer", "Modifier le cartouche A", "Reglages",
                              "GestionListes", "GestionDossiers", "Effacer", "Rétablir", "Verso",
                              "Aide", "Quitter"}));
        QCOMPARE(captions(m_window->contextMenu()),
                 QStringList({"Aide", "Nouvelle Journée", "Ouvrir Fichier Générique",
                              "Ouvrir Fichier Archive", "Sauver Fichier Générique",
                              "Sauver Fichier Archive", "Aperçu BS", "Imprimer", "EditeurVerso",
                              "Quitter le progamme"}));
        QCOMPARE(m_window->action(EditorCommand::ScaleSwitch)->text(),
                 QStringLiteral("Réduire l'échelle de l'éditeur"));
        // Commands built elsewhere stay disabled until they are wired.
        QVERIFY(m_window->action(EditorCommand::RestoreC)->isEnabled());
        QVERIFY(!m_window->action(EditorCommand::Print)->isEnabled());
        QVERIFY(!m_window->button(EditorCommand::SaveGeneric)->isEnabled());
        m_window->action(EditorCommand::Help)->trigger(); // the help file is in the data folder
        QCOMPARE(m_prompts.last().title, QStringLiteral("AIDE"));
        QVERIFY(m_prompts.last().text.contains(QStringLiteral("AideKerbo1.html")));
    }
};

KERBO_TEST(EditorWindowTest)
#include "EditorWindowTest.moc"
