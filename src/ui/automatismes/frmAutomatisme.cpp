#include "ui/automatismes/frmAutomatisme.h"

#include "core/AppState.h"
#include "core/automatismes/AutomatismeKeys.h"
#include "ui/CodePageInput.h"
#include "ui/NamedBy.h"
#include "ui/PaperColours.h"
#include "ui/Session.h"
#include "ui/TypedUpperCase.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace
{

// The boxes of the line, row by row as on the form, with the caption over each.
struct Row {
    int first, last;
};
// At most eight a row, so that the window fits a screen of 800 pixels.
constexpr Row Rows[] = {{0, 7}, {8, 14}, {15, 19}, {20, 23}, {24, 29}, {30, 35}, {36, 36}};
const char *const Captions[AutomatismeKeys::FieldCount] = {
    "De",        "A",      "Via",        "Evo dép", "Mv dép",          "Heure dép",
    "Heure arr", "Mv arr", "Evo arr",    "Gare",    "Heure arr",       "Mv",
    "Heure dép", "Catég",  "Ind compo",  "Ag seul", "Nb véh",          "Long",
    "Masse",     "Coef",   "Nat",        "Let",     "Engin titulaire", "Emt",
    "Nat",       "Let",    "Engin UM 1", "Emt",     "De UM 1",         "A UM 1",
    "Nat",       "Let",    "Engin UM 2", "Emt",     "De UM 2",         "A UM 2",
    "Km"};
// What a screen reader calls the boxes whose caption another box has too.
constexpr std::pair<int, const char *> SpokenNames[] = {{10, "Heure arr à la gare"},
                                                        {12, "Heure dép de la gare"},
                                                        {20, "Nat titulaire"},
                                                        {21, "Let titulaire"},
                                                        {23, "Emt titulaire"},
                                                        {24, "Nat UM 1"},
                                                        {25, "Let UM 1"},
                                                        {27, "Emt UM 1"},
                                                        {30, "Nat UM 2"},
                                                        {31, "Let UM 2"},
                                                        {33, "Emt UM 2"}};

// Busy pointer for the time of a file operation.
struct BusyPointer {
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

frmAutomatisme::frmAutomatisme(Session &session, QWidget *parent)
    : QDialog(parent), m_form(session.state.automatismes, session.prompts)
{
    setWindowTitle(QStringLiteral("Automatisme"));
    session.state.automatismes.setPath(
        session.state.config.dataFile(QString::fromLatin1(AutomatismeKeys::FileName)));

    auto *top = new QHBoxLayout;
    m_number = makeBox(QStringLiteral("txtNumTrain"));
    top->addWidget(captionFor(m_number, QStringLiteral("Si le n°du train débute par :")));
    m_number->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12 + 12);
    top->addWidget(m_number);
    top->addStretch();

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('W'));
    int gridRow = 0;
    for (const Row &row : Rows) {
        for (int f = row.first; f <= row.last; ++f) {
            const int column = f - row.first;
            auto *caption = new QLabel(QString::fromUtf8(Captions[f]), this);
            grid->addWidget(caption, gridRow, column, Qt::AlignLeft | Qt::AlignBottom);
            QLineEdit *edit = makeBox(QString::fromLatin1(AutomatismeKeys::Fields[size_t(f)].box));
            edit->setMinimumWidth(digit * 4);
            grid->addWidget(edit, gridRow + 1, column);
            caption->setBuddy(edit);
            for (const auto &[field, name] : SpokenNames)
                if (field == f) edit->setAccessibleName(QString::fromUtf8(name));
            m_boxes[size_t(f)] = edit;
        }
        gridRow += 2;
    }

    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(new QLabel(QStringLiteral("Alors"), this));
    left->addLayout(grid);
    left->addStretch();

    auto *right = new QVBoxLayout;
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstItems"));
    auto *listCaption = captionFor(m_list, QStringLiteral("Liste des automatismes enregistrés"));
    listCaption->setWordWrap(true);
    right->addWidget(listCaption);
    // Wide enough for the numbers it lists and for the counter under it, on two lines where the
    // desktop's font is large: on one, the window at 18 points was wider than a 1366-pixel screen.
    m_list->setMinimumWidth(
        fontMetrics().horizontalAdvance(Automatismes::counterLabel(9999).section(u' ', 0, 2)));
    m_list->setUniformItemSizes(true); // thousands of items are laid out at once
    right->addWidget(m_list, 1);
    m_counter = new QLabel(this);
    m_counter->setWordWrap(true);
    right->addWidget(m_counter);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);

    auto *buttons = new QHBoxLayout;
    const QString captions[] = {QStringLiteral("Enregistrer"), QStringLiteral("Effacer tout"),
                                QStringLiteral("Supprimer l'automatisme en cours"),
                                QStringLiteral("Info"), QStringLiteral("Quitter")};
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setAutoDefault(false);
        buttons->addWidget(m_buttons[i]);
    }

    auto *column = new QVBoxLayout(this);
    column->addLayout(body, 1);
    column->addLayout(buttons);

    // Tab follows the same cycle as the arrows.
    QWidget *previous = m_number;
    for (QLineEdit *edit : m_boxes) {
        setTabOrder(previous, edit);
        previous = edit;
    }

    connect(m_number, &QLineEdit::textChanged, this, &frmAutomatisme::numberChanged);
    connect(m_list, &QListWidget::itemClicked, this, &frmAutomatisme::itemClicked);
    // Moved over with the keys, the highlight loads its automatisme as a click does, the
    // keyboard staying on the list: the boxes and the deletion follow the line highlighted.
    // Only while the list has the keyboard: the selection that typing a number makes is not
    // the driver's choice, and the number he types is never rewritten.
    // Space selects the line already highlighted without moving the highlight.
    const auto followHighlight = [this] {
        QListWidgetItem *item = m_list->currentItem();
        if (item && item->isSelected() && m_list->hasFocus() && m_number->text() != item->text())
            m_number->setText(item->text());
    };
    connect(m_list, &QListWidget::currentItemChanged, this, followHighlight);
    connect(m_list, &QListWidget::itemSelectionChanged, this, followHighlight);
    connect(button(Button::Save), &QPushButton::clicked, this, &frmAutomatisme::save);
    connect(button(Button::ClearAll), &QPushButton::clicked, this, &frmAutomatisme::clearAll);
    connect(button(Button::Delete), &QPushButton::clicked, this, &frmAutomatisme::remove);
    connect(button(Button::Info), &QPushButton::clicked, this, [this] { m_form.showInfo(); });
    connect(button(Button::Quit), &QPushButton::clicked, this, &QDialog::close);

    fillList();
    m_number->setFocus();
}

QLineEdit *frmAutomatisme::makeBox(const QString &name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->installEventFilter(this);
    // What is typed or pasted goes to capitals.
    new TypedUpperCase(edit);
    CodePageInput::watch(edit);
    return edit;
}

void frmAutomatisme::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The line chosen stays chosen, without loading its automatisme again over the boxes
        // the driver may be changing.
        const QSignalBlocker quiet(m_list);
        const QListWidgetItem *current = m_list->currentItem();
        const QString chosen = current && current->isSelected() ? current->text() : QString();
        fillList();
        if (!chosen.isEmpty()) selectItem(chosen);
    }
    QDialog::changeEvent(event);
}

void frmAutomatisme::fillList()
{
    m_list->clear();
    m_list->addItems(m_form.items());
    m_counter->setText(m_form.counterLabel());
}

void frmAutomatisme::selectItem(const QString &number)
{
    const QString wanted = number.trimmed();
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->text().trimmed() == wanted) {
            m_list->setCurrentRow(i);
            return;
        }
}

void frmAutomatisme::numberChanged(const QString &number)
{
    if (number.isEmpty()) m_list->clearSelection();
    const std::optional<Automatismes::Values> values = m_form.load(number);
    if (!values) return;
    for (int f = 0; f < AutomatismeKeys::FieldCount; ++f) {
        m_boxes[size_t(f)]->setText((*values)[size_t(f)]);
        m_boxes[size_t(f)]->home(false); // a text longer than its box shows its beginning
    }
    selectItem(number);
}

void frmAutomatisme::itemClicked()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item) return;
    // The item already in the number box loads too: a click brings back what is stored over
    // boxes changed since (the box says no change for the same text).
    if (m_number->text() == item->text())
        numberChanged(item->text());
    else
        m_number->setText(item->text());
    m_number->end(false);
    m_number->setFocus();
}

void frmAutomatisme::save()
{
    Automatismes::Values values;
    for (int f = 0; f < AutomatismeKeys::FieldCount; ++f)
        values[size_t(f)] = m_boxes[size_t(f)]->text();
    AutomatismeForm::Saved saved;
    {
        BusyPointer busy;
        saved = m_form.save(m_number->text(), values);
    }
    if (saved == AutomatismeForm::Saved::Refused) {
        m_number->setFocus();
        return;
    }
    if (saved == AutomatismeForm::Saved::Added) {
        m_list->addItem(m_number->text().trimmed());
        m_list->setCurrentRow(m_list->count() - 1);
    }
    m_counter->setText(m_form.counterLabel());
}

void frmAutomatisme::clearAll()
{
    m_number->clear();
    for (QLineEdit *edit : m_boxes)
        edit->clear();
}

void frmAutomatisme::remove()
{
    bool removed;
    {
        BusyPointer busy;
        removed = m_form.remove(m_number->text(), !m_list->selectedItems().isEmpty());
    }
    if (removed) fillList();
}

void frmAutomatisme::moveFocus(QLineEdit *from, int step)
{
    // The number box, then the 37 boxes, round and round.
    constexpr int count = AutomatismeKeys::FieldCount + 1;
    int at = 0;
    for (int f = 0; f < AutomatismeKeys::FieldCount; ++f)
        if (m_boxes[size_t(f)] == from) at = f + 1;
    at = (at + step + count) % count;
    (at == 0 ? m_number : m_boxes[size_t(at - 1)])->setFocus(Qt::TabFocusReason);
}

bool frmAutomatisme::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        PaperColours::light(edit, PaperColours::focusGround());
        break;
    case QEvent::FocusOut:
        PaperColours::unlight(edit);
        for (int f = 0; f < AutomatismeKeys::FieldCount; ++f)
            if (m_boxes[size_t(f)] == edit) {
                const QString left = AutomatismeForm::leftBoxText(f, edit->text());
                if (left != edit->text()) edit->setText(left);
            }
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveFocus(edit, 1);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveFocus(edit, -1);
            return true;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
