#include "ui/editor/EditorWindow.h"

#include "core/AppState.h"
#include "core/form/BoxNames.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "ui/NamedBy.h"
#include "ui/PaperColours.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/RosterListBox.h"
#include "ui/editor/ServiceDateEdit.h"
#include "ui/editor/SlotComboBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// How long a window manager may take to say that the window is no longer maximized.
constexpr int LeaveFitWaitMs = 1000;

// A second caption for the same command: follows the command's action and triggers it.
QAction *follower(QAction *main, const QString &caption, QObject *parent)
{
    auto *a = new QAction(caption, parent);
    a->setEnabled(main->isEnabled());
    QObject::connect(a, &QAction::triggered, main, &QAction::trigger);
    QObject::connect(main, &QAction::changed, a, [a, main] { a->setEnabled(main->isEnabled()); });
    return a;
}

// The width the menu bar takes to show every title in `font`, laid out as the bar lays them.
int menuBarWidth(const QMenuBar *bar, const QFont &font)
{
    const QFontMetrics metrics(font);
    const QStyle *style = bar->style();
    int width = 2 * (style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar) +
                     style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar));
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
    for (const QAction *a : bar->actions()) {
        QStyleOptionMenuItem option;
        option.initFrom(bar);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = a->text();
        option.font = font;
        option.fontMetrics = metrics;
        const QSize text = metrics.size(Qt::TextShowMnemonic, a->text());
        width +=
            style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar).width() + spacing;
    }
    return width;
}

} // namespace

EditorWindow::EditorWindow(AppState &state, EditorLayout layout, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_layout(layout)
{
    setWindowTitle(QStringLiteral("EDITEUR DE BULLETIN DE SERVICE RO 2004"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildMenus();
    auto *area = new QWidget(this);
    buildButtons(area);
    setCentralWidget(area);
    buildContextMenu();
    buildForm();
    fitMenuBar(centralWidget()->sizeHint().width());

    // Quitting ends the program at once, with no question and no saving.
    action(EditorCommand::Quit)->setEnabled(true);
    connect(action(EditorCommand::Quit), &QAction::triggered, qApp, &QApplication::quit);
}

void EditorWindow::fitMenuBar(int room)
{
    // With large fonts the titles would run past the window, the last ones ("Aide", "Quitter")
    // behind a button of their own that the keys never reach: the titles are drawn smaller until
    // they fit the window, down to the size the 800 editor draws them in. A desktop font of 16 or
    // 18 points needs about half its size there.
    QMenuBar *bar = menuBar();
    const QFont start = bar->font();
    const int smallest = FormGeometry::scaleFor(EditorLayout::Editor800).buttonFontPx;
    QFont font = start;
    for (int twentieth = 19; twentieth > 0 && menuBarWidth(bar, font) > room; --twentieth) {
        QFont smaller = start;
        if (start.pixelSize() > 0)
            smaller.setPixelSize(start.pixelSize() * twentieth / 20);
        else
            smaller.setPointSizeF(start.pointSizeF() * twentieth / 20);
        if (QFontInfo(smaller).pixelSize() < smallest) break;
        font = smaller;
    }
    if (font != start) bar->setFont(font);
}

QAction *EditorWindow::makeAction(EditorCommand command, const QString &caption)
{
    auto *a = new QAction(caption, this);
    a->setEnabled(false);
    m_actions[size_t(command)] = a;
    return a;
}

void EditorWindow::wireCommand(EditorCommand command, std::function<void()> run)
{
    QAction *a = action(command);
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] {
        const QPointer<EditorWindow> self(this);
        run();
        // A command chosen from the menu bar with the keyboard leaves the keyboard on the bar,
        // which takes it back only if the window is still active when the command ends: not
        // after a window of the command's own. Every command ends with the form's control.
        if (!self || !isVisible()) return;
        // Given in a window that is not active, the focus would move without the box it leaves
        // being told: the roster list would keep its colour and never take its folder.
        if (isActiveWindow())
            m_editing->focusEditControl();
        else
            m_formOnActivation = true;
    });
    a->setEnabled(true);
}

void EditorWindow::buildMenus()
{
    using C = EditorCommand;
    QMenuBar *bar = menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("Fichier"));
    file->addAction(makeAction(C::FileManagement, QStringLiteral("Gestion des fichiers")));
    QMenu *open = file->addMenu(QStringLiteral("&Ouvrir"));
    open->addAction(makeAction(C::OpenGeneric, QStringLiteral("Journée Génerique")));
    open->addAction(makeAction(C::OpenArchive, QStringLiteral("Journée Archive")));
    QMenu *save = file->addMenu(QStringLiteral("Sauvegarder "));
    save->addAction(makeAction(C::SaveGeneric, QStringLiteral("Journée Génerique")));
    save->addAction(makeAction(C::SaveArchive, QStringLiteral("Journée Archive")));
    file->addAction(makeAction(C::NewDay, QStringLiteral("Nouvelle Journée")));
    file->addAction(makeAction(C::CaraibeConverter, QStringLiteral("Convertisseur Caraibe")));
    file->addAction(makeAction(C::About, QStringLiteral("A propos de Kerbo")));

    bar->addAction(makeAction(C::PreviewRecto, QStringLiteral("Vue BS")));
    bar->addAction(makeAction(C::Print, QStringLiteral("Imprimer")));
    bar->addAction(makeAction(C::EditCartouche, QStringLiteral("Modifier le cartouche A")));

    QMenu *settings = bar->addMenu(QStringLiteral("Reglages"));
    const bool is800 = m_layout == EditorLayout::Editor800;
    settings->addAction(makeAction(C::ScaleSwitch, is800
                                                       ? QStringLiteral("Augmenter l'échelle de l'éditeur")
                                                       : QStringLiteral("Réduire l'échelle de l'éditeur")));
    QAction *fit = makeAction(C::FitToWindow, QStringLiteral("Ajuster à la fenêtre"));
    fit->setCheckable(true);
    settings->addAction(fit);
    settings->addAction(makeAction(C::ChoosePrinterFont, QStringLiteral("&Choix Police")));
    settings->addAction(makeAction(C::CentringRecto, QStringLiteral("Centrage du bulletin")));
    settings->addAction(makeAction(C::CalibrationRecto, QStringLiteral("Du bulletin sur l'imprimante")));
    settings->addAction(makeAction(C::PrinterSetup, QStringLiteral("Configuration de l'impression")));
    settings->addAction(makeAction(C::ImportPrintParams, QStringLiteral("Importer les paramètres d'imprimante")));
    settings->addAction(makeAction(C::SavePrintParams, QStringLiteral("Sauver les paramètres d'imprimante")));
    settings->addAction(makeAction(C::Options, QStringLiteral("Options")));

    QMenu *lists = bar->addMenu(QStringLiteral("GestionListes"));
    lists->addAction(makeAction(C::Automatisme, QStringLiteral("Automatisme")));
    lists->addAction(makeAction(C::ListEngins, QStringLiteral("Engins")));
    lists->addAction(makeAction(C::ListGares, QStringLiteral("Gares")));
    lists->addAction(makeAction(C::ListTaches, QStringLiteral("Tâches")));
    lists->addAction(makeAction(C::ListCateg, QStringLiteral("Catégories")));
    lists->addAction(makeAction(C::ListIndiceCompo, QStringLiteral("IndiceCompo")));
    lists->addAction(makeAction(C::ListAgentSeul, QStringLiteral("AgentSeul")));

    bar->addAction(makeAction(C::FolderManagement, QStringLiteral("GestionDossiers")));

    QMenu *erase = bar->addMenu(QStringLiteral("Effacer"));
    erase->addAction(makeAction(C::EraseA, QStringLiteral("Effacer le cadre A")));
    erase->addAction(makeAction(C::EraseB1, QStringLiteral("Effacer le cadre B 1")));
    erase->addAction(makeAction(C::EraseB2, QStringLiteral("Effacer le cadre B 2")));
    erase->addAction(makeAction(C::EraseB3, QStringLiteral("Effacer le cadre B 3")));
    erase->addAction(makeAction(C::EraseC, QStringLiteral("Effacer le cadre C")));
    QMenu *restore = bar->addMenu(QStringLiteral("Rétablir"));
    restore->addAction(makeAction(C::RestoreA, QStringLiteral("Rétablir le cadre A")));
    restore->addAction(makeAction(C::RestoreB1, QStringLiteral("Rétablir le cadre B1")));
    restore->addAction(makeAction(C::RestoreB2, QStringLiteral("Rétablir le cadre B2")));
    restore->addAction(makeAction(C::RestoreB3, QStringLiteral("Rétablir le cadre B3")));
    restore->addAction(makeAction(C::RestoreC, QStringLiteral("Rétablir le cadre C")));

    bar->addAction(makeAction(C::Verso, QStringLiteral("Verso")));
    // F1 opens the help as on any desktop; the train lines' function keys leave it free.
    QAction *help = makeAction(C::Help, QStringLiteral("Aide"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    bar->addAction(help);
    bar->addAction(makeAction(C::Quit, QStringLiteral("Quitter")));

    // The tabulation button has no menu entry: Alt+T stands for it, for the keyboard alone.
    QAction *tabMode = makeAction(C::TabMode, QStringLiteral("Tab N"));
    tabMode->setShortcut(QKeySequence(Qt::ALT | Qt::Key_T));
    addAction(tabMode);
}

QPushButton *EditorWindow::button(EditorCommand command) const
{
    return m_buttons[size_t(command)];
}

void EditorWindow::buildButtons(QWidget *area)
{
    using C = EditorCommand;
    // The buttons stand in a column beside the form, so that the form keeps the whole height.
    auto *row = new QHBoxLayout(area);
    m_row = row;
    auto *column = new QVBoxLayout;
    const FormGeometry::Scale scale = FormGeometry::scaleFor(m_layout);
    QFont buttonFont = font();
    buttonFont.setPixelSize(scale.buttonFontPx);
    if (m_layout == EditorLayout::Editor800)
        menuBar()->setFont(buttonFont);
    const int buttonWidth = scale.buttonWidth;
    const std::pair<C, const char16_t *> buttons[] = {
        {C::PreviewRecto, u"Aperçu BS"}, {C::Verso, u"Editeur Verso"}, {C::TabMode, u"Tab N"},
        {C::OpenGeneric, u"Ouvrir G"},   {C::OpenArchive, u"Ouvrir A"}, {C::SaveGeneric, u"Sauver G"},
        {C::SaveArchive, u"Sauver A"},   {C::Print, u"Imprimer"},     {C::NewDay, u"Nouvelle journée"},
        {C::Quit, u"Quitter"},
    };
    for (const auto &[command, caption] : buttons) {
        auto *b = new QPushButton(QString::fromUtf16(caption), area);
        QAction *a = action(command);
        b->setEnabled(a->isEnabled());
        b->setFocusPolicy(Qt::NoFocus); // the keyboard stays in the bulletin
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        connect(a, &QAction::changed, b, [b, a] { b->setEnabled(a->isEnabled()); });
        m_buttons[size_t(command)] = b;
        if (!a->shortcut().isEmpty())
            b->setToolTip(QStringLiteral("Raccourci : ") +
                          a->shortcut().toString(QKeySequence::NativeText));
        b->setFont(buttonFont);
        b->setFixedWidth(buttonWidth);
        column->addWidget(b);
    }
    column->addStretch();
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(2);
    m_canvas = new BulletinCanvas(m_state.record, m_layout, area);
    PaperColours::makePaper(m_canvas);
    row->addWidget(m_canvas, 0, Qt::AlignLeft | Qt::AlignTop);
    row->addLayout(column);
    row->addStretch(); // a window wider than the form keeps its buttons beside the form
    row->setSizeConstraint(QLayout::SetFixedSize);
    area->installEventFilter(this);
}

void EditorWindow::buildForm()
{
    m_text = new QLineEdit(m_canvas);
    m_list = new SlotComboBox(m_canvas);
    PaperColours::makePaper(m_list); // its style sheet would take the desktop's colours

    m_date = new ServiceDateEdit(m_canvas);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yy"));
    m_date->setToolTip(QStringLiteral("Cliquez sur la flêche pour afficher le calendrier"));
    m_date->setAccessibleName(BoxNames::of(SlotTable::DateSlot));
    m_roster = new RosterListBox(m_state, m_canvas);
    nameDropDown(m_roster, QStringLiteral("Dossier générique"));
    m_canvas->setAccessibleName(QStringLiteral("Bulletin de service"));
    m_mention = new QLabel(m_canvas);
    m_mention->setObjectName(QStringLiteral("Labelbis"));
    m_mention->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160); font-weight: bold;"));
    m_mention->hide();
    PaperColours::drawAsPaper(m_canvas);
    placeFormControls();

    m_editing = new BulletinEditing(m_state, m_canvas, m_text, m_list, m_date, m_mention, this);
    connect(m_editing, &BulletinEditing::tabModeChanged, this, &EditorWindow::showTabMode);
    connect(m_roster, &RosterListBox::keyPressed, m_editing, [this] { m_editing->setCurrentSlot(1); });
    connect(m_canvas, &BulletinCanvas::scaleChanged, this, [this] {
        placeFormControls();
        m_editing->followCanvas();
    });

    m_editing->showServiceDate(m_state.record.serviceDate());
    m_roster->showFolder(m_state.config.hdGenerique);
    showMention(m_state.mention);
    showTabMode(m_state.engineTabMode); // the mode lives for the run, across scale switches
    refreshBulletin();
}

void EditorWindow::placeFormControls()
{
    // The window's own controls drawn into the form follow its scale.
    const QFont font = m_canvas->textFont();
    m_date->setFont(font);
    // The arrow stands past the box, in the gap before Roulement, never over it: a form drawn
    // smaller than its layout has a narrower gap.
    const QRect dateBox = m_canvas->boxRect(SlotTable::DateSlot);
    const int roomToRoster = m_canvas->boxRect(SlotTable::DateSlot + 1).left() - 2 - dateBox.left();
    m_date->setGeometry(QRect(
        dateBox.topLeft(), QSize(qMin(dateBox.width() + 18, roomToRoster), dateBox.height() + 2)));
    m_roster->setFont(font);
    m_roster->setGeometry(m_canvas->mmRect(FormGeometry::rosterListBox()));
    m_mention->setFont(font);
    m_mention->setGeometry(m_canvas->mmRect(FormGeometry::mentionBox()));
}

void EditorWindow::setFitToWindow(bool fit)
{
    if (m_leavingFit) {
        m_leavingFit = false;
        if (windowHandle()) windowHandle()->removeEventFilter(this);
    }
    m_fit = fit;
    action(EditorCommand::FitToWindow)->setChecked(fit);
    m_canvas->setResizable(fit);
    if (fit) {
        // The layout's size becomes the window's smallest; the form takes what the window has.
        m_row->setSizeConstraint(QLayout::SetDefaultConstraint);
        centralWidget()->setMinimumSize(0, 0);
        centralWidget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        fitForm();
    } else {
        m_canvas->setScale(m_canvas->layoutScale());
        m_row->setSizeConstraint(QLayout::SetFixedSize);
        // The window goes back to the form's size, as at start-up: a window left larger showed
        // an empty area beside and below the form.
        if (!isMaximized() && !isFullScreen()) {
            m_row->activate();
            adjustSize();
        }
    }
}

void EditorWindow::leaveFitToWindow()
{
    constexpr Qt::WindowStates Large = Qt::WindowMaximized | Qt::WindowFullScreen;
    QWindow *window = windowHandle();
    if (!(windowState() & Large) || !window) {
        setFitToWindow(false);
        return;
    }
    if (!m_leavingFit) window->installEventFilter(this);
    m_leavingFit = true;
    const int leaving = ++m_leaving;
    showNormal();
    // Without a window manager nothing answers on X11: the form goes back all the same. A
    // Wayland compositor that keeps the window large (a tiling one) keeps it fitted instead.
    QTimer::singleShot(LeaveFitWaitMs, this, [this, leaving] {
        if (!m_leavingFit || leaving != m_leaving) return;
        m_leavingFit = false;
        if (windowHandle()) windowHandle()->removeEventFilter(this);
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            setFitToWindow(false);
    });
}

QSize EditorWindow::layoutSize() const
{
    const QMargins margins = m_row->contentsMargins();
    const QSize form = FormPicture::editorSize(m_canvas->layoutScale());
    const int buttons = FormGeometry::scaleFor(m_layout).buttonWidth + m_row->spacing();
    return QSize(form.width() + buttons + margins.left() + margins.right(),
                 form.height() + margins.top() + margins.bottom() + menuBar()->sizeHint().height());
}

void EditorWindow::fitForm()
{
    if (!m_fit)
        return;
    const QMargins margins = m_row->contentsMargins();
    const QSize area = centralWidget()->size();
    const int buttons = FormGeometry::scaleFor(m_layout).buttonWidth + m_row->spacing();
    m_canvas->setScale(FormGeometry::fittedScale(
        area.width() - margins.left() - margins.right() - buttons,
        area.height() - margins.top() - margins.bottom(), m_canvas->layoutScale()));
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        fitForm();
    // The window system's own word on the window's state: the configuration it acknowledged.
    if (m_leavingFit && watched == windowHandle() && event->type() == QEvent::WindowStateChange &&
        event->spontaneous() &&
        !(windowHandle()->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        m_leavingFit = false;
        windowHandle()->removeEventFilter(this);
        // Out of the window system's event: the size changes in a frame of its own.
        QTimer::singleShot(0, this, [this, leaving = m_leaving] {
            if (leaving == m_leaving && !action(EditorCommand::FitToWindow)->isChecked())
                setFitToWindow(false);
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void EditorWindow::showTabMode(bool engines)
{
    const QString caption = engines ? QStringLiteral("Tab E") : QStringLiteral("Tab N");
    action(EditorCommand::TabMode)->setText(caption);
    if (QPushButton *b = button(EditorCommand::TabMode))
        b->setText(caption);
}

void EditorWindow::buildContextMenu()
{
    using C = EditorCommand;
    m_contextMenu = new QMenu(QStringLiteral("menuFlottant"), this);
    const std::pair<C, const char16_t *> entries[] = {
        {C::Help, u"Aide"},
        {C::NewDay, u"Nouvelle Journée"},
        {C::OpenGeneric, u"Ouvrir Fichier Générique"},
        {C::OpenArchive, u"Ouvrir Fichier Archive"},
        {C::SaveGeneric, u"Sauver Fichier Générique"},
        {C::SaveArchive, u"Sauver Fichier Archive"},
        {C::PreviewRecto, u"Aperçu BS"},
        {C::Print, u"Imprimer"},
        {C::Verso, u"EditeurVerso"},
        {C::Quit, u"Quitter le progamme"},
    };
    for (const auto &[command, caption] : entries)
        m_contextMenu->addAction(follower(action(command), QString::fromUtf16(caption), m_contextMenu));
}

void EditorWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_contextMenu->exec(event->globalPos());
}

void EditorWindow::closeForLayoutSwitch()
{
    m_switching = true;
    close();
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager: the same as "Quitter".
    event->accept();
    if (!m_switching)
        action(EditorCommand::Quit)->trigger();
}

void EditorWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !m_formOnActivation)
        return;
    m_formOnActivation = false;
    // Once the window has given the keyboard back to the control that last held it.
    QTimer::singleShot(0, this, [this] {
        if (isActiveWindow()) m_editing->focusEditControl();
    });
}

void EditorWindow::refreshBulletin()
{
    m_editing->refresh();
    m_editing->placeEditControl();
}

void EditorWindow::clearEditControls() { m_editing->clearEditControls(); }

void EditorWindow::showMention(const QString &mention)
{
    m_mention->setText(mention);
    m_mention->setVisible(!mention.isEmpty());
}

void EditorWindow::showServiceDate(const QDate &date)
{
    m_state.record.setServiceDate(date);
    m_editing->showServiceDate(date);
}

void EditorWindow::showRosterFolder(const QString &folder) { m_roster->showFolder(folder); }

void EditorWindow::reloadRosterList() { m_roster->forgetItems(); }
