#include "TestMain.h"

#include "EditorFixture.h"
#include "core/form/FormGeometry.h"
#include "core/form/FormPicture.h"
#include "ui/WithinScreen.h"

// The editor's window itself: its layouts on their screens, its menus, and the form fitted to it.
class EditorLayoutTest : public EditorFixture
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Run again on a small screen (a 1366x768 laptop at 150 %): the layout does not fit, and
    // fitted to the screen the whole form, down to TOTAL Km, stays in sight and is clicked right.
    void aScreenTooSmallForTheLayoutShowsTheWholeForm()
    {
        EditorWindow small(*m_state, EditorLayout::Editor800);
        small.setAttribute(Qt::WA_DeleteOnClose, false);
        if (fitsScreen(&small)) QSKIP("this screen takes the 800 editor whole");
        small.setFitToWindow(true);
        small.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&small));
        BulletinCanvas *canvas = small.canvas();
        const QRect room = small.screen()->availableGeometry();
        const auto totalInSight = [&] {
            const QRect box = canvas->boxRect(TotalKmSlot);
            return small.rect().contains(QRect(canvas->mapTo(&small, box.topLeft()), box.size()));
        };
        QTRY_VERIFY(totalInSight());
        QVERIFY(small.height() <= room.height() && small.width() <= room.width());
        if (room.height() < 600) QVERIFY(canvas->scale() < canvas->layoutScale());
        // The date's arrow keeps off the Roulement box beside it.
        QVERIFY(small.datePicker()->geometry().right() < canvas->boxRect(DateSlot + 1).left());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->boxRect(lineSlot(5, De)).center());
        QCOMPARE(m_state->record.currentSlot(), lineSlot(5, De));

        // "Ajuster à la fenêtre" unticked: the choice is kept, the form stays fitted and said so.
        wireEditorCommands(small, *m_state, m_data->prompts,
                           [](EditorLayout) -> EditorWindow * { return nullptr; });
        QAction *fit = small.action(EditorCommand::FitToWindow);
        QVERIFY(fit->isChecked());
        fit->trigger(); // unticked by the driver
        QCOMPARE(iniOption(u"Options"_s, u"AjusterFenetre"_s), u"0"_s);
        QVERIFY(small.fitsToWindow() && !fit->isChecked()); // the entry shows the choice kept
        QCOMPARE(m_data->prompts.last().text,
                 u"L'écran est trop petit pour montrer l'éditeur à sa taille : le bulletin reste "
                 u"ajusté à la fenêtre.\r\nVotre choix est enregistré et vaudra sur un écran plus "
                 u"grand."_s);
        QTRY_VERIFY(totalInSight());
        QVERIFY(small.height() <= room.height());
        small.closeForLayoutSwitch();
    }

    void scaleSwitchKeepsTheTabModeAndRefusesASmallScreen()
    {
        QList<EditorWindow *> opened; // the windows the switch builds
        EditorWindow small(*m_state, EditorLayout::Editor800);
        small.setAttribute(Qt::WA_DeleteOnClose, false);
        const auto open = [&](EditorLayout layout) {
            opened << new EditorWindow(*m_state, layout);
            return opened.last();
        };
        wireEditorCommands(small, *m_state, m_data->prompts, open);
        QCOMPARE(small.action(EditorCommand::ScaleSwitch)->text(),
                 u"Augmenter l'échelle de l'éditeur"_s);
        small.action(EditorCommand::TabMode)->trigger();

        m_state->screen = {800, 600, 96};
        small.action(EditorCommand::ScaleSwitch)->trigger();
        QVERIFY(opened.isEmpty());
        QCOMPARE(m_data->prompts.last().title, u"Kerbo"_s);
        QCOMPARE(m_data->prompts.last().text,
                 u"L'éditeur agrandi demande un écran d'au moins 1024 pixels de large.\r\nVotre "
                 "écran mesure 800 x 600 pixels : l'éditeur garde son échelle."_s);
        QCOMPARE(iniOption(u"Echelle Editeur"_s, u"Echelle"_s), QString()); // nothing kept

        // A wide screen of little height opens the larger editor, as at start-up.
        m_state->screen = {1280, 720, 96};
        small.action(EditorCommand::ScaleSwitch)->trigger();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0]->editorLayout(), EditorLayout::Editor1024);
        QCOMPARE(iniOption(u"Echelle Editeur"_s, u"Echelle"_s), u"0"_s); // the next start too
        QCOMPARE(opened[0]->action(EditorCommand::TabMode)->text(), u"Tab E"_s);
        QVERIFY(opened[0]->editing()->engineTabMode());

        // And back down: kept for the next start, which opens the 800 editor again.
        wireEditorCommands(*opened[0], *m_state, m_data->prompts, open);
        QCOMPARE(opened[0]->action(EditorCommand::ScaleSwitch)->text(),
                 u"Réduire l'échelle de l'éditeur"_s);
        opened[0]->action(EditorCommand::ScaleSwitch)->trigger();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[1]->editorLayout(), EditorLayout::Editor800);
        QCOMPARE(iniOption(u"Echelle Editeur"_s, u"Echelle"_s), u"1"_s);
        QCOMPARE(m_state->keptScreen, (ScreenMetrics{800, 720, 96}));
        opened[1]->closeForLayoutSwitch();
        delete opened[1];
        delete opened[0]; // closed by the switch, not yet deleted: no event loop ran since
    }

    void menusAndCaptions()
    {
        QCOMPARE(m_window->windowTitle(), u"EDITEUR DE BULLETIN DE SERVICE RO 2004"_s);
        QCOMPARE(captions(m_window->menuBar()),
                 QStringList({"Fichier", "Vue BS", "Imprimer", "Modifier le cartouche A",
                              "Reglages", "GestionListes", "GestionDossiers", "Effacer", "Rétablir",
                              "Verso", "Aide", "Quitter"}));
        QCOMPARE(captions(m_window->contextMenu()),
                 QStringList({"Aide", "Nouvelle Journée", "Ouvrir Fichier Générique",
                              "Ouvrir Fichier Archive", "Sauver Fichier Générique",
                              "Sauver Fichier Archive", "Aperçu BS", "Imprimer", "EditeurVerso",
                              "Quitter le progamme"}));
        // The entries of each menu, and those of the two menus of "Fichier".
        QStringList entries;
        for (const QAction *title : m_window->menuBar()->actions())
            if (title->menu()) {
                entries << captions(title->menu());
                for (const QAction *entry : title->menu()->actions())
                    if (entry->menu()) entries << captions(entry->menu());
            }
        QCOMPARE(entries.join(u'|'),
                 u"Gestion des fichiers|&Ouvrir|Sauvegarder |Nouvelle Journée|Convertisseur "
                 u"Caraibe|A propos de Kerbo|Journée Génerique|Journée Archive|Journée Génerique|"
                 u"Journée Archive|Réduire l'échelle de l'éditeur|Ajuster à la fenêtre|&Choix "
                 u"Police|Centrage du bulletin|Du bulletin sur l'imprimante|Configuration de "
                 u"l'impression|Importer les paramètres d'imprimante|Sauver les paramètres "
                 u"d'imprimante|Options|Automatisme|Engins|Gares|Tâches|Catégories|IndiceCompo|"
                 u"AgentSeul|Effacer le cadre A|Effacer le cadre B 1|Effacer le cadre B 2|Effacer "
                 u"le cadre B 3|Effacer le cadre C|Rétablir le cadre A|Rétablir le cadre B1|"
                 u"Rétablir le cadre B2|Rétablir le cadre B3|Rétablir le cadre C"_s);
        QStringList buttons;
        for (const QPushButton *b : m_window->findChildren<QPushButton *>())
            buttons << b->text();
        QCOMPARE(buttons,
                 QStringList({"Aperçu BS", "Editeur Verso", "Tab N", "Ouvrir G", "Ouvrir A",
                              "Sauver G", "Sauver A", "Imprimer", "Nouvelle journée", "Quitter"}));
        // Commands built elsewhere stay disabled until they are wired.
        QVERIFY(m_window->action(EditorCommand::RestoreC)->isEnabled());
        QVERIFY(!m_window->action(EditorCommand::Print)->isEnabled());
        QVERIFY(!m_window->button(EditorCommand::SaveGeneric)->isEnabled());
        // F1 in the edit control opens the help (its file is in the data folder).
        const qsizetype shown = m_data->prompts.calls.size();
        QTest::keyClick(text(), Qt::Key_F1);
        QCOMPARE(m_data->prompts.calls.size(), shown + 1);
        QCOMPARE(m_data->prompts.last().title, u"Kerbo"_s);
        QVERIFY(m_data->prompts.last().text.contains(u"AideKerbo1.html"_s));
    }

    void fittingTheWindowScalesTheFormButNotItsRules()
    {
        BulletinCanvas *canvas = m_window->canvas();
        const int layoutFont = text()->font().pixelSize();
        const QSize layoutWish = m_window->sizeHint();
        QCOMPARE(m_window->layoutSize(), layoutWish);
        typeAt(lineSlot(1, NumeroTrain), u"84"_s);
        m_window->action(EditorCommand::FitToWindow)->trigger();
        QVERIFY(m_window->fitsToWindow());
        QCOMPARE(iniOption(u"Options"_s, u"AjusterFenetre"_s), u"1"_s);
        m_window->showNormal();
        m_window->resize(1920, 1080);
        QTRY_VERIFY(canvas->scale() > 4.0);

        // The form fills the window's height, with the buttons right beside it.
        const QSize area = m_window->centralWidget()->size();
        QVERIFY(canvas->height() <= area.height() && canvas->height() > area.height() - 8);
        QPushButton *quit = m_window->button(EditorCommand::Quit);
        QTRY_VERIFY(quit->x() > canvas->geometry().right() &&
                    quit->x() < canvas->geometry().right() + 8);
        // The control being typed in kept its text and follows its box, in a larger font.
        QCOMPARE(text()->text(), u"84"_s);
        QVERIFY(canvas->boxRect(lineSlot(1, NumeroTrain)).contains(text()->geometry()));
        // It covers the inside of the box and none of its lines, thicker at this scale.
        QImage form(canvas->size(), QImage::Format_RGB32);
        canvas->render(&form, {}, {}, QWidget::DrawWindowBackground);
        // Tight all the same: a line within two pixels of each edge.
        const QRect control = text()->geometry();
        const int middleY = control.center().y(), middleX = control.center().x();
        for (const auto &[inside, out] : {std::pair{QPoint(control.left(), middleY), QPoint(-1, 0)},
                                          {QPoint(control.right(), middleY), QPoint(1, 0)},
                                          {QPoint(middleX, control.top()), QPoint(0, -1)},
                                          {QPoint(middleX, control.bottom()), QPoint(0, 1)}}) {
            QCOMPARE(form.pixelColor(inside), FormPicture::BoxColour);
            QVERIFY(form.pixelColor(inside + out) == FormPicture::InkColour ||
                    form.pixelColor(inside + 2 * out) == FormPicture::InkColour);
        }
        QVERIFY(text()->font().pixelSize() > layoutFont * 1.4);
        click(lineSlot(5, HeureArr)); // a click far from the corner reaches its slot
        QCOMPARE(record().currentSlot(), lineSlot(5, HeureArr));
        QCOMPARE(m_window->datePicker()->geometry().topLeft(), canvas->boxRect(DateSlot).topLeft());

        // A window narrow for its height: the form leaves room for its buttons beside it, and
        // shows whole.
        m_window->resize(1100, 1080);
        QTRY_VERIFY(canvas->formSize().width() < 1100);
        QVERIFY(canvas->formSize().width() <= canvas->width());
        QVERIFY(canvas->geometry().right() < quit->x() &&
                quit->geometry().right() < m_window->centralWidget()->width());

        // A smaller window shrinks the form, down to six tenths of the layout's size.
        m_window->resize(400, 300);
        QTRY_COMPARE(canvas->scale(), canvas->layoutScale() * FormGeometry::MinimumFitShare);

        // Unticked from a form drawn larger than its layout: the screen is measured against the
        // layout's size, not against the fitted form. The form stays fitted, and says so, only
        // where the screen is smaller than the layout (window frame allowed for).
        m_window->resize(1920, 1080);
        QTRY_VERIFY(canvas->scale() > canvas->layoutScale());
        const qsizetype told = m_data->prompts.calls.size();
        m_window->action(EditorCommand::FitToWindow)->trigger();
        QCOMPARE(iniOption(u"Options"_s, u"AjusterFenetre"_s), u"0"_s);
        QVERIFY(!m_window->action(EditorCommand::FitToWindow)->isChecked());
        const QSize room = m_window->screen()->availableGeometry().size() - QSize(16, 40);
        const bool roomy =
            layoutWish.width() <= room.width() && layoutWish.height() <= room.height();
        if (roomy) {
            QVERIFY(!m_window->fitsToWindow() && m_data->prompts.calls.size() == told);
            QCOMPARE(text()->font().pixelSize(), layoutFont);
        } else {
            QVERIFY(m_window->fitsToWindow() && m_data->prompts.calls.size() == told + 1);
        }
        // Back at the layout's scale, the window takes the form's size again: no empty area
        // beside the form.
        m_window->resize(1500, 900);
        m_window->setFitToWindow(false);
        QTRY_COMPARE(m_window->size(), layoutWish);
    }

    // Unticked from a maximized window: the window is given back its normal state first, and
    // the form its layout's size only once the window system has said so. A Wayland compositor
    // cuts off a program whose maximized window changes size: the day typed was lost.
    void leavingTheFitWaitsForTheWindowToLeaveItsMaximizedState()
    {
        const QSize layoutWish = m_window->layoutSize();
        if (!fitsScreen(m_window, layoutWish)) QSKIP("this screen is too small for the layout");
        typeAt(lineSlot(1, NumeroTrain), u"4711"_s);
        QAction *fit = m_window->action(EditorCommand::FitToWindow);
        fit->trigger();
        QTRY_VERIFY(m_window->isMaximized());
        QTRY_VERIFY(m_window->width() > layoutWish.width());
        QTRY_VERIFY(m_window->canvas()->scale() > m_window->canvas()->layoutScale());

        int sizeChangedWhileMaximized = 0;
        struct Watch : QObject {
            EditorWindow *window;
            int *count;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Resize &&
                    (window->windowHandle()->windowStates() & Qt::WindowMaximized))
                    ++*count;
                return false;
            }
        } watch;
        watch.window = m_window;
        watch.count = &sizeChangedWhileMaximized;
        m_window->windowHandle()->installEventFilter(&watch);
        fit->trigger(); // unticked
        QVERIFY(!fit->isChecked());
        QVERIFY(m_window->fitsToWindow()); // until the window system answers
        QTRY_VERIFY(!m_window->fitsToWindow());
        QTRY_COMPARE(m_window->size(), layoutWish);
        QCOMPARE(sizeChangedWhileMaximized, 0);
        QCOMPARE(text()->text(), u"4711"_s);
        m_window->windowHandle()->removeEventFilter(&watch);
    }

    // Each layout's window fits the screen it is for. Every menu title stands on the bar,
    // "Quitter" included, in every layout; with fonts made larger (a screen at 120 dpi, a desktop
    // font of 16 or 18 points), the titles are drawn smaller to stay there.
    void everyMenuTitleFitsTheBar_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<double>("fontScale");
        QTest::addColumn<int>("points"); // the desktop's font, where it is set
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1024") << int(EditorLayout::Editor1024) << 1.0 << 0 << QSize(1024, 740);
        QTest::newRow("800") << int(EditorLayout::Editor800) << 1.0 << 0 << QSize(800, 580);
        QTest::newRow("large fonts")
            << int(EditorLayout::LargeFont) << 1.0 << 0 << QSize(1024, 740);
        QTest::newRow("large fonts at 120 dpi")
            << int(EditorLayout::LargeFont) << 1.25 << 0 << QSize();
        for (const int points : {16, 18}) {
            QTest::addRow("1024, desktop font of %d points", points)
                << int(EditorLayout::Editor1024) << 1.0 << points << QSize();
            QTest::addRow("large fonts, desktop font of %d points", points)
                << int(EditorLayout::LargeFont) << 1.0 << points << QSize();
        }
    }
    void everyMenuTitleFitsTheBar()
    {
        QFETCH(int, layout);
        QFETCH(double, fontScale);
        QFETCH(int, points);
        QFETCH(QSize, screen);
        const QFont appFont = QApplication::font();
        QFont larger = appFont;
        larger.setPointSizeF(points ? points : appFont.pointSizeF() * fontScale);
        QApplication::setFont(larger);
        EditorWindow window(*m_state, EditorLayout(layout));
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        if (screen.isValid())
            QVERIFY(window.sizeHint().width() <= screen.width() &&
                    window.sizeHint().height() <= screen.height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setFont(appFont);
        const QMenuBar *bar = window.menuBar();
        for (QAction *a : bar->actions()) {
            const QRect title = bar->actionGeometry(a);
            QVERIFY2(!title.isEmpty() && title.right() < bar->width(), qPrintable(a->text()));
        }
        window.closeForLayoutSwitch();
    }
};

KERBO_TEST(EditorLayoutTest)
#include "EditorLayoutTest.moc"
