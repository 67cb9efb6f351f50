#include "TestMain.h"

#include "../SessionFolder.h"
#include "FakeView.h"
#include "ui/calibration/frmParametresImp.h"
#include "ui/folders/FolderPane.h"
#include "ui/folders/frmGestionDossier.h"
#include "ui/folders/frmGestionFichier.h"
#include "ui/lists/frmGestListe.h"
#include "ui/options/frmOption.h"

#include <QtWidgets>

// The folder and file windows on a temporary home folder, driven through their widgets.
class FolderWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SessionFolder> m_data;
    QTemporaryDir m_home;

    QString home(const QString &relative = {}) const
    {
        return relative.isEmpty() ? m_home.path() : m_home.filePath(relative);
    }
    // Opens the folder of that name in a pane's folder list, from the keyboard.
    static void open(FolderPane *pane, const QString &name)
    {
        QListWidget *list = pane->folderList();
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->setCurrentItem(found.constFirst());
        QTest::keyClick(list, Qt::Key_Return);
    }
    // Moves a pane up to the root of its drive, from the keyboard.
    static void openRoot(FolderPane *pane)
    {
        pane->folderList()->setCurrentRow(0);
        QTest::keyClick(pane->folderList(), Qt::Key_Return);
    }
    // Offers a folder of the home folder as a drive in a pane's list and chooses it, as the
    // folder a key was mounted on stays behind, empty or not, once the key is pulled out.
    void chooseDrive(FolderPane *pane, const QString &relative) const
    {
        QComboBox *drives = pane->driveList();
        drives->addItem(relative, home(relative));
        emit drives->activated(drives->count() - 1);
    }
    // Copies in the file window: the number of files its target list shows behind the message
    // that ends the copy.
    int copyListingBehindTheMessage(frmGestionFichier &window) const
    {
        int listed = -1;
        m_data->prompts.onShown = [&] { listed = window.target()->fileList()->count(); };
        QTest::mouseClick(window.button(frmGestionFichier::Button::Copy), Qt::LeftButton);
        m_data->prompts.onShown = nullptr;
        return listed;
    }
    // Everything below the home folder, to see that a command wrote nothing.
    QStringList tree() const
    {
        QStringList all;
        QDirIterator it(home(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            all << it.next();
        all.sort();
        return all;
    }

    // What the driver reads on a window: its title, then the titles of its panes and the
    // captions of its labels, check boxes and buttons, in their order on the window. Labels
    // that show a path or a count are left out.
    static QStringList captions(const QWidget &window)
    {
        QStringList texts{window.windowTitle()};
        for (const QWidget *w : window.findChildren<QWidget *>()) {
            if (const auto *box = qobject_cast<const QGroupBox *>(w))
                texts << box->title();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                texts << button->text();
            else if (const auto *label = qobject_cast<const QLabel *>(w);
                     label && !label->text().isEmpty() && !label->text().startsWith(u'/') &&
                     !label->text().at(0).isDigit())
                texts << label->text();
        }
        return texts;
    }

private slots:
    void init()
    {
        QDir(home()).removeRecursively();
        QDir().mkpath(home());
        qputenv("HOME", home().toLocal8Bit());
        for (const char *f : {"R1/1.txt", "R1/2.txt", "R1/3.txt", "R1/notes.doc", "R2/2.txt"}) {
            QDir().mkpath(QFileInfo(home(f)).path());
            TextFile::writeLines(home(f), {f});
        }
        m_data = std::make_unique<SessionFolder>();
    }

    // Run again on a small screen (a 1366x768 laptop at 150 %, the same number of points):
    // every button in sight, the title bar and the borders allowed for.
    void windowsFitTheScreen()
    {
        // A drive whose name is long (a key mounted under /media/<user>/<its name>, a long home
        // folder) does not make the windows wider.
        const QString longHome =
            home(QStringLiteral("jean-baptiste.dupont/SAUVEGARDE DEPOT RENNES"));
        QDir().mkpath(longHome);
        qputenv("HOME", longHome.toLocal8Bit());
        FakeView view;
        frmGestionFichier files(m_data->session);
        frmGestionDossier folders(m_data->session, view);
        frmParametresImp layouts(m_data->session, frmParametresImp::Mode::Export);
        for (QWidget *window : QList<QWidget *>{&files, &folders, &layouts}) {
            window->show();
            const QRect room = window->screen()->availableGeometry();
            QVERIFY2(window->width() + 16 <= room.width() && window->height() + 40 <= room.height(),
                     qPrintable(window->windowTitle()));
            for (const QPushButton *button : window->findChildren<QPushButton *>())
                QVERIFY(window->rect().contains(button->geometry()));
        }
    }

    void fileWindowCountersFollowTheSelection()
    {
        frmGestionFichier window(m_data->session);
        window.show();
        QCOMPARE(window.source()->folder(), home());
        open(window.source(), "R1");
        open(window.target(), "R2");
        QListWidget *files = window.source()->fileList();
        QCOMPARE(files->count(), 3); // 1.txt 2.txt 3.txt, not notes.doc

        clickItem(files, 0);
        QTest::keyClick(files, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(window.selectionCount()->text(), "2");
        QTest::mouseClick(window.button(frmGestionFichier::Button::SelectAll), Qt::LeftButton);
        QCOMPARE(window.selectionCount()->text(), "3");

        // 2.txt is already in R2: 1.txt is copied, then the copy stops.
        QTest::mouseClick(window.button(frmGestionFichier::Button::Copy), Qt::LeftButton);
        QCOMPARE(m_data->prompts.titles(), QStringList{"Erreur"});
        QCOMPARE(m_data->prompts.last().text,
                 "Les fichiers de destination existent déjà ! Les fichiers  "
                 "ne seront pas copiés pour des raisons de sécurité !");
        QCOMPARE(window.copiedCount()->text(), " 1");
        QCOMPARE(window.target()->fileList()->count(), 2);
        QCOMPARE(TextFile::readLines(home("R2/2.txt")).lines, QStringList{"R2/2.txt"});
        // A copy stopped after some files shows them all behind its message.
        QVERIFY(QDir(home()).mkdir("R4"));
        QVERIFY(QFile::copy(home("R1/3.txt"), home("R4/3.txt")));
        openRoot(window.target()); // up to the home folder
        open(window.target(), "R4");
        QCOMPARE(copyListingBehindTheMessage(window), 3);
        QCOMPARE(window.copiedCount()->text(), " 2");
        openRoot(window.target());
        open(window.target(), "R2");
        // The counter is the current copy's: one stopped at its first file copied nothing.
        files->clearSelection();
        files->item(1)->setSelected(true);
        QTest::mouseClick(window.button(frmGestionFichier::Button::Copy), Qt::LeftButton);
        QCOMPARE(window.copiedCount()->text(), "0");

        QTest::mouseClick(window.button(frmGestionFichier::Button::Delete), Qt::LeftButton);
        QVERIFY(m_data->prompts.last().text.startsWith("Désirez-vous"));
        QCOMPARE(window.selectionCount()->text(), "0"); // "No" clears the selection
        QCOMPARE(files->count(), 3);

        files->item(2)->setSelected(true);
        m_data->prompts.answers = {Prompts::Answer::Yes};
        QTest::mouseClick(window.button(frmGestionFichier::Button::Delete), Qt::LeftButton);
        QCOMPARE(files->count(), 2);
        QVERIFY(!QFile::exists(home("R1/3.txt")));
        QCOMPARE(window.copiedCount()->text(), "0");

        QTest::mouseClick(window.button(frmGestionFichier::Button::Info), Qt::LeftButton);
        QCOMPARE(m_data->prompts.last().title, "Information");
        QCOMPARE(m_data->prompts.last().text.split("\r\n").size(), 15);

        // Another folder's files come unselected, and the counter says so.
        QTest::mouseClick(window.button(frmGestionFichier::Button::SelectAll), Qt::LeftButton);
        QCOMPARE(window.selectionCount()->text(), "2");
        openRoot(window.source());
        QCOMPARE(window.selectionCount()->text(), "0");
    }

    // Files added or deleted in another program show once the driver comes back to the window,
    // those still there still selected. A folder gone while the window stayed in front (a sync)
    // is refused to a copy or a delete with a word to the driver: a delete there did nothing
    // and said nothing.
    void fileWindowFollowsTheDisk()
    {
        frmGestionFichier window(m_data->session);
        QWidget elsewhere;
        QVERIFY(bringToFront(window));
        open(window.source(), "R1");
        open(window.target(), "R2");
        QListWidget *files = window.source()->fileList();
        files->item(0)->setSelected(true);
        files->item(2)->setSelected(true);
        QVERIFY(bringToFront(elsewhere));
        QVERIFY(QFile::remove(home("R1/1.txt")));
        TextFile::writeLines(home("R1/4.txt"), {"4"});
        TextFile::writeLines(home("R2/5.txt"), {"5"});
        QVERIFY(bringToFront(window));
        QCOMPARE(files->count(), 3);
        QCOMPARE(files->item(2)->text(), "4.txt");
        QCOMPARE(window.source()->selectedFiles(), QStringList{"3.txt"});
        QCOMPARE(window.selectionCount()->text(), "1");
        QCOMPARE(window.target()->fileList()->count(), 2);

        QVERIFY(QDir(home()).rename("R2", "R2 ancien"));
        QTest::mouseClick(window.button(frmGestionFichier::Button::Copy), Qt::LeftButton);
        QCOMPARE(m_data->prompts.titles(), QStringList{"Kerbo"});
        QCOMPARE(m_data->prompts.last().text,
                 "Le dossier " + home("R2") +
                     " n'existe plus : il a été supprimé ou renommé, ou la clé qui le contient a "
                     "été retirée.\r\nRien n'a été fait. Choisissez de nouveau le dossier.");
        QCOMPARE(window.target()->folder(), home());
        QCOMPARE(window.source()->selectedFiles(), QStringList{"3.txt"});
        QVERIFY(QDir(home()).rename("R1", "R1 ancien"));
        m_data->prompts.answers = {Prompts::Answer::Yes};
        QTest::mouseClick(window.button(frmGestionFichier::Button::Delete), Qt::LeftButton);
        QCOMPARE(m_data->prompts.titles(), (QStringList{"Kerbo", "Kerbo"}));
        QVERIFY(QFile::exists(home("R1 ancien/3.txt")));
        QCOMPARE(window.source()->folder(), home());
    }

    void fileCopyShowsItsProgress()
    {
        QVERIFY(QDir(home()).mkdir("R3"));
        frmGestionFichier window(m_data->session);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        open(window.source(), "R1");
        open(window.target(), "R3");
        QTest::mouseClick(window.button(frmGestionFichier::Button::SelectAll), Qt::LeftButton);

        // What the driver sees of the counter and of the target list while the files are
        // copied: the list's names, drawn dark on its light ground.
        struct Painted : QObject {
            QWidget *targetList = nullptr;
            QStringList texts;
            bool namesShown = false;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() != QEvent::Paint) return false;
                texts << static_cast<QLabel *>(watched)->text();
                const QImage list = targetList->grab().toImage();
                for (int y = 0; y < list.height() && !namesShown; ++y)
                    for (int x = 0; x < list.width() && !namesShown; ++x)
                        namesShown = qGray(list.pixel(x, y)) < 100;
                return false;
            }
        } painted;
        painted.targetList = window.target()->fileList()->viewport();
        window.copiedCount()->installEventFilter(&painted);
        // Behind the closing message, the target list already shows every file copied.
        QCOMPARE(copyListingBehindTheMessage(window), 3);
        QCOMPARE(m_data->prompts.last().text, "Les fichiers ont été correctement copiés !");
        QVERIFY2(painted.texts.contains(" 1"), qPrintable(painted.texts.join('|')));
        QVERIFY(painted.namesShown);
        QCOMPARE(window.target()->fileList()->count(), 3);
    }

    void rosterFolderListWindow()
    {
        FakeView view;
        frmGestionDossier folders(m_data->session, view);
        QCOMPARE(folders.source()->pathLabel()->text(), home()); // opens on the home drive
        QCOMPARE(folders.target()->folder(), home());

        const QString current = home("R2/JOUR, 1/");
        TextFile::writeLines(m_data->dataFile("ListeDossier.txt"), {home("R1/"), current});
        m_data->state.config.hdGenerique = current;
        frmGestListe list(m_data->session, view);
        QVERIFY(list.button(frmGestListe::Button::Add)->isHidden());
        QCOMPARE(list.list()->item(1)->text(), current); // never split at its comma
        QTest::keyClicks(list.itemBox(), "x");
        QCOMPARE(list.itemBox()->text(), "x");           // paths keep their case
        QTest::keyClick(list.itemBox(), Qt::Key_Return); // this window adds nothing
        QCOMPARE(list.list()->count(), 2);
        QCOMPARE(m_data->read("ListeDossier.txt"),
                 (home("R1/") + "\r\n" + current + "\r\n").toLatin1());
        clickItem(list.list(), 1);
        QTest::mouseClick(list.button(frmGestListe::Button::Remove), Qt::LeftButton);
        QCOMPARE(list.list()->count(), 1);
        QCOMPARE(view.calls, (QStringList{"roster:", "reload"}));

        // Back from the list window, both panes are on the home folder again.
        open(folders.source(), "R1");
        open(folders.target(), "R2");
        QTimer::singleShot(0, [] {
            if (auto *opened = qobject_cast<frmGestListe *>(QApplication::activeModalWidget()))
                opened->reject();
        });
        QTest::mouseClick(folders.button(frmGestionDossier::Button::RemoveFromList),
                          Qt::LeftButton);
        QCOMPARE(folders.source()->folder(), home());
        QCOMPARE(folders.target()->folder(), home());

        // A folder made in another program shows once the driver comes back to the window.
        QWidget elsewhere;
        QVERIFY(bringToFront(folders));
        QVERIFY(QDir(home()).mkdir("R9"));
        QVERIFY(bringToFront(elsewhere));
        QVERIFY(bringToFront(folders));
        for (FolderPane *pane : {folders.source(), folders.target()})
            QCOMPARE(pane->folderList()->findItems("R9", Qt::MatchExactly).size(), 1);
    }

    // Roster folders kept side by side differ at the end of their paths: the removal list is
    // wide enough to show them whole.
    void rosterFolderListShowsWholePaths()
    {
        FakeView view;
        QStringList folders;
        for (const char *season : {"ETE 2025", "HIVER 2025", "ETE 2026"})
            folders << home(QStringLiteral("ROULEMENTS/ROULEMENT 412 DE PARIS ST LAZARE %1/")
                                .arg(QLatin1String(season)));
        TextFile::writeLines(m_data->dataFile("ListeDossier.txt"), folders);
        frmGestListe list(m_data->session, view);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.list()->sizeHintForColumn(0) <= list.list()->viewport()->width());
    }

    void driveThatCannotBeReadIsIgnored_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("absent") << false;
        QTest::newRow("unreadable") << true;
    }
    // Choosing a drive that cannot be listed leaves the pane on the drive and folder it was on.
    void driveThatCannotBeReadIsIgnored()
    {
        QFETCH(bool, locked);
        if (locked) {
            QVERIFY(QDir(home()).mkdir("LOCKED"));
            QVERIFY(QFile::setPermissions(home("LOCKED"), QFile::WriteOwner | QFile::ExeOwner));
            if (QDir(home("LOCKED")).isReadable()) QSKIP("root reads every folder");
        }
        frmGestionFichier window(m_data->session);
        open(window.source(), "R1");
        chooseDrive(window.source(), locked ? "LOCKED" : "absent");
        if (locked)
            QFile::setPermissions(home("LOCKED"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(window.source()->drive(), home());
        QCOMPARE(window.source()->folder(), home("R1"));
        QCOMPARE(window.source()->driveList()->currentData().toString(), home());
        QCOMPARE(window.source()->fileList()->count(), 3);
    }

    // The commands of the folder window act on the source pane's folder; a copy goes into the
    // target pane's folder.
    void folderCommandsTakeTheSourcePane()
    {
        QVERIFY(QDir(home()).mkdir("R3"));
        const QStringList r1 = QDir(home("R1")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        FakeView view;
        frmGestionDossier folders(m_data->session, view);
        // The highlighted folder and the path label follow the pane's current folder.
        QCOMPARE(folders.source()->folderList()->currentRow(), 0); // the drive root, above R1
        open(folders.source(), "R1");
        QCOMPARE(folders.source()->folderList()->currentItem()->text(), "R1");
        QCOMPARE(folders.source()->pathLabel()->text(), home("R1"));
        QCOMPARE(folders.target()->pathLabel()->text(), home()); // the other pane stays put
        openRoot(folders.source());
        QCOMPARE(folders.source()->folderList()->currentRow(), 0);
        QCOMPARE(folders.source()->pathLabel()->text(), home());
        open(folders.source(), "R1");
        open(folders.target(), "R3");

        QTest::mouseClick(folders.button(frmGestionDossier::Button::SaveCopy), Qt::LeftButton);
        QCOMPARE(m_data->prompts.last().text,
                 "LE DOSSIER " + home("R1") + " EST SAUVEGARDER DANS " + home("R3"));
        QCOMPARE(QDir(home("R3/CopieR1")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), r1);
        QCOMPARE(QDir(home("R1")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), r1);

        QTest::mouseClick(folders.button(frmGestionDossier::Button::ChooseArchive), Qt::LeftButton);
        QCOMPARE(m_data->state.config.hdArchive, home("R1/"));

        // The renamed folder stays the source; the target pane does not move.
        open(folders.source(), "R1");
        open(folders.target(), "R3");
        m_data->prompts.inputs.push_back("R5");
        QTest::mouseClick(folders.button(frmGestionDossier::Button::Rename), Qt::LeftButton);
        QCOMPARE(m_data->prompts.last().text, "Le dossier a été renommé comme R5");
        QCOMPARE(folders.source()->folder(), home("R5"));
        QCOMPARE(folders.source()->pathLabel()->text(), home("R5"));
        QCOMPARE(folders.target()->folder(), home("R3"));
    }

    void commandOnAGoneDriveDoesNothing_data()
    {
        QTest::addColumn<bool>("fileWindow");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("goneIsSource");
        const int create = int(frmGestionDossier::Button::Create);
        const int saveCopy = int(frmGestionDossier::Button::SaveCopy);
        const int copy = int(frmGestionFichier::Button::Copy);
        QTest::newRow("create, source gone") << false << create << true;
        QTest::newRow("save copy, source gone") << false << saveCopy << true;
        QTest::newRow("save copy, target gone") << false << saveCopy << false;
        QTest::newRow("file copy, source gone") << true << copy << true;
        QTest::newRow("file copy, target gone") << true << copy << false;
    }
    // A key pulled out leaves its mount folder on the computer's own disk: a command on it is
    // refused with a word to the driver, writes nothing there nor anywhere else, and the pane
    // that was on the key goes back to the home folder.
    void commandOnAGoneDriveDoesNothing()
    {
        QFETCH(bool, fileWindow);
        QFETCH(int, button);
        QFETCH(bool, goneIsSource);
        for (const char *f : {"KEY/R1/1.txt", "KEY/R1/2.txt"}) {
            QDir().mkpath(QFileInfo(home(f)).path());
            TextFile::writeLines(home(f), {f});
        }
        QVERIFY(QDir(home()).mkdir("R3"));
        FakeView view;
        frmGestionFichier files(m_data->session);
        frmGestionDossier folders(m_data->session, view);
        FolderPane *source = fileWindow ? files.source() : folders.source();
        FolderPane *target = fileWindow ? files.target() : folders.target();
        if (goneIsSource) chooseDrive(source, "KEY");
        QCOMPARE(source->drive(), goneIsSource ? home("KEY") : home());
        open(source, "R1");
        open(target, goneIsSource ? "R3" : "KEY");
        if (!goneIsSource) chooseDrive(target, "KEY");
        if (fileWindow) source->fileList()->selectAll();
        FolderPane *gone = goneIsSource ? source : target;
        FolderPane *kept = goneIsSource ? target : source;
        const QString keptFolder = kept->folder();
        const QStringList before = tree();

        m_data->prompts.inputs.push_back("NEW");
        if (fileWindow)
            QTest::mouseClick(files.button(frmGestionFichier::Button(button)), Qt::LeftButton);
        else
            QTest::mouseClick(folders.button(frmGestionDossier::Button(button)), Qt::LeftButton);
        QCOMPARE(m_data->prompts.titles(), QStringList{"Kerbo"});
        QCOMPARE(m_data->prompts.last().text,
                 "Le lecteur " + home("KEY") +
                     " n'est plus là : il a sans doute été retiré.\r\nRien n'a été fait. "
                     "Choisissez de nouveau le lecteur et le dossier.");
        QCOMPARE(tree(), before);
        QCOMPARE(gone->drive(), home());
        QCOMPARE(gone->folder(), home());
        QCOMPARE(kept->folder(), keptFolder);
    }

    // Every caption of the folder, file and options windows and both "&Info" texts, as the
    // driver reads them, odd spacings and spellings included.
    void windowTextsAsTheDriverReadsThem()
    {
        FakeView view;
        frmGestionDossier folders(m_data->session, view);
        QCOMPARE(
            captions(folders),
            QStringList(
                {"GESTION DES DOSSIERS ", "POUR SELECTIONNER UN DOSSIER DOUBLE-CLIQUEZ SON ICONE",
                 "Source :", "Lecteur source :", "Répertoire source :", "Chemin Source:", "Cible :",
                 "Lecteur cible :", "Répertoire cible :", "Chemin Cible:", "Créer un  dossier ",
                 "Renommer un  dossier", "Sauvegarder un  dossier",
                 "Choisir ce dossier comme dossier Générique",
                 "Choisir ce dossier comme dossier Archive",
                 "Enlever un dossier dans la liste roulement", "&Info", "Quitter"}));
        QTest::mouseClick(folders.button(frmGestionDossier::Button::Info), Qt::LeftButton);
        QCOMPARE(m_data->prompts.last().text.split("\r\n"),
                 QStringList(
                     {"Ce programme permet de créer , sauvegarder ou renommer ",
                      "un dossier sur le lecteur de votre choix . ",
                      "La sélection d'un dossier ne peut se faire que sur le répertoire source.",
                      "Pour faire une sélection double-cliquez avec le bouton gauche de la souris ",
                      "sur le dossier de votre choix dans le répertoire source.",
                      "Assurez-vous alors que l'icône de ce dossier représente bien un dossier "
                      "ouvert.",
                      "Pour sauvegarder un dossier il faut le sélectionner sur répertoire source ",
                      "et ensuite créer le chemin sur le répertoire cible.",
                      "Le dossier sera sauvegardé avec le préfixe \"Copie\"ajouter au nom du "
                      "dossier ",
                      "pour éviter un doublon sur un même disque et un blocage du système.",
                      "Ce nom peut être modifier à condition qu'il soit différent du dossier "
                      "source.",
                      "Vous avez aussi la possibilité de supprimer un dossier sur la liste des "
                      "roulements de l'éditeur.",
                      "NOTA : Supprimer un dossier dans la liste des roulements ne supprime pas "
                      "réellement le dossier,",
                      "pour supprimer réellement un dossier il faut le faire par l'explorateur "
                      "Window's."}));

        frmGestionFichier files(m_data->session);
        QCOMPARE(captions(files),
                 QStringList({"GESTION DES FICHIERS", "Source :", "Lecteur source :",
                              "Répertoire source :", "Fichiers source :", "Cible :",
                              "Lecteur cible :", "Répertoire cible :", "Fichiers cible :",
                              "Sélection :", "Copié(s) :", "&Selection de  tous les fichiers",
                              "&Copier", "S&upprimer", "&Info", "&Quitter"}));
        QTest::mouseClick(files.button(frmGestionFichier::Button::Info), Qt::LeftButton);
        QCOMPARE(
            m_data->prompts.last().text.split("\r\n"),
            QStringList(
                {"Ce programme permet de copier un ou plusieurs fichiers d'un dossier ",
                 "vers un autre dossier sur le lecteur de votre choix ainsi que la ",
                 "suppression des fichiers selectionnés .",
                 "La selection des fichiers ne peut se faire que sur le lecteur souce.",
                 "Pour faire une selection cliquez avec le bouton gauche de la souris ",
                 "sur le ou les fichiers de votre choix dans la fenêtre \"Fichiers source\" .",
                 "Pour faire plusieurs selections appuyez et maintenez la touche controle (CTRL)  ",
                 "et cliquez avec le bouton gauche de la souris sur les fichiers à selectionner.",
                 "Pour  selectionner tous les fichiers d'un coup cliquez sur le bouton "
                 "\"Selection de ",
                 "tous les fichiers\" . ",
                 "Pour faire une copie (aprés la selection) il faut créer le chemin en cliquant",
                 "avec le bouton gauche de la souris sur le lecteur cible et ensuite en  ",
                 "double-cliquant sur le dossier de votre choix dans le répertoire cible.",
                 "Assurez-vous alors que l'icône du dossier selectionné représente bien un",
                 "dossier ouvert."}));

        // The check box of LOC has its caption beside it, in a label of its own.
        frmOption options(m_data->session);
        QCOMPARE(
            captions(options),
            QStringList({"OPTIONS DE L'EDITEUR", " CLIQUER OU MODIFIER L'OPTION DE VOTRE CHOIX",
                         "  Entrée automatique des gares", "  Entrée automatique des engins",
                         "  Ne pas imprimer le cadre B1", "  Ne pas imprimer le cadre B2",
                         "  Editeur en mode automotrice (ou autorail)",
                         " Inscrire l'Emt des automotrices",
                         " Inscrire le nombre de véhicule  par automotrice",
                         " Inscrire la letrre ( ou chiffre ) des automotrices",
                         " Inscrire l'indice de composition",
                         "  Calendrier au chargement d'une journée générique",
                         "Faire précéder les numeros de train du nombre", "",
                         " Tous les parcours EV transformés en LOC                         "
                         "(Si  prévu par des accords locaux )                              ",
                         "Valider"}));
    }
};

KERBO_TEST(FolderWindowsTest)
#include "FolderWindowsTest.moc"
