#include "ui/preview/frmPreview.h"

#include "core/AppState.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/PrinterFonts.h"
#include "ui/NamedBy.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/preview/PlainPaper.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/print/OnePageDialog.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/VersoCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

frmPreview::frmPreview(Session &session, PrintSide side, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_side(side)
{
    setWindowTitle(caption(side));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    auto *bar = new QWidget(this);
    buildButtons(bar);
    column->addWidget(bar);

    m_canvas = new PreviewCanvas(session.state, side);
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_canvas);
    m_scroll->setAccessibleName(side == PrintSide::Recto ? QStringLiteral("Aperçu du recto")
                                                         : QStringLiteral("Aperçu du verso"));
    m_scroll->viewport()->installEventFilter(this);
    column->addWidget(m_scroll, 1);

    // The whole screen, as the editor it stands in front of, its title bar on the screen too.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(room.size());
        // On a narrow screen (800 pixels) the buttons take two rows rather than run off it.
        if (bar->sizeHint().width() > room.width() - 4)
            splitButtons(bar);
    }
    placeOver(this, parent);
    setWindowState(windowState() | Qt::WindowMaximized);
    ensureLoaded(session.state.printLayout, session.state.config.dataFolder());
    redraw();
    applyZoom();
}

QString frmPreview::caption(PrintSide side)
{
    return side == PrintSide::Recto ? QStringLiteral("VISUALISATION DU BS RECTO AVANT D'IMPRIMER")
                                    : QStringLiteral("VISUALISATION DU BS VERSO AVANT D'IMPRIMER");
}

void frmPreview::splitButtons(QWidget *bar)
{
    auto *rows = static_cast<QVBoxLayout *>(bar->layout());
    auto *first = static_cast<QHBoxLayout *>(rows->itemAt(0)->layout());
    auto *second = new QHBoxLayout;
    rows->addLayout(second);
    // The buttons after the third, the stretch and the zoom go down.
    while (first->count() > 3) {
        QLayoutItem *item = first->takeAt(3);
        if (QWidget *w = item->widget()) {
            second->addWidget(w);
            delete item;
        } else {
            second->addItem(item);
        }
    }
    first->addStretch();
}

void frmPreview::buildButtons(QWidget *bar)
{
    auto *rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto *row = new QHBoxLayout;
    rows->addLayout(row);
    const bool recto = m_side == PrintSide::Recto;
    const std::pair<Button, QString> captions[] = {
        {Button::Print, QStringLiteral("Imprimer")},
        {Button::PlainPaper, QStringLiteral("Imprimer sur papier blanc")},
        {Button::Font, QStringLiteral("Choix Police")},
        {Button::Calibration, QStringLiteral("Réglage bulletin sur imprimante")},
        {Button::Centring, QStringLiteral("Centrage du bulletin")},
        {Button::Back,
         recto ? QStringLiteral("Retour Editeur") : QStringLiteral("Retour Editeur Verso")},
    };
    for (const auto &[which, text] : captions) {
        auto *b = new QPushButton(text, bar);
        m_buttons[size_t(which)] = b;
        row->addWidget(b);
    }
    row->addStretch();
    m_zoom = new QComboBox(bar);
    row->addWidget(captionFor(m_zoom, QStringLiteral("Zoom :")));
    m_zoom->addItems(
        {QStringLiteral("Page entière"), QStringLiteral("100 %"), QStringLiteral("200 %")});
    row->addWidget(m_zoom);

    const CalibrationHooks &hooks = m_session.calibration;
    button(Button::Calibration)->setEnabled(bool(hooks.openFrameChooser));
    button(Button::Centring)->setEnabled(bool(hooks.openCentring));

    connect(button(Button::Print), &QPushButton::clicked, this, &frmPreview::printOnPrinter);
    connect(button(Button::PlainPaper), &QPushButton::clicked, this,
            &frmPreview::printOnPlainPaper);
    connect(button(Button::Font), &QPushButton::clicked, this, &frmPreview::chooseFont);
    connect(button(Button::Calibration), &QPushButton::clicked, this, &frmPreview::openCalibration);
    connect(button(Button::Centring), &QPushButton::clicked, this, &frmPreview::openCentring);
    connect(button(Button::Back), &QPushButton::clicked, this, &QWidget::close);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &frmPreview::applyZoom);
}

void frmPreview::setZoom(Zoom zoom)
{
    m_zoom->setCurrentIndex(int(zoom));
}

void frmPreview::applyZoom()
{
    double k = logicalDpiX() / 25.4; // 100 %: a millimetre of the screen per millimetre
    switch (Zoom(m_zoom->currentIndex())) {
    case Zoom::FitPage: {
        const QSize room = m_scroll->viewport()->size() - QSize(4, 4);
        const QSize sheet = PreviewCanvas::sheetSize(1);
        k = qMax(0.5, qMin(room.width() / double(sheet.width()),
                           room.height() / double(sheet.height())));
        break;
    }
    case Zoom::Actual:
        break;
    case Zoom::Double:
        k *= 2;
        break;
    }
    m_canvas->setPixelsPerMm(k);
}

bool frmPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize &&
        Zoom(m_zoom->currentIndex()) == Zoom::FitPage)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

void frmPreview::redraw()
{
    AppState &state = m_session.state;
    // The fonts are completed from the printer's when a setting is missing, as printing does.
    const QFont device = PrinterFonts::deviceDefaultFont();
    if (m_side == PrintSide::Recto) {
        m_canvas->setPrinterFont(PrinterFonts::rectoFontForPrinting(state.config, device));
    } else {
        VersoCommands::wrapForPreview(m_session);
        m_canvas->setPrinterFont(PrinterFonts::versoFontForPrinting(state.config, device));
    }
    m_canvas->update();
}

void frmPreview::printOnPrinter()
{
    // Cancel leaves the preview open and prints nothing.
    if (m_side == PrintSide::Recto)
        PrintCommands::printRecto(m_session);
    else
        VersoCommands::printVerso(m_session);
}

void frmPreview::printOnPlainPaper()
{
    if (!m_session.printer.answering(m_session.prompts)) return;
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinter *chosen = m_session.printer.printer())
        printer.setPrinterName(chosen->printerName());
    QPrintDialog dialog(&printer, this);
    OnePageDialog::prepare(dialog, QStringLiteral("Imprimer sur papier blanc"));
    if (dialog.exec() != QDialog::Accepted) return;
    // A PDF written here is one the run's own prints will not replace without asking.
    if (PlainPaper::print(m_session, m_side, printer)) m_session.printer.printed(printer);
    redraw();
}

void frmPreview::chooseFont()
{
    const bool chosen = m_side == PrintSide::Recto
                            ? PrintCommands::chooseRectoFont(this, m_session)
                            : VersoCommands::chooseVersoFont(this, m_session);
    if (chosen) redraw();
}

void frmPreview::openCalibration()
{
    const CalibrationHooks &hooks = m_session.calibration;
    if (!hooks.openFrameChooser) return;
    ensureLoaded(m_session.state.printLayout, m_session.state.config.dataFolder());
    hooks.openFrameChooser(this, m_side, true, [this] { redraw(); });
    redraw();
}

void frmPreview::openCentring()
{
    const CalibrationHooks &hooks = m_session.calibration;
    if (!hooks.openCentring) return;
    AppState &state = m_session.state;
    ensureLoaded(state.printLayout, state.config.dataFolder());
    hooks.openCentring(this, m_side);
    // The window has saved the file and read it back. One it could not write is not read again:
    // the centring stays in use until Kerbo closes, as the driver was told.
    ensureLoaded(state.printLayout, state.config.dataFolder());
    redraw();
}

// Escape leaves the window as its last button does. It comes here only when the control that has
// the keyboard leaves it: an open drop-down closes itself and the window stays.
void frmPreview::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        button(Button::Back)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
