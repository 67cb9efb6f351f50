#include "ui/lists/frmGestListe.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/folders/RosterFolderList.h"
#include "core/folders/RosterFolders.h"
#include "core/lists/ListFile.h"
#include "ui/CodePageInput.h"
#include "ui/NamedBy.h"
#include "ui/Session.h"
#include "ui/TypedUpperCase.h"
#include "ui/WithinScreen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QVBoxLayout>

using Icon = Prompts::Icon;

frmGestListe::frmGestListe(Session &session, ReferenceLists::Kind kind, QWidget *parent)
    : QDialog(parent), m_session(session),
      m_path(session.state.config.dataFile(
          ReferenceLists::fileName(kind, session.state.engineListFile)))
{
    build(ReferenceLists::caption(kind));
    new TypedUpperCase(m_item);
    CodePageInput::watch(m_item);
    load(false);
}

frmGestListe::frmGestListe(Session &session, BulletinView &view, QWidget *parent)
    : QDialog(parent), m_session(session), m_view(&view),
      m_path(RosterFolderList::listPath(session.state.config.dataFolder()))
{
    build(QStringLiteral("ENLEVER UN DOSSIER SUR LA LISTE DOSSIER "));
    // Adding here would turn paths to upper case: folders are added by the folder window.
    button(Button::Add)->hide();
    load(true);
    fitLongestItem();
}

void frmGestListe::build(const QString &title)
{
    setWindowTitle(title);
    auto *grid = new QGridLayout(this);
    auto *caption = new QLabel(QStringLiteral("à créer ou à suppprimer"), this);
    grid->addWidget(caption, 0, 1);
    m_item = new QLineEdit(this);
    grid->addWidget(captionFor(m_item, QStringLiteral("Elément :")), 1, 0);
    grid->addWidget(m_item, 1, 1);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Eléments de la liste"));
    m_list->setUniformItemSizes(true);
    grid->addWidget(m_list, 2, 0, 1, 2);

    auto *buttons = new QVBoxLayout;
    const std::pair<Button, const char *> captions[] = {{Button::Add, "Ajouter"},
                                                        {Button::Remove, "Supprimer"},
                                                        {Button::RemoveAll, "  Tout   Supprimer"},
                                                        {Button::Quit, "Quitter"}};
    for (const auto &[b, text] : captions) {
        auto *button = new QPushButton(QString::fromLatin1(text), this);
        button->setAutoDefault(false);
        m_buttons[int(b)] = button;
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 1, 2, 2, 1);

    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_item->setText(item->text()); });
    // Moved over with the keys, the highlight chooses as a click does: "Supprimer" takes the
    // line the driver sees highlighted.
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item && item->isSelected() && m_list->hasFocus()) m_item->setText(item->text());
    });
    connect(button(Button::Add), &QPushButton::clicked, this, &frmGestListe::add);
    // Items are typed one after the other: Enter adds the one typed, where the window adds.
    connect(m_item, &QLineEdit::returnPressed, this, [this] {
        if (!button(Button::Add)->isHidden()) add();
    });
    connect(button(Button::Remove), &QPushButton::clicked, this, &frmGestListe::removeItem);
    connect(button(Button::RemoveAll), &QPushButton::clicked, this, &frmGestListe::removeAll);
    connect(button(Button::Quit), &QPushButton::clicked, this, &QDialog::reject);
    holdWidthForTitle(this);
    resize(480, 420);
}

void frmGestListe::fitLongestItem()
{
    // Roster folders kept side by side differ at the end of their paths: the window grows, as
    // far as the screen allows, until the longest path shows whole. (A reference list of
    // thousands of short items is not measured: that would make it slow to open.)
    layout()->activate();
    const int room = m_list->width() - 2 * m_list->frameWidth() -
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int missing = m_list->sizeHintForColumn(0) - room;
    if (missing > 0) resizeWithinScreen(this, QSize(width() + missing, height()));
}

void frmGestListe::load(bool skipEmpty)
{
    const ListFile::Content content = ListFile::read(m_path);
    // A list that cannot be read is not shown as an empty one: the driver would take it for
    // empty, and "Tout Supprimer" empty the file he could not see.
    m_unreadable = !content.readable;
    if (m_unreadable)
        m_session.prompts.message(QStringLiteral("Kerbo"), content.error, Icon::Critical);
    QStringList items = content.lines;
    if (skipEmpty) items.removeAll(QString());
    m_list->clear();
    m_list->addItems(items);
}

void frmGestListe::add()
{
    // Whatever the outcome, the keys go back to the item box, for the next item.
    const QScopeGuard next([this] { readyForNextItem(); });
    QString error;
    switch (ReferenceLists::add(m_path, m_item->text(), &error)) {
    case ReferenceLists::AddResult::Duplicate:
        m_session.prompts.message(QStringLiteral("Kerbo"),
                                  QStringLiteral("Ce nom existe déjà dans la collection"),
                                  Icon::None);
        m_item->clear();
        return;
    case ReferenceLists::AddResult::Added:
        m_list->addItem(ReferenceLists::storedItem(m_item->text()));
        // At the foot of a list of hundreds: brought into view, so that the driver sees it there.
        m_list->scrollToItem(m_list->item(m_list->count() - 1));
        m_item->clear();
        return;
    case ReferenceLists::AddResult::Failed:
        m_session.prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
        return;
    case ReferenceLists::AddResult::Nothing:
        return;
    }
}

void frmGestListe::removeItem()
{
    const auto listed = [this] {
        return !m_list->findItems(m_item->text(), Qt::MatchExactly).isEmpty();
    };
    const bool wasListed = listed();
    if (m_view) {
        RosterFolders::removeEntry(m_session.state, m_session.prompts, *m_view, m_item->text());
    } else {
        QString error;
        if (ListFile::remove(m_path, m_item->text(), true, &error) < 0)
            m_session.prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
    }
    load(true);
    // Gone from the list, the item leaves the box too: Enter there would add it again. A text
    // that named no item stays, to be put right.
    if (wasListed && !listed()) m_item->clear();
    readyForNextItem();
}

void frmGestListe::readyForNextItem()
{
    // The text stays, selected: typing replaces it instead of running on after it.
    m_item->setFocus();
    m_item->selectAll();
}

void frmGestListe::removeAll()
{
    if (m_unreadable) {
        load(true); // read again, and told again while it still cannot be read
        if (m_unreadable) return;
    }
    if (m_session.prompts.question(
            QStringLiteral("CONFIRMATION DE LA SUPPRESSION"),
            QStringLiteral("Désirez-vous vraiment supprimer tous les élements ") +
                QStringLiteral("?"),
            Icon::Question, Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return;
    if (m_view) {
        RosterFolders::removeAll(m_session.state, m_session.prompts, *m_view);
    } else {
        QString error;
        if (!ListFile::clear(m_path, &error)) {
            m_session.prompts.message(QStringLiteral("Kerbo"), error, Icon::Critical);
            return;
        }
    }
    load(true);
}
