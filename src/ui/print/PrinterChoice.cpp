#include "ui/print/PrinterChoice.h"

#include "core/base/Prompts.h"
#include "ui/print/OnePageDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

// Names only: a full printer object asks the print server for each printer's capabilities.
bool PrinterChoice::anyPrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

QPrinter &PrinterChoice::current()
{
    if (!m_printer) {
        m_printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        // Without a default printer the first one serves until the user picks one.
        if (QPrinterInfo::defaultPrinterName().isEmpty()) {
            const QStringList printers = QPrinterInfo::availablePrinterNames();
            if (!printers.isEmpty())
                m_printer->setPrinterName(printers.first());
        }
    } else if (!m_chosen && m_printer->outputFormat() == QPrinter::NativeFormat) {
        // Nothing chosen in "Configuration de l'impression": the system's default printer of
        // the moment, changed while the program runs or not.
        const QString system = QPrinterInfo::defaultPrinterName();
        if (!system.isEmpty() && system != m_printer->printerName())
            m_printer->setPrinterName(system);
    }
    return *m_printer;
}

QPrinter *PrinterChoice::printer()
{
    if (!m_chosen && !anyPrinterInstalled())
        return nullptr;
    return &current();
}

QPrinter &PrinterChoice::forMeasuring()
{
    if (QPrinter *p = printer())
        return *p;
    if (!m_standIn) {
        m_standIn = std::make_shared<QPrinter>(QPrinter::HighResolution);
        m_standIn->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_standIn;
}

namespace
{
// A moment for the driver, and far longer than a print server that answers takes.
constexpr std::chrono::milliseconds ServerWait{1000};
} // namespace

bool PrinterChoice::answering()
{
    if (m_chosen && m_printer && m_printer->outputFormat() == QPrinter::PdfFormat) return true;
    return m_probe.ask(ServerWait) != PrinterProbe::Answer::NoAnswer;
}

bool PrinterChoice::answering(Prompts &prompts)
{
    if (answering()) return true;
    prompts.message(QStringLiteral("Kerbo"),
                    Prompts::lines({QStringLiteral("Le serveur d'impression ne répond pas."),
                                    QStringLiteral("L'impression, sa configuration et le choix "
                                                   "des polices attendent qu'il réponde."),
                                    QStringLiteral("Vérifiez que l'imprimante est allumée et "
                                                   "reliée au réseau, puis recommencez.")}),
                    Prompts::Icon::Exclamation);
    return false;
}

bool PrinterChoice::setUp(QWidget *parent, Prompts &prompts)
{
    if (!answering(prompts)) return false;
    QPrinter &printer = current();
    // Qt's dialog changes the printer as it opens (a PDF file chosen before gives way to a
    // printer) and as the driver goes over its list of printers: what was chosen comes back for
    // the dialog to open on it, and when the driver cancels.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString file = printer.outputFileName();
    const QString name = printer.printerName();
    const auto giveBack = [&printer, toFile, file, name] {
        if (toFile) {
            if (printer.outputFormat() != QPrinter::PdfFormat)
                printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        } else if (!name.isEmpty() && printer.printerName() != name) {
            printer.setPrinterName(name);
        }
    };
    QPrintDialog dialog(&printer, parent);
    giveBack();
    OnePageDialog::prepare(dialog, QStringLiteral("Configuration de l'impression"));
    // Nothing is printed from here: the choice is confirmed, not a print started.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    if (dialog.exec() != QDialog::Accepted) {
        giveBack();
        return false;
    }
    m_chosen = true;
    // A file chosen here was asked about by the dialog itself.
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        m_printedFiles.remove(m_printer->outputFileName());
    return true;
}

bool PrinterChoice::mayPrint(Prompts &prompts)
{
    if (!m_printer || m_printer->outputFormat() != QPrinter::PdfFormat) return true;
    const QString file = m_printer->outputFileName();
    if (!m_printedFiles.contains(file) || !QFileInfo::exists(file)) return true;
    return prompts.question(
               QStringLiteral("Kerbo"),
               QStringLiteral("Le fichier %1 contient déjà la page imprimée avant celle-ci.\r\n"
                              "Voulez-vous la remplacer ?\r\n"
                              "\r\n"
                              "Pour garder les deux pages, répondez Non et choisissez un autre "
                              "fichier dans \"Configuration de l'impression\".")
                   .arg(file),
               Prompts::Icon::Question, Prompts::Buttons::YesNo,
               Prompts::Answer::No) == Prompts::Answer::Yes;
}

void PrinterChoice::printed()
{
    if (m_printer) printed(*m_printer);
}

void PrinterChoice::printed(const QPrinter &other)
{
    if (other.outputFormat() == QPrinter::PdfFormat && !other.outputFileName().isEmpty())
        m_printedFiles.insert(other.outputFileName());
}

void PrinterChoice::choosePdfFile(const QString &path)
{
    QPrinter &p = current();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(path);
    m_chosen = true;
    m_printedFiles.remove(path);
}
