#include "ui/folders/FolderPane.h"

#include "core/folders/Drives.h"
#include "core/folders/FolderListing.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace
{

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;

// Each folder a step to the right of its parent, as in a tree.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + 12 * index.data(DepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

} // namespace

FolderPane::FolderPane(const Captions &captions, QWidget *parent)
    : QGroupBox(captions.title, parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(captions.drive, this));
    m_drives = new QComboBox(this);
    layout->addWidget(m_drives);
    layout->addWidget(new QLabel(captions.folders, this));
    m_folderList = new QListWidget(this);
    m_folderList->setItemDelegate(new IndentDelegate(m_folderList));
    m_folderList->setUniformItemSizes(true);
    layout->addWidget(m_folderList, 2);
    if (!captions.path.isEmpty()) {
        layout->addWidget(new QLabel(captions.path, this));
        m_path = new QLabel(this);
        m_path->setTextFormat(Qt::PlainText);
        m_path->setWordWrap(true);
        m_path->setFrameShape(QFrame::StyledPanel);
        layout->addWidget(m_path);
    }
    if (!captions.files.isEmpty()) {
        layout->addWidget(new QLabel(captions.files, this));
        m_files = new QListWidget(this);
        m_files->setUniformItemSizes(true);
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
        m_drives->addItem(icon, drive);
}

void FolderPane::reset()
{
    fillDrives();
    display(Drives::home(), Drives::home());
}

void FolderPane::setFolder(const QString &folder)
{
    const QString f = Drives::clean(folder);
    QString drive;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString d = m_drives->itemText(i);
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

void FolderPane::display(const QString &drive, const QString &folder)
{
    m_drive = drive;
    m_folder = FolderListing::existingFolder(drive, folder);
    {
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(m_drives->findText(drive));
    }

    m_folderList->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QListWidgetItem *current = nullptr;
    for (const FolderListing::Entry &e : FolderListing::entries(m_drive, m_folder)) {
        auto *item = new QListWidgetItem(e.open ? open : closed, e.name, m_folderList);
        item->setData(PathRole, e.path);
        item->setData(DepthRole, e.depth);
        if (e.path == m_folder) current = item;
    }
    m_folderList->setCurrentItem(current);
    if (m_path) m_path->setText(m_folder);

    if (m_files) {
        m_files->clear();
        const QIcon file = style()->standardIcon(QStyle::SP_FileIcon);
        for (const QString &name : FolderListing::dayFiles(m_folder))
            new QListWidgetItem(file, name, m_files);
    }
    emit folderChanged(m_folder);
}

void FolderPane::driveChosen(int index)
{
    const QString drive = m_drives->itemText(index);
    // An unready drive is ignored: the list stays on the drive it was on.
    if (!Drives::isReady(drive)) {
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(m_drives->findText(m_drive));
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
