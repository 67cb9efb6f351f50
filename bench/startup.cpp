// From launch to the editor on the screen, against a bare Qt window on the same machine, in one
// run: each program is started again and again, alternately, under an Xvfb server of the bench's
// own, with a session bus of its own, and ends right after its window's first frame. Kerbo runs on
// a data folder of its own, past its first start, with the system's printers. The same window with
// one line of text is timed beside them: what the fonts alone cost any program that shows a word. A
// second figure times Kerbo when the print server accepts the connection but never answers. The
// programs tell their stages (loaded, connected to the display, ...) in their start-up log, and
// the bench places them on its own clock: where each start's time goes.
#include "ui/print/PrinterChoice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace
{

constexpr int Rounds = 31;
constexpr double Target = 1.3;
constexpr int StalledRounds = 5;
constexpr double StalledTargetMs = 1000; // more than the normal start
constexpr unsigned long SettleMs = 100;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A program's start: milliseconds from the launch to the first frame (the program's "shown"
// line), negative when the program failed, and to each stage it told on the way.
struct Run {
    double shown = -1;
    std::vector<std::pair<QByteArray, double>> stages;
};

Run timedRun(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    // The servers a program has just left (the display's, the print server) go on working for
    // it a few milliseconds: the next start would pay for them. Each start begins on a quiet
    // machine, as a driver's does.
    QThread::msleep(SettleMs);
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    const qint64 launched = QDeadlineTimer::current().deadlineNSecs();
    timer.start();
    process.start(program, arguments);
    Run run;
    while (process.waitForReadyRead(30000)) {
        if (process.readAllStandardOutput().contains("shown")) {
            run.shown = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    if (!process.waitForFinished(30000) || process.exitCode() != 0) run.shown = -1;
    // "kerbo.startup: <stage> <monotonic clock in ns>"
    for (const QByteArray &line : process.readAllStandardError().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 3 && words[0] == "kerbo.startup:")
            run.stages.emplace_back(words[1], double(words[2].toLongLong() - launched) / 1e6);
    }
    return run;
}

// The median time of every stage over the runs, in the order the stages come.
QByteArray stagesLine(const std::vector<Run> &runs)
{
    std::vector<QByteArray> order;
    std::map<QByteArray, std::vector<double>> times;
    for (const Run &run : runs)
        for (const auto &[stage, ms] : run.stages) {
            if (times[stage].empty() && std::find(order.begin(), order.end(), stage) == order.end())
                order.push_back(stage);
            times[stage].push_back(ms);
        }
    std::vector<std::pair<double, QByteArray>> medians;
    for (const QByteArray &stage : order)
        medians.emplace_back(median(times[stage]), stage);
    std::sort(medians.begin(), medians.end());
    QByteArray line;
    double before = 0;
    for (const auto &[ms, stage] : medians) {
        line += (line.isEmpty() ? "" : ", ") + stage + ' ' + QByteArray::number(ms, 'f', 1) +
                " (+" + QByteArray::number(ms - before, 'f', 1) + ')';
        before = ms;
    }
    return line.isEmpty() ? QByteArrayLiteral("no stage told") : line;
}

// An X server of the bench's own, as a desktop has one; nullptr when Xvfb is not installed.
std::unique_ptr<QProcess> startXvfb(QString *display)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return nullptr;
    auto server = std::make_unique<QProcess>();
    server->setStandardErrorFile(QProcess::nullDevice());
    server->start(xvfb,
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    if (!server->waitForReadyRead(10000)) return nullptr;
    *display = QStringLiteral(":") + QString::fromLatin1(server->readAllStandardOutput()).trimmed();
    return server;
}

// A session bus of the bench's own, as a desktop has one: without it each start forks the bus's
// launcher to look for one. nullptr when dbus-daemon is not installed.
std::unique_ptr<QProcess> startSessionBus(QString *address)
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) return nullptr;
    auto bus = std::make_unique<QProcess>();
    bus->setStandardErrorFile(QProcess::nullDevice());
    bus->start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
    if (!bus->waitForReadyRead(10000)) return nullptr;
    *address = QString::fromLatin1(bus->readLine()).trimmed();
    return bus;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!PrinterChoice::anyPrinterInstalled()) {
        // The start would wait on the message "Attention n'y a acune imprimante installée !!".
        std::printf(
            "startup: skipped, no printer installed (add a print queue to time the start)\n");
        return 0;
    }
    QTemporaryDir home;
    const QString program = home.filePath(QStringLiteral("program/kerbo"));
    QDir().mkpath(home.filePath(QStringLiteral("program")));
    if (!QFile::copy(QStringLiteral(KERBO_PROGRAM), program)) {
        std::printf("startup: cannot copy %s\n", KERBO_PROGRAM);
        return 1;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A data folder as a driver's: seeded with the factory files by a first start, then past
    // the first start, so that the cartouche dialog does not open.
    env.insert(QStringLiteral("KERBO_EXIT_AFTER"), QStringLiteral("data"));
    QProcess seed;
    seed.setProcessEnvironment(env);
    seed.start(program, {});
    QFile config(home.filePath(QStringLiteral("program/DataBul/Config.ini")));
    if (!seed.waitForFinished(30000) || seed.exitCode() != 0 ||
        !config.open(QIODevice::Append)) {
        std::printf("startup: Kerbo did not seed its data folder\n");
        return 1;
    }
    config.write("\r\n[Cartouche]\r\nNom=DUPONT\r\nPrenom=JEAN\r\ncondition=1\r\n");
    config.close();
    env.insert(QStringLiteral("KERBO_EXIT_AFTER"), QStringLiteral("editor"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kerbo.startup.info=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));

    QString display;
    const std::unique_ptr<QProcess> xvfb = startXvfb(&display);
    QString platform = xvfb ? QStringLiteral("Xvfb") : QStringLiteral("offscreen");
    if (xvfb) {
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    QString busAddress;
    const std::unique_ptr<QProcess> bus = startSessionBus(&busAddress);
    if (bus) {
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        platform += QStringLiteral(", session bus");
    }
    // Both programs warm the disk cache.
    const QString bare = QStringLiteral(KERBO_BARE_WINDOW);
    const QStringList withText{QStringLiteral("text")};
    for (int i = 0; i < 2; ++i) {
        if (timedRun(program, {}, env).shown < 0 || timedRun(bare, {}, env).shown < 0 ||
            timedRun(bare, withText, env).shown < 0) {
            std::printf("startup: a program did not start and end cleanly\n");
            return 1;
        }
    }
    std::vector<Run> kerboRuns, peerRuns, textRuns;
    std::vector<double> kerbo, peer, text;
    for (int i = 0; i < Rounds; ++i) {
        kerboRuns.push_back(timedRun(program, {}, env));
        peerRuns.push_back(timedRun(bare, {}, env));
        textRuns.push_back(timedRun(bare, withText, env));
        kerbo.push_back(kerboRuns.back().shown);
        peer.push_back(peerRuns.back().shown);
        text.push_back(textRuns.back().shown);
        if (kerbo.back() < 0 || peer.back() < 0 || text.back() < 0) {
            std::printf("startup: a program did not start and end cleanly\n");
            return 1;
        }
    }
    const double k = median(kerbo), b = median(peer);
    // Each start against the peer's start next to it: the spread says how far the machine's
    // noise moves the ratio.
    std::vector<double> paired;
    for (int i = 0; i < Rounds; ++i)
        paired.push_back(kerbo[i] / peer[i]);
    std::sort(paired.begin(), paired.end());
    std::printf(
        "start-up to the editor shown (%s, median of %d): %.1f ms; bare QMainWindow %.1f ms; "
        "ratio %.2f (target < %.1f); start by start %.2f, middle half %.2f to %.2f\n",
        qPrintable(platform), Rounds, k, b, k / b, Target, paired[Rounds / 2],
        paired[Rounds / 4], paired[3 * Rounds / 4]);
    const double t = median(text);
    std::printf("the bare QMainWindow with one line of text (median of %d): %.1f ms, %.2f times "
                "the bare window; Kerbo takes %.2f times this one\n",
                Rounds, t, t / b, k / t);
    std::printf("where the time goes, median ms from the launch (+ since the stage before):\n"
                "  Kerbo: %s\n  bare QMainWindow: %s\n  with one line of text: %s\n",
                stagesLine(kerboRuns).constData(), stagesLine(peerRuns).constData(),
                stagesLine(textRuns).constData());

    // A print server that takes the connection and never answers: the kernel accepts for it.
    QTcpServer stalled;
    stalled.listen(QHostAddress::LocalHost);
    env.insert(QStringLiteral("CUPS_SERVER"),
               QStringLiteral("127.0.0.1:%1").arg(stalled.serverPort()));
    std::vector<double> slow;
    for (int i = 0; i < StalledRounds; ++i) {
        slow.push_back(timedRun(program, {}, env).shown);
        if (slow.back() < 0) {
            std::printf("startup: Kerbo did not start with a print server that does not answer\n");
            return 1;
        }
    }
    const double s = median(slow);
    std::printf("start-up with a print server that does not answer (median of %d): %.1f ms, "
                "%.0f ms more (target < %.0f ms more)\n",
                StalledRounds, s, s - k, StalledTargetMs);
    for (QProcess *server : {xvfb.get(), bus.get()}) {
        if (!server) continue;
        server->terminate();
        server->waitForFinished(5000);
    }
    return 0;
}
