#pragma once

#include "core/print/Page.h"

#include <QFontMetricsF>
#include <QPainter>

#include <functional>

class QPrinter;
class Prompts;

// The page of a real printer (or of a PDF file chosen as printer): A4 landscape, the whole sheet
// addressable, millimetres converted to the device's dots.
class PrinterPage : public Page
{
public:
    explicit PrinterPage(QPrinter &printer);
    ~PrinterPage() override;

    // Sets up the sheet and starts painting; false when the printer cannot be opened.
    bool begin();
    // After a failed begin(): when the printer is a PDF file, says that the file cannot be
    // written and what to do, and gives true; false for a real printer.
    static bool reportUnwritableFile(Prompts &prompts, const QPrinter &printer);

    void setShift(double dx, double dy) override;
    void setFont(const QFont &font) override;
    QFont font() const override;
    void drawText(double x, double y, const QString &text) override;
    double textWidth(const QString &text) const override;
    double textHeight(const QString &text) const override;
    // Sends the page, then puts the printer back to portrait for whatever prints next.
    void endPage() override;

    // Paints on the sheet with a QPainter in device dots, from the paper's corner and without
    // the shift: the picture of the form beneath the texts on plain paper.
    void paintBeneath(const std::function<void(QPainter &painter, double dotsPerMm)> &paint);

private:
    double dots(double mm) const { return mm * m_dotsPerMm; }

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    QFontMetricsF m_metrics; // of the current font on the device, in dots
    double m_dotsPerMm = 1;
    double m_dx = 0;
    double m_dy = 0;
};
