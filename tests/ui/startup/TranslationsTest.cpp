#include "TestMain.h"

#include "ui/startup/Translations.h"

#include <QtWidgets>

// The standard dialogs speak French.
class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void standardButtonsReadFrench()
    {
        QVERIFY2(installFrenchTranslations(*QCoreApplication::instance()),
                 "qtbase_fr.qm is missing: install qt6-translations-l10n");
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kerbo"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuler"));
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Non"));

        // The file dialogs' "Type" column, which Qt's catalogue leaves in English.
        const QFileIconProvider kinds;
        QCOMPARE(kinds.type(QFileInfo(QDir::tempPath())), QStringLiteral("Dossier"));
        QCOMPARE(kinds.type(QFileInfo(QDir::rootPath())), QStringLiteral("Lecteur"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Voir dans :"));
        // The printer's properties window, opened from "Configuration de l'impression".
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesDialog", "Printer Properties"),
                 QStringLiteral("Propriétés de l'imprimante"));
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
                 QStringLiteral("Avancé"));
    }
};

KERBO_TEST(TranslationsTest)
#include "TranslationsTest.moc"
