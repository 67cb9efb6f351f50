// The start-up benchmark's peer: a QMainWindow of the editor's size and nothing else, in a
// program that links Qt Widgets only, as any bare Qt program does. It ends right after the
// window's first frame and says so, as Kerbo does when told to. Started with "text", the window
// shows one line of text in a label, as the splash window does, and nothing more: the least that
// any window with a word in it pays for the fonts. It tells its stages as Kerbo does.
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace
{

Q_LOGGING_CATEGORY(lcStartUp, "kerbo.startup", QtWarningMsg)

void markStartUp(const char *stage)
{
    qCInfo(lcStartUp, "%s %lld", stage, QDeadlineTimer::current().deadlineNSecs());
}

class QuitWhenExposed : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            markStartUp("shown");
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    markStartUp("loaded");
    QApplication app(argc, argv);
    markStartUp("display");
    QMainWindow window;
    window.resize(1012, 690);
    if (argc > 1 && qstrcmp(argv[1], "text") == 0)
        window.setCentralWidget(
            new QLabel(QStringLiteral("Résolution écran 1280 / 1024  pixels"), &window));
    window.winId(); // creates the native window, to watch it before it shows
    QuitWhenExposed quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return app.exec();
}
