#include "ui/calibration/frmParametresImp.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "ui/Session.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int FilledRole = Qt::UserRole + 1;

QString pathOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, PathRole).toString() : QString();
}

QTreeWidgetItem *folderItem(const QString &path, const QString &name)
{
    auto *item = new QTreeWidgetItem(QStringList(name));
    item->setData(0, PathRole, Paths::CheckPath(path));
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

} // namespace

frmParametresImp::frmParametresImp(Session &session, Mode mode, QWidget *parent,
                                   const QStringList &drives)
    : QDialog(parent), m_session(session), m_mode(mode)
{
    const bool exporting = mode == Mode::Export;
    setWindowTitle(exporting ? QStringLiteral("SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE")
                             : QStringLiteral("IMPORTATION DES PARAMETRES DE L'IMPRIMANTE"));
    setModal(true);

    m_drives = new QComboBox(this);
    m_drives->addItems(drives.isEmpty() ? PrintParamsTransfer::drives() : drives);
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumSize(300, 260);
    m_files = new QListWidget(this);
    m_files->setMinimumWidth(220);

    auto *text = new QLabel(
        exporting ? QStringLiteral("VEUILLEZ CHOISIR LE CHEMIN POUR SAUVEGARDER LES PARAMETRES DE "
                                   "VOTRE IMPRIMANTES CLIQUEZ SUR LE DOSSIER DE VOTRE CHOIX ET "
                                   "SAUVEGARDER")
                  : QStringLiteral("VEUILLEZ CHOISIR LE CHEMIN POUR IMPORTER LES PARAMETRES DE "
                                   "VOTRE IMPRIMANTES CLIQUEZ SUR LE DOSSIER DE VOTRE CHOIX ET "
                                   "ENSUITE CLIQUEZ SUR LE FICHIER A IMPORTER"),
        this);
    text->setWordWrap(true);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    m_choice = new QLabel(this);
    m_choice->setTextFormat(Qt::PlainText);
    m_choice->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf16(u"Unité"), this), 0, 0);
    grid->addWidget(m_drives, 1, 0);
    grid->addWidget(new QLabel(QString::fromUtf16(u"Répertoire"), this), 2, 0);
    grid->addWidget(m_tree, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Fichier"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("CONTENU DU DOSSIER"), this), 2, 1);
    grid->addWidget(m_files, 3, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("VOTRE CHOIX EST:"), this));
    choice->addWidget(m_choice, 1);

    auto *buttons = new QHBoxLayout;
    if (exporting) {
        m_create = new QPushButton(QString::fromUtf16(u"Créer un dossier de sauvegarde"), this);
        m_action = new QPushButton(
            QString::fromUtf16(u"Sauvegarder les paramétres de l'imprimantes"), this);
        buttons->addWidget(m_create);
        connect(m_create, &QPushButton::clicked, this, &frmParametresImp::createFolder);
    } else {
        m_action =
            new QPushButton(QString::fromUtf16(u"Importer les paramétres sauvegardés"), this);
    }
    m_cancel = new QPushButton(QStringLiteral("Annuler "), this);
    for (QPushButton *b : {m_create, m_action, m_cancel})
        if (b) b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_action);
    buttons->addWidget(m_cancel);
    connect(m_action, &QPushButton::clicked, this, &frmParametresImp::run);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addLayout(grid, 1);
    column->addLayout(choice);
    column->addLayout(buttons);
    resize(640, 460);

    connect(m_drives, &QComboBox::activated, this, &frmParametresImp::openDrive);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &frmParametresImp::fill);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { choose(item); });
    if (m_drives->count() > 0) showRoot(m_drives->itemText(0));
}

void frmParametresImp::openDrive(int index)
{
    // A drive that cannot be read leaves the tree where it was.
    if (!PrintParamsTransfer::canOpenDrive(m_drives->itemText(index), m_session.prompts)) {
        m_drives->setCurrentIndex(m_driveIndex);
        return;
    }
    m_driveIndex = index;
    showRoot(m_drives->itemText(index));
}

void frmParametresImp::showRoot(const QString &root)
{
    m_tree->clear();
    QTreeWidgetItem *top = folderItem(root, QDir::toNativeSeparators(root));
    m_tree->addTopLevelItem(top);
    top->setExpanded(true);
    m_tree->setCurrentItem(top);
}

void frmParametresImp::fill(QTreeWidgetItem *item)
{
    if (!item || item->data(0, FilledRole).toBool()) return;
    item->setData(0, FilledRole, true);
    const QDir dir(pathOf(item));
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        item->addChild(folderItem(dir.filePath(name), name));
    if (names.isEmpty()) item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void frmParametresImp::choose(QTreeWidgetItem *item)
{
    m_chosen = pathOf(item);
    m_choice->setText(QDir::toNativeSeparators(QDir::cleanPath(m_chosen)));
    m_files->clear();
    if (!m_chosen.isEmpty())
        m_files->addItems(QDir(m_chosen).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

bool frmParametresImp::chooseFolder(const QString &folder)
{
    QTreeWidgetItem *item = m_tree->topLevelItem(0);
    if (!item) return false;
    const QString target = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QString root = QDir::cleanPath(QDir::fromNativeSeparators(pathOf(item)));
    if (target != root && !target.startsWith(root == QLatin1String("/") ? root : root + u'/'))
        return false;
    const QStringList parts = target.mid(root.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        item->setExpanded(true);
        fill(item);
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == part) next = item->child(i);
        if (!next) return false;
        item = next;
    }
    m_tree->setCurrentItem(item);
    return true;
}

void frmParametresImp::createFolder()
{
    QTreeWidgetItem *current = m_tree->currentItem();
    if (!current) return;
    const QString created = PrintParamsTransfer::createFolder(m_chosen, m_session.prompts);
    if (created.isEmpty()) return;
    // The tree shows the new folder; the driver then chooses it.
    qDeleteAll(current->takeChildren());
    current->setData(0, FilledRole, false);
    current->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    fill(current);
    current->setExpanded(true);
    for (int i = 0; i < current->childCount(); ++i)
        if (pathOf(current->child(i)) == Paths::CheckPath(created))
            m_tree->scrollToItem(current->child(i));
}

void frmParametresImp::run()
{
    if (m_chosen.isEmpty()) return;
    AppState &state = m_session.state;
    const QString dataFolder = state.config.dataFolder();
    const PrintParamsTransfer::Outcome outcome =
        m_mode == Mode::Export
            ? PrintParamsTransfer::exportTo(dataFolder, m_chosen, m_session.prompts)
            : PrintParamsTransfer::importFrom(m_chosen, dataFolder, state.printLayout,
                                              m_session.prompts);
    if (outcome == PrintParamsTransfer::Outcome::Done) accept();
}
