#include "ui/folders/frmGestionDossier.h"

#include "core/folders/RosterFolders.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/folders/FolderPane.h"
#include "ui/lists/frmGestListe.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmGestionDossier::frmGestionDossier(Session &session, BulletinView &view, QWidget *parent)
    : QDialog(parent), m_session(session), m_view(view)
{
    setWindowTitle(QStringLiteral("GESTION DES DOSSIERS "));
    auto *layout = new QVBoxLayout(this);
    auto *hint =
        new QLabel(QStringLiteral("POUR SELECTIONNER UN DOSSIER DOUBLE-CLIQUEZ SON ICONE"), this);
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);

    auto *panes = new QHBoxLayout;
    m_source = new FolderPane({QStringLiteral("Source :"), QStringLiteral("Lecteur source :"),
                               QStringLiteral("Répertoire source :"),
                               QStringLiteral("Chemin Source:"), QString()},
                              this);
    m_target = new FolderPane({QStringLiteral("Cible :"), QStringLiteral("Lecteur cible :"),
                               QStringLiteral("Répertoire cible :"),
                               QStringLiteral("Chemin Cible:"), QString()},
                              this);
    panes->addWidget(m_source);
    panes->addWidget(m_target);
    layout->addLayout(panes, 1);

    const std::pair<Button, const char16_t *> captions[] = {
        {Button::Create, u"Créer un  dossier "},
        {Button::Rename, u"Renommer un  dossier"},
        {Button::SaveCopy, u"Sauvegarder un  dossier"},
        {Button::ChooseGeneric, u"Choisir ce dossier comme dossier Générique"},
        {Button::ChooseArchive, u"Choisir ce dossier comme dossier Archive"},
        {Button::RemoveFromList, u"Enlever un dossier dans la liste roulement"},
        {Button::Info, u"&Info"},
        {Button::Quit, u"Quitter"},
    };
    auto *grid = new QGridLayout;
    int i = 0;
    for (const auto &[b, caption] : captions) {
        auto *button = new QPushButton(QString::fromUtf16(caption), this);
        button->setAutoDefault(false);
        m_buttons[int(b)] = button;
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    layout->addLayout(grid);

    Prompts &prompts = session.prompts;
    AppState &state = session.state;
    // A command on a folder first makes sure that the drives are still there: a key pulled out
    // leaves an empty folder of its name on the computer's own disk.
    auto on = [this, &prompts](Button b, auto run) {
        connect(button(b), &QPushButton::clicked, this, [this, &prompts, b, run] {
            if (b != Button::Info && b != Button::Quit && b != Button::RemoveFromList &&
                !FolderPane::drivesThere(prompts, {m_source, m_target}))
                return;
            run();
        });
    };
    on(Button::Create, [this, &state, &prompts] {
        RosterFolders::create(state, prompts, m_view, *this, m_source->folder());
    });
    on(Button::Rename, [this, &state, &prompts] {
        RosterFolders::rename(state, prompts, m_view, *this, m_source->folder());
    });
    on(Button::SaveCopy, [this, &prompts] {
        RosterFolders::saveCopy(prompts, *this, m_source->folder(), m_target->folder());
    });
    on(Button::ChooseGeneric, [this, &state, &prompts] {
        RosterFolders::chooseGeneric(state, prompts, m_view, *this, m_source->folder());
    });
    on(Button::ChooseArchive, [this, &state, &prompts] {
        RosterFolders::chooseArchive(state, prompts, *this, m_source->folder());
    });
    on(Button::RemoveFromList, [this] { openRemovalList(); });
    on(Button::Info, [&prompts] { RosterFolders::info(prompts); });
    on(Button::Quit, [this] { reject(); });
    resizeWithinScreen(this, QSize(720, 520));
}

void frmGestionDossier::openRemovalList()
{
    if (!RosterFolders::mayOpenRemoval(m_session.state, m_session.prompts)) return;
    frmGestListe list(m_session, m_view, this);
    list.exec();
    // Back on this window, both panes start again from the home drive, as when it opened.
    resetToHome();
}

void frmGestionDossier::changeEvent(QEvent *event)
{
    // Back on this window from another program, where the driver may have made or removed a
    // folder: the panes list again what their folders hold now, still on those folders.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshLists();
    QDialog::changeEvent(event);
}

void frmGestionDossier::refreshLists()
{
    m_source->refresh();
    m_target->refresh();
}

void frmGestionDossier::showSource(const QString &folder)
{
    m_source->setFolder(folder);
}

void frmGestionDossier::resetToHome()
{
    m_source->reset();
    m_target->reset();
}

void frmGestionDossier::closeWindow()
{
    accept();
}
