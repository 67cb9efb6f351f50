#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/Paths.h"
#include "app/TextFile.h"
#include "app/frmCartouche.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

class CartoucheDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakePrompts m_prompts;

    QString key(const char *section, const char *name) const
    {
        return LectureINI(m_state.config.iniPath(), QLatin1String(section), QLatin1String(name)).text;
    }
    static void showActive(QDialog &dialog, int box)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        static_cast<frmCartouche &>(dialog).box(box)->setFocus();
        QTRY_VERIFY(static_cast<frmCartouche &>(dialog).box(box)->hasFocus());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("DataBul"));
        m_state = AppState();
        m_state.config.ouestKerbo = Paths::CheckPath(m_dir->path());
        m_prompts.calls.clear();
    }

    void firstStartIsFilledWithTheKeyboard()
    {
        frmCartouche dialog(m_state, m_prompts, true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("PREMIER DEMARRAGE DU LOGICIEL"));
        QCOMPARE(dialog.instruction()->text(),
                 QStringLiteral("BONJOUR,C'EST VOTRE PREMIER DEMARRAGE DU LOGICIEL VEUILLEZ "
                                "REMPLIR LE CARTOUCHE A "));
        QStringList labels;
        for (const QLabel *l : dialog.findChildren<QLabel *>())
            labels << l->text();
        for (const char *label : {"NOM", "PRENOM", "ETABLISSEMENT", "RESIDENCE", "IMMATRICULATION"})
            QVERIFY2(labels.contains(QLatin1String(label)), label);

        showActive(dialog, 0);
        const char *typed[] = {"dupont", "jean", "paris nord", "lyon", "75a"};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(dialog.box(i)->hasFocus());
            QCOMPARE(dialog.box(i)->palette().color(QPalette::Base), QColor(255, 255, 192));
            QTest::keyClicks(dialog.box(i), QLatin1String(typed[i]));
            // Enter, keypad Enter too, goes on to the next box and never closes the dialog.
            QTest::keyClick(dialog.box(i), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.box(i)->palette().color(QPalette::Base),
                     dialog.palette().color(QPalette::Base));
        }
        QVERIFY(dialog.okButton()->hasFocus());
        // Only the last three boxes are turned to capitals.
        QCOMPARE(dialog.box(1)->text(), QStringLiteral("jean"));
        QCOMPARE(dialog.box(2)->text(), QStringLiteral("PARIS NORD"));
        QCOMPARE(dialog.box(4)->text(), QStringLiteral("75A"));

        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(m_prompts.calls.isEmpty());
        QCOMPARE(key("Cartouche", "condition"), QStringLiteral("1"));
        QCOMPARE(key("Cartouche", "Etablissement"), QStringLiteral("PARIS NORD"));
        QCOMPARE(key("CheminDossiers", "OuestKerbo"), m_state.config.ouestKerbo);
        QCOMPARE(m_state.record.slot(1), QStringLiteral("dupont"));
        QCOMPARE(m_state.record.slot(5), QStringLiteral("75A"));
    }

    void modificationStartsFromTheFile()
    {
        QVERIFY(TextFile::writeLines(m_state.config.iniPath(),
                                     {"[Cartouche]", "condition=2", "Nom=Durand", "Residence=NANTES"}));
        frmCartouche dialog(m_state, m_prompts, false);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("MODIFICATION DU CARTOUCHE A"));
        QCOMPARE(dialog.instruction()->text(),
                 QStringLiteral("APRES AVOIR EFFECTUE LES MODIFICATIONS APPUYEZ SUR LE BOUTON OK"));
        QCOMPARE(dialog.box(0)->text(), QStringLiteral("Durand"));

        showActive(dialog, 3);
        QCOMPARE(dialog.box(3)->selectedText(), QStringLiteral("NANTES")); // typing replaces it
        QTest::keyClicks(dialog.box(3), QStringLiteral("brest"));
        dialog.okButton()->click();
        QCOMPARE(key("Cartouche", "Residence"), QStringLiteral("BREST"));
        QCOMPARE(key("Cartouche", "condition"), QStringLiteral("2")); // written only while 0
    }

    void aFailedWriteIsReported()
    {
        m_state.config.ouestKerbo = QStringLiteral("/nonexistent/kerbo/");
        frmCartouche dialog(m_state, m_prompts, false);
        dialog.box(0)->setText(QStringLiteral("Martin"));
        dialog.okButton()->click();
        QCOMPARE(m_prompts.titles(), QStringList{QStringLiteral("MODIFICATION DU CARTOUCHE A")});
        QVERIFY2(m_prompts.last().text.contains(QStringLiteral("Config.ini")),
                 qPrintable(m_prompts.last().text));
        QCOMPARE(m_state.record.slot(1), QStringLiteral("Martin")); // still used for this run
    }
};

KERBO_TEST(CartoucheDialogTest)
#include "CartoucheDialogTest.moc"
