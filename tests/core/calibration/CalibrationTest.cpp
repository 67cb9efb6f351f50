#include "TestMain.h"

#include "FakePrompts.h"
#include "FakeView.h"
#include "FileSizeLimit.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "core/base/Drives.h"
#include "core/base/TextFile.h"
#include "core/calibration/Calibration.h"
#include "core/calibration/ChooserFrames.h"
#include "core/calibration/PrintParamsTransfer.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"
#include "core/startup/EditorStage.h"

#include <set>

namespace {

PrintLayout factoryLayout()
{
    PrintLayout layout;
    layout.DefautParaImp();
    layout.DefautParaImpVerso();
    return layout;
}

const QString FileName = QStringLiteral("ParametresImp.txt");
const QString CharPitch = QStringLiteral("REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES");
const QString LineSpacing = QStringLiteral("REGLAGE PRECIS DE L'ESPACE ENTRE LES LIGNES");
const QString LineLength = QStringLiteral("LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN");

using Outcome = PrintParamsTransfer::Outcome;

// The factory layout file with item 1 at `nomX`.
QByteArray layoutBytes(const char *nomX)
{
    PrintLayout layout = factoryLayout();
    layout.ParaImpX[1] = QString::fromLatin1(nomX);
    return TextFile::joinLines(PrintLayoutFile::lines(layout));
}

// A data folder holding a layout file whose item 1 is at 60 mm, loaded; a disk to copy to.
struct Transfer {
    TempDataFolder data;
    QTemporaryDir disk;
    FakePrompts prompts;
    PrintLayout &layout = data.state.printLayout;

    Transfer()
    {
        data.write(FileName, layoutBytes("60"));
        ChargeParaImp(layout, data.dataFolder());
    }
    QString copy() const { return disk.filePath(FileName); }
    Outcome exportTo()
    {
        return PrintParamsTransfer::exportTo(data.dataFolder(), disk.path(), prompts);
    }
    Outcome importFrom()
    {
        return PrintParamsTransfer::importFrom(disk.path(), data.dataFolder(), layout, prompts);
    }
};

const QString ImportFailure = QStringLiteral(
    "IMPOSSIBILITE D'IMPORTER LES PARAMETRES. LE FICHIER DE SAUVEGARDE EST INTROUVABLE OU "
    "DIFFERRENT  OU IL N'Y A PAS DE DISQUETTE DANS LE LECTEUR. PROCESSUS INTERROMPU !! ");

} // namespace

// The calibration windows' rules, and the export and import of the layout file.
class CalibrationTest : public QObject
{
    Q_OBJECT
private slots:
    void windowValuesAreTenthsOfTheLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *name, const char *layout, const char *shown,
                            const char *typed, int slider, const char *stored) {
            QTest::newRow(name) << QString(layout) << QString(shown) << QString(typed) << slider
                                << QString(stored);
        };
        row("whole mm", "63", "630", "630", 630, "63");
        row("tenths", "107.9", "1079", "125", 125, "12.5");
        row("below one", ".5", "5", "5", 5, ".5");
        row("negative", "-.5", "-5", "-5", -5, "-.5");
        row("hundredths cut", "12.35", "123.5", "123.9", 123, "12.3");
        row("hundredths shown without noise", "1.13", "11.3", "113", 113, "11.3");
        row("empty and letters", "", "0", "abc", 0, "0");
        row("blanks and trailing text", " 6.5 ", "65", " 42mm", 42, "4.2");
    }
    void windowValuesAreTenthsOfTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, typed);
        QFETCH(int, slider);
        QTEST(Calibration::tenthsText(layout), "shown");
        QCOMPARE(Calibration::sliderValue(typed), slider);
        PrintLayout l;
        Calibration::store(l, 1, slider, 0);
        QTEST(l.ParaImpX[1], "stored");
    }

    // The windows find their item by the title they show, spelt as the driver has always read
    // it: odd spellings and double blanks are part of the key.
    void titlesSpeltAsShownFindTheirItem()
    {
        const std::pair<const char16_t *, int> titles[] = {
            {u"REGLAGE GENERALE DE L'ENSEMBLE DES CADRES", 0},
            {u"REGLAGE PRECIS DU AUTRE AGENT", 43},
            {u"REGLAGE PRECIS DU CADRE DE L'ENGIN MOTEUR UM1", 50},
            {u"REGLAGE PRECIS EN D DU CADRE  TXTE (2)et (3)", 74},
            {u"REGLAGE PRECIS EN D DU CADRE  N° DE L'ENGIN", 76},
            {u"REGLAGE PRECIS EN D DU CADRE  CADRE GARES", 77},
            {u"REGLAGE PRECIS EN E DU CADRE  N° DU TRAIN", 81},
            {u"REGLAGE PRECIS EN H DU CADRE UP,RESIDENCE", 91},
            {u"REGLAGE PRECIS EN L DU CADRE  N°CIRCULATION", 97},
            {u"REGLAGE PRECIS EN L DU CADRE TEPMS PERDU", 101},
            {u"REGLAGE PRECIS DE L'ESPACE ENTRE LES LIGNES", 90}};
        for (const auto &[title, item] : titles)
            QVERIFY2(PrintItems::itemByTitle(QStringView(title)) == item,
                     qPrintable(QString::fromUtf16(title)));
    }

    // What each window lets through, as its labels say: a frame from 0 to 2970 across and to
    // 2100 down, the general shift from -1900 to +1900 across and from -50 to +1900 down, the
    // centring 50 either way.
    void typedValuesAreHeldToTheWindowsRanges()
    {
        using Calibration::Window;
        const struct {
            Window window;
            const char *typed;
            int x, y;
        } cases[] = {
            {Window::FramePosition, "3000", 2970, 2100},
            {Window::FramePosition, "-5", 0, 0},
            {Window::FramePosition, "2050", 2050, 2050},
            {Window::Shift, "2000", 1900, 1900},
            {Window::Shift, "-60", -60, -50},
            {Window::Shift, "-2000", -1900, -50},
            {Window::Centring, "60", 50, 50},
            {Window::Centring, "-60", -50, -50},
        };
        for (const auto &c : cases) {
            const Calibration::Bounds b = Calibration::bounds(c.window);
            const int typed = Calibration::sliderValue(QString::fromLatin1(c.typed));
            QCOMPARE(b.x.clamp(typed), c.x);
            QCOMPARE(b.y.clamp(typed), c.y);
        }
    }

    // Item -90 stands for the X of item 90, the line length.
    void spacingIsStoredByTitleThenTheLineLengthChecked_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        const QString high = QStringLiteral("VALEUR SUPERIEURE A 110 RECOMMANCEZ SVP");
        const QString low = QStringLiteral("VALEUR INFERIEURE A 20 RECOMMANCEZ SVP");
        const QString notANumber = QStringLiteral("LA VALEUR ENTREE N'EST PAS UN NOMBRE.");
        const auto row = [](const char *name, const QString &title, const char *length,
                            const char *typed, int item, const char *stored, const QString &m) {
            QTest::newRow(name) << title << QString::fromLatin1(length)
                                << QString::fromLatin1(typed) << item << QString::fromLatin1(stored)
                                << m;
        };
        row("B2 rows, blanks",
            QStringLiteral("REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES B2"), "110", " 5.8 ",
            54, "5.8", {});
        row("no zero before the comma", CharPitch, "110", ",5", 53, ".5", {});
        row("train lines, below one",
            QStringLiteral("REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES C"), "110", "0,5", 55,
            "0.5", {});
        row("kept as typed", CharPitch, "110", "4,30", 53, "4.30", {});
        row("a number and more", CharPitch, "110", " 4,35 mm", 53, "4.35", {});
        row("verso lines", LineSpacing, "110", "4", 90, "4", {});
        row("length 15 stays stored", LineLength, "110", "15", -90, "15", low);
        row("length 111", LineLength, "110", "111", -90, "111", high);
        row("length 20", LineLength, "110", "20", -90, "20", {});
        row("length 110,0", LineLength, "50", "110,0", -90, "110.0", {});
        // The line length is checked whatever the window.
        row("pitch with a bad length", CharPitch, "150", "4.3", 53, "4.3", high);
        row("not a number", CharPitch, "110", "abc", 53, "4.3", notANumber);
        row("empty", LineSpacing, "110", "", 90, "4", notANumber);
    }
    void spacingIsStoredByTitleThenTheLineLengthChecked()
    {
        QFETCH(QString, title);
        QFETCH(QString, length);
        QFETCH(QString, typed);
        QFETCH(int, item);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        PrintLayout layout = factoryLayout();
        layout.ParaImpX[90] = length;
        const PrintLayout before = layout;
        FakePrompts prompts;
        Calibration::reportSpacing(prompts, Calibration::storeSpacing(layout, title, typed));
        QCOMPARE(prompts.calls.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(prompts.last().text.section(u'\r', 0, 0), message);
            QCOMPARE(prompts.last().title, QStringLiteral("Kerbo"));
            QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        }
        auto &table = item < 0 ? layout.ParaImpX : layout.ParaImpY;
        const size_t i = size_t(std::abs(item));
        QCOMPARE(table[i], stored);
        table[i] = (item < 0 ? before.ParaImpX : before.ParaImpY)[i];
        QVERIFY(layout == before); // nothing else moves
    }

    // Which items each side restores is checked with the layout file; here the right side.
    void defaultsRestoreOneSideAndSaySo()
    {
        PrintLayout layout;
        layout.ParaImpX.fill(QStringLiteral("7"));
        FakePrompts prompts;
        Calibration::restoreDefaults(layout, PrintSide::Recto, prompts);
        QCOMPARE(layout.ParaImpX[1] + u'|' + layout.ParaImpX[74], QStringLiteral("60|7"));
        Calibration::restoreDefaults(layout, PrintSide::Verso, prompts);
        QCOMPARE(layout.ParaImpX[74], QStringLiteral("14"));
        QCOMPARE(prompts.titles(), QStringList({"PARAMETRES IMPRIMANTE RECTO RETABLIS",
                                                "PARAMETRES IMPRIMANTE VERSO RETABLIS"}));
        const QString text = QString::fromUtf16(u"Les paramétres par défaut de l'imprimante "
                                                u"côté %1 sont rétablis");
        QCOMPARE(prompts.calls[0].text, text.arg(QString::fromUtf16(u"récto")));
        QCOMPARE(prompts.calls[1].text, text.arg(QStringLiteral("verso")));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Information);
    }

    void saveReadsBackOrKeepsMemoryOnFailure()
    {
        TempDataFolder folder;
        PrintLayout layout = factoryLayout();
        layout.ParaImpX[1] = QStringLiteral(" 61 ");
        FakePrompts prompts;
        QVERIFY(Calibration::saveAndReload(layout, folder.dataFolder(), prompts));
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("61")); // memory holds what the file holds
        QVERIFY(prompts.calls.isEmpty());

        // The disk fills up during the save: the driver's file stays as it was, byte for byte,
        // and memory keeps the driver's values.
        const QByteArray before = folder.read(FileName);
        layout.ParaImpX[1] = QStringLiteral("63");
        {
            FileSizeLimit full(64);
            QVERIFY(!Calibration::saveAndReload(layout, folder.dataFolder(), prompts));
        }
        QCOMPARE(folder.read(FileName), before);
        QCOMPARE(layout.ParaImpX[1], QStringLiteral("63"));
        QCOMPARE(prompts.last().title, QStringLiteral("Kerbo"));
        const QString told = prompts.last().text;
        QVERIFY2(told.startsWith(QStringLiteral(
                     "LES PARAMETRES DE L'IMPRIMANTE N'ONT PAS ETE SAUVEGARDES.\r\n")) &&
                     told.endsWith(QString::fromUtf16(
                         u"Le fichier ParametresImp.txt reste tel qu'il était. Les réglages "
                         u"changés restent en usage jusqu'à la fermeture de Kerbo, puis "
                         u"seront perdus.")),
                 qPrintable(told));

        // A file too large for the loading, which left the tables as they were: the driver's
        // calibration may be in it, and the tables are not written over it.
        QByteArray large = before;
        large.append(QByteArray(TextFile::MaxLayoutBytes, ' '));
        folder.write(FileName, large);
        PrintLayout unloaded;
        ChargeParaImp(unloaded, folder.dataFolder());
        QVERIFY(!Calibration::saveAndReload(unloaded, folder.dataFolder(), prompts));
        QCOMPARE(folder.read(FileName), large);
        QVERIFY(prompts.last().text.contains(QStringLiteral("ne peut pas être lu")));
    }

    void centringInfoLinesAreJoinedWithCrLf()
    {
        FakePrompts prompts;
        Calibration::showCentringInfo(prompts);
        QCOMPARE(prompts.last().title, QStringLiteral("Information"));
        const QStringList lines = prompts.last().text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 11);
        QVERIFY(!prompts.last().text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }

    void everyPrintedFrameHasOneChooserButton()
    {
        const auto itemsOf = [](PrintSide side) {
            std::multiset<int> items;
            for (const ChooserFrames::Button &b : ChooserFrames::buttons(side))
                items.insert(b.item);
            return items;
        };
        std::multiset<int> recto, verso;
        for (int i = 1; i <= 73; ++i)
            if (i < 53 || i > 55) recto.insert(i);
        for (int i = 74; i <= 102; ++i)
            if (i <= 89 || i == 91 || i >= 97) verso.insert(i);
        QVERIFY(itemsOf(PrintSide::Recto) == recto);
        QVERIFY(itemsOf(PrintSide::Verso) == verso);
    }

    // A chooser's "Quitter" saves the whole layout: the editor reads the driver's file first.
    void editorOpeningLoadsTheLayout()
    {
        TempDataFolder folder;
        folder.write(FileName, layoutBytes("61.5"));
        FakePrompts prompts;
        FakeView view;
        EditorStage::run(folder.state, prompts, view, {});
        QVERIFY(folder.state.printLayout.isLoaded());
        QCOMPARE(TextFile::joinLines(PrintLayoutFile::lines(folder.state.printLayout)),
                 layoutBytes("61.5"));
    }

    void exportAsksBeforeReplacingAnEarlierCopy()
    {
        Transfer t;
        t.data.write(FileName, layoutBytes("61"));
        QCOMPARE(t.exportTo(), Outcome::Done);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("61"));
        QCOMPARE(t.prompts.calls.size(), 1);
        QCOMPARE(t.prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt sauvegardé dans le dossier ") +
                     QDir::toNativeSeparators(t.disk.path()));

        t.data.write(FileName, layoutBytes("62"));
        QCOMPARE(t.exportTo(), Outcome::Stay);
        const FakePrompts::Call &q = t.prompts.last();
        QCOMPARE(q.title, QStringLiteral("ATTENTION !!"));
        QCOMPARE(q.text,
                 QString::fromUtf16(u"Attention il existe déja un fichier nommé ParametresImp.txt"
                                    u"\r\nDésirez-vous vraiment réecrire ce fichier ?\r\n\r\n"
                                    u"Sinon créez un nouveau dossier qui contiendra cette "
                                    u"nouvelle sauvegarde."));
        QCOMPARE(q.icon, Prompts::Icon::Question);
        QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::No);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("61")); // No keeps the older copy

        t.prompts.answers.push_back(Prompts::Answer::Yes);
        QCOMPARE(t.exportTo(), Outcome::Done);
        QCOMPARE(bytesOf(t.copy()), layoutBytes("62"));

        // An export stopped half-way left its temporary file on the key: the next export there
        // removes it, as nothing else of Kerbo comes to that folder.
        const QString stopped = t.copy() + QStringLiteral(".kerbo-Ab12Cd");
        {
            QFile file(stopped);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("6") == 1 && file.flush() &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        t.prompts.answers.push_back(Prompts::Answer::Yes);
        QCOMPARE(t.exportTo(), Outcome::Done);
        QVERIFY(!QFile::exists(stopped));

        // No layout file to export: nothing copied.
        QVERIFY(QFile::remove(t.data.dataFile(FileName)) && QFile::remove(t.copy()));
        QCOMPARE(t.exportTo(), Outcome::Stay);
        QCOMPARE(t.prompts.last().title, QStringLiteral("Kerbo"));
        QVERIFY(!QFile::exists(t.copy()));
    }

    void importReplacesTheFileAndTheLayoutInMemory()
    {
        Transfer t;
        // A copy edited by hand elsewhere: blanks kept, no final line end.
        QByteArray saved = layoutBytes("75.5");
        saved.replace("\r\n75.5\r\n", "\r\n 75.5\r\n");
        saved.chop(2);
        QVERIFY(writeBytes(t.copy(), saved));
        QCOMPARE(t.importFrom(), Outcome::Done);
        QCOMPARE(t.data.read(FileName), saved); // byte for byte
        QCOMPARE(t.prompts.last().text,
                 QString::fromUtf16(u"Fichier ParametresImp.txt importé dans le dossier ") +
                     QDir::toNativeSeparators(t.data.programFolder() + QStringLiteral("DataBul")));
        QCOMPARE(t.prompts.last().icon, Prompts::Icon::Information);
        QCOMPARE(t.layout.x(1), 75.5); // the next print uses it
    }

    // A foreign or missing copy, or a disk that fills up while the copy is written: nothing
    // changes but the message.
    void foreignOrMissingFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("no file") << QByteArray() << false << false;
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("two lines") << QByteArray("60\r\n6.5\r\n") << true << false;
        QByteArray binary = layoutBytes("61");
        binary[10] = '\0';
        QTest::newRow("binary") << binary << true << false;
        QTest::newRow("a day file") << QByteArray("NOM\r\n").repeated(250) << true << false;
        QTest::newRow("huge") << layoutBytes("61") + QByteArray(70000, '\n') << true << false;
        QTest::newRow("full disk") << layoutBytes("75.5") << true << true;
    }
    void foreignOrMissingFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QFETCH(bool, fullDisk);
        Transfer t;
        const PrintLayout before = t.layout;
        if (present) QVERIFY(writeBytes(t.copy(), bytes));
        {
            std::optional<FileSizeLimit> full;
            if (fullDisk) full.emplace(64);
            QCOMPARE(t.importFrom(), Outcome::Stay);
        }
        QCOMPARE(t.prompts.calls.size(), 1);
        if (fullDisk)
            QVERIFY(t.prompts.last().text.startsWith(ImportFailure + QStringLiteral("\r\n\r\n")));
        else
            QCOMPARE(t.prompts.last().text, ImportFailure);
        QCOMPARE(t.prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(t.data.read(FileName), layoutBytes("60"));
        QVERIFY(t.layout == before);
    }

    void layoutFileAllowsBlankValuesAndTrailingBlankLines()
    {
        const QByteArray bytes = layoutBytes("60"); // the factory layout: item 92 has no value
        QVERIFY(bytes.contains("\r\n\r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes));
        QVERIFY(PrintParamsTransfer::isLayoutFile(bytes + "\r\n  \r\n"));
        QVERIFY(PrintParamsTransfer::isLayoutFile(QByteArray(bytes).replace("\r\n", "\n")));
        QVERIFY(!PrintParamsTransfer::isLayoutFile(bytes + "5\r\n"));
        // Values the layout reads as their leading number or as 0, and an older, shorter layout.
        for (const char *value : {"12,5\r\n", "4.5MM\r\n", "\t60\r\n"})
            QVERIFY(PrintParamsTransfer::isLayoutFile(QByteArray(bytes).replace("60\r\n", value)));
        const QList<QByteArray> lines = bytes.split('\n');
        QVERIFY(PrintParamsTransfer::isLayoutFile(lines.first(150).join('\n') + '\n'));
        QVERIFY(!PrintParamsTransfer::isLayoutFile(lines.first(99).join('\n') + '\n'));
    }

    void createFolderAsksAName()
    {
        QTemporaryDir disk;
        FakePrompts prompts;
        prompts.inputs = {QStringLiteral("SAUVE 2007"), QStringLiteral("SAUVE 2007"),
                          QStringLiteral("A/B")};
        QCOMPARE(PrintParamsTransfer::createFolder(disk.path(), prompts),
                 Paths::join(disk.path(), QStringLiteral("SAUVE 2007")));
        QVERIFY(QFileInfo(disk.filePath(QStringLiteral("SAUVE 2007"))).isDir());
        QCOMPARE(prompts.calls[0].title, QStringLiteral("CRER UN NOUVEAU DOSSIER"));
        QCOMPARE(prompts.calls[0].text,
                 QStringLiteral("ENTRER UN NOM POUR CE DOSSIER ET REFAIRE LE CHEMIN POUR CHOISIR "
                                "CE DOSSIER "));
        QCOMPARE(prompts.calls[1].text, QString::fromUtf16(u"Le dossier SAUVE 2007 a été créé !"));

        QVERIFY(PrintParamsTransfer::createFolder(disk.path(), prompts).isEmpty()); // exists
        QCOMPARE(prompts.last().title, QStringLiteral("Kerbo"));
        QCOMPARE(prompts.last().text,
                 QStringLiteral("Le dossier %1 existe déjà.")
                     .arg(Drives::clean(disk.filePath(QStringLiteral("SAUVE 2007")))));
        QVERIFY(PrintParamsTransfer::createFolder(disk.path(), prompts).isEmpty()); // A/B
        QCOMPARE(prompts.last().title, QStringLiteral("Kerbo"));
        QCOMPARE(prompts.last().text, Paths::folderNameRefusal(QStringLiteral("A/B")));
        QVERIFY(!QFileInfo::exists(disk.filePath(QStringLiteral("A"))));
    }
};

KERBO_TEST(CalibrationTest)
#include "CalibrationTest.moc"
