#include "ui/folders/FolderPane.h"

#include "core/base/Drives.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/folders/FolderListing.h"
#include "ui/NamedBy.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;
constexpr int OpenRole = Qt::UserRole + 2;

// Draws the icon of each entry (an open or closed folder, or a file) and shifts each folder a
// step to the right of its parent, as in a tree. Icons drawn here rather than stored in the
// items keep a list of thousands of files quick to fill.
class EntryDelegate : public QStyledItemDelegate
{
public:
    enum class Kind { Folders, Files };
    EntryDelegate(Kind kind, QWidget *view) : QStyledItemDelegate(view), m_kind(kind)
    {
        QStyle *style = view->style();
        m_open = style->standardIcon(QStyle::SP_DirOpenIcon);
        m_closed = style->standardIcon(QStyle::SP_DirClosedIcon);
        m_file = style->standardIcon(QStyle::SP_FileIcon);
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + 12 * index.data(DepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->icon = m_kind == Kind::Files           ? m_file
                       : index.data(OpenRole).toBool() ? m_open
                                                       : m_closed;
        option->decorationSize = m_file.actualSize(QSize(16, 16));
    }

private:
    Kind m_kind;
    QIcon m_open, m_closed, m_file;
};

} // namespace

FolderPane::FolderPane(const Captions &captions, QWidget *parent)
    : QGroupBox(captions.title, parent)
{
    auto *layout = new QVBoxLayout(this);
    m_drives = new QComboBox(this);
    // A drive's name can be long (a key mounted under /media/<user>/<its name>, a long home
    // folder): the list is not made as wide as it, or the windows would run past the screen;
    // the name shows cut in the box and whole in its drop-down.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(24);
    layout->addWidget(captionFor(m_drives, captions.drive));
    layout->addWidget(m_drives);
    m_folderList = new QListWidget(this);
    layout->addWidget(captionFor(m_folderList, captions.folders));
    m_folderList->setAccessibleDescription(captions.title); // tells the two panes apart
    m_folderList->setItemDelegate(new EntryDelegate(EntryDelegate::Kind::Folders, m_folderList));
    m_folderList->setUniformItemSizes(true);
    layout->addWidget(m_folderList, 2);
    if (!captions.path.isEmpty()) {
        layout->addWidget(new QLabel(captions.path, this));
        m_path = new QLabel(this);
        m_path->setTextFormat(Qt::PlainText);
        m_path->setWordWrap(true);
        m_path->setFrameShape(QFrame::StyledPanel);
        m_path->installEventFilter(this);
        layout->addWidget(m_path);
    }
    if (!captions.files.isEmpty()) {
        m_files = new QListWidget(this);
        layout->addWidget(captionFor(m_files, captions.files));
        m_files->setAccessibleDescription(captions.title);
        m_files->setUniformItemSizes(true);
        m_files->setItemDelegate(new EntryDelegate(EntryDelegate::Kind::Files, m_files));
        layout->addWidget(m_files, 3);
        connect(m_files, &QListWidget::itemSelectionChanged, this,
                &FolderPane::fileSelectionChanged);
    }
    connect(m_drives, &QComboBox::activated, this, &FolderPane::driveChosen);
    connect(m_folderList, &QListWidget::itemActivated, this, &FolderPane::folderActivated);
    reset();
}

void FolderPane::fillDrives()
{
    const QSignalBlocker block(m_drives);
    m_drives->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString &drive : Drives::list())
        m_drives->addItem(icon, Drives::label(drive), drive);
}

void FolderPane::reset()
{
    fillDrives();
    display(Drives::home(), Drives::home());
}

bool FolderPane::drivesThere(Prompts &prompts, std::initializer_list<FolderPane *> panes)
{
    for (FolderPane *pane : panes) {
        if (Drives::stillThere(pane->drive())) continue;
        const QString gone = pane->drive();
        for (FolderPane *p : panes)
            if (!Drives::stillThere(p->drive())) p->reset();
        prompts.message(QStringLiteral("Kerbo"),
                        QString::fromUtf16(u"Le lecteur %1 n'est plus là : il a sans doute été "
                                           u"retiré.\r\nRien n'a été fait. Choisissez de nouveau "
                                           u"le lecteur et le dossier.")
                            .arg(gone),
                        Prompts::Icon::Exclamation);
        return false;
    }
    return true;
}

bool FolderPane::foldersThere(Prompts &prompts, std::initializer_list<FolderPane *> panes)
{
    for (FolderPane *pane : panes) {
        if (Paths::folderExists(pane->folder())) continue;
        const QString gone = pane->folder();
        for (FolderPane *p : panes)
            p->refreshKeepingSelection();
        prompts.message(QStringLiteral("Kerbo"), FolderListing::goneText(gone),
                        Prompts::Icon::Exclamation);
        return false;
    }
    return true;
}

void FolderPane::setFolder(const QString &folder)
{
    const QString f = Drives::clean(folder);
    QString drive;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString d = m_drives->itemData(i).toString();
        if (Drives::isSameOrBelow(f, d) && d.size() > drive.size()) drive = d;
    }
    if (drive.isEmpty())
        display(Drives::home(), Drives::home());
    else
        display(drive, f);
}

void FolderPane::refresh()
{
    display(m_drive, m_folder);
}

void FolderPane::refreshKeepingSelection()
{
    const QString folder = m_folder;
    const QStringList selected = selectedFiles();
    refresh();
    if (!m_files || m_folder != folder) return;
    for (int i = 0; i < m_files->count(); ++i)
        if (selected.contains(m_files->item(i)->text())) m_files->item(i)->setSelected(true);
}

void FolderPane::display(const QString &drive, const QString &folder)
{
    m_drive = drive;
    m_folder = FolderListing::existingFolder(drive, folder);
    {
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(m_drives->findData(drive));
    }

    m_folderList->clear();
    QListWidgetItem *current = nullptr;
    for (const FolderListing::Entry &e : FolderListing::entries(m_drive, m_folder)) {
        auto *item = new QListWidgetItem(e.name, m_folderList);
        item->setData(PathRole, e.path);
        item->setData(DepthRole, e.depth);
        item->setData(OpenRole, e.open);
        if (e.path == m_folder) current = item;
    }
    m_folderList->setCurrentItem(current);
    if (m_path) {
        m_path->setText(m_folder);
        holdPathLines();
    }

    if (m_files) {
        m_files->clear();
        m_files->addItems(FolderListing::dayFiles(m_folder));
        // Laid out at once rather than at the event loop's next turn: a list shown again during
        // a long copy is drawn with its names.
        m_files->doItemsLayout();
    }
    emit folderChanged(m_folder);
}

void FolderPane::driveChosen(int index)
{
    const QString drive = m_drives->itemData(index).toString();
    // A drive that cannot be read is ignored: the list stays on the drive it was on.
    if (!Drives::isReady(drive) || !QDir(drive).isReadable()) {
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(m_drives->findData(m_drive));
        return;
    }
    display(drive, drive);
}

void FolderPane::folderActivated(QListWidgetItem *item)
{
    display(m_drive, item->data(PathRole).toString());
}

QStringList FolderPane::selectedFiles() const
{
    QStringList names;
    if (!m_files) return names;
    for (int i = 0; i < m_files->count(); ++i)
        if (m_files->item(i)->isSelected()) names << m_files->item(i)->text();
    return names;
}

bool FolderPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_path && event->type() == QEvent::Resize) holdPathLines();
    return QGroupBox::eventFilter(watched, event);
}

void FolderPane::holdPathLines()
{
    // A window gives a text that wraps no more room than it had: a long path, on three lines at
    // a large desktop font, lost its last line, the end of the path chosen. The label asks for
    // every line at the width it has.
    if (m_path->isVisible()) m_path->setMinimumHeight(m_path->heightForWidth(m_path->width()));
}
