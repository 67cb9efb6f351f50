#include "ui/verso/frmVerso.h"

#include "core/AppState.h"
#include "core/form/BoxNames.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/form/VersoGeometry.h"
#include "core/form/VersoPicture.h"
#include "core/model/PrintItems.h"
#include "core/print/PrintLayoutFile.h"
#include "core/print/PrinterFonts.h"
#include "core/verso/VersoNavigation.h"
#include "ui/CodePageInput.h"
#include "ui/NarrowToFit.h"
#include "ui/PaperColours.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/preview/frmPreview.h"
#include "ui/print/VersoCommands.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QRect pixels(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k).toAlignedRect();
}

// Inside a box's border, which stays visible. Edges rounded one by one: boxes of one height
// come out within a pixel of each other, where an aligned rectangle may gain a row at both ends.
QRect inside(const QRectF &mm, double k)
{
    const int left = qRound(mm.left() * k), top = qRound(mm.top() * k);
    const int right = qRound(mm.right() * k), bottom = qRound(mm.bottom() * k);
    return QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1));
}

// The blank verso under the boxes, drawn in vectors at the pixel density of the monitor the
// window stands on, and drawn again when it is moved to a monitor of another.
class VersoSheet : public QWidget
{
public:
    explicit VersoSheet(double k) : m_k(k)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(qCeil(VersoGeometry::WidthMm * k), qCeil(VersoGeometry::HeightMm * k));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const qreal ratio = devicePixelRatioF();
        if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio) {
            m_picture = QPixmap(size() * ratio);
            m_picture.setDevicePixelRatio(ratio);
            m_picture.fill(FormPicture::PaperColour); // the last pixels, partly covered
            QPainter painter(&m_picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            VersoPicture::paint(painter, m_k);
        }
        QPainter p(this);
        p.setClipRegion(event->region());
        p.drawPixmap(0, 0, m_picture);
    }

private:
    double m_k;
    QPixmap m_picture;
};

QString textOf(const QWidget *box)
{
    if (auto *line = qobject_cast<const QLineEdit *>(box)) return line->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

// The box that has the keyboard stands out in light yellow, as in the program's other windows:
// among the verso's many empty boxes a caret alone was hard to find. Left, a line's box lets the
// lines of the form show through again.
void showKeyboardIn(QWidget *box, bool in)
{
    if (in) {
        PaperColours::light(box, PaperColours::focusGround());
        return;
    }
    PaperColours::unlight(box);
    if (qobject_cast<QLineEdit *>(box)) {
        QPalette clear = box->palette();
        clear.setColor(QPalette::Base, Qt::transparent);
        box->setPalette(clear);
    }
}

} // namespace

frmVerso::frmVerso(Session &session, EditorLayout layout, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session),
      m_k(FormGeometry::scaleFor(layout).pixelsPerMm)
{
    setWindowTitle(QStringLiteral("EDITEUR VERSO"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    AppState &state = session.state;
    ensureLoaded(state.printLayout, state.config.dataFolder());

    // The boxes over the picture of the form.
    auto *canvas = new VersoSheet(m_k);
    const QSize size = canvas->size();
    PaperColours::makePaper(canvas);
    buildBoxes(canvas);
    PaperColours::drawAsPaper(canvas);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(2);
    m_scroll = new QScrollArea(this);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(canvas);
    column->addWidget(m_scroll, 1);
    auto *buttons = new QWidget(this);
    buildButtons(buttons);
    column->addWidget(buttons);

    // As large as the picture, within the screen; the view scrolls to the text being typed.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize wanted(size.width() + 2, size.height() + buttons->sizeHint().height() + 6);
    // Too large for the screen, with room for the title bar: the whole screen, where the view's
    // scroll bar finds its place beside the picture.
    constexpr int TitleBar = 40;
    if (wanted.width() > room.width() || wanted.height() + TitleBar > room.height()) {
        // Restored from there, it stays on the screen, title bar included.
        resize(wanted.boundedTo(room.size() - QSize(0, TitleBar)));
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        resize(wanted);
    }
    placeOver(this, parent);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_fields.contains(now)) m_scroll->ensureWidgetVisible(now, 4, 4);
    });

    layoutChanged();
    moveTo({VersoText::D, 0});
}

void frmVerso::buildBoxes(QWidget *canvas)
{
    VersoContent &verso = m_session.state.verso;
    QWidget *previous = nullptr;
    for (const VersoField &field : VersoNavigation::tabOrder()) {
        QWidget *box;
        if (field.isMultiLine()) {
            auto *edit = new QPlainTextEdit(canvas);
            edit->setPlainText(versoText(verso, field));
            edit->setTabChangesFocus(true);
            edit->setFrameShape(QFrame::NoFrame);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            CodePageInput::watch(edit);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, field] {
                versoText(m_session.state.verso, field) = edit->toPlainText();
            });
            box = edit;
        } else {
            auto *edit = new QLineEdit(versoText(verso, field), canvas);
            edit->setCursorPosition(0); // a text longer than its box shows its beginning
            edit->setFrame(false);
            // The box is a line of text high: the line takes it all, without the control's
            // own margin above and below. Its lines show through, where a row lower than a
            // line of text lets the letters reach over them.
            edit->setTextMargins(0, -1, 0, -1);
            QPalette clear = edit->palette();
            clear.setColor(QPalette::Base, Qt::transparent);
            edit->setPalette(clear);
            CodePageInput::watch(edit);
            // The box's own text: a change made while the line edit tells of an edit comes
            // before the edit's own textChanged, which still brings the text as typed.
            connect(edit, &QLineEdit::textChanged, this, [this, edit, field] {
                versoText(m_session.state.verso, field) = edit->text();
                narrowToFit(edit, m_lineFonts.value(edit, m_textFont));
            });
            box = edit;
        }
        box->setObjectName(QStringLiteral("%1_%2").arg(int(field.text)).arg(field.index));
        box->setAccessibleName(BoxNames::ofVerso(field));
        box->setGeometry(inside(VersoGeometry::box(field), m_k));
        box->installEventFilter(this);
        m_fields.insert(box, field);
        m_boxes.append(box);
        // Tab follows the Enter order, then reaches the observations and frame L.
        if (previous) QWidget::setTabOrder(previous, box);
        previous = box;
    }
    applyTextFont();
}

void frmVerso::buildButtons(QWidget *area)
{
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    const std::pair<Button, const char16_t *> captions[] = {
        {Button::Print, u"Imprimer"},
        {Button::Calibration, u"Réglage Bulletin sur imprimante"},
        {Button::Font, u"Choix Police"},
        {Button::Centring, u"Centrage du bulletin"},
        {Button::Preview, u"Aperçu bulletin verso"},
        {Button::Back, u"Retour Editeur Recto"},
    };
    int n = 0;
    for (const auto &[which, text] : captions) {
        auto *b = new QPushButton(QString::fromUtf16(text), area);
        // Reached with Tab after the texts; a click leaves the keyboard in the text.
        b->setFocusPolicy(Qt::TabFocus);
        m_buttons[size_t(which)] = b;
        grid->addWidget(b, n / 3, n % 3);
        ++n;
    }
    const CalibrationHooks &hooks = m_session.calibration;
    button(Button::Calibration)->setEnabled(bool(hooks.openFrameChooser));
    button(Button::Centring)->setEnabled(bool(hooks.openCentring));

    connect(button(Button::Print), &QPushButton::clicked, this, &frmVerso::print);
    connect(button(Button::Calibration), &QPushButton::clicked, this, &frmVerso::openCalibration);
    connect(button(Button::Font), &QPushButton::clicked, this, &frmVerso::chooseFont);
    connect(button(Button::Centring), &QPushButton::clicked, this, &frmVerso::openCentring);
    connect(button(Button::Preview), &QPushButton::clicked, this, &frmVerso::openPreview);
    connect(button(Button::Back), &QPushButton::clicked, this, &QWidget::close);
}

void frmVerso::applyTextFont()
{
    // The verso font at the picture's scale, held within the boxes.
    QFont font = PrinterFonts::toQFont(m_session.state.config.versoFont);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    const double heightMm = qMin(points * 25.4 / 72.0, VersoGeometry::BoxHeightMm * 0.75);
    font.setPixelSize(qMax(7, qRound(heightMm * m_k)));
    m_textFont = font;
    // Frame E's rows are lower than a line of text: a smaller letter keeps the accents of
    // capitals and the descenders between the lines, the same for every box of a frame.
    QHash<VersoText, int> lowest;
    for (QWidget *box : std::as_const(m_boxes)) {
        const VersoField field = m_fields.value(box);
        const int height = inside(VersoGeometry::box(field), m_k).height();
        lowest[field.text] = std::min(lowest.value(field.text, height), height);
    }
    QHash<VersoText, QFont> frameFonts;
    for (auto at = lowest.cbegin(); at != lowest.cend(); ++at) {
        QFont frameFont = font;
        while (QFontMetrics(frameFont).height() > at.value() && frameFont.pixelSize() > 7)
            frameFont.setPixelSize(frameFont.pixelSize() - 1);
        frameFonts.insert(at.key(), frameFont);
    }
    for (QWidget *box : std::as_const(m_boxes)) {
        auto *line = qobject_cast<QLineEdit *>(box);
        if (!line) {
            box->setFont(font);
            continue;
        }
        const VersoField field = m_fields.value(box);
        const QFont lineFont = frameFonts.value(field.text);
        // Where even the smallest letter that can be read does not fit, it reaches up over the
        // row's line, which shows through.
        QRect room = inside(VersoGeometry::box(field), m_k);
        const int lineHeight = QFontMetrics(lineFont).height();
        if (room.height() < lineHeight) room.setTop(room.bottom() + 1 - lineHeight);
        line->setGeometry(room);
        m_lineFonts.insert(line, lineFont);
        // A text too wide for its narrow column is drawn narrower, its first letters in sight.
        narrowToFit(line, lineFont);
    }
}

QWidget *frmVerso::textBox(VersoField field) const
{
    const qsizetype at = VersoNavigation::tabOrder().indexOf(field);
    return at >= 0 ? m_boxes[at] : nullptr;
}

void frmVerso::layoutChanged()
{
    const double lineLength = m_session.state.printLayout.x(PrintItems::VersoObsWidth);
    auto *observations = static_cast<QPlainTextEdit *>(textBox({VersoText::ObsMec, 0}));
    QRect box = pixels(VersoGeometry::observationsBox(lineLength), m_k).adjusted(1, 1, -1, -1);
    // The text wraps on the box's width, as it will on paper: the scroll bar stands beside the
    // box, always, instead of narrowing the text once the lines no longer fit.
    observations->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int bar = observations->verticalScrollBar()->sizeHint().width();
    box.setRight(std::min(box.right() + bar, observations->parentWidget()->width() - 1));
    observations->setGeometry(box);
}

void frmVerso::moveTo(VersoField field)
{
    QWidget *box = textBox(field);
    if (!box) return;
    m_focus = field;
    box->setFocus(Qt::OtherFocusReason);
    // The caret goes to the end of the text that receives the focus.
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->end(false);
    else
        static_cast<QPlainTextEdit *>(box)->moveCursor(QTextCursor::End);
}

frmVerso::~frmVerso()
{
    // A preview still open is deleted with this window's children, once this window is no longer
    // an editor: it must not tell it of its end then.
    for (frmPreview *preview : findChildren<frmPreview *>())
        disconnect(preview, nullptr, this, nullptr);
}

void frmVerso::restoreFocus()
{
    if (QWidget *box = textBox(m_focus)) box->setFocus(Qt::OtherFocusReason);
}

bool frmVerso::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = m_fields.constFind(watched);
    if (found == m_fields.constEnd()) return QWidget::eventFilter(watched, event);
    const VersoField field = *found;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (event->type() == QEvent::FocusIn) m_focus = field;
        showKeyboardIn(static_cast<QWidget *>(watched), event->type() == QEvent::FocusIn);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        std::optional<VersoField> to;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !field.isMultiLine()) {
            to = VersoNavigation::afterEnter(field);
        } else if (key == Qt::Key_Backspace && textOf(static_cast<QWidget *>(watched)).isEmpty()) {
            to = VersoNavigation::afterBackspace(field);
            if (!to) return false;
        } else {
            return false;
        }
        if (to) moveTo(*to);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmVerso::print()
{
    restoreFocus();
    VersoCommands::printVerso(m_session);
    restoreFocus();
}

void frmVerso::chooseFont()
{
    if (VersoCommands::chooseVersoFont(this, m_session)) applyTextFont();
    restoreFocus();
}

frmPreview *frmVerso::openPreview()
{
    // The preview breaks frame H into lines as printing does, each time it draws.
    auto *preview = new frmPreview(m_session, PrintSide::Verso, this);
    // The preview's font and calibration commands may have changed the verso font and the line
    // length of the observations: the boxes take them up on its return.
    connect(preview, &QObject::destroyed, this, [this] {
        applyTextFont();
        layoutChanged();
    });
    // The keyboard goes back to the text when the preview closes, as after the other buttons.
    restoreFocus();
    preview->show();
    return preview;
}

void frmVerso::openCalibration()
{
    const CalibrationHooks &hooks = m_session.calibration;
    if (!hooks.openFrameChooser) return;
    ensureLoaded(m_session.state.printLayout, m_session.state.config.dataFolder());
    hooks.openFrameChooser(this, PrintSide::Verso, false, [this] { layoutChanged(); });
    layoutChanged();
    restoreFocus();
}

void frmVerso::openCentring()
{
    const CalibrationHooks &hooks = m_session.calibration;
    if (!hooks.openCentring) return;
    ensureLoaded(m_session.state.printLayout, m_session.state.config.dataFolder());
    hooks.openCentring(this, PrintSide::Verso);
    restoreFocus();
}

// Escape leaves the window as its last button does. It comes here only when the control that has
// the keyboard leaves it: an open drop-down closes itself and the window stays.
void frmVerso::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        button(Button::Back)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
