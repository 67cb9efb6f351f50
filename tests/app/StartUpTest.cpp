#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/IniAccess.h"
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

namespace {

// Runs the application's event loop until something quits it; -1 when nothing did.
int runEventLoop(const std::function<void()> &action)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(10000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

QStringList menuBarTexts(const QMainWindow &w)
{
    QStringList texts;
    for (const QAction *a : w.menuBar()->actions())
        texts << a->text();
    return texts;
}

} // namespace

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
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<frmCartouche *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answer.stop();
            caption = dialog->windowTitle();
            dialog->box(0)->setText(QStringLiteral("Dupont"));
            dialog->okButton()->click();
        });
        answer.start(10);

        std::unique_ptr<EditorWindow> editor(
            StartUp::openEditor(state, prompts, EditorLayout::Editor1024));
        QCOMPARE(caption, QStringLiteral("PREMIER DEMARRAGE DU LOGICIEL"));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("EDITEUR DE BULLETIN DE SERVICE RO 2004"));
        QCOMPARE(state.record.slot(1), QStringLiteral("Dupont"));
        QCOMPARE(state.layout, EditorLayout::Editor1024);
        QCOMPARE(LectureINI(state.config.iniPath(), QStringLiteral("Cartouche"),
                            QStringLiteral("condition"))
                     .text,
                 QStringLiteral("1"));
        // The printer check is the real one.
        const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
        QCOMPARE(prompts.titles().contains(
                     QString::fromUtf8("Attention n'y a acune imprimante installée !!")),
                 noPrinter);

        const QStringList menu = menuBarTexts(*editor);
        QVERIFY(menu.contains(QStringLiteral("Modifier le cartouche A")));
        QVERIFY(menu.contains(QStringLiteral("Quitter")));
        QVERIFY(editor->action(EditorCommand::EditCartouche)->isEnabled());

        // The menu entry opens the same dialog, captioned for a change.
        answer.start(10);
        editor->action(EditorCommand::EditCartouche)->trigger();
        QCOMPARE(caption, QStringLiteral("MODIFICATION DU CARTOUCHE A"));
        editor->closeForLayoutSwitch();
        editor.release(); // deleted on close
    }

    void quittingAsksNothing()
    {
        // Each way of quitting ends the event loop at once; the window goes with it.
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
            FakePrompts prompts;
            QPointer<EditorWindow> editor = new EditorWindow(state, EditorLayout::Editor1024);
            editor->show();
            QCOMPARE(runEventLoop([&] { quit(editor); }), 0);
            QVERIFY(prompts.calls.isEmpty());
            QTRY_VERIFY(editor.isNull());
        }
    }
};

KERBO_TEST(StartUpTest)
#include "StartUpTest.moc"
