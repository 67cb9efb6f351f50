#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "TempDataFolder.h"

#include "core/config/CartoucheStore.h"
#include "core/startup/EditorStage.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/CommandWiring.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/frmCartouche.h"

#include <QtWidgets>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

// The cartouche dialog, the editor's loading on a first and a later start, and quitting.
class StartUpTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    AppState m_state;
    FakePrompts m_prompts;
    PrinterChoice m_printer;
    Session m_session{m_state, m_prompts, m_printer};
    FakeView m_view;
    QList<bool> m_cartouche;                       // firstStart of every cartouche dialog shown
    std::optional<CartoucheStore::Texts> m_answer; // confirmed in it, or left without OK

    QString folder() const { return m_data->programFolder(); }
    QString data(const char *name) const { return Config::dataFile(folder(), QLatin1String(name)); }
    // The editor's loading with a fake window, a printer or none, and a scripted cartouche.
    void loadEditor(bool printer = true)
    {
        m_state = AppState();
        m_state.config.ouestKerbo = folder();
        m_prompts.calls.clear();
        m_view = FakeView();
        EditorStageHooks hooks;
        hooks.hasPrinter = [printer] { return printer; };
        hooks.runCartouche = [this](bool firstStart) {
            m_cartouche << firstStart;
            if (m_answer)
                CartoucheStore::confirm(m_state.config, m_state.record, *m_answer);
        };
        EditorStage::run(m_state, m_prompts, m_view, hooks);
    }
    static void trigger(const QList<QAction *> &entries, const char *text)
    {
        for (QAction *a : entries)
            if (a->text() == QLatin1String(text))
                return a->trigger();
        QFAIL(text);
    }
    void writeConfig(const QStringList &lines)
    {
        QVERIFY(TextFile::writeLines(data("Config.ini"), lines));
    }
    // Runs `act` on the cartouche dialog once it shows, from the event loop it runs.
    static void whenCartoucheShown(QTimer &poll, const std::function<void(frmCartouche *)> &act)
    {
        QObject::connect(&poll, &QTimer::timeout, [&poll, act] {
            if (auto *dialog = qobject_cast<frmCartouche *>(QApplication::activeModalWidget())) {
                poll.stop();
                act(dialog);
            }
        });
        poll.start(10);
    }
    static void focusBox(frmCartouche &dialog, int box)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.box(box)->setFocus();
        QTRY_VERIFY(dialog.box(box)->hasFocus());
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataFolder>();
        m_state = AppState();
        m_state.config.ouestKerbo = folder();
        m_prompts.calls.clear();
        m_cartouche.clear();
        m_answer.reset();
    }

    void cartoucheFilledWithTheKeyboard()
    {
        frmCartouche dialog(m_state, m_prompts, true);
        QCOMPARE(dialog.windowTitle(), u"PREMIER DEMARRAGE DU LOGICIEL"_s);
        QCOMPARE(dialog.instruction()->text(),
                 u"BONJOUR,C'EST VOTRE PREMIER DEMARRAGE DU LOGICIEL VEUILLEZ "
                 u"REMPLIR LE CARTOUCHE A "_s);
        focusBox(dialog, 0);
        const char *typed[] = {"dupont", "jean", "paris nord", "lyon", "75a"};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(dialog.box(i)->hasFocus());
            QCOMPARE(dialog.box(i)->palette().color(QPalette::Base), QColor(255, 255, 192));
            QTest::keyClicks(dialog.box(i), QLatin1String(typed[i]));
            // Enter, keypad Enter too, goes on to the next box and never closes the dialog.
            QTest::keyClick(dialog.box(i), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QVERIFY(dialog.isVisible());
        }
        // Nor does Escape on the first start: the cartouche comes before anything else, and what
        // was typed stays.
        QTest::keyClick(dialog.box(4), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.box(4)->palette().color(QPalette::Base),
                 dialog.palette().color(QPalette::Base));
        QVERIFY(dialog.okButton()->hasFocus());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(m_prompts.calls.isEmpty());
        // Only the last three boxes are turned to capitals.
        QCOMPARE(CartoucheStore::read(m_state.config),
                 (CartoucheStore::Texts{"dupont", "jean", "PARIS NORD", "LYON", "75A"}));
    }

    void cartoucheModificationAndAFailedWrite()
    {
        writeConfig({"[Cartouche]", "condition=2", "Nom=Durand", "Residence=NANTES"});
        // Later on, Escape leaves the cartouche as it was, as any dialog's Escape does.
        {
            frmCartouche left(m_state, m_prompts, false);
            focusBox(left, 0);
            QTest::keyClicks(left.box(0), u"Martin"_s);
            QTest::keyClick(left.box(0), Qt::Key_Escape);
            QVERIFY(!left.isVisible());
            QCOMPARE(left.result(), int(QDialog::Rejected));
            QCOMPARE(m_state.config.read("Cartouche", "Nom").text, u"Durand"_s);
        }
        frmCartouche dialog(m_state, m_prompts, false);
        QCOMPARE(dialog.windowTitle(), u"MODIFICATION DU CARTOUCHE A"_s);
        QCOMPARE(dialog.instruction()->text(),
                 u"APRES AVOIR EFFECTUE LES MODIFICATIONS APPUYEZ SUR LE BOUTON OK"_s);
        QCOMPARE(dialog.box(0)->text(), u"Durand"_s);
        focusBox(dialog, 3);
        QCOMPARE(dialog.box(3)->selectedText(), u"NANTES"_s); // typing replaces it
        QTest::keyClicks(dialog.box(3), u"brest"_s);
        dialog.okButton()->click();
        QCOMPARE(m_state.config.read("Cartouche", "Residence").text, u"BREST"_s);
        // condition is written only while it is 0.
        QCOMPARE(m_state.config.read("Cartouche", "condition").text, u"2"_s);

        // A failed write is reported, naming the file; the texts still serve this run.
        m_state.config.ouestKerbo = u"/nonexistent/kerbo/"_s;
        frmCartouche again(m_state, m_prompts, false);
        again.box(0)->setText(u"Martin"_s);
        again.okButton()->click();
        QCOMPARE(m_prompts.titles(), QStringList{u"Kerbo"_s});
        QVERIFY(m_prompts.last().text.endsWith(
            u"\r\n\r\nLe fichier Config.ini reste tel qu'il était. Le cartouche "
            u"changé reste en usage jusqu'à la fermeture de Kerbo, puis sera "
            u"perdu."_s));
        QCOMPARE(m_state.record.slot(1), u"Martin"_s);
    }

    // The editor wired as at start-up: its right-click menu works, and the cartouche changed
    // from its menu shows at once in the form, in the box the driver stands on too.
    void editorWiredAsAtStartUp()
    {
        writeConfig({"[Cartouche]", "condition=1", "Nom=Durand"});
        m_state.record.setSlot(1, u"Durand"_s);
        EditorWindow editor(m_state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        wireCommands(editor, m_session);
        // The right-click menu's entries follow their commands, wired now.
        for (const QAction *entry : editor.contextMenu()->actions())
            QVERIFY2(entry->isEnabled(), qPrintable(entry->text()));
        editor.show();
        editor.editing()->setCurrentSlot(1);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<frmCartouche *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->box(0)->setText(u"Martin"_s);
            dialog->okButton()->click();
        });
        editor.action(EditorCommand::EditCartouche)->trigger();
        QCOMPARE(m_state.record.slot(1), u"Martin"_s);
        QCOMPARE(editor.textControl()->text(), u"Martin"_s);
        QTest::keyClick(editor.textControl(), Qt::Key_Tab);
        QCOMPARE(m_state.record.slot(1), u"Martin"_s);
        QCOMPARE(editor.canvas()->shownText(1), u"Martin"_s);
        editor.closeForLayoutSwitch();
    }

    void cartoucheCapitalsOnlyForWhatIsTyped_data()
    {
        QTest::addColumn<QString>("stored"); // Residence in Config.ini on opening
        QTest::addColumn<int>("cursor");     // -1: the whole text, selected on entering the box
        QTest::addColumn<QString>("typed");  // "\x1a": Ctrl+Z; "\x1b": the box's menu's Undo
        QTest::addColumn<QString>("shown");
        QTest::newRow("added inside") << "Paris" << 2 << "x"
                                      << "PaXris";
        QTest::newRow("stored text typed again") << "nantes" << -1 << "n"
                                                 << "N";
        QTest::newRow("undo puts the stored text back") << "Paris" << -1 << "B\x1a"
                                                        << "Paris";
        QTest::newRow("undo from the menu too") << "Paris" << -1 << "B\x1b"
                                                << "Paris";
        QTest::newRow("capitals of the code page only") << "" << -1 << u"aµßéœÿ"_s << u"AµßÉŒŸ"_s;
        QTest::newRow("outside the code page: the ? the file holds")
            << "" << -1 << u"łódź"_s << u"?ÓD?"_s;
    }
    void cartoucheCapitalsOnlyForWhatIsTyped()
    {
        QFETCH(QString, stored);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        writeConfig({"[Cartouche]", "condition=1", "Residence=" + stored});
        frmCartouche dialog(m_state, m_prompts, false);
        focusBox(dialog, 3);
        QLineEdit *edit = dialog.box(3);
        if (cursor >= 0) edit->setCursorPosition(cursor);
        for (QChar c : typed) { // as a keyboard sends them, beyond Latin-1 too
            if (c == u'\x1b') {
                QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(2, 2),
                                        edit->mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(edit, &asked);
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                menu->actions().constFirst()->trigger(); // Undo leads the box's menu
                menu->close();
            } else if (c == u'\x1a') {
                QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
            }
        }
        QCOMPARE(edit->text(), shown);
        dialog.okButton()->click();
        QCOMPARE(m_state.record.slot(4), shown);
        // Nothing is written as "?": every character shown is one the file holds.
        QVERIFY(TextFile::readLines(data("Config.ini")).lines.contains("Residence=" + shown));
    }

    void firstStartThenSecondStart()
    {
        // No Cartouche section: a first start; left without OK, the dialog comes back.
        writeConfig({"[CheminDossiers]", "OuestKerbo=/elsewhere/", "[Options]", "Enaut=1",
                     "[Echelle Editeur]", "Echelle=1"});
        loadEditor();
        QCOMPARE(m_cartouche, QList<bool>{true});
        m_answer = CartoucheStore::Texts{"Dupont", "Jean", "PARIS", "LYON", "7512345A"};
        loadEditor(false);
        QCOMPARE(m_prompts.titles(),
                 QStringList{u"Attention n'y a acune imprimante installée !!"_s});
        QCOMPARE(m_prompts.last().text, u"\r\nPour que le programme fonctionne normalement \r\n"
                                        u"il faut qu'une imprimante soit installée par défaut.\r\n"
                                        u"Sinon vous ne pourrez pas imprimer vos bulletins."_s);
        QCOMPARE(m_prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(m_cartouche, (QList<bool>{true, true}));
        QCOMPARE(m_state.record.currentSlot(), 58);
        QCOMPARE(m_state.record.serviceDate(), QDate::currentDate());
        QCOMPARE(m_view.date, QDate::currentDate());
        QCOMPARE(m_view.calls, (QStringList{"roster:" + Paths::driveC(), "refresh"}));
        QCOMPARE(m_state.config.hdArchive, Paths::driveC());
        QCOMPARE(m_state.engineListFile, u"ListeEnginsAut.txt"_s);
        // What the splash settled wins over the file.
        QCOMPARE(m_state.config.ouestKerbo, folder());
        QCOMPARE(m_state.config.echelle, false);
        // The "C:\" defaults stay in memory: the file holds what was confirmed.
        const QStringList lines = TextFile::readLines(data("Config.ini")).lines;
        QCOMPARE(lines.mid(lines.indexOf("[Cartouche]")),
                 (QStringList{"[Cartouche]", "condition=1", "Nom=Dupont", "Prenom=Jean",
                              "Etablissement=PARIS", "Residence=LYON",
                              "Immatriculation=7512345A"}));
        QVERIFY(lines.contains("OuestKerbo=" + folder()));
        QVERIFY(lines.filter(QRegularExpression("^Hd")).isEmpty());

        loadEditor();
        QVERIFY(m_prompts.calls.isEmpty());
        QCOMPARE(m_cartouche.size(), 2); // not shown again
        // The five boxes of the cartouche come from the settings, the last one too.
        for (int slot = 1; slot <= 5; ++slot)
            QCOMPARE(m_state.record.slot(slot), m_answer->at(slot - 1));
    }

    // The first start is condition 0 read as a number: any other number is a later start, as
    // for the dialog's OK, which writes 1 only over a 0. Else the dialog came at every start.
    void firstStartIsConditionZero()
    {
        for (const auto &[value, first] :
             {std::pair{"0.5", false}, {"-0.5", false}, {"x1", true}}) {
            writeConfig({"[Cartouche]", "condition=" + QString(value)});
            m_cartouche.clear();
            loadEditor();
            QVERIFY2(m_cartouche.isEmpty() != first, value);
        }
    }

    void rosterFoldersAreVerified()
    {
        // The current folder, written without its final separator, is still recognised as gone.
        const QString gone = Paths::CheckPath(m_data->dir.filePath(u"GONE"_s));
        QVERIFY(TextFile::writeLines(data("ListeDossier.txt"), {gone}));
        writeConfig(
            {"[CheminDossiers]", "Hdgenerique=" + gone.chopped(1), "[Cartouche]", "condition=1"});
        loadEditor();
        QCOMPARE(m_state.config.read("CheminDossiers", "Hdgenerique").text, QString());
        QCOMPARE(m_view.calls,
                 (QStringList{"roster:", "reload", "roster:" + Paths::driveC(), "refresh"}));

        // The drive root of a Windows computer's settings stands for the home folder here.
        for (const char *root : {"\\", "C:\\", "c:"}) {
            writeConfig({"[CheminDossiers]", "Hdgenerique=" + QString(root),
                         "HdArchive=" + QString(root), "[Cartouche]", "condition=1"});
            loadEditor();
            QCOMPARE(m_state.config.hdGenerique, Paths::driveC());
            QCOMPARE(m_state.config.hdArchive, Paths::driveC());
        }
    }

    void openEditorShowsTheRealDialogs()
    {
        QString caption;
        QTimer answer;
        whenCartoucheShown(answer, [&caption](frmCartouche *dialog) {
            caption = dialog->windowTitle();
            dialog->box(0)->setText(u"Dupont"_s);
            dialog->okButton()->click();
        });
        bool roomy = false;
        {
            EditorWindow probe(m_state, EditorLayout::Editor1024);
            probe.setAttribute(Qt::WA_DeleteOnClose, false);
            roomy = fitsScreen(&probe);
            probe.closeForLayoutSwitch();
        }
        QPointer<EditorWindow> editor =
            StartUp::openEditor(m_session, EditorLayout::Editor1024);
        QCOMPARE(caption, u"PREMIER DEMARRAGE DU LOGICIEL"_s);
        QVERIFY(editor->isVisible());
        // A screen too small for the layout has the form fitted to it for the run; the menu
        // entry shows the driver's own choice, none here.
        QCOMPARE(editor->fitsToWindow(), !roomy);
        QVERIFY(!editor->action(EditorCommand::FitToWindow)->isChecked());
        // The printer check is the real one.
        QCOMPARE(m_prompts.titles().contains(u"Attention n'y a acune imprimante installée !!"_s),
                 QPrinterInfo::availablePrinters().isEmpty());

        // The menu entry opens the same dialog, captioned for a change.
        answer.start(10);
        trigger(editor->menuBar()->actions(), "Modifier le cartouche A");
        QCOMPARE(caption, u"MODIFICATION DU CARTOUCHE A"_s);
        editor->closeForLayoutSwitch();
        QTRY_VERIFY(editor.isNull());
    }

    // The desktop session ends while the first start's cartouche is open: nothing typed in it is
    // kept, and the run ends there instead of showing the editor to a session that is gone.
    void sessionEndDuringTheFirstStartEndsTheRun()
    {
        QTimer end;
        whenCartoucheShown(end, [](frmCartouche *dialog) {
            dialog->box(0)->setText(u"Dupont"_s);
            QEvent quit(QEvent::Quit); // as the session manager's "die" sends it
            QCoreApplication::sendEvent(qApp, &quit);
        });
        QVERIFY(!StartUp::openEditor(m_session, EditorLayout::Editor1024));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<EditorWindow *>(w) || !w->isVisible());
        QCOMPARE(CartoucheStore::read(m_state.config)[0], QString());
        // The quit left the thread's event loops ending: a run of the application's loop, as the
        // program's next start would have, clears that for the tests that follow.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Opened fitted, the window fills the screen; given back its normal state (by the window
    // manager, or never maximized where there is none) it shows the form at the layout's size,
    // within the screen, not at the smallest size the fitted form allows.
    void openedFittedTheWindowIsRestoredToTheLayoutsSize()
    {
        m_data->write(u"Config.ini"_s,
                      "[Cartouche]\r\ncondition=1\r\n[Options]\r\nAjusterFenetre=1\r\n");
        QPointer<EditorWindow> editor = StartUp::openEditor(m_session, EditorLayout::Editor1024);
        QVERIFY(editor->fitsToWindow() && editor->isMaximized());
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        editor->showNormal();
        const QSize room = editor->screen()->availableGeometry().size();
        const QSize normal = editor->layoutSize().boundedTo(room - QSize(16, 40));
        QTRY_COMPARE(editor->size(), normal);
        BulletinCanvas *canvas = editor->canvas();
        if (normal == editor->layoutSize()) QTRY_COMPARE(canvas->scale(), canvas->layoutScale());
        editor->closeForLayoutSwitch();
        QTRY_VERIFY(editor.isNull());
    }

    void quittingAsksNothing()
    {
        // Every way of quitting ends the event loop at once; the window goes with it.
        const std::function<void(EditorWindow *)> ways[] = {
            [](EditorWindow *e) { trigger(e->menuBar()->actions(), "Quitter"); },
            [](EditorWindow *e) { e->button(EditorCommand::Quit)->click(); },
            [](EditorWindow *e) { trigger(e->contextMenu()->actions(), "Quitter le progamme"); },
            [](EditorWindow *e) { e->close(); },
        };
        for (const auto &quit : ways) {
            QPointer<EditorWindow> editor = new EditorWindow(m_state, EditorLayout::Editor1024);
            editor->show();
            // Ends a loop that nothing quit; leaves with the window.
            QTimer::singleShot(10000, editor.data(), [] { QCoreApplication::exit(-1); });
            QTimer::singleShot(0, [&] { quit(editor); });
            QCOMPARE(QApplication::exec(), 0);
            QTRY_VERIFY(editor.isNull());
        }
    }
};

KERBO_TEST(StartUpTest)
#include "StartUpTest.moc"
