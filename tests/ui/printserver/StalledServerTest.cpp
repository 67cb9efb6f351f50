#include "TestMain.h"

#include "../SessionFolder.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/VersoCommands.h"

#include <QtWidgets>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A print server that takes the connection and never answers, as a network printer gone from
// the network leaves it: every command that asks it answers within a moment, and tells why.
class StalledServerTest : public QObject
{
    Q_OBJECT

    int m_listener = -1;

private slots:
    void initTestCase()
    {
        // The system accepts the connections for the server, which never reads them.
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        QVERIFY(::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size) == 0);
        QVERIFY(::listen(m_listener, 16) == 0);
        QVERIFY(::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) == 0);
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port)));
    }
    // The questions still waiting on it end with it.
    void cleanupTestCase() { ::close(m_listener); }

    void everyCommandAnswersAtOnce()
    {
        SessionFolder run;
        run.saveFactoryLayout();
        run.state.verso.txtObsMec = QStringLiteral("Signal fermé au km 12");
        const QString told = QStringLiteral("Le serveur d'impression ne répond pas.");
        const auto quickAndTold = [&](const char *command, const std::function<bool()> &run_) {
            QElapsedTimer timer;
            timer.start();
            const qsizetype before = run.prompts.calls.size();
            QVERIFY2(!run_(), command);
            QVERIFY2(timer.elapsed() < 5000, command);
            QVERIFY2(run.prompts.calls.size() > before &&
                         run.prompts.last().text.startsWith(told + QStringLiteral("\r\n")),
                     command);
        };
        run.prompts.answers = {Prompts::Answer::Ok};
        quickAndTold("print", [&] { return PrintCommands::printRecto(run.session); });
        run.prompts.answers = {Prompts::Answer::Ok};
        quickAndTold("verso", [&] { return VersoCommands::printVerso(run.session); });
        quickAndTold("font", [&] { return PrintCommands::chooseRectoFont(nullptr, run.session); });
        quickAndTold("verso font",
                     [&] { return VersoCommands::chooseVersoFont(nullptr, run.session); });
        quickAndTold("set-up", [&] { return run.printer.setUp(nullptr, run.prompts); });

        // The verso preview still breaks its lines, measured as on paper, and says nothing.
        const qsizetype told_ = run.prompts.calls.size();
        QElapsedTimer timer;
        timer.start();
        VersoCommands::wrapForPreview(run.session);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(run.state.versoLines.observations.at(0), run.state.verso.txtObsMec);
        QCOMPARE(run.prompts.calls.size(), told_);
    }
};

KERBO_TEST(StalledServerTest)
#include "StalledServerTest.moc"
