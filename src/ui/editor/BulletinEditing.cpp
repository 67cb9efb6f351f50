#include "ui/editor/BulletinEditing.h"

#include "core/AppState.h"
#include "core/base/TextFile.h"
#include "core/editor/EditRules.h"
#include "core/editor/FrameErase.h"
#include "core/engines/EngineRules.h"
#include "core/form/BoxNames.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "core/form/ScreenRefresh.h"
#include "ui/NamedBy.h"
#include "ui/NarrowToFit.h"
#include "ui/PaperColours.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/SlotComboBox.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using EditRules::Control;

namespace {

const QColor Focused(255, 255, 0);

} // namespace

BulletinEditing::BulletinEditing(AppState &state, BulletinCanvas *canvas, QLineEdit *text,
                                 SlotComboBox *list, QDateEdit *date, QLabel *mention,
                                 QObject *parent)
    : QObject(parent), m_state(state), m_canvas(canvas), m_text(text), m_list(list), m_date(date),
      m_mention(mention)
{
    for (QWidget *w : {static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_list)}) {
        w->setFont(canvas->textFont());
        w->installEventFilter(this);
        w->hide();
    }
    m_text->setFrame(false);
    // A right click on the controls opens the bulletin's own menu, not the text menu.
    m_text->setContextMenuPolicy(Qt::NoContextMenu);
    m_list->setContextMenuPolicy(Qt::NoContextMenu);
    m_list->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    m_date->installEventFilter(this);
    // Text comes in by the keyboard only, where the slot's rules apply: no drops, and the
    // middle button's paste of the selection is typed as a paste is.
    for (QWidget *w : {static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_list),
                       static_cast<QWidget *>(m_list->lineEdit())})
        w->setAcceptDrops(false);
    m_listEdit = m_list->lineEdit();
    m_listEdit->installEventFilter(this);

    connect(m_text, &QLineEdit::textChanged, this,
            [this] { narrowToFit(m_text, m_canvas->textFont()); });
    connect(m_listEdit, &QLineEdit::textChanged, this,
            [this] { narrowToFit(m_listEdit, m_canvas->textFont()); });
    connect(m_text, &QLineEdit::textEdited, this, &BulletinEditing::userEdited);
    connect(m_list->lineEdit(), &QLineEdit::textEdited, this, &BulletinEditing::userEdited);
    // Only while the drop-down stands on the slot being typed: leaving it for a text box, its
    // line edit loses the focus and Qt chooses the item it now matches (a station just learnt),
    // which would land in the box the driver goes on to.
    connect(m_list, &QComboBox::activated, this, [this](int index) {
        if (EditRules::controlFor(m_state.record.currentSlot()) != Control::List) return;
        userEdited(m_list->itemText(index));
    });
    connect(m_list, &SlotComboBox::aboutToShowPopup, this, &BulletinEditing::fillList);
    connect(m_canvas, &BulletinCanvas::boxPressed, this, &BulletinEditing::boxPressed);
    connect(m_canvas, &BulletinCanvas::boxDoubleClicked, this, &BulletinEditing::boxDoubleClicked);
    connect(m_date, &QDateEdit::dateChanged, this, &BulletinEditing::dateChosen);
}

void BulletinEditing::refresh()
{
    ScreenRefresh::SortieEcranEditeur(m_state.record);
    syncControl();
    m_canvas->updateChangedSlots();
}

void BulletinEditing::syncControl()
{
    // A value cut by the refresh is shown cut in the control too. An engine being typed keeps
    // the driver's text: its rules rewrite the record, and the next key must land where the
    // driver sees the caret.
    const int slot = m_state.record.currentSlot();
    if (slot == m_typedSlot && SlotTable::isEngine(slot))
        return;
    const QString &value = m_state.record.slot(slot);
    if (!m_text->isHidden() && m_text->text() != value && EditRules::controlFor(slot) == Control::Text)
        m_text->setText(value);
    else if (!m_list->isHidden() && m_list->currentText() != value
             && EditRules::controlFor(slot) == Control::List && !boxSaysRecord(slot))
        m_list->setEditText(value);
}

bool BulletinEditing::boxSaysRecord(int slot) const
{
    // "B 67401 SOT" as typed or chosen says what the record holds once normalised (B67401, with
    // SOT in the slot after it): it stays in the box, where the driver left it.
    return SlotTable::isEngine(slot) && slot == m_placedSlot && !m_list->isHidden()
           && EngineRules::normalisedForm(m_list->currentText(), slot, m_state.config.options)
                  == m_state.record.slot(slot);
}

void BulletinEditing::placeEditControl()
{
    const int slot = m_state.record.currentSlot();
    const QString &value = m_state.record.slot(slot);
    const bool keepBox = boxSaysRecord(slot);
    m_placedSlot = slot;
    // A screen reader announces the control by the box it stands on, named before it takes the
    // keyboard.
    const QString boxName = BoxNames::of(slot);
    switch (EditRules::controlFor(slot)) {
    // The new control takes the focus before the other one hides, so that the focus never
    // wanders along the focus chain.
    case Control::Date:
        m_date->setFocus();
        hideEditControls();
        return;
    case Control::Text:
        m_text->setAccessibleName(boxName);
        m_text->setGeometry(textControlRect(slot));
        m_text->setText(value);
        m_text->show();
        m_text->raise();
        m_text->setFocus();
        m_text->end(false);
        m_list->hide();
        return;
    case Control::List: {
        // The items belong to the list of the slot they were read for: on a slot of another
        // list they go, or the mouse wheel over the closed control would put an engine into a
        // station's box. The drop-down reads the slot's own list as it opens.
        if (EditRules::listFileFor(slot, m_state.engineListFile) != m_listItemsFile) {
            m_list->clear();
            m_listItemsFile.clear();
        }
        // The control covers its box and nothing more; its drop-down may be wider.
        nameDropDown(m_list, boxName);
        m_list->setGeometry(m_canvas->boxRect(slot));
        if (!keepBox) m_list->setEditText(value);
        m_list->show();
        m_list->raise();
        m_list->setFocus();
        m_list->lineEdit()->end(false);
        m_text->hide();
        return;
    }
    }
}

void BulletinEditing::focusEditControl()
{
    if (m_text->isVisible())
        m_text->setFocus();
    else if (m_list->isVisible())
        m_list->setFocus();
    else if (EditRules::controlFor(m_state.record.currentSlot()) == Control::Date) {
        // The date box completed on leaving what was typed in it: the day comes back selected,
        // as when the keyboard enters the box, and the next digits replace it.
        m_date->setFocus();
        m_date->setSelectedSection(QDateTimeEdit::DaySection);
    }
}

QRect BulletinEditing::textControlRect(int slot) const
{
    // Inside the box's lines. At the layout's own scale each line is one pixel wide, on the
    // pixel where its edge falls: the control fills what lies between them (taken from the
    // box's whole pixels, it covered the right and bottom lines of most boxes). At a scale fitted
    // to the window the lines may be wider and fall a pixel either way: the control keeps a
    // line's width off every edge.
    if (m_canvas->scale() == m_canvas->layoutScale()) {
        const QRectF mm = FormGeometry::slotBox(slot);
        const double k = m_canvas->scale();
        const auto line = [k](double at) { return int(std::floor(at * k)); };
        return QRect(QPoint(line(mm.left()) + 1, line(mm.top()) + 1),
                     QPoint(line(mm.right()) - 1, line(mm.bottom()) - 1));
    }
    const QRect box = m_canvas->boxRect(slot);
    const int line = int(std::lround(FormPicture::thinLine(m_canvas->scale())));
    return box.adjusted(line, line, -line, -line);
}

void BulletinEditing::followCanvas()
{
    m_text->setFont(m_canvas->textFont());
    m_list->setFont(m_canvas->textFont());
    const int slot = m_state.record.currentSlot();
    if (!m_text->isHidden())
        m_text->setGeometry(textControlRect(slot));
    if (!m_list->isHidden())
        m_list->setGeometry(m_canvas->boxRect(slot));
    narrowToFit(m_text, m_canvas->textFont());
    narrowToFit(m_listEdit, m_canvas->textFont());
}

QString BulletinEditing::textLeftIn(int slot) const
{
    if (slot == m_placedSlot && !m_list->isHidden() && EditRules::controlFor(slot) == Control::List)
        return m_list->currentText();
    return m_state.record.slot(slot);
}

void BulletinEditing::addLearntItem(int slot, const QString &item)
{
    const QString listFile = EditRules::listFileFor(slot, m_state.engineListFile);
    if (!listFile.isEmpty() && listFile == m_listItemsFile) m_list->addItem(item);
}

void BulletinEditing::setCurrentSlot(int slot)
{
    moveTo(slot);
    placeEditControl();
}

void BulletinEditing::moveTo(int slot)
{
    const int left = m_state.record.currentSlot();
    m_state.record.setCurrentSlot(slot);
    if (left != slot)
        emit slotLeft(left);
}

void BulletinEditing::clearEditControls()
{
    m_text->clear();
    m_list->setEditText(QString());
}

void BulletinEditing::hideEditControls()
{
    // The focus rests on the drawing rather than wander to the next control of the window.
    if (m_text->hasFocus() || m_list->hasFocus())
        m_canvas->setFocus();
    m_text->hide();
    m_list->hide();
}

void BulletinEditing::showServiceDate(const QDate &date)
{
    m_placingDate = true;
    m_date->setDate(date.isValid() ? date : QDate::currentDate());
    m_placingDate = false;
}

bool BulletinEditing::engineTabMode() const { return m_state.engineTabMode; }

void BulletinEditing::toggleTabMode()
{
    m_state.engineTabMode = !m_state.engineTabMode;
    emit tabModeChanged(m_state.engineTabMode);
    if (m_state.engineTabMode)
        setCurrentSlot(SlotTable::lineSlot(0, SlotTable::EnginTitu));
}

void BulletinEditing::eraseFrame(SlotTable::Frame frame)
{
    FrameErase::erase(m_state.record, m_state.saveAreas, frame);
    refresh();
    // The control over an erased slot shows it empty; over a kept one (the last KmTrain, the
    // mark 2 BS) it keeps showing what the slot holds, so that typing there loses nothing.
    if (SlotTable::frameOf(m_state.record.currentSlot()) == frame)
        placeEditControl();
}

void BulletinEditing::restoreFrame(SlotTable::Frame frame)
{
    FrameErase::restore(m_state.record, m_state.saveAreas, m_state.config, frame);
    refresh();
    if (SlotTable::frameOf(m_state.record.currentSlot()) == frame)
        placeEditControl();
}

void BulletinEditing::clearMention()
{
    if (m_mention->text().isEmpty())
        return;
    m_mention->clear();
    m_mention->hide();
    m_state.mention.clear();
}

void BulletinEditing::userEdited(const QString &text)
{
    const int slot = m_state.record.currentSlot();
    // However the driver changed it (a key, a paste from a menu or the mouse), a new day
    // number is no longer the one the mention was given for.
    if (slot == SlotTable::JourneeSlot)
        clearMention();
    m_state.record.setSlot(slot, text);
    if (SlotTable::isTrainNumber(slot) && !m_bringing) emit trainNumberTyped(slot);
    if (SlotTable::isEngine(slot))
        emit engineChanged(slot);
    m_typedSlot = slot;
    refresh();
    m_typedSlot = -1;
    if (!m_text->isHidden())
        m_text->end(false);
}

void BulletinEditing::boxPressed(int slot)
{
    setCurrentSlot(slot);
    if (EditRules::togglesOnClick(slot))
        toggleMark(slot);
}

void BulletinEditing::boxDoubleClicked(int slot)
{
    if (slot != m_state.record.currentSlot())
        setCurrentSlot(slot);
    if (EditRules::togglesOnClick(slot))
        toggleMark(slot);
}

void BulletinEditing::toggleMark(int slot)
{
    const QString value = EditRules::toggled(m_state.record.slot(slot));
    m_state.record.setSlot(slot, value);
    m_text->setText(value);
    refresh();
}

void BulletinEditing::fillList()
{
    // Read again at every opening: the list files may have changed meanwhile.
    const int slot = m_state.record.currentSlot();
    // The box keeps the driver's text, which for an engine is not the normalised record.
    const QString file = EditRules::listFileFor(slot, m_state.engineListFile);
    const QString shown = m_list->currentText();
    m_list->clear();
    m_listItemsFile = file;
    if (!file.isEmpty()) {
        const TextFile::ReadResult list = TextFile::readLines(m_state.config.dataFile(file));
        m_list->addItems(list.lines);
        // A list that is there but cannot be read is told once a run, not left as an empty
        // drop-down.
        if (!list.ok && !list.missing && !m_toldUnreadable.contains(file)) {
            m_toldUnreadable.insert(file);
            emit listUnreadable(list.error);
        }
    }
    m_list->setCurrentIndex(-1);
    m_list->setEditText(shown);
}

void BulletinEditing::dateChosen()
{
    if (m_placingDate)
        return;
    // A date completed as the keys leave it (Tab after one digit) leaves the box they went to.
    if (m_state.record.currentSlot() == SlotTable::DateSlot) hideEditControls();
    // Setting the format again sends the cursor back to the day: done only when it differs, or
    // a date typed part after part never gets past its first digit.
    const QString format = QStringLiteral("dd/MM/yy");
    if (m_date->displayFormat() != format) m_date->setDisplayFormat(format);
    m_state.record.setServiceDate(m_date->date());
}

void BulletinEditing::setFocusColour(QWidget *widget, bool focused)
{
    QWidget *target = widget == m_list ? static_cast<QWidget *>(m_list->lineEdit()) : widget;
    PaperColours::light(target, focused ? Focused : QColor(Qt::white));
}
