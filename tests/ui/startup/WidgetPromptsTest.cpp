#include "TestMain.h"

#include "ui/startup/WidgetPrompts.h"

#include <QtWidgets>

#include <functional>

// The program's dialogs leave room for their whole title, and answer as the driver clicks.
class WidgetPromptsTest : public QObject
{
    Q_OBJECT

    // Runs check on the dialog once it is on the screen, then presses the button named.
    void whenShown(std::function<void(QDialog &)> check, QDialogButtonBox::StandardButton press)
    {
        QTimer::singleShot(0, this, [check, press] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            check(*dialog);
            const auto *buttons = dialog->findChild<QDialogButtonBox *>();
            QVERIFY(buttons && buttons->button(press));
            buttons->button(press)->click();
        });
    }

    static int titleWidth(const QDialog &dialog)
    {
        QFont bold = dialog.font();
        bold.setBold(true);
        return QFontMetrics(bold).horizontalAdvance(dialog.windowTitle());
    }

private slots:
    void longTitlesFitTheDialog()
    {
        WidgetPrompts prompts;
        const QString title =
            QStringLiteral("ENREGISTRER CETTE LIGNE DU TRAIN COMME UN AUTOMATISME ?");
        int width = 0;
        whenShown([&width](QDialog &d) { width = d.width() - titleWidth(d); },
                  QDialogButtonBox::No);
        QCOMPARE(prompts.question(title, QStringLiteral("Voulez- vous ?"),
                                  Prompts::Icon::Information, Prompts::Buttons::YesNo,
                                  Prompts::Answer::Yes),
                 Prompts::Answer::No);
        QVERIFY2(width >= 100, qPrintable(QString::number(width)));

        whenShown([&width](QDialog &d) { width = d.width() - titleWidth(d); },
                  QDialogButtonBox::Ok);
        prompts.message(title, QStringLiteral("Court."), Prompts::Icon::Exclamation);
        QVERIFY2(width >= 100, qPrintable(QString::number(width)));

        whenShown(
            [&width](QDialog &d) {
                width = d.width() - titleWidth(d);
                auto *edit = d.findChild<QLineEdit *>();
                QVERIFY(edit);
                QCOMPARE(edit->text(), QStringLiteral("J1"));
                edit->setText(QStringLiteral("J1 bis"));
            },
            QDialogButtonBox::Ok);
        QCOMPARE(prompts.input(title, QStringLiteral("Nom ?"), QStringLiteral("J1")),
                 std::optional<QString>(QStringLiteral("J1 bis")));
        QVERIFY2(width >= 100, qPrintable(QString::number(width)));

        whenShown([](QDialog &) {}, QDialogButtonBox::Cancel);
        QCOMPARE(prompts.input(title, QStringLiteral("Nom ?"), QStringLiteral("J1")), std::nullopt);
    }

    void aTitleWiderThanTheScreenStopsAtTheScreen()
    {
        WidgetPrompts prompts;
        int width = 0, screen = 0;
        whenShown(
            [&](QDialog &d) {
                width = d.width();
                screen = d.screen()->availableGeometry().width();
            },
            QDialogButtonBox::Ok);
        prompts.message(QString(400, QLatin1Char('W')), QStringLiteral("Texte"),
                        Prompts::Icon::None);
        QVERIFY(width > 0);
        QVERIFY2(width <= screen, qPrintable(QStringLiteral("%1 > %2").arg(width).arg(screen)));
    }
};

KERBO_TEST(WidgetPromptsTest)
#include "WidgetPromptsTest.moc"
