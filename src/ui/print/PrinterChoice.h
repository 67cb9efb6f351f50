#pragma once

#include "ui/print/PrinterProbe.h"

#include <QSet>
#include <QString>

#include <memory>

class Prompts;
class QPrinter;
class QWidget;

// The printer used for the run: the one set up in "Configuration de l'impression" (a printer or
// a PDF file), else the system's default printer of the moment, else the first printer
// installed.
class PrinterChoice
{
public:
    // Whether the system has any printer at all.
    static bool anyPrinterInstalled();

    // The printer to print on; nullptr when nothing was chosen and no printer is installed.
    QPrinter *printer();

    // The device that measures printed texts: the printer, or, when there is none, a PDF device
    // of the same resolution kept for the run.
    QPrinter &forMeasuring();

    // Whether the print server answers, asked for a moment on a worker: a server that takes the
    // connection and never answers would hold the program for minutes in Qt's own printer
    // calls. A PDF file chosen as printer needs no server. The driver is told when it does not
    // answer.
    bool answering(Prompts &prompts);
    // The same, told to no one.
    bool answering();

    // Opens Qt's print set-up dialog on the current choice; the printer (or PDF file) accepted
    // there serves for the rest of the run. False when the user cancels or the print server
    // does not answer.
    bool setUp(QWidget *parent, Prompts &prompts);

    // Sends the following prints to a PDF file, as choosing a file in the dialog does.
    void choosePdfFile(const QString &path);

    bool isChosen() const { return m_chosen; }

    // Before a print: when the printer is a PDF file that an earlier print of this run wrote,
    // the driver is asked whether to replace that page. False when he keeps it.
    bool mayPrint(Prompts &prompts);
    // After a print on the current printer, or on another one (the plain-paper print).
    void printed();
    void printed(const QPrinter &other);

    // The question "is there any printer?" of the editor's loading, asked without blocking.
    PrinterProbe &probe() { return m_probe; }

private:
    QPrinter &current();

    std::shared_ptr<QPrinter> m_printer;
    std::shared_ptr<QPrinter> m_standIn;
    bool m_chosen = false;
    QSet<QString> m_printedFiles; // the PDF files this run printed into
    PrinterProbe m_probe;
};
