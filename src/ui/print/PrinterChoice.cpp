#include "ui/print/PrinterChoice.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool PrinterChoice::anyPrinterInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

QPrinter &PrinterChoice::current()
{
    if (!m_printer) {
        m_printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        // Without a default printer the first one serves until the user picks one.
        if (QPrinterInfo::defaultPrinter().isNull()) {
            const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
            if (!printers.isEmpty())
                m_printer->setPrinterName(printers.first().printerName());
        }
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

bool PrinterChoice::setUp(QWidget *parent)
{
    QPrintDialog dialog(&current(), parent);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    // One page, one copy: only the choice of printer and its settings make sense here.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_chosen = true;
    return true;
}

void PrinterChoice::choosePdfFile(const QString &path)
{
    QPrinter &p = current();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(path);
    m_chosen = true;
}
