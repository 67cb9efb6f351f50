#include "ui/print/PrinterPage.h"

#include "core/base/Prompts.h"
#include "core/print/PrinterFonts.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>

namespace
{

// Qt's print engine for the print server takes the job's options as name and value pairs under
// this key (Qt's own print dialog sets them so).
constexpr auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// One form, one sheet, as drawn: the queue's own settings could otherwise shrink the form onto
// half a sheet (two pages a sheet) or to the printable area (fit to page), mirror it, frame it,
// print it twice, leave it out (even pages only, a page range), or spend a pre-printed form on
// a banner page first.
void oneSheetPerForm(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    if (printer.outputFormat() != QPrinter::NativeFormat || !engine) return;
    QStringList options = engine->property(CupsOptions).toStringList();
    const auto set = [&options](const QString &name, const QString &value) {
        for (qsizetype i = 0; i + 1 < options.size(); i += 2)
            if (options.at(i) == name) {
                options[i + 1] = value;
                return;
            }
        options << name << value;
    };
    set(QStringLiteral("number-up"), QStringLiteral("1"));
    set(QStringLiteral("job-sheets"), QStringLiteral("none,none"));
    set(QStringLiteral("fit-to-page"), QStringLiteral("false"));
    set(QStringLiteral("print-scaling"), QStringLiteral("none"));
    set(QStringLiteral("mirror"), QStringLiteral("false"));
    set(QStringLiteral("page-border"), QStringLiteral("none"));
    set(QStringLiteral("page-set"), QStringLiteral("all")); // "even" would print nothing
    set(QStringLiteral("page-ranges"), QStringLiteral("1"));
    // More copies are asked for by the driver in a print dialog, never by the queue.
    if (printer.copyCount() == 1) set(QStringLiteral("copies"), QStringLiteral("1"));
    engine->setProperty(CupsOptions, options);
}

} // namespace

PrinterPage::PrinterPage(QPrinter &printer)
    : m_printer(printer), m_metrics(QFont(), &printer), m_dotsPerMm(printer.logicalDpiX() / 25.4)
{}

PrinterPage::~PrinterPage()
{
    if (m_painter.isActive())
        endPage();
}

bool PrinterPage::reportUnwritableFile(Prompts &prompts, const QPrinter &printer)
{
    // A file chosen as printer that cannot be written (its folder gone with a USB key, or
    // read-only) is no missing printer: the driver chooses another file.
    if (printer.outputFileName().isEmpty()) return false;
    prompts.message(
        QStringLiteral("Kerbo"),
        Prompts::lines(
            {QStringLiteral("Le fichier %1 ne peut pas être écrit.").arg(printer.outputFileName()),
             QStringLiteral("Rien n'a été imprimé."),
             QStringLiteral("Choisissez un autre fichier, ou une imprimante, "
                            "par Reglages, Configuration de l'impression.")}),
        Prompts::Icon::Exclamation);
    return true;
}

bool PrinterPage::begin()
{
    // The form is positioned from the paper's own corner, not from the printable area. Size and
    // orientation are set one by one: a printer that cannot print to the paper's edge refuses a
    // whole layout with no margins, orientation included, and the sheet would stay upright.
    m_printer.setFullPage(true);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Landscape);
    m_printer.setDuplex(QPrinter::DuplexNone); // one page: nothing to print on its back
    oneSheetPerForm(m_printer);
    // The print queue names the job.
    if (m_printer.docName().isEmpty())
        m_printer.setDocName(QStringLiteral("Kerbo - bulletin de service"));
    if (!m_painter.begin(&m_printer))
        return false;
    // The form's texts read left to right whatever the desktop's direction: under a
    // right-to-left one, "2 ARRETS (A)" came out "ARRETS (A) 2".
    m_painter.setLayoutDirection(Qt::LeftToRight);
    m_dotsPerMm = m_printer.logicalDpiX() / 25.4;
    setFont(PrinterFonts::deviceDefaultFont());
    return true;
}

void PrinterPage::setShift(double dx, double dy)
{
    m_dx = dx;
    m_dy = dy;
}

void PrinterPage::setFont(const QFont &font)
{
    // Resolved against the printer so that the point size is the printed one.
    m_font = QFont(font, &m_printer);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
    m_metrics = QFontMetricsF(m_font, &m_printer);
}

QFont PrinterPage::font() const { return m_font; }

void PrinterPage::drawText(double x, double y, const QString &text)
{
    if (!m_painter.isActive() || text.isEmpty())
        return;
    // Qt draws from the baseline: go down by the ascent so that (x, y) is the cell's top.
    m_painter.drawText(QPointF(dots(x + m_dx), dots(y + m_dy) + m_metrics.ascent()), text);
}

double PrinterPage::textWidth(const QString &text) const
{
    return m_metrics.horizontalAdvance(text) / m_dotsPerMm;
}

double PrinterPage::textHeight(const QString &) const
{
    return m_metrics.height() / m_dotsPerMm;
}

void PrinterPage::endPage()
{
    if (m_painter.isActive())
        m_painter.end();
    m_printer.setPageOrientation(QPageLayout::Portrait);
}

void PrinterPage::paintBeneath(const std::function<void(QPainter &, double)> &paint)
{
    if (!m_painter.isActive())
        return;
    m_painter.save();
    paint(m_painter, m_dotsPerMm);
    m_painter.restore();
    m_painter.setFont(m_font);
}
