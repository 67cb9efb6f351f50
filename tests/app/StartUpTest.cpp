#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/Paths.h"
#include "app/StartUp.h"
#include "app/frmCartouche.h"
#include "editor/EditorWindow.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

class StartUpTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartOpensTheCartoucheThenTheEditor()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
        AppState state;
        state.config.ouestKerbo = Paths::CheckPath(dir.path());
        FakePrompts prompts;

        // The modal cartouche dialog is answered from the event loop it runs.
        QString caption;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<frmCartouche *>(QApplication::activeModalWidget())) {
                answer.stop();
                caption = dialog->windowTitle();
                dialog->box(0)->setText(QStringLiteral("Dupont"));
                dialog->okButton()->click();
            }
        });
        answer.start(10);
        QPointer<EditorWindow> editor = StartUp::openEditor(state, prompts, EditorLayout::Editor1024);
        QCOMPARE(caption, QStringLiteral("PREMIER DEMARRAGE DU LOGICIEL"));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("EDITEUR DE BULLETIN DE SERVICE RO 2004"));
        QCOMPARE(state.record.slot(1), QStringLiteral("Dupont"));
        // The printer check is the real one.
        QCOMPARE(prompts.titles().contains(
                     QString::fromUtf8("Attention n'y a acune imprimante installée !!")),
                 QPrinterInfo::availablePrinters().isEmpty());

        QStringList menu;
        for (const QAction *a : editor->menuBar()->actions())
            menu << a->text();
        QVERIFY(menu.contains(QStringLiteral("Modifier le cartouche A")));
        QVERIFY(menu.contains(QStringLiteral("Quitter")));
        // The menu entry opens the same dialog, captioned for a change.
        answer.start(10);
        editor->action(EditorCommand::EditCartouche)->trigger();
        QCOMPARE(caption, QStringLiteral("MODIFICATION DU CARTOUCHE A"));
        editor->closeForLayoutSwitch();
        QTRY_VERIFY(editor.isNull());
    }

    void quittingAsksNothing()
    {
        // Every way of quitting ends the event loop at once; the window goes with it.
        const std::function<void(EditorWindow *)> ways[] = {
            [](EditorWindow *e) { e->action(EditorCommand::Quit)->trigger(); },
            [](EditorWindow *e) { e->button(EditorCommand::Quit)->click(); },
            [](EditorWindow *e) {
                for (QAction *a : e->contextMenu()->actions())
                    if (a->text() == QStringLiteral("Quitter le progamme"))
                        a->trigger();
            },
            [](EditorWindow *e) { e->close(); },
        };
        for (const auto &quit : ways) {
            AppState state;
            QPointer<EditorWindow> editor = new EditorWindow(state, EditorLayout::Editor1024);
            editor->show();
            QTimer guard; // only ends a loop that nothing quit
            guard.setSingleShot(true);
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
            guard.start(10000);
            QTimer::singleShot(0, [&] { quit(editor); });
            QCOMPARE(QApplication::exec(), 0);
            QTRY_VERIFY(editor.isNull());
        }
    }
};

KERBO_TEST(StartUpTest)
#include "StartUpTest.moc"
