#include "TestMain.h"

#include "TestFiles.h"
#include "ui/FrenchFileColumns.h"
#include "ui/WithinScreen.h"
#include "ui/startup/WidgetPrompts.h"

#include <QtWidgets>

#include <fnmatch.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

// Runs act on the file dialog once it shows; it is looked for until then.
void whenFileDialogShown(QTimer &poll, std::function<void(QFileDialog *)> act)
{
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&poll, act] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QFileDialog *>(w); dialog && w->isVisible()) {
                poll.stop();
                return act(dialog);
            }
    });
    poll.start();
}

// The file dialog's list of details, once it lists `rows` files or more.
QTreeView *detailsOf(QFileDialog *dialog, int rows = 1)
{
    auto *details = dialog->findChild<QTreeView *>(u"treeView"_s);
    if (details)
        (void)QTest::qWaitFor(
            [details, rows] { return details->model()->rowCount(details->rootIndex()) >= rows; });
    return details;
}

} // namespace

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
    // A prompt opens over the window the driver works in, on its monitor wherever the mouse is,
    // with room for its whole title.
    void longTitlesFitTheDialog()
    {
        QWidget window;
        window.setWindowTitle(u"EDITEUR"_s);
        window.setGeometry(QRect(QPoint(40, 30), QSize(600, 400)));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WidgetPrompts prompts;
        const QString title = u"ENREGISTRER CETTE LIGNE DU TRAIN COMME UN AUTOMATISME ?"_s;
        QList<int> room; // beside the title, in each dialog
        const auto measure = [&room, &window](QDialog &d) {
            room << d.width() - titleWidth(d);
            QCOMPARE(d.parentWidget(), &window);
            QVERIFY(window.frameGeometry().contains(d.geometry().center()));
        };
        whenShown(measure, QDialogButtonBox::No);
        QCOMPARE(prompts.question(title, u"Voulez- vous ?"_s, Prompts::Icon::Information,
                                  Prompts::Buttons::YesNo, Prompts::Answer::Yes),
                 Prompts::Answer::No);
        whenShown(measure, QDialogButtonBox::Ok);
        prompts.message(title, u"Court."_s, Prompts::Icon::Exclamation);
        whenShown(
            [&measure](QDialog &d) {
                measure(d);
                auto *edit = d.findChild<QLineEdit *>();
                QVERIFY(edit);
                QCOMPARE(edit->text(), u"J1"_s);
                edit->setText(u"J1 bis"_s);
            },
            QDialogButtonBox::Ok);
        QCOMPARE(prompts.input(title, u"Nom ?"_s, u"J1"_s), std::optional<QString>(u"J1 bis"_s));
        QCOMPARE(room.size(), 3);
        for (int width : room)
            QVERIFY2(width >= 100, qPrintable(QString::number(width)));

        whenShown([](QDialog &) {}, QDialogButtonBox::Cancel);
        QCOMPARE(prompts.input(title, u"Nom ?"_s, u"J1"_s), std::nullopt);

        // A title wider than the screen asks no more room than the screen has: what is asked is
        // looked at, a dialog shown being held to the screen whatever it asks.
        QWidget wide;
        wide.setWindowTitle(QString(400, QLatin1Char('W')));
        const int screen = wide.screen()->availableGeometry().width();
        QVERIFY2(widthForTitle(wide) < screen, qPrintable(QString::number(widthForTitle(wide))));
    }

    // Enter gives the answer the question names as its default: No to "Désirez-vous
    // supprimer ?", whatever button comes first. Texts show as typed, markup included.
    void enterGivesTheDefaultAnswerAndTextsShowAsTyped()
    {
        WidgetPrompts prompts;
        for (Prompts::Answer answer : {Prompts::Answer::No, Prompts::Answer::Yes}) {
            QTimer::singleShot(0, this, [] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                QTest::keyClick(dialog, Qt::Key_Return);
            });
            QCOMPARE(prompts.question(u"ATTENTION !!"_s, u"Désirez-vous supprimer ?"_s,
                                      Prompts::Icon::Question, Prompts::Buttons::YesNo, answer),
                     answer);
        }
        const QString typed = u"Le dossier <i>J1</i> & <b>J2</b>"_s;
        int shownWidth = 0, typedWidth = 0;
        whenShown(
            [&](QDialog &d) {
                const auto *label = d.findChild<QLabel *>(u"qt_msgbox_label"_s);
                QVERIFY(label);
                shownWidth = label->sizeHint().width();
                typedWidth = label->fontMetrics().horizontalAdvance(typed);
            },
            QDialogButtonBox::Ok);
        prompts.message(u"Kerbo"_s, typed, Prompts::Icon::Exclamation);
        QVERIFY2(shownWidth >= typedWidth,
                 qPrintable(u"%1 < %2"_s.arg(shownWidth).arg(typedWidth)));
    }

    // A message's lines stand one per line, as the texts are written, where the screen allows.
    void longLinesAreNotBroken()
    {
        WidgetPrompts prompts;
        const QString text = u"Par la suite si le numéro de train correspond au numero enregistré "
                             u"toutes les\r\nautres cases s'inscriront automatiquement."_s;
        int height = 0, lineHeight = 0;
        whenShown(
            [&](QDialog &d) {
                const auto *label = d.findChild<QLabel *>(u"qt_msgbox_label"_s);
                QVERIFY(label);
                height = label->height();
                lineHeight = label->fontMetrics().lineSpacing();
            },
            QDialogButtonBox::Ok);
        prompts.message(u"Information"_s, text, Prompts::Icon::Information);
        QVERIFY2(height < 3 * lineHeight, qPrintable(u"%1"_s.arg(height)));
    }

    // Whole, and in French on any desktop: an English one wrote "1021 bytes" and the date
    // month first ("12/8/26" for the 8th of December).
    void fileDialogColumnsShowTheirWholeTexts()
    {
        const QLocale desktop;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // as the program starts
        const auto restore = qScopeGuard([desktop] { QLocale::setDefault(desktop); });
        QTemporaryDir folder;
        const QString day = folder.filePath(u"12 06 12 2026 .txt"_s);
        QVERIFY(writeBytes(day, QByteArray(1021, 'x')));

        const QString modified = QFileInfo(day).lastModified().toString(u"dd/MM/yyyy HH:mm"_s);

        QStringList cut; // the texts that do not fit their column
        QStringList shown;
        QTimer poll;
        whenFileDialogShown(poll, [&cut, &shown, day](QFileDialog *dialog) {
            if (QTreeView *details = detailsOf(dialog)) {
                const QModelIndex row = details->model()->index(0, 0, details->rootIndex());
                const QFontMetrics metrics(details->font());
                for (int column = 1; column <= 3; ++column) {
                    const QString text = row.siblingAtColumn(column).data().toString();
                    if (text.isEmpty() ||
                        metrics.horizontalAdvance(text) >= details->header()->sectionSize(column))
                        cut << u"%1 \"%2\""_s.arg(column).arg(text);
                    shown << text;
                }
            } else {
                cut << u"no details view"_s;
            }
            // As the driver types it: the name box has the focus.
            if (auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s))
                name->setText(QFileInfo(day).fileName());
            static_cast<QDialog *>(dialog)->accept(); // the file dialog's own accept
        });
        WidgetPrompts prompts;
        QCOMPARE(prompts.openFile(u"SELECTION"_s, folder.path(), u"*.txt"_s), day);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
        const QString size = QString::fromUtf16(u"1\u202F021 octets"); // a narrow no-break space
        QCOMPARE(shown, (QStringList{size, u"document texte brut"_s, modified}));

        // Qt's other file dialogs, the print dialog's "..." among them, read the same.
        FrenchFileColumns::installEverywhere(*QCoreApplication::instance());
        QFileDialog other(nullptr, u"Imprimer dans un fichier"_s, folder.path());
        other.show();
        QTreeView *details = detailsOf(&other);
        QVERIFY(details);
        const QModelIndex row = details->model()->index(0, 0, details->rootIndex());
        QCOMPARE(row.siblingAtColumn(1).data().toString(), size);
        QCOMPARE(row.siblingAtColumn(3).data().toString(), modified);
    }

    // At a desktop font of 18 points on a 1366-pixel screen the dialog is as wide as the screen
    // allows, and the date column, its caption included, still shows whole beside the names
    // without scrolling.
    void fileDialogShowsEveryColumnAtALargeFont()
    {
        if (QGuiApplication::primaryScreen()->availableGeometry().width() < 1366)
            QSKIP("needs a 1366x768 screen");
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(u"DejaVu Sans"_s, 18));
        QTemporaryDir folder;
        int dateEnds = 0, viewWidth = 0;
        QTimer poll;
        whenFileDialogShown(poll, [&](QFileDialog *dialog) {
            if (auto *details = dialog->findChild<QTreeView *>(u"treeView"_s)) {
                const QHeaderView *header = details->header();
                const QString date = QLocale(QLocale::French, QLocale::France)
                                         .toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59)),
                                                   QLocale::ShortFormat);
                dateEnds = header->sectionViewportPosition(3) +
                           qMax(QFontMetrics(details->font()).horizontalAdvance(date),
                                header->sectionSizeHint(3)); // its caption too
                viewWidth = details->viewport()->width();
            }
            dialog->reject();
        });
        WidgetPrompts prompts;
        prompts.openFile(u"SELECTION"_s, folder.path(), u"*.txt"_s);
        QApplication::setFont(desktop);
        QVERIFY(viewWidth > 0);
        QVERIFY2(dateEnds <= viewWidth, qPrintable(u"%1 > %2"_s.arg(dateEnds).arg(viewWidth)));
    }

    // Day files named on Windows end in ".TXT" as often as in ".txt". The desktop's own dialog
    // (GNOME's) matches the filter's patterns letter for letter, as fnmatch does: they must
    // take every case, while the driver still reads the filter "*.txt".
    void fileFilterTakesTheNamesInEveryCase()
    {
        QTemporaryDir folder;
        const QStringList days{u"25.txt"_s, u"26.TXT"_s, u"27.Txt"_s};
        const QStringList others{u"notes.doc"_s, u"27.txt.bak"_s};
        for (const QString &name : days + others)
            QVERIFY(writeBytes(folder.filePath(name), {}));
        QStringList patterns, shown, listed;
        QTimer poll;
        whenFileDialogShown(poll, [&](QFileDialog *dialog) {
            const QString filter = dialog->nameFilters().value(0);
            const qsizetype open = filter.indexOf(QLatin1Char('('));
            // "name (patterns)", or the patterns alone.
            patterns = (open < 0 ? filter : filter.mid(open + 1, filter.size() - open - 2))
                           .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (auto *combo = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s))
                shown << combo->currentText();
            // Counted as they come: the folder is listed on a thread of the dialog's own.
            if (QTreeView *details = detailsOf(dialog, 3)) {
                for (int row = 0; row < details->model()->rowCount(details->rootIndex()); ++row)
                    listed
                        << details->model()->index(row, 0, details->rootIndex()).data().toString();
            }
            dialog->reject();
        });
        WidgetPrompts prompts;
        QCOMPARE(prompts.openFile(u"SELECTION"_s, folder.path(), u"*.txt"_s), QString());
        QVERIFY(!patterns.isEmpty());
        const auto matched = [&patterns](const QString &name) {
            for (const QString &pattern : std::as_const(patterns))
                if (::fnmatch(pattern.toUtf8().constData(), name.toUtf8().constData(), 0) == 0)
                    return true;
            return false;
        };
        for (const QString &name : days)
            QVERIFY2(matched(name), qPrintable(name));
        for (const QString &name : others)
            QVERIFY2(!matched(name), qPrintable(name));
        QCOMPARE(shown, QStringList{u"*.txt"_s});
        listed.sort();
        QCOMPARE(listed, days);
    }
};

KERBO_TEST(WidgetPromptsTest)
#include "WidgetPromptsTest.moc"
