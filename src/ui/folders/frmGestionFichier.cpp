#include "ui/folders/frmGestionFichier.h"

#include "core/files/FileCommands.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"
#include "ui/folders/FolderPane.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmGestionFichier::frmGestionFichier(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("GESTION DES FICHIERS"));
    auto *layout = new QVBoxLayout(this);
    auto *panes = new QHBoxLayout;
    m_source = new FolderPane({QStringLiteral("Source :"), QStringLiteral("Lecteur source :"),
                               QStringLiteral("Répertoire source :"), QString(),
                               QStringLiteral("Fichiers source :")},
                              this);
    m_target = new FolderPane({QStringLiteral("Cible :"), QStringLiteral("Lecteur cible :"),
                               QStringLiteral("Répertoire cible :"), QString(),
                               QStringLiteral("Fichiers cible :")},
                              this);
    // Click selects one file, CTRL-click adds one, SHIFT-click a run of them.
    m_source->fileList()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_target->fileList()->setSelectionMode(QAbstractItemView::NoSelection);
    panes->addWidget(m_source);
    panes->addWidget(m_target);
    layout->addLayout(panes, 1);

    auto *counters = new QHBoxLayout;
    m_selection = new QLabel(QStringLiteral("0"), this);
    m_copied = new QLabel(QStringLiteral("0"), this);
    counters->addWidget(new QLabel(QStringLiteral("Sélection :"), this));
    counters->addWidget(m_selection);
    counters->addSpacing(24);
    counters->addWidget(new QLabel(QStringLiteral("Copié(s) :"), this));
    counters->addWidget(m_copied);
    counters->addStretch();
    layout->addLayout(counters);

    auto *buttons = new QHBoxLayout;
    const std::pair<Button, const char16_t *> captions[] = {
        {Button::SelectAll, u"&Selection de  tous les fichiers"},
        {Button::Copy, u"&Copier"},
        {Button::Delete, u"S&upprimer"},
        {Button::Info, u"&Info"},
        {Button::Quit, u"&Quitter"},
    };
    for (const auto &[b, caption] : captions) {
        auto *button = new QPushButton(QString::fromUtf16(caption), this);
        button->setAutoDefault(false);
        m_buttons[int(b)] = button;
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    // The counter follows the real selection, whether made by mouse or keyboard.
    const auto recount = [this] {
        m_selection->setText(QString::number(m_source->selectedFiles().size()));
    };
    connect(m_source, &FolderPane::fileSelectionChanged, this, recount);
    connect(m_source, &FolderPane::folderChanged, this, recount);
    connect(button(Button::SelectAll), &QPushButton::clicked, this,
            [this] { m_source->fileList()->selectAll(); });
    // Files are copied or deleted only on drives and in folders that are still there: in a
    // folder gone since it was listed, nothing would be deleted, and nothing said.
    connect(button(Button::Copy), &QPushButton::clicked, this, [this] {
        if (FolderPane::drivesThere(m_session.prompts, {m_source, m_target}) &&
            FolderPane::foldersThere(m_session.prompts, {m_source, m_target}))
            copy();
    });
    connect(button(Button::Delete), &QPushButton::clicked, this, [this] {
        if (FolderPane::drivesThere(m_session.prompts, {m_source, m_target}) &&
            FolderPane::foldersThere(m_session.prompts, {m_source}))
            remove();
    });
    connect(button(Button::Info), &QPushButton::clicked, this,
            [this] { FileCommands::info(m_session.prompts); });
    connect(button(Button::Quit), &QPushButton::clicked, this, &QDialog::reject);
    resizeWithinScreen(this, QSize(760, 560));
}

void frmGestionFichier::changeEvent(QEvent *event)
{
    // Back on this window from another program, where the driver (or a sync) may have added,
    // deleted or renamed day files: both panes list again what their folders hold now, still on
    // those folders, and the files still there stay selected. A stale list would copy or delete
    // files that are no longer there, and hide the new ones.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_source->refreshKeepingSelection();
        m_target->refresh();
    }
    QDialog::changeEvent(event);
}

void frmGestionFichier::copy()
{
    // Listed again after every file, a target of a few thousand files made a long copy slower
    // and slower, and nothing was drawn before its end: the counter and the target list are
    // shown at the first file, then a few times a second, and at the end.
    constexpr qint64 ShownEveryMs = 150;
    QElapsedTimer shown;
    // Drawn now: a desktop's window system asks for the frame a few milliseconds later, when a
    // short copy has already put its message over a list never drawn.
    const auto show = [this] {
        m_target->refresh();
        m_copied->repaint();
        m_target->fileList()->viewport()->repaint();
    };
    const auto progress = [this, &shown, show](int copied) {
        m_copied->setText(u' ' + QString::number(copied));
        if (shown.isValid() && shown.elapsed() < ShownEveryMs) return;
        shown.start();
        show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    m_copied->setText(QStringLiteral("0")); // this copy's count, not the last one's
    const bool done = FileCommands::copy(m_session.prompts, m_source->folder(), m_target->folder(),
                                         m_source->selectedFiles(), progress, show);
    m_target->refresh();
    if (done) m_copied->setText(QStringLiteral("0"));
}

void frmGestionFichier::remove()
{
    switch (
        FileCommands::remove(m_session.prompts, m_source->folder(), m_source->selectedFiles())) {
    case FileCommands::DeleteResult::Cancelled:
        m_source->fileList()->clearSelection();
        return;
    case FileCommands::DeleteResult::Deleted:
    case FileCommands::DeleteResult::Failed:
        m_source->refresh();
        m_target->refresh();
        m_copied->setText(QStringLiteral("0"));
        m_selection->setText(QStringLiteral("0"));
        return;
    case FileCommands::DeleteResult::NothingSelected:
        return;
    }
}
