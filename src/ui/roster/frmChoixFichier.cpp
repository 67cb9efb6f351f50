#include "ui/roster/frmChoixFichier.h"

#include "core/base/Drives.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/folders/FolderListing.h"
#include "ui/NamedBy.h"
#include "ui/WithinScreen.h"
#include "ui/roster/frmCheminDossier.h"
#include "ui/roster/frmReglagePara.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

frmChoixFichier::frmChoixFichier(const QString &dataFolder, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_conversion(dataFolder), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("CHOIX D'UN FICHIER ROULEMENT CARAIBE A CONVERTIR"));
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    column->addLayout(grid);

    m_drives = new QComboBox(this);
    // Not as wide as a long drive name (a key mounted under /media/<user>/<its name>, a long
    // home folder), which the drop-down shows whole: the window would run past the screen.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(24);
    for (const QString &root : Drives::list(Drives::Use::Read))
        m_drives->addItem(Drives::label(root), Paths::CheckPath(root));
    grid->addWidget(captionFor(m_drives, QStringLiteral("CHOISIR LE LECTEUR")), 0, 0);
    grid->addWidget(m_drives, 1, 0);
    m_folders = new QListWidget(this);
    m_folders->setMinimumSize(280, 220);
    grid->addWidget(captionFor(m_folders, QStringLiteral("DOUBLE-CLIQUEZ SUR LE DOSSIER")), 2, 0);
    grid->addWidget(m_folders, 3, 0);

    m_files = new QListWidget(this);
    m_files->setMinimumSize(280, 220);
    grid->addWidget(captionFor(m_files, QStringLiteral("CLIQUEZ SUR LE FICHIER")), 2, 1);
    grid->addWidget(m_files, 3, 1);

    auto *bold = [this] {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        return label;
    }();
    m_choice = bold;
    column->addWidget(new QLabel(QStringLiteral("VOTRE CHOIX EST:"), this));
    column->addWidget(m_choice);
    column->addWidget(
        new QLabel(QStringLiteral("LE ROULEMENT DETECTE DANS LE FICHIER CARAIBE"), this));
    m_description = new QLabel(QStringLiteral("  EST :"), this);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setWordWrap(true);
    column->addWidget(m_description);
    column->addWidget(new QLabel(QStringLiteral("SI C'EST BON CLIQUEZ SUR SUIVANT"), this));

    auto *buttons = new QHBoxLayout;
    auto *next = new QPushButton(QStringLiteral("Suivant"), this);
    auto *criteria =
        new QPushButton(QString::fromUtf16(u"Réglage des paramétres du convertisseur"), this);
    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    next->setDefault(true);
    buttons->addWidget(next);
    buttons->addWidget(criteria);
    buttons->addStretch();
    buttons->addWidget(quit);
    column->addLayout(buttons);

    m_destination = new frmCheminDossier(m_conversion, m_prompts, this);

    connect(m_drives, &QComboBox::currentIndexChanged, this, &frmChoixFichier::chooseDrive);
    connect(m_folders, &QListWidget::itemActivated, this, &frmChoixFichier::folderActivated);
    m_folders->installEventFilter(this);
    m_files->installEventFilter(this);
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { pickFile(item->text()); });
    connect(next, &QPushButton::clicked, this, &frmChoixFichier::next);
    connect(criteria, &QPushButton::clicked, this, &frmChoixFichier::editCriteria);
    // Leaving forgets everything, the folder name of the destination included.
    connect(quit, &QPushButton::clicked, this, &frmChoixFichier::reject);

    startAgain();
}

bool frmChoixFichier::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return QDialog::eventFilter(watched, event);
    if (watched == m_folders && m_folders->currentItem())
        folderActivated(m_folders->currentItem());
    else if (watched == m_files && m_files->currentItem())
        pickFile(m_files->currentItem()->text());
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

void frmChoixFichier::showChoice(const QString &choice)
{
    m_choice->setText(QDir::toNativeSeparators(choice));
}

void frmChoixFichier::chooseDrive(int index)
{
    const QString root = m_drives->itemData(index).toString();
    if (!QDir(root).isReadable()) {
        // A drive that is not ready is ignored: the list stays on the drive it showed.
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(m_drives->findData(m_drive));
        return;
    }
    m_drive = root;
    openFolder(root);
}

void frmChoixFichier::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        const QString folder = Drives::clean(m_folder);
        const QString existing = FolderListing::existingFolder(m_drive, folder);
        if (existing != folder) {
            // Renamed or deleted meanwhile: its nearest parent, and no file chosen in it.
            openFolder(existing);
        } else {
            // The file picked stays picked, and so does its line.
            const QListWidgetItem *current = m_files->currentItem();
            const QString picked = current ? current->text() : QString();
            listFolder();
            const QList<QListWidgetItem *> found = m_files->findItems(picked, Qt::MatchExactly);
            if (!picked.isEmpty() && !found.isEmpty()) m_files->setCurrentItem(found.first());
        }
    }
    QDialog::changeEvent(event);
}

bool frmChoixFichier::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // Before the window is shown its size is not yet its own: the first showing gives it that.
    if (event->type() == QEvent::LayoutRequest && isVisible() && layout()) {
        const int needed = layout()->totalHeightForWidth(width());
        if (needed > height()) resizeWithinScreen(this, QSize(width(), needed));
    }
    return handled;
}

void frmChoixFichier::openFolder(const QString &folder)
{
    m_folder = Paths::CheckPath(QDir::toNativeSeparators(folder));
    listFolder();

    m_conversion.forgetFile();
    m_description->setText(m_conversion.description());
    m_destination->showHeader(QString(), QString());
    showChoice(m_folder);
}

void frmChoixFichier::listFolder()
{
    m_folders->clear();
    m_files->clear();
    const QDir dir(m_folder);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    if (m_folder != m_drive && !dir.isRoot()) {
        auto *up = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent),
                                       QStringLiteral(".."), m_folders);
        up->setData(Qt::UserRole, QFileInfo(m_folder + QStringLiteral("..")).absoluteFilePath());
    }
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(folderIcon, info.fileName(), m_folders);
        item->setData(Qt::UserRole, info.absoluteFilePath());
    }
    m_files->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmChoixFichier::folderActivated(QListWidgetItem *item)
{
    openFolder(item->data(Qt::UserRole).toString());
}

void frmChoixFichier::pickFile(const QString &name)
{
    const QString path = m_folder + name;
    showChoice(path);
    m_description->setText(QStringLiteral("  EST :"));
    switch (m_conversion.pickFile(path, m_prompts)) {
    case CaraibeConversion::Pick::Refused:
        openFolder(m_drive);
        showChoice(QString());
        break;
    case CaraibeConversion::Pick::Abandoned:
        showChoice(QString());
        m_description->setText(m_conversion.description());
        break;
    case CaraibeConversion::Pick::Chosen:
        m_description->setText(m_conversion.description());
        m_destination->showHeader(m_conversion.rosterLine(), m_conversion.validityLine());
        break;
    }
}

void frmChoixFichier::next()
{
    if (!m_conversion.hasFile()) {
        m_prompts.message(QStringLiteral("Erreur !!"),
                          QStringLiteral("Veuillez selectionner un fichier s.v.p."),
                          Prompts::Icon::Exclamation);
        return;
    }
    if (m_destination->exec() == QDialog::Accepted) {
        startAgain();
        showChoice(QString());
    }
}

void frmChoixFichier::editCriteria()
{
    frmReglagePara window(m_conversion, m_prompts, this);
    window.exec();
}

void frmChoixFichier::startAgain()
{
    {
        const QSignalBlocker block(m_drives);
        m_drives->setCurrentIndex(0);
    }
    m_drive = m_drives->currentData().toString();
    if (m_drive.isEmpty())
        m_drive = Paths::driveC();
    openFolder(m_drive);
}
