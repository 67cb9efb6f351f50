#include "TestMain.h"

#include "FakePrompts.h"
#include "PdfWords.h"
#include "TestFiles.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/PrinterPage.h"

#include <QtWidgets>

#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

// A print server of the test's own, with one printer that cannot print to the paper's edge, as
// most office printers: the form must still be laid across an A4 sheet in landscape.
namespace {

const QByteArray MarginsPpd = R"ppd(*PPD-Adobe: "4.3"
*LanguageEncoding: ISOLatin1
*NickName: "Kerbo Margins"
*LandscapeOrientation: Plus90
*OpenUI *PageSize: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

// An office printer left on Letter paper, its factory setting, that keeps 20 mm from each edge.
QByteArray letterPpd()
{
    QByteArray ppd = MarginsPpd;
    const auto letter = [&ppd](const char *keyword, const char *value) {
        const QByteArray key = QByteArray("*Default") + keyword + ": ";
        ppd.replace(key + "A4", key + "Letter\n*" + keyword + " Letter/Letter: \"" + value + "\"");
    };
    letter("PageSize", "<</PageSize[612 792]>>setpagedevice");
    letter("PageRegion", "<</PageSize[612 792]>>setpagedevice");
    letter("ImageableArea", "57 57 555 735");
    letter("PaperDimension", "612 792");
    ppd.replace("*ImageableArea A4/A4: \"12 12 583 830\"",
                "*ImageableArea A4/A4: \"57 57 538 785\"");
    return ppd;
}

} // namespace

class PrinterMarginsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_skip;
    QString m_spool;

private slots:
    // Before any printer is asked for: the print server's client reads its address once.
    void initTestCase()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                                             {QStringLiteral("/usr/sbin")});
        if (cupsd.isEmpty()) {
            m_skip = QStringLiteral("the print server (cupsd) is not installed");
            return;
        }
        const QString root = m_dir.path();
        for (const char *sub : {"ppd", "cache", "state", "spool", "temp", "log"})
            QVERIFY(QDir(root).mkpath(QLatin1String(sub)));
        const QString socket = root + QStringLiteral("/cups.sock");
        QVERIFY(writeBytes(root + QStringLiteral("/cupsd.conf"),
                           "LogLevel warn\nDirtyCleanInterval 0\nListen " + socket.toUtf8() +
                               "\nBrowsing Off\nWebInterface No\nDefaultAuthType None\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                               "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                               "  </Limit>\n</Policy>\n"));
        const QByteArray r = root.toUtf8();
        QVERIFY(writeBytes(root + QStringLiteral("/cups-files.conf"),
                           "ServerRoot " + r + "\nCacheDir " + r + "/cache\nStateDir " + r +
                               "/state\nRequestRoot " + r + "/spool\nTempDir " + r +
                               "/temp\nAccessLog " + r + "/log/access\nErrorLog " + r +
                               "/log/error\nPageLog " + r + "/log/page\nFileDevice Yes\n"));
        QVERIFY(writeBytes(root + QStringLiteral("/ppd/Marges.ppd"), MarginsPpd));
        QVERIFY(writeBytes(root + QStringLiteral("/ppd/Autre.ppd"), MarginsPpd));
        QVERIFY(writeBytes(root + QStringLiteral("/ppd/Lettre.ppd"), letterPpd()));
        // Held jobs stay in the spool with their options. The default queue prints two copies,
        // two pages a sheet, fitted, mirrored, framed, on both sides, even pages or the second
        // only, after a banner page: what an office may set.
        QVERIFY(writeBytes(root + QStringLiteral("/printers.conf"),
                           "<DefaultPrinter Marges>\nInfo Marges\nDeviceURI file:///dev/null\n"
                           "State Stopped\nAccepting Yes\nJobSheets standard none\n"
                           "Option number-up 2\nOption copies 2\nOption mirror true\n"
                           "Option fit-to-page true\nOption print-scaling fit\n"
                           "Option page-border double\nOption sides two-sided-long-edge\n"
                           "Option page-set even\nOption page-ranges 2\n"
                           "</DefaultPrinter>\n"
                           "<Printer Autre>\nInfo Autre\nDeviceURI file:///dev/null\n"
                           "State Stopped\nAccepting Yes\n</Printer>\n"
                           "<Printer Lettre>\nInfo Lettre\nDeviceURI file:///dev/null\n"
                           "State Stopped\nAccepting Yes\n</Printer>\n"));
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                               root + QStringLiteral("/cupsd.conf"), QStringLiteral("-s"),
                               root + QStringLiteral("/cups-files.conf")});
        QDeadlineTimer ready(5000);
        while (!QFileInfo::exists(socket) && m_server.state() != QProcess::NotRunning &&
               !ready.hasExpired())
            QThread::msleep(20);
        if (!QFileInfo::exists(socket)) {
            m_skip = QStringLiteral("the print server did not start here: ") +
                     QString::fromLocal8Bit(m_server.readAll()).simplified();
            return;
        }
        qputenv("CUPS_SERVER", socket.toUtf8());
        m_spool = root + QStringLiteral("/spool");
    }

    void cleanupTestCase()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(5000);
        }
    }

    void init()
    {
        if (!m_skip.isEmpty()) QSKIP(qPrintable(m_skip));
    }

    // One form, one sheet, whatever the queue says: two pages a sheet would shrink the form onto
    // half of it, a banner page would spend a form. The printer's properties chosen in the print
    // dialog (two pages a sheet) give way too; the copies the driver asked for there stay.
    void oneFormPerSheetWhateverTheQueueSays()
    {
        for (const int copies : {1, 3}) {
            {
                QPrinter printer(QPrinter::HighResolution);
                if (copies > 1) {
                    printer.setCopyCount(copies);
                    // Where Qt's dialog keeps the queue options it sets.
                    constexpr auto cupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
                    printer.printEngine()->setProperty(
                        cupsOptions, QStringList{QStringLiteral("number-up"), QStringLiteral("2")});
                }
                PrinterPage page(printer);
                QVERIFY(page.begin());
                page.drawText(60, 6.5, QStringLiteral("DUPONT"));
                page.endPage();
            }
            QByteArray job;
            QTRY_VERIFY_WITH_TIMEOUT(
                !(job = lastJob()).isEmpty() && intAfter(job, "copies") == copies, 10000);
            QCOMPARE(intAfter(job, "number-up"), 1);
            if (copies > 1) continue;
            QCOMPARE(valueAfter(job, "job-sheets"), "none");
            QCOMPARE(valueAfter(job, "print-scaling"), "none");
            QCOMPARE(valueAfter(job, "page-border"), "none");
            QCOMPARE(valueAfter(job, "sides"), "one-sided");
            QCOMPARE(valueAfter(job, "page-set"), "all");
            QCOMPARE(valueAfter(job, "page-ranges"), QByteArray("\0\0\0\1\0\0\0\1", 8));
            QCOMPARE(valueAfter(job, "fit-to-page"), QByteArray(1, '\0'));
            QCOMPARE(valueAfter(job, "mirror"), QByteArray(1, '\0'));
            QVERIFY(job.contains("Kerbo - bulletin de service"));
        }
    }

    // Nothing chosen in "Configuration de l'impression": the prints go to the system's default
    // printer of the moment, changed while the program runs.
    void theDefaultPrinterOfTheMomentPrints()
    {
        const QString lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"),
                                                               {QStringLiteral("/usr/sbin")});
        if (lpadmin.isEmpty()) QSKIP("lpadmin is not installed");
        const auto setDefault = [&lpadmin](const QString &name) {
            return QProcess::execute(lpadmin, {QStringLiteral("-d"), name}) == 0;
        };
        PrinterChoice choice;
        QVERIFY(choice.printer());
        QCOMPARE(choice.printer()->printerName(), QStringLiteral("Marges"));
        QVERIFY(setDefault(QStringLiteral("Autre")));
        QCOMPARE(choice.printer()->printerName(), QStringLiteral("Autre"));
        QVERIFY(setDefault(QStringLiteral("Marges")));
        // A printer chosen by the driver stays.
        choice.choosePdfFile(m_dir.filePath(QStringLiteral("choisi.pdf")));
        QVERIFY(setDefault(QStringLiteral("Autre")));
        QCOMPARE(choice.printer()->outputFormat(), QPrinter::PdfFormat);
        QVERIFY(setDefault(QStringLiteral("Marges")));
    }

    // A printer chosen in "Configuration de l'impression" over the system's default prints from
    // then on; a later cancel keeps it, whatever the driver went over in the list.
    void aPrinterChosenInTheDialogStaysChosen()
    {
        PrinterChoice choice;
        FakePrompts prompts;
        QCOMPARE(choice.printer()->printerName(), QStringLiteral("Marges"));
        const auto pick = [](const QString &name, bool confirm) {
            QTimer::singleShot(0, [name, confirm] {
                auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                QVERIFY(printers && printers->findText(name) >= 0);
                printers->setCurrentIndex(printers->findText(name));
                confirm ? dialog->accept() : dialog->reject();
            });
        };
        pick(QStringLiteral("Autre"), true);
        QVERIFY(choice.setUp(nullptr, prompts));
        QCOMPARE(choice.printer()->printerName(), QStringLiteral("Autre"));
        pick(QStringLiteral("Lettre"), false);
        QVERIFY(!choice.setUp(nullptr, prompts));
        QCOMPARE(choice.printer()->printerName(), QStringLiteral("Autre"));
        QCOMPARE(choice.printer()->outputFormat(), QPrinter::NativeFormat);
    }

    // What the print server receives from a printer left on Letter paper with wide margins: an
    // A4 sheet in landscape, the drawing from the paper's corner (not the printable area's), each
    // text at its millimetres from the sheet's corner.
    void aLetterPrinterGetsTheFormOnA4InPlace()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(QStringLiteral("Lettre"));
        QVERIFY(printer.pageLayout().minimumMargins().left() > 0);
        // Its own paper, as it comes when it is the default printer or from the print dialog.
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const qsizetype before = jobFiles().size();
        {
            PrinterPage page(printer);
            QVERIFY(page.begin());
            QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
            const QRectF paper = printer.paperRect(QPrinter::Millimeter);
            QCOMPARE(qRound(paper.width()), 297);
            QCOMPARE(qRound(paper.height()), 210);
            QCOMPARE(printer.pageRect(QPrinter::Millimeter).topLeft(), QPointF(0, 0));
            page.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
            page.setShift(.5, -.5);
            page.drawText(59.5, 7, QStringLiteral("DUPONT"));
            page.drawText(280, 200, QStringLiteral("FIN"));
        } // no endPage(): the page ends as it goes, and the job is sent all the same
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 10000);
        QCOMPARE(valueAfter(lastJob(), "media"), QByteArray("A4"));
        if (!pdftotextInstalled()) QSKIP("pdftotext (poppler-utils) is not installed");
        QList<PdfWord> words;
        const QSizeF sheet = readPdf(QDir(m_spool).filePath(jobFiles().last()), words);
        QVERIFY2(qAbs(sheet.width() - 297) < 0.5 && qAbs(sheet.height() - 210) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(sheet.width()).arg(sheet.height())));
        QCOMPARE(words.size(), 2);
        const QPointF expected[] = {{60, 6.5}, {280.5, 199.5}}; // shifted by (.5, -.5)
        for (int i = 0; i < 2; ++i) {
            const PdfWord &w = words.at(i);
            QVERIFY2(
                qAbs(w.xMin - expected[i].x()) < 0.1 && qAbs(w.yMin - expected[i].y()) < 0.1,
                qPrintable(QStringLiteral("%1 at %2, %3").arg(w.text).arg(w.xMin).arg(w.yMin)));
        }
    }

private:
    // The documents of the jobs the print server took, as it keeps them in its spool, in order.
    QStringList jobFiles() const
    {
        return QDir(m_spool).entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name);
    }
    // The request of the last job the print server took, as it keeps it in its spool.
    QByteArray lastJob() const
    {
        const QStringList jobs =
            QDir(m_spool).entryList({QStringLiteral("c*")}, QDir::Files, QDir::Name);
        return jobs.isEmpty() ? QByteArray() : bytesOf(QDir(m_spool).filePath(jobs.last()));
    }
    // The first value of a job's attribute, as the request holds it: the name, then the value's
    // length on two bytes and the value.
    static QByteArray valueAfter(const QByteArray &job, const char *name)
    {
        const QByteArray key = QByteArray(name);
        qsizetype at = -1;
        // The name stands after its own length, which a longer name ending the same way lacks.
        for (qsizetype from = 0; (at = job.indexOf(key, from)) >= 2; from = at + 1)
            if (uchar(job.at(at - 1)) == key.size() && job.at(at - 2) == 0) break;
        if (at < 2) return {};
        const qsizetype length_at = at + key.size();
        const int length = (uchar(job.at(length_at)) << 8) | uchar(job.at(length_at + 1));
        return job.mid(length_at + 2, length);
    }
    static int intAfter(const QByteArray &job, const char *name)
    {
        const QByteArray v = valueAfter(job, name);
        if (v.size() != 4) return -1;
        return (uchar(v[0]) << 24) | (uchar(v[1]) << 16) | (uchar(v[2]) << 8) | uchar(v[3]);
    }
};

KERBO_TEST(PrinterMarginsTest)
#include "PrinterMarginsTest.moc"
