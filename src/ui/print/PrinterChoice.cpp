#include "ui/print/PrinterChoice.h"

#include <QDialogButtonBox>
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
    // Nothing is printed from here: the choice is confirmed, not a print started.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
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
