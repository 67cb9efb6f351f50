// A driver's store of 5,000 automatismes (about 190,000 lines): one keystroke in a train number
// from the key press to the repaint, lookup and fill included; F9; a deletion; the automatisme
// window opened with its list. The peer is the lookup made with one file read per key.
#include "BenchSupport.h"

#include "core/automatismes/Automatismes.h"
#include "core/AppState.h"
#include "core/automatismes/AutomatismeKeys.h"
#include "core/base/IniAccess.h"
#include "core/base/Prompts.h"
#include "core/editor/FunctionKeys.h"
#include "core/model/LineView.h"
#include "ui/Session.h"
#include "ui/editor/AutomatismeWiring.h"
#include "ui/automatismes/frmAutomatisme.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/print/PrinterChoice.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace
{

constexpr int Count = 5000;

// Numbers 1..5000, so that typing 1, 12, 123 and 1234 matches at every keystroke.
QByteArray store()
{
    QByteArray out = "[NombreTrain]\r\nNombreTrain=" + QByteArray::number(Count) + "\r\n";
    out.reserve(Count * 600);
    for (int n = 1; n <= Count; ++n) {
        const QByteArray number = QByteArray::number(n);
        out += "[Train" + number + "]\r\nNumeroTrain=" + number + "\r\n";
        for (const AutomatismeKeys::Field &f : AutomatismeKeys::Fields) {
            out += QString::fromUtf8(f.key).toLatin1() + '=';
            if (f.part != AutomatismeKeys::Part::Letter)
                out += QByteArray::number(n % 97 + f.offset);
            else
                out += 'B';
            out += "\r\n";
        }
        out += "Fin" + number + "=Fin" + number + "\r\n";
    }
    return out;
}

struct Yes : Prompts {
    void message(const QString &, const QString &, Icon) override {}
    Answer question(const QString &, const QString &, Icon, Buttons, Answer) override
    {
        return Answer::Yes;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
};

struct NoView : LineView {
    void showCurrentSlot() override {}
    void setBusy(bool) override {}
};

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

// Processor time of the program, to tell its own work from a busy machine's waits.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Sample {
    std::vector<double> wall, cpu;
    QElapsedTimer timer;
    double cpuStart = 0;
    void start()
    {
        cpuStart = cpuMs();
        timer.restart();
    }
    void stop()
    {
        wall.push_back(ms(timer.nsecsElapsed()));
        cpu.push_back(cpuMs() - cpuStart);
    }
};

void key(QWidget *target, Qt::Key k, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::processEvents(); // the repaint of the changed boxes
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("DataBul"));
    AppState state;
    state.config.ouestKerbo = dir.path() + QLatin1Char('/');
    const QString path = state.config.dataFile(QStringLiteral("Automatisme.ini"));
    const QByteArray bytes = store();
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const int lines = int(bytes.count('\n'));

    Yes prompts;
    PrinterChoice printer;
    Session session{state, prompts, printer};
    EditorWindow editor(state, EditorLayout::Editor1024);
    wireAutomatismes(editor, session);
    editor.show();
    QApplication::processEvents();
    QLineEdit *text = editor.textControl();

    // The first keystroke reads the store; the following ones use the kept copy.
    editor.editing()->setCurrentSlot(SlotTable::lineSlot(2, SlotTable::NumeroTrain));
    Sample first;
    first.start();
    key(text, Qt::Key_1, QStringLiteral("1"));
    first.stop();

    Sample keystrokes;
    for (int round = 0; round < 100; ++round) {
        text->clear();
        editor.editing()->setCurrentSlot(SlotTable::lineSlot(round % 5, SlotTable::NumeroTrain));
        for (const char c : {'1', '2', '3', '4'}) {
            keystrokes.start();
            key(text, Qt::Key(Qt::Key_0 + (c - '0')), QString(QLatin1Char(c)));
            keystrokes.stop();
        }
    }
    if (state.record.slot(SlotTable::lineSlot(4, SlotTable::KmTrain)) != QStringLiteral("105")) {
        std::fprintf(stderr, "the lookup did not fill the line\n");
        return 1;
    }

    // The peer: the same fill read key by key from the file.
    Sample peer;
    for (int round = 0; round < 3; ++round) {
        peer.start();
        const QString section = QStringLiteral("Train1234");
        LectureINI(path, QStringLiteral("NombreTrain"), QStringLiteral("NombreTrain"));
        LectureINI(path, section, QStringLiteral("NumeroTrain"));
        for (int f = 0; f < AutomatismeKeys::FieldCount; ++f)
            LectureINI(path, section, Automatismes::keyName(f));
        peer.stop();
    }

    // F9: new automatismes, then the same ones overwritten in place.
    NoView view;
    FunctionKeys keys(state.record, state.lineBuffer, state.config.options, state.automatismes,
                      prompts, view);
    Sample captures;
    for (int i = 0; i < 20; ++i) {
        state.record.setSlot(SlotTable::lineSlot(1, SlotTable::NumeroTrain),
                             QStringLiteral("9%1").arg(i % 10));
        state.record.setCurrentSlot(SlotTable::lineSlot(1, SlotTable::De));
        captures.start();
        keys.press(Qt::Key_F9, Qt::NoModifier, false);
        captures.stop();
    }

    Sample deletions;
    for (int i = 0; i < 20; ++i) {
        QString error;
        deletions.start();
        const bool ok = Automatismes::remove(state.automatismes, QString::number(2000 + i), &error);
        deletions.stop();
        if (!ok) {
            std::fprintf(stderr, "deletion failed: %s\n", qPrintable(error));
            return 1;
        }
    }

    Sample opens;
    int listed = 0;
    for (int i = 0; i < 10; ++i) {
        opens.start();
        frmAutomatisme window(session, &editor);
        window.show();
        QApplication::processEvents();
        opens.stop();
        listed = window.list()->count();
    }
    // Opened before anything else read the store: the file is read too.
    Sample cold;
    state.automatismes.setPath(QString());
    state.automatismes.setPath(path);
    cold.start();
    {
        frmAutomatisme window(session, &editor);
        window.show();
        QApplication::processEvents();
    }
    cold.stop();

    const auto line = [](const char *what, const Sample &s, const char *target) {
        std::printf("%s: %.3f ms (target < %s; processor time %.3f ms)\n", what, median(s.wall),
                    target, median(s.cpu));
    };
    std::printf("store: %d automatismes, %d lines\n", Count, lines);
    std::printf("first keystroke in a train number, store read: %.2f ms\n", first.wall[0]);
    line("keystroke in a train number, lookup + fill + repaint", keystrokes, "1 ms");
    std::printf("same lookup read key by key from the file (peer): %.1f ms, ratio %.0fx\n",
                median(peer.wall), median(peer.wall) / median(keystrokes.wall));
    line("F9 capture of a line", captures, "20 ms");
    line("deletion of an automatisme", deletions, "30 ms");
    const QByteArray opened =
        "automatisme window opened with its list of " + QByteArray::number(listed);
    line(opened.constData(), opens, "50 ms");
    line("automatisme window opened, store read first", cold, "50 ms");
    return 0;
}
