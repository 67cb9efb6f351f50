// The start-up benchmark's peer: a QMainWindow of the editor's size and nothing else, in a
// program that links Qt Widgets only, as any bare Qt program does. It ends right after the
// window's first frame and says so, as Kerbo does when told to.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace
{

class QuitWhenExposed : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
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
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1012, 690);
    window.winId(); // creates the native window, to watch it before it shows
    QuitWhenExposed quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return app.exec();
}
