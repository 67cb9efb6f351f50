#include "TestMain.h"

#include "FakePrompts.h"

#include "app/AppState.h"
#include "app/IniAccess.h"
#include "app/Paths.h"
#include "app/TextFile.h"
#include "app/frmCartouche.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

struct Folder {
    QTemporaryDir dir;
    AppState state;
    Folder()
    {
        QDir(dir.path()).mkpath(QStringLiteral("DataBul"));
        state.config.ouestKerbo = Paths::CheckPath(dir.path());
    }
    QString ini() const { return state.config.iniPath(); }
    QString key(const char *section, const char *name) const
    {
        return LectureINI(ini(), QLatin1String(section), QLatin1String(name)).text;
    }
};

QStringList labelTexts(const QWidget &w)
{
    QStringList texts;
    for (const QLabel *l : w.findChildren<QLabel *>())
        texts << l->text();
    return texts;
}

void showActive(QDialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class CartoucheDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartIsFilledWithTheKeyboard()
    {
        Folder f;
        FakePrompts prompts;
        frmCartouche dialog(f.state, prompts, true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("PREMIER DEMARRAGE DU LOGICIEL"));
        QCOMPARE(dialog.instruction()->text(),
                 QStringLiteral("BONJOUR,C'EST VOTRE PREMIER DEMARRAGE DU LOGICIEL VEUILLEZ "
                                "REMPLIR LE CARTOUCHE A "));
        for (const char *label : {"NOM", "PRENOM", "ETABLISSEMENT", "RESIDENCE", "IMMATRICULATION"})
            QVERIFY2(labelTexts(dialog).contains(QLatin1String(label)), label);

        showActive(dialog);
        QLineEdit *nom = dialog.box(0);
        nom->setFocus();
        QTRY_VERIFY(nom->hasFocus());
        QCOMPARE(nom->palette().color(QPalette::Base), QColor(255, 255, 192));

        const char *typed[] = {"dupont", "jean", "paris nord", "lyon", "75a"};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(dialog.box(i)->hasFocus());
            QTest::keyClicks(dialog.box(i), QLatin1String(typed[i]));
            QTest::keyClick(dialog.box(i), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QVERIFY(dialog.isVisible()); // Enter never closes the dialog
            QCOMPARE(dialog.box(i)->palette().color(QPalette::Base),
                     dialog.palette().color(QPalette::Base));
        }
        QVERIFY(dialog.okButton()->hasFocus());
        // Only the last three boxes are turned to capitals.
        QCOMPARE(dialog.box(0)->text(), QStringLiteral("dupont"));
        QCOMPARE(dialog.box(1)->text(), QStringLiteral("jean"));
        QCOMPARE(dialog.box(2)->text(), QStringLiteral("PARIS NORD"));
        QCOMPARE(dialog.box(4)->text(), QStringLiteral("75A"));

        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(prompts.calls.isEmpty());
        QCOMPARE(f.key("Cartouche", "condition"), QStringLiteral("1"));
        QCOMPARE(f.key("Cartouche", "Etablissement"), QStringLiteral("PARIS NORD"));
        QCOMPARE(f.key("CheminDossiers", "OuestKerbo"), f.state.config.ouestKerbo);
        QCOMPARE(f.state.record.slot(1), QStringLiteral("dupont"));
        QCOMPARE(f.state.record.slot(5), QStringLiteral("75A"));
        QCOMPARE(f.state.config.residence, QStringLiteral("LYON"));
    }

    void modificationStartsFromTheFile()
    {
        Folder f;
        QVERIFY(TextFile::writeLines(
            f.ini(), {QStringLiteral("[Cartouche]"), QStringLiteral("condition=2"),
                      QStringLiteral("Nom=Durand"), QStringLiteral("Residence=NANTES")}));
        FakePrompts prompts;
        frmCartouche dialog(f.state, prompts, false);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("MODIFICATION DU CARTOUCHE A"));
        QCOMPARE(dialog.instruction()->text(),
                 QStringLiteral("APRES AVOIR EFFECTUE LES MODIFICATIONS APPUYEZ SUR LE BOUTON OK"));
        QCOMPARE(dialog.box(0)->text(), QStringLiteral("Durand"));
        QCOMPARE(dialog.box(3)->text(), QStringLiteral("NANTES"));

        showActive(dialog);
        dialog.box(3)->setFocus();
        QTRY_VERIFY(dialog.box(3)->hasFocus());
        // The whole text is selected on entry: typing replaces it.
        QCOMPARE(dialog.box(3)->selectedText(), QStringLiteral("NANTES"));
        QTest::keyClicks(dialog.box(3), QStringLiteral("brest"));
        QCOMPARE(dialog.box(3)->text(), QStringLiteral("BREST"));
        QTest::keyClick(dialog.box(3), Qt::Key_Return);
        QVERIFY(dialog.box(4)->hasFocus());
        dialog.okButton()->click();

        QCOMPARE(f.key("Cartouche", "Residence"), QStringLiteral("BREST"));
        QCOMPARE(f.key("Cartouche", "condition"), QStringLiteral("2")); // written only while 0
        QCOMPARE(f.key("Cartouche", "Prenom"), QString());
    }

    void aFailedWriteIsReported()
    {
        AppState state;
        state.config.ouestKerbo = QStringLiteral("/nonexistent/kerbo/");
        FakePrompts prompts;
        frmCartouche dialog(state, prompts, false);
        dialog.box(0)->setText(QStringLiteral("Martin"));
        dialog.okButton()->click();
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().title, QStringLiteral("MODIFICATION DU CARTOUCHE A"));
        QVERIFY2(prompts.last().text.contains(QStringLiteral("Config.ini")),
                 qPrintable(prompts.last().text));
        // What was typed is still used for this run.
        QCOMPARE(state.record.slot(1), QStringLiteral("Martin"));
    }
};

KERBO_TEST(CartoucheDialogTest)
#include "CartoucheDialogTest.moc"
