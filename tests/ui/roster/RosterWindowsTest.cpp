#include "TestMain.h"

#include "../SessionFolder.h"
#include "TestFiles.h"

#include "core/base/Paths.h"
#include "core/roster/CaraibeConversion.h"
#include "ui/roster/frmCheminDossier.h"
#include "ui/roster/frmChoixFichier.h"
#include "ui/roster/frmReglagePara.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

// The converter's windows, on a home folder of their own (the program's "C:\").
class RosterWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QByteArray m_savedHome;
    FakePrompts m_prompts;

    QString home() const { return Paths::CheckPath(m_home->path()); }
    QString dataFolder() const { return home() + u"DataBul"_s; }
    QString rosters() const { return home() + u"Roulements/"_s; }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_home->path()));
        QDir(m_home->path()).mkpath(u"DataBul"_s);
        QDir(m_home->path()).mkpath(u"Roulements"_s);
        const QString roster = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
                               + u"/../../core/roster/data/roulement-deux-periodes.txt"_s;
        QVERIFY(QFile::copy(roster, rosters() + u"roulement.txt"_s));
        QVERIFY(writeBytes(rosters() + u"notes.txt"_s, "Rien\r\n"));
        m_prompts = FakePrompts();
    }

    void cleanup() { qputenv("HOME", m_savedHome); }

    void nameBoxSwallowsForbiddenCharacters()
    {
        CaraibeConversion conversion(dataFolder());
        frmCheminDossier window(conversion, m_prompts);
        QCOMPARE(window.windowTitle(), u"CHOIX DU LECTEUR "_s);
        QCOMPARE(window.drives()->itemData(0).toString(), home());

        QTest::keyClicks(window.nameBox(), u"R/1:4|2\\?<>*\""_s);
        QCOMPARE(window.nameBox()->text(), u"R142"_s);
        // A character swallowed inside the name leaves the caret where it was typed.
        window.nameBox()->setCursorPosition(2);
        QTest::keyClicks(window.nameBox(), u"/X"_s);
        QCOMPARE(window.nameBox()->text(), u"R1X42"_s);
        // Pasted: nor a hidden folder, nor a line break in the name on the disk, nor a letter the
        // settings could not name the folder by; accents written as a letter and its mark are
        // joined.
        for (const auto &[pasted, kept] :
             {std::pair{u" été<2>*"_s, u"R1X42 été2"_s},
              {u"..R1\nR2\t"_s, u"R1R2"_s},
              {u"e\u0301te\u0301 Łódź \U0001F682œ"_s, u"été ód œ"_s}}) {
            pasted.startsWith(u' ') ? window.nameBox()->end(false) : window.nameBox()->clear();
            QGuiApplication::clipboard()->setText(pasted);
            window.nameBox()->paste();
            QCOMPARE(window.nameBox()->text(), kept);
            QCOMPARE(window.nameShown()->text(), kept);
        }
        window.nameBox()->clear();
        QCOMPARE(window.nameShown()->text(), QString());

        // The keys start in the name box, at every opening, a name left there selected.
        for (int opening = 0; opening < 2; ++opening) {
            window.show();
            QApplication::setActiveWindow(&window);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget(), window.nameBox());
            window.nameBox()->setText(u"ZZ1"_s);
            window.drives()->setFocus(); // left elsewhere
            window.hide();
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.nameBox()->selectedText(), u"ZZ1"_s);
        // A long name is echoed whole to the screen reader, and the window stays its width.
        const int width = window.width();
        const QString longName(300, u'N');
        window.nameBox()->setText(longName);
        QCoreApplication::processEvents(); // the layout takes the new text
        QCOMPARE(window.nameShown()->text(), longName);
        QVERIFY(window.minimumSizeHint().width() <= width);
        QCOMPARE(window.width(), width);
    }

    void criteriaWindow()
    {
        QVERIFY(writeBytes(dataFolder() + u"/ParaConvert.ini"_s,
                           "[Train 3]\r\nNumeroTrain=14\r\nCateg=bpb\r\n"));
        CaraibeConversion conversion(dataFolder());
        frmReglagePara window(conversion, m_prompts);
        QCOMPARE(window.box(3, 1)->text(), u"bpb"_s);
        // What the file holds stays as it is written: only the letters typed become capitals.
        window.box(3, 1)->end(false);
        typeCharacters(window.box(3, 1), u"x"_s);
        QCOMPARE(window.box(3, 1)->text(), u"bpbX"_s);

        // Capitals as Windows-1252 has them: é gives É, µ has none and stays.
        window.box(3, 1)->clear();
        typeCharacters(window.box(3, 1), u"bé"_s);
        typeCharacters(window.box(14, 3), u"µs"_s);
        QCOMPARE(window.box(3, 1)->text(), u"BÉ"_s);
        QCOMPARE(window.box(14, 3)->text(), u"µS"_s);
        // A letter typed inside a text goes to capitals where it was typed.
        typeCharacters(window.box(5, 1), u"ad"_s);
        window.box(5, 1)->setCursorPosition(1);
        typeCharacters(window.box(5, 1), u"bc"_s);
        QCOMPARE(window.box(5, 1)->text(), u"ABCD"_s);
        window.box(5, 1)->clear();

        window.accept();
        const QByteArray ini = bytesOf(dataFolder() + u"/ParaConvert.ini"_s);
        QCOMPARE(ini.count('='), 60);
        QVERIFY(ini.endsWith("[Train 14]\r\nNumeroTrain=\r\nCateg=\r\nIndCompo=\r\n"
                             "AgentSeul=\xb5S\r\n"));
        QCOMPARE(conversion.criteria()[3], u"14     BÉ        "_s);

        window.showInfo();
        QCOMPARE(m_prompts.last().title, u"Information"_s);
        const QStringList lines = m_prompts.last().text.split(u"\r\n"_s);
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[7], u"les cases \"Gatég =\",\"Ind Compo =\" et \"Ag Seul =\". "_s);

        // A criteria file that cannot be read is not written over; the driver is told.
        const QString file = dataFolder() + u"/ParaConvert.ini"_s;
        QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        window.accept();
        QCOMPARE(m_prompts.last().title, u"Kerbo"_s);
        QVERIFY(m_prompts.last().text.endsWith(u"les critères n'ont pas été enregistrés."_s));
    }

    // A roster downloaded, or a folder renamed, while the window was open shows once the driver
    // comes back to it; the file already picked stays picked.
    void fileListFollowsTheDiskOnReturn()
    {
        frmChoixFichier window(dataFolder(), m_prompts);
        QWidget elsewhere;
        QVERIFY(bringToFront(window));
        window.openFolder(rosters());
        m_prompts.inputs.push_back(u"2"_s);
        window.pickFile(u"roulement.txt"_s);
        QVERIFY(window.conversion().hasFile());

        QVERIFY(bringToFront(elsewhere));
        QVERIFY(writeBytes(rosters() + u"autre.txt"_s, "Rien\r\n"));
        QVERIFY(QDir().mkpath(rosters() + u"2027"_s));
        QVERIFY(bringToFront(window));
        QCOMPARE(items(window.files()),
                 (QStringList{u"autre.txt"_s, u"notes.txt"_s, u"roulement.txt"_s}));
        QVERIFY(items(window.folders()).contains(u"2027"_s));
        QVERIFY(window.conversion().hasFile());
        QCOMPARE(window.choice()->text(), QDir::toNativeSeparators(rosters() + u"roulement.txt"_s));

        QVERIFY(bringToFront(elsewhere));
        QVERIFY(QDir(home()).rename(u"Roulements"_s, u"Roulements 2026"_s));
        QVERIFY(bringToFront(window));
        QCOMPARE(window.folder(), home());
        QVERIFY(items(window.folders()).contains(u"Roulements 2026"_s));
        QVERIFY(!window.conversion().hasFile());
    }

    // A long roster description, or a long path, takes more lines: the window grows to hold
    // them rather than laying its lists over the captions below them.
    void longTextsKeepTheirRoom()
    {
        QVERIFY(writeBytes(rosters() + u"long.txt"_s,
                           "[RLT]\r\nROUL=ROULEMENT 142 TRACTION VOYAGEURS\r\n"
                           "LIEU=PARIS SUD-EST VILLENEUVE-SAINT-GEORGES TRIAGE\r\n"
                           "DDA1=20260105\r\nDFA1=20260301\r\n"));
        frmChoixFichier window(dataFolder(), m_prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openFolder(rosters());
        window.pickFile(u"long.txt"_s);
        QCoreApplication::processEvents();
        QVERIFY(window.conversion().hasFile());

        QList<QWidget *> column;
        for (QLabel *label : window.findChildren<QLabel *>())
            if (label->isVisible() && label->geometry().top() > window.files()->geometry().top())
                column << label;
        QVERIFY(column.size() >= 5);
        const int listsEnd =
            std::max(window.folders()->geometry().bottom(), window.files()->geometry().bottom());
        for (const QWidget *w : column) {
            const auto *label = static_cast<const QLabel *>(w);
            QVERIFY2(label->geometry().top() > listsEnd, qPrintable(label->text()));
            QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                     qPrintable(label->text()));
        }
    }

    void convertingFromTheWindows()
    {
        frmChoixFichier window(dataFolder(), m_prompts);
        QCOMPARE(window.folder(), home());
        QVERIFY(items(window.folders()).contains(u"Roulements"_s));
        // The home folder stands for the drive: nothing above it; a folder below it leads back.
        QVERIFY(!items(window.folders()).contains(u".."_s));
        window.openFolder(rosters());
        QCOMPARE(items(window.folders()).value(0), u".."_s);
        window.openFolder(home());

        // Not a roster: back to the drive, nothing chosen.
        window.openFolder(rosters());
        QCOMPARE(items(window.files()), (QStringList{u"notes.txt"_s, u"roulement.txt"_s}));
        QCOMPARE(window.choice()->text(), QDir::toNativeSeparators(rosters()));
        window.pickFile(u"notes.txt"_s);
        QVERIFY(m_prompts.last().text.startsWith(u"Ce fichier n'est pas un fichier Caraibe ! "_s));
        QCOMPARE(window.folder(), home());
        QCOMPARE(window.choice()->text(), QString());
        QCOMPARE(window.description()->text(), u"  EST :"_s);

        // Enter on a folder opens it and on a file picks it, without pressing "Suivant" as well.
        window.show();
        QListWidget *folders = window.folders();
        folders->setCurrentItem(folders->findItems(u"Roulements"_s, Qt::MatchExactly).value(0));
        folders->setFocus();
        m_prompts.calls.clear();
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(window.folder(), rosters());
        QVERIFY(m_prompts.calls.empty());
        window.files()->setCurrentRow(1);
        window.files()->setFocus();
        m_prompts.inputs.push_back(u"2"_s);
        QTest::keyClick(window.files(), Qt::Key_Enter);
        QVERIFY(window.conversion().hasFile());
        QCOMPARE(m_prompts.titles().size(), 1); // the period question only
        QVERIFY(!window.destination()->isVisible());
        QCOMPARE(window.description()->text(),
                 u"  EST : le ÉTÉ 142 de PARIS € LYON période du  02/03/2026  au  28/06/2026"_s);

        // A folder that exists already is refused, and its name goes from the box.
        frmCheminDossier *destination = window.destination();
        QVERIFY(QDir().mkpath(home() + u"EXISTE"_s));
        QString leftAfterRefusal = u"?"_s;
        QTimer::singleShot(0, destination, [destination, &leftAfterRefusal] {
            destination->nameBox()->setText(u"EXISTE"_s);
            destination->convertButton()->click();
            leftAfterRefusal = destination->nameBox()->text();
            destination->nameBox()->setText(u"R142"_s);
            destination->convertButton()->click();
        });
        QTimer::singleShot(10000, destination, &QDialog::reject); // never hang
        m_prompts.calls.clear();
        window.next();

        QCOMPARE(m_prompts.titles().size(), 2);
        QCOMPARE(m_prompts.titles().last(), u"C'EST FAIT"_s);
        QCOMPARE(leftAfterRefusal, QString());
        QVERIFY(QDir(home() + u"EXISTE"_s).isEmpty());
        QCOMPARE(QDir(home() + u"R142"_s).entryList(QDir::Files).size(), 4);
        // Ready for the next roster.
        QCOMPARE(window.folder(), home());
        QCOMPARE(window.description()->text(), u"  EST :"_s);
        QCOMPARE(destination->nameBox()->text(), QString());
        window.next();
        QCOMPARE(m_prompts.last().text, u"Veuillez selectionner un fichier s.v.p."_s);
    }
};

KERBO_TEST(RosterWindowsTest)
#include "RosterWindowsTest.moc"
