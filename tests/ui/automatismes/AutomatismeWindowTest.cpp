#include "TestMain.h"

#include "FakePrompts.h"
#include "TempDataFolder.h"
#include "core/AppState.h"
#include "ui/Session.h"
#include "ui/automatismes/AutomatismeWiring.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/print/PrinterChoice.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace SlotTable;

namespace
{

// Two automatismes, 14 and 142, and the counter, as a driver's store holds them.
QStringList storeLines()
{
    QStringList lines{"[NombreTrain]", "NombreTrain=2"};
    const QStringList keys = {"De",        "A",     "Via",      "EvoDép", "MvDép",     "HeureDép",
                              "HeureArr",  "MvArr", "EvoArr",   "Gare",   "HeureArr2", "Mv",
                              "HeureDép2", "Gateg", "IndCompo", "AgSeul", "Nbvéh",     "Long",
                              "Masse",     "Coef",  "Nat1",     "Let1",   "EnginTitu", "EmtTitu",
                              "Nat2",      "Let2",  "EnginUm1", "EmtUm1", "De2Um1",    "A2Um1",
                              "Nat3",      "Let3",  "EnginUm2", "EmtUm2", "De2Um2",    "A2Um2",
                              "Km"};
    const QHash<QString, QString> values14{{"De", "PNORD"}, {"A", "CREIL"}, {"HeureDép", "0712"}};
    const QHash<QString, QString> values142{
        {"De", "PNORD"}, {"A", "AMIEN"},         {"HeureDép", "0715"},
        {"Let1", "Z"},   {"EnginTitu", "20501"}, {"EmtTitu", "NOR"},
        {"Let2", "Z"},   {"EnginUm1", "20503"},  {"EmtUm1", "NOR"}};
    for (const auto &[number, values] :
         {std::pair{QString("14"), values14}, std::pair{QString("142"), values142}}) {
        lines << "[Train" + number + "]"
              << "NumeroTrain=" + number;
        for (const QString &key : keys)
            lines << key + '=' + values.value(key);
        lines << "Fin" + number + "=Fin" + number;
    }
    return lines;
}

} // namespace

// The editor and the automatisme window driven through their real widgets.
class AutomatismeWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    FakePrompts m_prompts;
    PrinterChoice m_printer;
    std::unique_ptr<Session> m_session;

    BulletinRecord &record() { return m_data->state.record; }
    static void activate(QWidget *w)
    {
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_data->writeLines(QStringLiteral("Automatisme.ini"), storeLines());
        m_prompts = FakePrompts();
        m_session = std::make_unique<Session>(Session{m_data->state, m_prompts, m_printer});
    }

    void typingTheNumberFillsTheLineThenF2AndF9()
    {
        Options &options = m_data->state.config.options;
        options.enaut = 1;
        options.lettreAutom = QStringLiteral("Z");
        options.emtaut = QStringLiteral("NOR");
        options.nbvhe = 2;
        EditorWindow editor(m_data->state, EditorLayout::Editor1024);
        wireAutomatismes(editor, *m_session);
        activate(&editor);
        BulletinEditing &editing = *editor.editing();
        editing.setCurrentSlot(FirstTrainNumberSlot);

        QTest::keyClicks(editor.textControl(), QStringLiteral("14"));
        QCOMPARE(record().slot(lineSlot(0, A)), QStringLiteral("CREIL"));
        QTest::keyClicks(editor.textControl(), QStringLiteral("2"));
        QCOMPARE(editor.textControl()->text(), QStringLiteral("142"));
        QCOMPARE(record().slot(lineSlot(0, A)), QStringLiteral("AMIEN"));
        QCOMPARE(record().slot(lineSlot(0, HeureDep)), QStringLiteral("0715"));
        QCOMPARE(record().slot(lineSlot(0, EnginUm1)), QStringLiteral("Z 20503 NOR"));
        QCOMPARE(record().slot(lineSlot(0, De2Um1)), QStringLiteral("PNORD"));

        // F2 on the next line: the route again, the engines reversed with their twins.
        editing.setCurrentSlot(lineSlot(1, De));
        QTest::keyClick(editor.listControl(), Qt::Key_F2);
        QCOMPARE(record().currentSlot(), lineSlot(1, NumeroTrain));
        QVERIFY(editor.textControl()->isVisible() && editor.textControl()->text().isEmpty());
        QCOMPARE(record().slot(lineSlot(1, A)), QStringLiteral("AMIEN"));
        QCOMPARE(record().slot(lineSlot(1, EnginTitu)), QStringLiteral("Z 20504 NOR"));
        QCOMPARE(record().slot(lineSlot(1, EnginUm1)), QStringLiteral("Z 20502 NOR"));

        // F9 stores the line under the number typed there; the window then lists it.
        QTest::keyClicks(editor.textControl(), QStringLiteral("143"));
        m_prompts.answers.push_back(Prompts::Answer::Yes);
        QTest::keyClick(editor.textControl(), Qt::Key_F9);
        QCOMPARE(m_prompts.last().text,
                 QStringLiteral("L'ENREGISTREMENT DE L'AUTOMATISME A REUSSI ."));
        frmAutomatisme window(*m_session, &editor);
        QCOMPARE(window.list()->count(), 3);
        QCOMPARE(window.list()->item(2)->text(), QStringLiteral("143"));
        QCOMPARE(window.counterLabel()->text(), QStringLiteral(" 3 automatismes enregistrés"));
    }

    void typedEngineKeepsTheDriversText()
    {
        Options &options = m_data->state.config.options;
        options.enaut = 1;
        options.lettreAutom = QStringLiteral("Z");
        options.emtaut = QStringLiteral("NOR");
        options.nbvhe = 3;
        EditorWindow editor(m_data->state, EditorLayout::Editor1024);
        wireAutomatismes(editor, *m_session);
        activate(&editor);
        const int engine = lineSlot(2, EnginTitu);
        editor.editing()->setCurrentSlot(engine);
        QTest::keyClicks(editor.listControl(), QStringLiteral("20501"));
        QCOMPARE(editor.listControl()->currentText(), QStringLiteral("20501"));
        QCOMPARE(record().slot(engine), QStringLiteral("Z 20501 NOR"));
        QCOMPARE(record().slot(lineSlot(2, Nat1)), QStringLiteral("T"));
        QCOMPARE(record().slot(lineSlot(2, NbVeh)), QStringLiteral("3"));
        QTest::keyClick(editor.listControl(), Qt::Key_Tab);
        QCOMPARE(record().currentSlot(), engine + 1);
        editor.editing()->setCurrentSlot(engine);
        QCOMPARE(editor.listControl()->currentText(), QStringLiteral("Z 20501 NOR"));
    }

    void windowKeysAndBoxes()
    {
        QWidget parent;
        frmAutomatisme window(*m_session, &parent);
        activate(&window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Automatisme"));
        QCOMPARE(window.counterLabel()->text(), QStringLiteral(" 2 automatismes enregistrés"));
        QLineEdit *number = window.numberBox();
        QVERIFY(number->hasFocus());
        QCOMPARE(number->palette().color(QPalette::Base), QColor(255, 255, 192));

        // Enter, Right and Down go round the 38 boxes; Left and Up go back.
        const int forward[] = {Qt::Key_Return, Qt::Key_Right, Qt::Key_Down};
        for (int i = 0; i < AutomatismeKeys::FieldCount; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(forward[i % 3]));
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     QString::fromLatin1(AutomatismeKeys::Fields[size_t(i)].box));
        }
        QCOMPARE(window.box(36)->objectName(), QStringLiteral("txtKm"));
        QVERIFY(number->palette().color(QPalette::Base) != QColor(255, 255, 192));
        QTest::keyClick(window.box(36), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(number->hasFocus());
        QTest::keyClick(number, Qt::Key_Left);
        QVERIFY(window.box(36)->hasFocus());
        QTest::keyClick(window.box(36), Qt::Key_Up);
        QVERIFY(window.box(35)->hasFocus());

        // Capitals as typed; an engine box keeps its number when left.
        window.box(22)->setFocus();
        QTest::keyClicks(window.box(22), QStringLiteral("bb 67401 sot"));
        QCOMPARE(window.box(22)->text(), QStringLiteral("BB 67401 SOT"));
        QTest::keyClick(window.box(22), Qt::Key_Return);
        QCOMPARE(window.box(22)->text(), QStringLiteral("B67401 "));

        // A click on an item loads its automatisme.
        QListWidget *list = window.list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(number->text(), QStringLiteral("142"));
        QVERIFY(number->hasFocus());
        QCOMPARE(window.box(1)->text(), QStringLiteral("AMIEN"));
        QCOMPARE(window.box(22)->text(), QStringLiteral("20501"));
        QVERIFY(list->item(1)->isSelected());
    }

    void saveAndDeleteFromTheWindow()
    {
        const QByteArray before = m_data->read(QStringLiteral("Automatisme.ini"));
        QWidget parent;
        frmAutomatisme window(*m_session, &parent);
        activate(&window);
        QTest::keyClicks(window.numberBox(), QStringLiteral("9"));
        QTest::keyClicks(window.box(0), QStringLiteral("lille"));
        QTest::mouseClick(window.button(frmAutomatisme::Button::Save), Qt::LeftButton);
        QCOMPARE(window.list()->count(), 3);
        QVERIFY(window.list()->item(2)->isSelected());
        QCOMPARE(window.counterLabel()->text(), QStringLiteral(" 3 automatismes enregistrés"));

        QTest::mouseClick(window.button(frmAutomatisme::Button::Delete), Qt::LeftButton);
        QCOMPARE(window.list()->count(), 2);
        QCOMPARE(window.counterLabel()->text(), QStringLiteral(" 2 automatismes enregistrés"));
        QCOMPARE(m_data->read(QStringLiteral("Automatisme.ini")), before);

        QTest::mouseClick(window.button(frmAutomatisme::Button::ClearAll), Qt::LeftButton);
        QVERIFY(window.numberBox()->text().isEmpty() && window.box(0)->text().isEmpty());
        QTest::mouseClick(window.button(frmAutomatisme::Button::Delete), Qt::LeftButton);
        QCOMPARE(m_prompts.last().title, QStringLiteral("ATTENTION AUCUN ITEM SELECTIONNE !!"));
    }
};

KERBO_TEST(AutomatismeWindowTest)
#include "AutomatismeWindowTest.moc"
