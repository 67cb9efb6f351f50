#include "ui/calibration/frmParametresImp.h"

#include "core/AppState.h"
#include "core/base/Drives.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/folders/FolderPane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmParametresImp::frmParametresImp(Session &session, Mode mode, QWidget *parent)
    : QDialog(parent), m_session(session), m_mode(mode)
{
    const bool exporting = mode == Mode::Export;
    setWindowTitle(exporting ? QStringLiteral("SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE")
                             : QStringLiteral("IMPORTATION DES PARAMETRES DE L'IMPRIMANTE"));
    setModal(true);

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

    FolderPane::Captions captions;
    captions.drive = QString::fromUtf16(u"Unité");
    captions.folders = QString::fromUtf16(u"Répertoire");
    captions.files = QStringLiteral("CONTENU DU DOSSIER");
    m_pane = new FolderPane(captions, this);
    m_pane->setFlat(true);

    m_choice = new QLabel(m_pane->folder(), this);
    m_choice->setTextFormat(Qt::PlainText);
    m_choice->setWordWrap(true);
    connect(m_pane, &FolderPane::folderChanged, m_choice, &QLabel::setText);
    // The pane leaves a drive that cannot be read; the driver is told why.
    connect(m_pane->driveList(), &QComboBox::activated, this, [this](int index) {
        PrintParamsTransfer::canOpenDrive(m_pane->driveList()->itemData(index).toString(), m_session.prompts);
    });

    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("VOTRE CHOIX EST:"), this));
    choice->addWidget(m_choice, 1);

    auto *buttons = new QHBoxLayout;
    if (exporting) {
        m_create = new QPushButton(QString::fromUtf16(u"Créer un dossier de sauvegarde"), this);
        m_action = new QPushButton(
            QString::fromUtf16(u"Sauvegarder les paramétres de l'imprimantes"), this);
        buttons->addWidget(m_create);
        connect(m_create, &QPushButton::clicked, this, [this] {
            if (FolderPane::drivesThere(m_session.prompts, {m_pane})) createFolder();
        });
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
    connect(m_action, &QPushButton::clicked, this, [this] {
        if (FolderPane::drivesThere(m_session.prompts, {m_pane})) run();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addWidget(m_pane, 1);
    column->addLayout(choice);
    column->addLayout(buttons);
    resizeWithinScreen(this, QSize(560, 520));
}

void frmParametresImp::createFolder()
{
    // The list shows the new folder; the driver then opens it.
    if (!PrintParamsTransfer::createFolder(m_pane->folder(), m_session.prompts).isEmpty())
        m_pane->refresh();
}

void frmParametresImp::run()
{
    AppState &state = m_session.state;
    const QString dataFolder = state.config.dataFolder();
    const QString folder = m_pane->folder();
    const PrintParamsTransfer::Outcome outcome =
        m_mode == Mode::Export
            ? PrintParamsTransfer::exportTo(dataFolder, folder, m_session.prompts)
            : PrintParamsTransfer::importFrom(folder, dataFolder, state.printLayout,
                                              m_session.prompts);
    if (outcome == PrintParamsTransfer::Outcome::Done) accept();
}
