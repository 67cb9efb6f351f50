// A driver leaves Kerbo open for days: every command of the editor, each window it opens and
// every button of that window, used again and again. What a cycle takes must be given back when
// its window closes: the widgets, the objects, the open files and the resident memory after the
// first cycles (Qt's own caches fill once) must stay as they are.
#include "BenchSupport.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/model/SlotTable.h"
#include "ui/Session.h"
#include "ui/editor/EditorWindow.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/StartUp.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace
{

constexpr int Cycles = 60;
constexpr int Settled = 2; // cycles before the figures are taken

struct Figures {
    qint64 residentKb = 0;
    qsizetype files = 0;
    qsizetype widgets = 0;
    int objects = 0;
};

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

int objectsUnder(const QObject *object)
{
    int count = 1;
    for (const QObject *child : object->children())
        count += objectsUnder(child);
    return count;
}

Figures measure(const QWidget *editor)
{
    return {residentKb(),
            QDir(QStringLiteral("/proc/self/fd"))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                .size(),
            QApplication::allWidgets().size(), objectsUnder(qApp) + objectsUnder(editor)};
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void closeWindow(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->reject();
    else
        window->close();
}

// The buttons that close their window or write over the driver's settings are left alone; the
// window is closed once the others were pressed.
bool pressable(const QPushButton *button)
{
    static const QRegularExpression closing(
        QStringLiteral("Retour|Quitter|Fermer|Annuler|^&?OK|Valider|Supprimer|Enregistrer|"
                       "Sauvegard|Sortir"),
        QRegularExpression::CaseInsensitiveOption);
    return button->isVisible() && button->isEnabled() && !closing.match(button->text()).hasMatch();
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform warns at every window it cannot size or document it cannot open:
    // thousands of lines over the figures. Only the serious messages are shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
    const QDir factory(QStringLiteral(KERBO_FACTORY_DATA));
    for (const QString &name : factory.entryList(QDir::Files))
        QFile::copy(factory.filePath(name), dir.filePath(QStringLiteral("DataBul/") + name));
    {
        QFile config(dir.filePath(QStringLiteral("DataBul/Config.ini")));
        if (!config.open(QIODevice::WriteOnly)) return 1;
        config.write("[Cartouche]\r\ncondition=1\r\nNom=DUPONT\r\n");
    }
    AppState state;
    state.config.ouestKerbo = Paths::CheckPath(dir.path());
    state.config.load();
    SilentPrompts prompts;
    PrinterChoice printer;
    printer.choosePdfFile(dir.filePath(QStringLiteral("bulletin.pdf")));
    Session session{state, prompts, printer};
    EditorWindow *editor = StartUp::openEditor(session, EditorLayout::Editor1024);
    settle();

    // The window a command opens has each of its buttons pressed; the windows those open are
    // closed at once.
    QWidget *pressing = nullptr;
    QTimer presser;
    presser.setInterval(2);
    QObject::connect(&presser, &QTimer::timeout, [&pressing] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || pressing) return;
        pressing = window;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!pressable(button)) continue;
            button->click();
            QApplication::processEvents();
            if (QApplication::activeModalWidget() != window) break;
        }
        if (QApplication::activeModalWidget() == window) closeWindow(window);
        pressing = nullptr;
    });
    QTimer closer;
    closer.setInterval(2);
    QObject::connect(&closer, &QTimer::timeout, [&pressing] {
        QWidget *window = QApplication::activeModalWidget();
        if (window && pressing && window != pressing) closeWindow(window);
    });
    presser.start();
    closer.start();

    int growing = 0;
    std::printf("%-36s %9s %7s %8s %8s\n", "command", "memory", "files", "widgets", "objects");
    for (int c = 0; c < int(EditorCommand::Count); ++c) {
        const auto command = EditorCommand(c);
        // Not these: the end of the run, the system's help viewer, and the other layout's editor.
        if (command == EditorCommand::Quit || command == EditorCommand::Help ||
            command == EditorCommand::ScaleSwitch)
            continue;
        QAction *action = editor->action(command);
        if (!action->isEnabled()) continue;
        Figures before;
        for (int cycle = 0; cycle < Cycles; ++cycle) {
            if (cycle == Settled) before = measure(editor);
            // Some days have a train to fill, print and save.
            state.record.setSlot(SlotTable::JourneeSlot, QStringLiteral("12"));
            state.record.setSlot(SlotTable::RoulementSlot, QStringLiteral("500"));
            state.record.setSlot(SlotTable::FirstTrainNumberSlot, QString::number(cycle));
            action->trigger();
            settle();
        }
        const Figures after = measure(editor);
        const bool grows = after.files > before.files || after.widgets > before.widgets ||
                           after.objects > before.objects;
        growing += grows;
        // Padded as characters: the accented names are longer in bytes.
        std::printf("%s %+6lld kB %+7lld %+8lld %+8d%s\n",
                    qPrintable(action->text().remove(QLatin1Char('&')).left(36).leftJustified(36)),
                    after.residentKb - before.residentKb, qint64(after.files - before.files),
                    qint64(after.widgets - before.widgets), after.objects - before.objects,
                    grows ? "  GROWS" : "");
    }
    std::printf("%d cycles of each command; figures after the first %d\n", Cycles, Settled);
    return growing == 0 ? 0 : 1;
}
