#include "TestMain.h"

#include "ui/print/PrinterProbe.h"

#include <QApplication>

#include <atomic>
#include <chrono>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace
{

// A print server that answers every request "401, a password is needed".
class PasswordServer
{
public:
    PasswordServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size) != 0 ||
            ::listen(m_listener, 16) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_serving = std::thread([this] { serve(); });
    }
    ~PasswordServer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        if (m_serving.joinable()) m_serving.join();
        ::close(m_listener);
    }
    bool listening() const { return m_port != 0; }
    int port() const { return m_port; }
    int asked() const { return m_asked; }

private:
    void serve()
    {
        for (int client; (client = ::accept(m_listener, nullptr, nullptr)) >= 0;) {
            QByteArray request;
            char buffer[4096];
            for (ssize_t n; (n = ::read(client, buffer, sizeof buffer)) > 0;) {
                request.append(buffer, n);
                const qsizetype end = request.indexOf("\r\n\r\n");
                if (end < 0) continue;
                const qsizetype length = request.toLower().indexOf("content-length:");
                const qsizetype body =
                    length < 0
                        ? 0
                        : request.mid(length + 15, request.indexOf('\r', length) - length - 15)
                              .trimmed()
                              .toLongLong();
                if (request.size() < end + 4 + body) continue;
                ++m_asked;
                static constexpr char answer[] =
                    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\n"
                    "Content-Length: 0\r\n\r\n";
                if (::write(client, answer, sizeof answer - 1) < 0) break;
                request.clear();
            }
            ::close(client);
        }
    }

    int m_listener = -1;
    int m_port = 0;
    std::atomic<int> m_asked = 0;
    std::thread m_serving;
};

} // namespace

// The printer question of the start-up never holds it longer than its budget.
class PrinterProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void aServerThatDoesNotAnswerCountsAsPrinters()
    {
        std::atomic<bool> release = false;
        std::atomic<int> asked = 0;
        PrinterProbe probe([&] {
            ++asked;
            while (!release)
                std::this_thread::sleep_for(1ms);
            return false;
        });
        probe.start();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(probe.anyPrinter(100ms), true);
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(probe.busy());
        // The question under way is awaited again, not asked twice.
        QCOMPARE(probe.anyPrinter(50ms), true);
        release = true;
        QCOMPARE(probe.anyPrinter(5s), false);
        QCOMPARE(asked.load(), 1);
        // An answer is used once: the next question is asked again.
        QCOMPARE(probe.anyPrinter(5s), false);
        QCOMPARE(asked.load(), 2);
        QVERIFY(!probe.busy());
    }

    // A server silent until the print library gives up answers "no printer" at last: that is
    // no answer, or the next question, asked by the window itself, would wait as long. A server
    // slow a moment (a busy computer) that then lists its printers has answered: the next print
    // goes, without a second "does not answer".
    void anAnswerTooLate()
    {
        std::atomic<bool> slow = true, printers = false;
        PrinterProbe probe([&] {
            if (slow) std::this_thread::sleep_for(300ms);
            return printers.load();
        });
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::NoAnswer);
        QTRY_VERIFY(!probe.busy());
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::NoAnswer);
        slow = false; // the server is back
        QCOMPARE(probe.ask(5s), PrinterProbe::Answer::NoPrinter);

        slow = true;
        printers = true;
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::NoAnswer);
        QTRY_VERIFY(!probe.busy());
        QCOMPARE(probe.ask(50ms), PrinterProbe::Answer::Printers);
    }

    // A print server that wants a password before it lists its printers (an office's server):
    // the start-up's question counts its printers as present, at once, and opens no window;
    // Qt's password dialog, made on the question's thread, stood behind the first windows.
    void aServerThatWantsAPasswordOpensNoWindow()
    {
        PasswordServer server;
        QVERIFY(server.listening());
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
        PrinterProbe probe;
        const PrinterProbe::Answer answer = probe.ask(10s);
        qunsetenv("CUPS_SERVER");
        QVERIFY(server.asked() > 0);
        QCOMPARE(answer, PrinterProbe::Answer::Printers);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};

KERBO_TEST(PrinterProbeTest)
#include "PrinterProbeTest.moc"
