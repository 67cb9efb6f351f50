#include "TestMain.h"

#include "../SessionFolder.h"
#include "RecordingPage.h"
#include "TestFiles.h"
#include "core/base/IniFile.h"
#include "core/print/PrinterFonts.h"
#include "ui/editor/EditorWindow.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/VersoCommands.h"
#include "ui/startup/CommandWiring.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtWidgets>

namespace {

const QByteArray StoredFont =
    "[PoliceImprimante]\r\nPoliceFontName=DejaVu Sans\r\n"
    "PoliceFontSize=9\r\nPoliceFontBold=False\r\nPoliceFontItalic=False\r\n";

// A program folder with its data folder and, when given, a Config.ini.
struct Folder : SessionFolder {
    explicit Folder(const QByteArray &configIni = {}) : SessionFolder(configIni)
    {
        state.record.setSlot(1, QStringLiteral("DUPONT"));
    }
    QString pdf() const { return dir.filePath(QStringLiteral("recto.pdf")); }
    // The four font keys of a side in Config.ini: name, size, bold, italic.
    QStringList fontKeys(bool verso = false) const
    {
        const IniFile ini(state.config.iniPath());
        const QString side = QLatin1String(verso ? "Verso" : "");
        QStringList values;
        for (const char *key : {"Name", "Size", "Bold", "Italic"})
            values << ini.value("PoliceImprimante" + side,
                                "PoliceFont" + QLatin1String(key) + side);
        return values;
    }
};

} // namespace

class PrintCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void editorPrintAsksThenCancelsOrPrints()
    {
        Folder f;
        PrintLayout factory;
        factory.DefautParaImp();
        factory.ParaImpX[1] = QStringLiteral("61");
        QVERIFY(SauveParametresImp(factory, f.state.config.dataFolder()));
        f.printer.choosePdfFile(f.pdf());
        EditorWindow editor(f.state, EditorLayout::Editor1024);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        wireCommands(editor, f.session);
        for (EditorCommand c :
             {EditorCommand::Print, EditorCommand::PrinterSetup, EditorCommand::ChoosePrinterFont})
            QVERIFY(editor.action(c)->isEnabled());
        // Prints from the editor with the driver's answers: the number of prompts it took.
        const auto print = [&](std::deque<Prompts::Answer> answers) {
            const qsizetype before = f.prompts.calls.size();
            f.prompts.answers = std::move(answers);
            editor.action(EditorCommand::Print)->trigger();
            return f.prompts.calls.size() - before;
        };
        QCOMPARE(print({}), 1);
        QCOMPARE(f.state.printLayout.ParaImpX[1], QStringLiteral("61")); // loaded before asking
        const FakePrompts::Call &q = f.prompts.last();
        QCOMPARE(q.kind, QStringLiteral("question"));
        QCOMPARE(q.title, QStringLiteral("Kerbo"));
        QCOMPARE(q.text, QStringLiteral(" IMPRIMER ?"));
        QCOMPARE(q.buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::Ok);
        QVERIFY(!QFile::exists(f.pdf()));

        f.state.printLayout.ParaImpX[1] = QStringLiteral("70");
        QCOMPARE(print({Prompts::Answer::Ok}), 1);
        QCOMPARE(f.state.printLayout.ParaImpX[1], QStringLiteral("70")); // not read again
        const QByteArray recto = bytesOf(f.pdf());
        QCOMPARE(recto.count("/Type /Page\n"), 1);

        // The next print (the verso, say) into the same file asks before replacing the page.
        QCOMPARE(print({Prompts::Answer::Ok, Prompts::Answer::No}), 2);
        QCOMPARE(f.prompts.last().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(f.prompts.last().defaultAnswer, Prompts::Answer::No);
        QVERIFY(f.prompts.last().text.startsWith("Le fichier " + f.pdf() + " contient déjà"));
        QCOMPARE(bytesOf(f.pdf()), recto);
        f.state.record.setSlot(1, QStringLiteral("MARTIN"));
        QCOMPARE(print({Prompts::Answer::Ok, Prompts::Answer::Yes}), 2);
        QVERIFY(bytesOf(f.pdf()) != recto);
        // A file chosen again starts afresh; one the plain-paper print wrote does not.
        f.printer.choosePdfFile(f.pdf());
        QCOMPARE(print({Prompts::Answer::Ok}), 1);
        QPrinter plainPaper;
        plainPaper.setOutputFormat(QPrinter::PdfFormat);
        plainPaper.setOutputFileName(f.pdf());
        f.printer.choosePdfFile(f.pdf());
        f.printer.printed(plainPaper);
        QCOMPARE(print({Prompts::Answer::Ok, Prompts::Answer::No}), 2);
        QCOMPARE(f.prompts.last().buttons, Prompts::Buttons::YesNo);
        // A page the driver has deleted since is no page to replace: " IMPRIMER ?" alone.
        QVERIFY(QFile::remove(f.pdf()));
        QCOMPARE(print({Prompts::Answer::Ok}), 1);
        QVERIFY(QFile::exists(f.pdf()));
    }

    // A PDF file chosen in "Configuration de l'impression" stays chosen: the dialog opens on it
    // again, cancelling keeps it, and confirming it starts it afresh (the dialog itself asked
    // about replacing it). Qt's dialog puts a printer in its place as it opens, or as the driver
    // goes over the list: seen only on a computer with printers; without any, the file is the
    // dialog's one choice.
    void fileChosenInTheDialogStaysChosen()
    {
        Folder f;
        f.state.printLayout.DefautParaImp();
        // Runs `act` on the dialog once it is open; Yes to Qt's own question, if it comes.
        using Act = std::function<void(QPrintDialog *, QComboBox *, QLineEdit *)>;
        const auto inDialog = [](Act act) {
            onNextModal<QPrintDialog>([act](QPrintDialog *dialog) {
                QTimer::singleShot(0, [] {
                    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                        box->button(QMessageBox::Yes)->click();
                });
                act(dialog, dialog->findChild<QComboBox *>(QStringLiteral("printers")),
                    dialog->findChild<QLineEdit *>(QStringLiteral("filename")));
            });
        };
        const auto toFile = [&f] {
            const QPrinter *printer = f.printer.printer();
            return printer && printer->outputFormat() == QPrinter::PdfFormat &&
                   printer->outputFileName() == f.pdf();
        };
        inDialog([&f](QPrintDialog *dialog, QComboBox *printers, QLineEdit *file) {
            printers->setCurrentIndex(printers->count() - 1);
            file->setText(f.pdf());
            dialog->accept();
        });
        QVERIFY(f.printer.setUp(nullptr, f.prompts));
        QVERIFY(toFile());
        f.prompts.answers = {Prompts::Answer::Ok};
        QVERIFY(PrintCommands::printRecto(f.session));
        QVERIFY(QFile::exists(f.pdf()));

        // Opened again, the driver goes over the list to the first printer, then cancels.
        bool openedOnTheFile = false;
        inDialog([&](QPrintDialog *dialog, QComboBox *printers, QLineEdit *file) {
            openedOnTheFile =
                printers->currentIndex() == printers->count() - 1 && file->text() == f.pdf();
            printers->setCurrentIndex(0);
            dialog->reject();
        });
        QVERIFY(!f.printer.setUp(nullptr, f.prompts));
        QVERIFY(openedOnTheFile);
        QVERIFY(toFile());

        inDialog([](QPrintDialog *dialog, QComboBox *, QLineEdit *) { dialog->accept(); });
        QVERIFY(f.printer.setUp(nullptr, f.prompts));
        QVERIFY(toFile());
        const qsizetype asked = f.prompts.calls.size();
        f.prompts.answers = {Prompts::Answer::Ok};
        QVERIFY(PrintCommands::printRecto(f.session));
        QCOMPARE(f.prompts.calls.size(), asked + 1); // " IMPRIMER ?" alone
    }

    // The one page printed leaves no choice of pages: Qt shows its page boxes with a print
    // server whatever the dialog's options say, and refused "1" in them, in English.
    void setUpOffersNoChoiceOfPages()
    {
        Folder f;
        QStringList shown;
        onNextModal<QPrintDialog>([&shown](QPrintDialog *dialog) {
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text().contains(u"Options")) button->click(); // the lower half
            for (const char *name : {"gbPrintRange", "pagesLineEdit", "pageSetCombo"})
                if (auto *box = dialog->findChild<QWidget *>(QLatin1String(name)))
                    if (box->isVisibleTo(dialog)) shown << QLatin1String(name);
            QVERIFY(dialog->findChild<QWidget *>(QStringLiteral("copies"))->isVisibleTo(dialog));
            dialog->reject();
        });
        QVERIFY(!f.printer.setUp(nullptr, f.prompts));
        QCOMPARE(shown, QStringList());
    }

    void withoutPrinterOnlyTheMessage()
    {
        if (PrinterChoice::anyPrinterInstalled())
            QSKIP("a printer is installed on this machine");
        Folder f;
        f.state.printLayout.DefautParaImp();
        f.prompts.answers.push_back(Prompts::Answer::Ok);
        QVERIFY(!PrintCommands::printRecto(f.session));
        QCOMPARE(f.prompts.calls.size(), 2);
        const FakePrompts::Call &m = f.prompts.last();
        QCOMPARE(m.kind, QStringLiteral("message"));
        QCOMPARE(m.title, QStringLiteral("Attention n'y a acune imprimante installée!!"));
        QCOMPARE(m.text, QStringLiteral("Pour que le programme fonctionne normalement \r\n"
                                        "il faut qu'une imprimante soit installée par défaut.\r\n"
                                        "\r\n"
                                        "Kerbo ne peut donc pas imprimer vos bulletins."));
        QCOMPARE(m.icon, Prompts::Icon::Exclamation);
        QVERIFY(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
    }

    // A PDF file that cannot be written (its folder gone with the USB key) is named, recto and
    // verso alike: the driver is not told that no printer is installed.
    void fileThatCannotBeWrittenIsNamed()
    {
        Folder f;
        f.state.printLayout.DefautParaImp();
        const QString absent = f.dir.filePath(QStringLiteral("cle/bulletin.pdf"));
        for (bool verso : {false, true}) {
            f.printer.choosePdfFile(absent);
            QVERIFY(!(verso ? SortieImpVerso(f.session) : SortieImpimante(f.session)));
            const FakePrompts::Call &m = f.prompts.last();
            QCOMPARE(m.title, QStringLiteral("Kerbo"));
            QCOMPARE(m.text, QStringLiteral("Le fichier %1 ne peut pas être écrit.\r\n"
                                            "Rien n'a été imprimé.\r\n"
                                            "Choisissez un autre fichier, ou une imprimante, par "
                                            "Reglages, Configuration de l'impression.")
                                 .arg(absent));
            QCOMPARE(m.icon, Prompts::Icon::Exclamation);
        }
    }

    // The font dialog opens on the style that has the stored weight and slant, obliques
    // included: its OK then gives back what was stored.
    void fontDialogOpensOnTheStoredStyle()
    {
        const QString family = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(family)) QSKIP("DejaVu Sans is not installed");
        for (const bool bold : {false, true})
            for (const bool italic : {false, true}) {
                QFont stored(family, 9);
                stored.setBold(bold);
                stored.setItalic(italic);
                const QString style = PrintCommands::withStyleName(stored).styleName();
                const QFont face = QFontDatabase::font(family, style, 9);
                QVERIFY2(!style.isEmpty() && (face.weight() >= QFont::Bold) == bold &&
                             (face.style() != QFont::StyleNormal) == italic,
                         qPrintable(style));
            }
        // A font that is not installed opens on the family that prints in its place, with the
        // stored weight and slant.
        QFont missing(QStringLiteral("Police Inexistante"), 9);
        missing.setBold(true);
        missing.setItalic(true);
        const QFont shown = PrintCommands::withStyleName(missing);
        QVERIFY(QFontDatabase::hasFamily(shown.family()));
        QCOMPARE(shown.family(), QFontInfo(missing).family());
        const QFont face = QFontDatabase::font(shown.family(), shown.styleName(), 9);
        QVERIFY(face.weight() >= QFont::Bold && face.style() != QFont::StyleNormal);
    }

    // At a desktop font of 18 points the font dialog opens large enough for its lists to show
    // several lines and for its captions to show whole, as far as the screen allows; Qt opens it
    // at 500x360 pixels whatever the font.
    void fontDialogOpensAtTheDesktopsFontSize()
    {
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
        QSize shown, needed;
        int sizeLines = 0;
        onNextModal<QFontDialog>([&](QFontDialog *dialog) {
            shown = dialog->size();
            // As far as the screen allows, its frame and title bar beside.
            needed = dialog->sizeHint().boundedTo(dialog->screen()->availableGeometry().size() -
                                                  QSize(16, 40));
            const auto lists = dialog->findChildren<QListView *>();
            if (!lists.isEmpty()) {
                const QListView *sizes = lists.last(); // the sizes, 6 to 72 points
                sizeLines = sizes->viewport()->height() / qMax(1, sizes->sizeHintForRow(0));
            }
            dialog->reject();
        });
        const std::optional<QFont> chosen =
            PrintCommands::fontDialog(nullptr)(QFont(QStringLiteral("DejaVu Sans"), 9));
        QApplication::setFont(desktop);
        QVERIFY(!chosen);
        QVERIFY2(shown.width() >= needed.width() && shown.height() >= needed.height(),
                 qPrintable(QStringLiteral("%1x%2 for %3x%4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(needed.width())
                                .arg(needed.height())));
        QVERIFY2(sizeLines >= 4, qPrintable(QString::number(sizeLines)));
    }

    void unsetFontSettingsAreCompletedFromThePrinter()
    {
        Folder f("[PoliceImprimante]\r\nPoliceFontName=Courier New\r\n");
        const QFont printed = PrinterFonts::rectoFontForPrinting(
            f.state.config, QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
        QVERIFY(printed.family() == u"Courier New" && printed.pointSize() == 11 && printed.bold());
        QCOMPARE(f.fontKeys(), QStringList({"Courier New", "11", "True", "False"}));
        QCOMPARE(f.fontKeys(true), QStringList({"", "", "", ""})); // a side of its own

        // A size of 0 is no size; and a complete recto does not spare the verso its check.
        Folder sizeless("[PoliceImprimante]\r\nPoliceFontName=Courier New\r\nPoliceFontSize=0\r\n"
                        "PoliceFontBold=True\r\nPoliceFontItalic=False\r\n");
        QCOMPARE(PrinterFonts::rectoFontForPrinting(sizeless.state.config,
                                                    QFont(QStringLiteral("DejaVu Sans"), 11))
                     .pointSize(),
                 11);
        QCOMPARE(sizeless.fontKeys(), QStringList({"Courier New", "11", "True", "False"}));
        // A printer font between two sizes is stored at the nearer whole size.
        Folder between("[PoliceImprimante]\r\nPoliceFontName=Courier New\r\n");
        QFont nearlyTen(QStringLiteral("DejaVu Sans"));
        nearlyTen.setPointSizeF(9.75);
        PrinterFonts::rectoFontForPrinting(between.state.config, nearlyTen);
        QCOMPARE(between.fontKeys().value(1), QStringLiteral("10"));
        Folder rectoOnly(StoredFont);
        PrinterFonts::checkAtStartUp(rectoOnly.state.config);
        const PrinterFont d = PrinterFonts::fromQFont(PrinterFonts::deviceDefaultFont());
        const QStringList device{d.name, QString::number(d.size), d.bold, d.italic};
        QCOMPARE(rectoOnly.fontKeys(), QStringList({"DejaVu Sans", "9", "False", "False"}));
        QCOMPARE(rectoOnly.fontKeys(true), device);
    }

    // The printer's own font is not the desktop's: today's desktop fonts (Noto Sans at 10
    // points, Cantarell at 11) are taller than the recto's boxes and sit low enough in their line
    // for their tails to cross the verso's row lines. The first print takes DejaVu Sans at 9
    // points, whatever the desktop's font, or the desktop's family brought down to fit.
    void printerFontIsNotTheDesktopsOwn()
    {
        const QFont desktop = QApplication::font();
        const bool dejaVu = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"));
        for (const int points : {16, 11, 9}) {
            QFont large = desktop;
            large.setPointSize(points);
            QApplication::setFont(large);
            const QFont device = PrinterFonts::deviceDefaultFont();
            QCOMPARE(device.family(), dejaVu ? QStringLiteral("DejaVu Sans") : large.family());
            QVERIFY(device.pointSize() <= PrinterFonts::DefaultPoints);
            if (dejaVu) QCOMPARE(device.pointSize(), 9);
            QVERIFY2(PrinterFonts::lineHeightMm(device) <= PrinterFonts::RectoHeightLimitMm,
                     qPrintable(QString::number(device.pointSize())));
            Folder fresh;
            PrinterFonts::checkAtStartUp(fresh.state.config);
            const QStringList stored{device.family(), QString::number(device.pointSize()),
                                     QStringLiteral("False"), QStringLiteral("False")};
            QCOMPARE(fresh.fontKeys(), stored);
            QCOMPARE(fresh.fontKeys(true), stored);
        }
        QApplication::setFont(desktop);
    }

    void rectoFontMustFitTheBoxes()
    {
        Folder f(StoredFont);
        RecordingPage measure; // a line is 1.2 em: 12 pt is 5.1 mm, 10 pt 4.2 mm
        QList<int> offered;
        std::deque<std::optional<QFont>> answers{
            QFont(QStringLiteral("DejaVu Serif"), 12, QFont::Bold), std::nullopt,
            QFont(QStringLiteral("DejaVu Serif"), 12, QFont::Bold),
            QFont(QStringLiteral("DejaVu Serif"), 10, QFont::Bold)};
        const auto dialog = [&](const QFont &initial) {
            offered << initial.pointSize();
            const std::optional<QFont> a = answers.front();
            answers.pop_front();
            return a;
        };
        // Refused, then cancelled: the stored font stays.
        QVERIFY(!PrinterFonts::Police_Recto(f.state.config, measure, f.prompts, dialog));
        QCOMPARE(f.state.config.rectoFont.size, 9);
        QCOMPARE(f.fontKeys()[1], QStringLiteral("9"));
        // Refused, then one that fits: saved.
        QVERIFY(PrinterFonts::Police_Recto(f.state.config, measure, f.prompts, dialog));
        QCOMPARE(offered, QList<int>({9, 12, 9, 12})); // reopened on the refused font
        QCOMPARE(f.prompts.calls.size(), 2);
        QCOMPARE(f.prompts.last().title,
                 QStringLiteral("ERREUR : TAILLE DES POLICES SUPERIEURES AU MAXIMUM DES BOITES "
                                "DE TEXTE "));
        QCOMPARE(f.prompts.last().text,
                 QStringLiteral("ATTENTION LA TAILLE DE CETTE POLICE EST SUPERIEURE A LA TAILLE "
                                "DES BOITES DE TEXTE VEUILLEZ CHOISIR UN POLICE AVEC UNE TAILLE "
                                "INFERIEURE S.V.P."));
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(f.fontKeys(), QStringList({"DejaVu Serif", "10", "True", "False"}));
        QCOMPARE(f.state.config.rectoFont.size, 10);
    }

    // The verso keys take the size as chosen: a half point is kept, a whole size has no decimals.
    void versoFontKeepsTheChosenSize()
    {
        Folder f(StoredFont);
        RecordingPage measure;
        for (const double points : {9.5, 10.0}) {
            QFont chosen(QStringLiteral("DejaVu Serif"));
            chosen.setPointSizeF(points);
            const auto dialog = [&](const QFont &) { return std::optional<QFont>(chosen); };
            QVERIFY(PrinterFonts::Police_Verso(f.state.config, 5, measure, f.prompts, dialog));
            QCOMPARE(f.fontKeys(true)[1], QString::number(points));
            // The next start reads the size in whole points, as the dialog took it.
            const int taken = f.state.config.versoFont.size;
            f.state.config.load();
            QCOMPARE(f.state.config.versoFont.size, taken);
        }
        QCOMPARE(f.fontKeys(true), QStringList({"DejaVu Serif", "10", "False", "False"}));
    }
};

KERBO_TEST(PrintCommandsTest)
#include "PrintCommandsTest.moc"
