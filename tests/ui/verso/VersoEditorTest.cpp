#include "TestMain.h"

#include "../SessionFolder.h"
#include "core/form/FormGeometry.h"
#include "core/form/VersoGeometry.h"
#include "core/form/VersoPicture.h"
#include "ui/PaperColours.h"
#include "ui/editor/EditorWindow.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/preview/frmPreview.h"
#include "ui/verso/VersoWiring.h"
#include "ui/verso/frmVerso.h"

#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

using T = VersoText;

// A run on a data folder holding the factory layout, with the verso editor open.
struct Run : SessionFolder {
    frmVerso *editor = nullptr;

    Run()
    {
        saveFactoryLayout();
        state.config.versoFont = {u"DejaVu Sans"_s, 10, u"False"_s, u"False"_s};
    }
    ~Run() { delete editor; }
    void open()
    {
        make();
        QVERIFY(bringToFront(*editor));
    }
    void make()
    {
        editor = new frmVerso(session, EditorLayout::Editor1024);
        editor->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QWidget *box(T text, int index = 0) { return editor->textBox({text, index}); }
    QLineEdit *line(T text, int index = 0) { return qobject_cast<QLineEdit *>(box(text, index)); }
    bool focusOn(T text, int index = 0) { return QApplication::focusWidget() == box(text, index); }
    QString pdf() const { return dir.filePath(u"verso.pdf"_s); }
    // The recto editor, its verso and preview commands wired as in the program.
    std::unique_ptr<EditorWindow> recto()
    {
        auto window = std::make_unique<EditorWindow>(state, EditorLayout::Editor1024);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        wireVersoAndPreviews(*window, session);
        return window;
    }
};

} // namespace

class VersoEditorTest : public QObject
{
    Q_OBJECT
private slots:
    // With two monitors, the verso editor and the previews open on the editor's, not on the
    // first one (run with the two monitors of tests/support/two-monitors.json). Each window is
    // placed by the program: a window manager places a window left to it on its first monitor.
    void windowsOpenOnTheEditorsMonitor()
    {
        QScreen *laptop = nullptr;
        for (QScreen *screen : QGuiApplication::screens())
            if (screen->name() == u"Laptop") laptop = screen;
        if (!laptop) QSKIP("needs a second monitor");
        const QRect room = laptop->availableGeometry();
        Run run;
        const auto owned = run.recto();
        EditorWindow &window = *owned;
        window.move(room.topLeft() + QPoint(60, 30));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.screen(), laptop);

        // Opened on the laptop, and placed there by the program.
        const auto onTheLaptop = [&](QWidget *w) {
            return w && w->isVisible() && w->screen() == laptop &&
                   room.contains(w->geometry().center()) && w->testAttribute(Qt::WA_Moved);
        };
        window.action(EditorCommand::PreviewRecto)->trigger();
        QVERIFY(onTheLaptop(window.findChild<frmPreview *>()));
        window.findChild<frmPreview *>()->close();

        window.action(EditorCommand::Verso)->trigger();
        auto *verso = window.findChild<frmVerso *>();
        QVERIFY(onTheLaptop(verso));
        QVERIFY(room.contains(verso->geometry()));
        verso->button(frmVerso::Button::Preview)->click();
        QVERIFY(onTheLaptop(verso->findChild<frmPreview *>()));
        verso->findChild<frmPreview *>()->close();
        verso->close();
    }

    // A laptop at 200 % beside an office monitor at 100 % (run with QT_SCREEN_SCALE_FACTORS):
    // the verso's form and the preview's sheet are drawn at the pixel density of the monitor
    // they stand on, and again when moved to the other one, never a picture enlarged.
    void picturesSharpOnEachMonitor()
    {
        QScreen *office = nullptr, *laptop = nullptr;
        for (QScreen *screen : QGuiApplication::screens())
            (screen->name() == u"Laptop" ? laptop : office) = screen;
        if (!laptop || !office || laptop->devicePixelRatio() == office->devicePixelRatio())
            QSKIP("needs two monitors of different pixel densities");
        Run run;
        const auto owned = run.recto();
        EditorWindow &window = *owned;
        window.move(laptop->availableGeometry().topLeft() + QPoint(20, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The picture as the window shows it, without the boxes, against the vector drawing.
        const auto sharp = [](QWidget *picture, const auto &draw) {
            const qreal ratio = picture->devicePixelRatioF();
            QImage shown(picture->size() * ratio, QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            shown.fill(Qt::white);
            picture->render(&shown, {}, {}, QWidget::DrawWindowBackground);
            QImage drawn(shown.size(), QImage::Format_RGB32);
            drawn.setDevicePixelRatio(ratio);
            drawn.fill(Qt::white);
            QPainter p(&drawn);
            draw(p);
            p.end();
            qint64 differ = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    differ += shown.pixel(x, y) != drawn.pixel(x, y);
            return differ * 1000 < qint64(shown.width()) * shown.height();
        };
        const auto moveTo = [](QWidget *w, QScreen *screen) {
            w->windowHandle()->setScreen(screen);
            w->move(screen->availableGeometry().topLeft());
            QTRY_COMPARE(w->devicePixelRatioF(), screen->devicePixelRatio());
        };

        window.action(EditorCommand::Verso)->trigger();
        auto *verso = window.findChild<frmVerso *>();
        QVERIFY(verso && QTest::qWaitForWindowExposed(verso));
        QCOMPARE(verso->devicePixelRatioF(), laptop->devicePixelRatio());
        QWidget *form = verso->findChild<QScrollArea *>()->widget();
        const double k = FormGeometry::scaleFor(EditorLayout::Editor1024).pixelsPerMm;
        const auto versoForm = [k](QPainter &p) {
            p.fillRect(
                QRectF(0, 0, VersoGeometry::WidthMm * k + 1, VersoGeometry::HeightMm * k + 1),
                FormPicture::PaperColour);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            VersoPicture::paint(p, k);
        };
        QVERIFY(sharp(form, versoForm));
        moveTo(verso, office);
        QVERIFY(sharp(form, versoForm));

        verso->button(frmVerso::Button::Preview)->click();
        auto *preview = verso->findChild<frmPreview *>();
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        preview->setZoom(frmPreview::Zoom::Actual);
        PreviewCanvas *sheet = preview->canvas();
        const auto blankSheet = [sheet](QPainter &p) {
            p.setRenderHint(QPainter::Antialiasing);
            VersoPicture::paint(p, sheet->pixelsPerMm(), FormPicture::Surface::Paper);
        };
        run.state.verso = VersoContent(); // the sheet alone
        sheet->update();
        QVERIFY(sharp(sheet, blankSheet));
        moveTo(preview, laptop);
        QVERIFY(sharp(sheet, blankSheet));
        preview->close();
        verso->close();
    }

    void opensFromTheEditorWithTheLayoutLoaded()
    {
        Run run;
        const auto owned = run.recto();
        EditorWindow &window = *owned;
        QAction *entry = nullptr;
        for (QAction *a : window.contextMenu()->actions())
            if (a->text() == u"EditeurVerso") entry = a;
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        auto *verso = window.findChild<frmVerso *>();
        QVERIFY(verso && verso->isVisible());
        QCOMPARE(verso->windowTitle(), u"EDITEUR VERSO"_s);
        QVERIFY(run.state.printLayout.isLoaded());
        QStringList captions;
        for (int b = 0; b < int(frmVerso::Button::Count); ++b)
            captions << verso->button(frmVerso::Button(b))->text();
        QCOMPARE(captions, (QStringList{"Imprimer", "Réglage Bulletin sur imprimante",
                                        "Choix Police", "Centrage du bulletin",
                                        "Aperçu bulletin verso", "Retour Editeur Recto"}));
        // The calibration windows are not plugged in.
        QVERIFY(!verso->button(frmVerso::Button::Calibration)->isEnabled());
        QVERIFY(!verso->button(frmVerso::Button::Centring)->isEnabled());
        verso->button(frmVerso::Button::Back)->click();
        QVERIFY(!verso->isVisible());

        window.action(EditorCommand::PreviewRecto)->trigger();
        QVERIFY(window.findChild<frmPreview *>() && window.findChild<frmPreview *>()->isVisible());
    }

    // Enter and Backspace follow the verso order, caret at the end; Tab reaches frame L last.
    void typingAndMovingByKeys()
    {
        Run run;
        run.state.verso.txtE[15] = u"12345"_s;
        run.state.verso.textL[7] = u"PK 45.3"_s;
        run.open();
        QVERIFY(run.focusOn(T::D, 0));
        // The box that has the keyboard is lit; the one left shows the form through it again.
        const auto ground = [&run](T text, int index = 0) {
            return run.box(text, index)->palette().color(QPalette::Base);
        };
        QCOMPARE(ground(T::D, 0), PaperColours::focusGround());
        QTest::keyClicks(run.box(T::D, 0), u"Carre"_s);
        QCOMPARE(run.state.verso.txtD[0], u"Carre"_s);
        QTest::keyClick(run.box(T::D, 0), Qt::Key_Return);
        QVERIFY(run.focusOn(T::D, 1));
        QCOMPARE(ground(T::D, 1), PaperColours::focusGround());
        QCOMPARE(ground(T::D, 0).alpha(), 0);
        run.line(T::I, 0)->setFocus(); // empty: Backspace goes back
        QTest::keyClick(run.box(T::I, 0), Qt::Key_Backspace);
        QVERIFY(run.focusOn(T::E, 15));
        QCOMPARE(run.line(T::E, 15)->cursorPosition(), 5);
        QTest::keyClick(run.box(T::E, 15), Qt::Key_Return);
        QVERIFY(run.focusOn(T::I, 0));

        // The train numbers take several lines: Enter stays there. Tab goes on to frame L.
        run.box(T::NumTrainH)->setFocus();
        QCOMPARE(ground(T::NumTrainH), PaperColours::focusGround()); // a box of several lines too
        QCOMPARE(ground(T::I, 0).alpha(), 0);
        QTest::keyClicks(run.box(T::NumTrainH), u"123"_s);
        QTest::keyClick(run.box(T::NumTrainH), Qt::Key_Return);
        QTest::keyClicks(run.box(T::NumTrainH), u"456"_s);
        QCOMPARE(run.state.verso.txtNumTrainH, u"123\n456"_s);
        // What the day file cannot hold shows as its "?", in both kinds of box.
        typeCharacters(run.box(T::NumTrainH), u"ł7"_s);
        QCOMPARE(run.state.verso.txtNumTrainH, u"123\n456?7"_s);
        typeCharacters(run.box(T::D, 0), u"ő"_s);
        QCOMPARE(run.state.verso.txtD[0], u"Carre?"_s);
        // A character written as two (an emoji) is one "?", the next key goes right after it,
        // and Undo takes the typing back.
        QLineEdit *d = run.line(T::D, 0);
        d->setCursorPosition(1);
        typeCharacters(d, u"😀Z"_s);
        QCOMPARE(d->text(), u"C?Zarre?"_s);
        QTest::keyClick(d, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(run.state.verso.txtD[0], u"Carre?"_s);
        // Pasted into a box of several lines: turned as it goes in, Undo takes the paste back.
        auto *trains = static_cast<QPlainTextEdit *>(run.box(T::NumTrainH));
        QTextCursor at = trains->textCursor();
        at.setPosition(1);
        trains->setTextCursor(at);
        QGuiApplication::clipboard()->setText(u"ż😀"_s);
        QTest::keyClick(trains, Qt::Key_V, Qt::ControlModifier);
        typeCharacters(trains, u"8"_s);
        QCOMPARE(run.state.verso.txtNumTrainH, u"1??823\n456?7"_s);
        // A tab, which no key types there, is a blank: the lines break at blanks on paper.
        QGuiApplication::clipboard()->setText(u"\t"_s);
        QTest::keyClick(trains, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(run.state.verso.txtNumTrainH, u"1??8 23\n456?7"_s);
        QTest::keyClick(trains, Qt::Key_Z, Qt::ControlModifier); // the tab
        QTest::keyClick(trains, Qt::Key_Z, Qt::ControlModifier); // the 8
        QTest::keyClick(trains, Qt::Key_Z, Qt::ControlModifier); // the paste, turned or not
        QCOMPARE(run.state.verso.txtNumTrainH, u"123\n456?7"_s);
        // A paste into a line, turned as it goes in or not, is one step of Undo of its own.
        d->end(false);
        for (const auto &[typed, pasted, shown] :
             {std::tuple{u"X"_s, u"AB"_s, u"Carre?XAB"_s}, {u"Y"_s, u"AΩ"_s, u"Carre?XYA?"_s}}) {
            typeCharacters(d, typed);
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(d, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(d->text(), shown);
            QTest::keyClick(d, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(d->text(), shown.chopped(pasted.size()));
        }
        // A box of one line keeps one line of what is pasted, by the keys or the box's menu:
        // a line break or a tab is a blank, as the day file holds it, and Undo still takes the
        // paste back. The printer would draw the words of a break joined.
        QLineEdit *e = run.line(T::E, 1);
        e->setFocus();
        QGuiApplication::clipboard()->setText(u"voie\r\n2\tsud"_s);
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(run.state.verso.txtE[1], u"voie 2 sud"_s);
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->text(), QString());
        QGuiApplication::clipboard()->setText(u"\uFEFFquai\nA"_s);
        e->paste();
        QCOMPARE(run.state.verso.txtE[1], u"quai A"_s);
        QCOMPARE(e->cursorPosition(), 6);
        typeCharacters(e, u"\u200D😀"_s); // as a paste keeps it: no invisible joiner
        QCOMPARE(run.state.verso.txtE[1], u"quai A?"_s);
        run.box(T::NumTrainH)->setFocus();
        QTest::keyClick(run.box(T::NumTrainH), Qt::Key_Tab);
        QTest::keyClick(run.box(T::ObsMec), Qt::Key_Tab);
        QVERIFY(run.focusOn(T::L, 0));

        // In a narrow column the text is drawn narrower, its first letter in sight, whether
        // typed or read back with the day; a text that fits keeps the verso font.
        const auto fits = [](QLineEdit *edit) {
            return edit->fontMetrics().horizontalAdvance(edit->text()) <=
                   edit->contentsRect().width() - 5;
        };
        QTest::keyClick(run.box(T::L, 0), Qt::Key_Tab);
        QTest::keyClicks(run.box(T::L, 1), u"PK 45.3"_s);
        QVERIFY(fits(run.line(T::L, 1)));
        QVERIFY(run.line(T::L, 1)->font().stretch() < 100);
        QVERIFY(fits(run.line(T::L, 7)));
        QCOMPARE(run.line(T::L, 0)->font(), run.line(T::D, 1)->font());

        // After the last text, Tab reaches the buttons: the verso prints without a mouse.
        run.box(T::L, VersoContent::LCount - 1)->setFocus();
        QSet<QWidget *> reached;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QVERIFY(reached.contains(run.editor->button(frmVerso::Button::Print)));
        QVERIFY(reached.contains(run.editor->button(frmVerso::Button::Preview)));
        // The preview opened from its button: once closed, the keys are back in the text.
        run.box(T::L, 2)->setFocus();
        run.editor->button(frmVerso::Button::Preview)->setFocus();
        QTest::keyClick(run.editor->button(frmVerso::Button::Preview), Qt::Key_Space);
        QWidget *preview = QApplication::activeWindow();
        QTRY_VERIFY((preview = QApplication::activeWindow()) && preview != run.editor);
        preview->close();
        QApplication::setActiveWindow(run.editor);
        QTRY_COMPARE(QApplication::focusWidget(), run.box(T::L, 2));

        // Escape goes back to the recto editor, from a line or from a box of several lines.
        QTest::keyClick(run.box(T::ObsMec), Qt::Key_Escape);
        QVERIFY(!run.editor->isVisible());
        QCOMPARE(run.state.verso.txtNumTrainH, u"123\n456?7"_s);
    }

    // In every layout each line of text stands whole in its box, accents and descenders
    // included, whatever the rounding of the box's edges to pixels.
    void textsStandWholeInTheirBoxes()
    {
        for (EditorLayout layout :
             {EditorLayout::Editor1024, EditorLayout::Editor800, EditorLayout::LargeFont}) {
            Run run;
            run.state.verso.txtObsMecUP = u"UP TRACTION PARIS SUD EST RESIDENCE"_s;
            frmVerso editor(run.session, layout);
            // A text longer than its box shows its beginning.
            QCOMPARE(qobject_cast<QLineEdit *>(editor.textBox({T::ObsMecUP, 0}))->cursorPosition(),
                     0);
            // One letter size for every row of a frame, kept while typing.
            auto *row = qobject_cast<QLineEdit *>(editor.textBox({T::E, 3}));
            const int size = row->font().pixelSize();
            for (int index = 0; index < 16; ++index)
                QCOMPARE(editor.textBox({T::E, index})->font().pixelSize(), size);
            QTest::keyClicks(row, u"Égypq"_s);
            QCOMPARE(row->font().pixelSize(), size);
            const QList<QLineEdit *> lines = editor.findChildren<QLineEdit *>();
            QVERIFY(lines.size() > 100);
            for (QLineEdit *line : lines) {
                if (!line->objectName().contains(u'_')) continue;
                const QFontMetrics metrics(line->font());
                // Where a row is lower than a line (frame E's), the letter is smaller; it
                // reaches over the row's line only where it would be too small to read.
                if (layout != EditorLayout::Editor800 && line->objectName().startsWith(u"1_")) {
                    const QRectF box =
                        VersoGeometry::box({T::E, line->objectName().mid(2).toInt()});
                    const double k = FormGeometry::scaleFor(layout).pixelsPerMm;
                    QVERIFY2(line->geometry().top() > qRound(box.top() * k),
                             qPrintable(line->objectName()));
                }
                QVERIFY2(metrics.height() <= line->height(),
                         qPrintable(u"layout %1, box %2: %3 px for a %4 px line"_s.arg(int(layout))
                                        .arg(line->objectName())
                                        .arg(line->height())
                                        .arg(metrics.height())));
            }
        }
    }

    // Larger than the screen (the test screen is 800 pixels wide): the editor takes the whole
    // screen, where the picture scrolls, rather than a window cut to the screen's size.
    void largerThanTheScreenFillsIt()
    {
        Run run;
        run.make();
        const QRect room = run.editor->screen()->availableGeometry();
        auto *view = run.editor->findChild<QScrollArea *>();
        QVERIFY(view->widget()->width() > room.width());
        run.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.editor));
        QVERIFY(run.editor->isMaximized());
        QVERIFY(room.contains(run.editor->geometry()));
        // Restored, it keeps room for its title bar on the screen.
        QVERIFY(run.editor->normalGeometry().height() + 40 <= room.height());

        // Made small by the driver, it brings into sight the box that gets the keyboard: here
        // the one farthest right and down, out of the view at first.
        run.editor->showNormal();
        run.editor->resize(400, 300);
        QVERIFY(bringToFront(*run.editor));
        QTRY_VERIFY(view->viewport()->height() < view->widget()->height());
        QLineEdit *farthest = nullptr;
        for (QLineEdit *box : view->widget()->findChildren<QLineEdit *>())
            if (!farthest || box->x() + box->y() > farthest->x() + farthest->y()) farthest = box;
        auto caretInSight = [&] {
            const QRect caret = farthest->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            return view->viewport()->rect().contains(
                QRect(farthest->mapTo(view->viewport(), caret.topLeft()), caret.size()));
        };
        QVERIFY(!caretInSight());
        farthest->setFocus();
        QVERIFY(caretInSight());
    }

    // Cancel prints nothing and leaves the tables; either way the focus comes back.
    void printAsksThenCancelsOrPrints()
    {
        Run run;
        run.printer.choosePdfFile(run.pdf());
        run.state.verso.txtNumTrainH = u"12345\n67890"_s;
        run.state.versoLines.trainNumbers[0] = u"ancien"_s;
        run.open();
        run.line(T::E, 5)->setFocus();
        run.editor->button(frmVerso::Button::Print)->click();
        QCOMPARE(run.prompts.titles(), QStringList{"Kerbo"});
        QVERIFY(!QFile::exists(run.pdf()));
        QCOMPARE(run.state.versoLines.trainNumbers[0], u"ancien"_s);
        QVERIFY(run.focusOn(T::E, 5));

        run.prompts.answers.push_back(Prompts::Answer::Ok);
        run.editor->button(frmVerso::Button::Print)->click();
        QCOMPARE(run.prompts.calls.size(), 2);
        QVERIFY(QFileInfo(run.pdf()).size() > 0);
        QCOMPARE(run.state.versoLines.trainNumbers[1], u"67890"_s);
        QVERIFY(run.focusOn(T::E, 5));
    }

    void withoutPrinterTwoMessages()
    {
        if (PrinterChoice::anyPrinterInstalled()) QSKIP("a printer is installed on this machine");
        Run run;
        run.open();
        run.prompts.answers.push_back(Prompts::Answer::Ok);
        run.editor->button(frmVerso::Button::Print)->click();
        QCOMPARE(run.prompts.titles(),
                 (QStringList{"Kerbo", "Attention n'y a acune imprimante installée !!",
                              "Attention n'y a acune imprimante installée!!"}));
        QVERIFY(run.prompts.calls[1].text.startsWith(
            u"Pour que le programme fonctionne normalement \r\n"_s));
    }

    // The observations wrap on screen as on paper, however many lines they hold: the scroll bar
    // that long observations need does not narrow the text. The form under them is whole.
    void observationsWrapAsOnPaperOverAWholeForm()
    {
        Run run;
        run.open();
        auto *observations = qobject_cast<QPlainTextEdit *>(run.box(T::ObsMec));
        const int shortText = observations->viewport()->width();
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << u"ligne %1"_s.arg(i);
        observations->setPlainText(lines.join(u'\n'));
        QApplication::processEvents();
        QCOMPARE(observations->viewport()->width(), shortText);

        // At the 800 layout's scale the sheet ends inside the last column of pixels: what it
        // leaves of it is paper, not what the memory held.
        frmVerso small(run.session, EditorLayout::Editor800);
        small.setAttribute(Qt::WA_DeleteOnClose, false);
        QWidget *canvas = small.findChild<QScrollArea *>()->widget();
        QImage picture(canvas->size(), QImage::Format_RGB32);
        picture.fill(Qt::black);
        canvas->render(&picture, {}, {}, QWidget::DrawWindowBackground);
        for (int y = 0; y < picture.height(); ++y)
            QVERIFY2(qGray(picture.pixel(picture.width() - 1, y)) > 200,
                     qPrintable(QString::number(y)));
    }

    // Plugged in, the calibration buttons come alive; a new line length resizes the observations.
    void calibrationHooks()
    {
        Run run;
        QStringList calls;
        int whileOpen = 0; // the observations' width while the chooser is open
        run.session.calibration.openFrameChooser =
            [&](QWidget *parent, PrintSide side, bool fromPreview,
                const CalibrationHooks::LayoutChanged &layoutChanged) {
                calls << u"chooser %1 %2 %3"_s.arg(parent == run.editor)
                             .arg(side == PrintSide::Verso)
                             .arg(fromPreview);
                run.state.printLayout.ParaImpX[90] = u"50"_s;
                layoutChanged();
                whileOpen = run.box(T::ObsMec)->width();
                // Its "Quitter" reads the layout again, and tells nothing.
                run.state.printLayout.ParaImpX[90] = u"30"_s;
            };
        run.session.calibration.openCentring = [&](QWidget *, PrintSide side) {
            calls << u"centring %1"_s.arg(side == PrintSide::Verso);
        };
        run.open();
        const int before = run.box(T::ObsMec)->width();
        run.line(T::I, 2)->setFocus();
        QVERIFY(run.editor->button(frmVerso::Button::Calibration)->isEnabled());
        run.editor->button(frmVerso::Button::Calibration)->click();
        run.editor->button(frmVerso::Button::Centring)->click();
        QCOMPARE(calls, (QStringList{"chooser 1 1 0", "centring 1"}));
        QVERIFY(whileOpen < before * 0.5);
        QVERIFY(run.box(T::ObsMec)->width() < whileOpen);
        QVERIFY(run.focusOn(T::I, 2));
    }

    // The font chosen with "Choix Police" is the boxes' font at once; cancelled, it is not.
    // Chosen in the preview, it is theirs when the preview closes, the observations' too.
    void chosenFontShowsInTheBoxes()
    {
        Run run;
        run.open();
        const QString before = run.box(T::I, 0)->font().family();
        const QString chosen = before == u"DejaVu Serif" ? u"DejaVu Sans"_s : u"DejaVu Serif"_s;
        auto choose = [&](const QString &family, bool accept) {
            onNextModal<QFontDialog>([family, accept](QFontDialog *dialog) {
                dialog->setCurrentFont(QFont(family, 8));
                accept ? dialog->accept() : dialog->reject();
            });
        };
        for (const bool accept : {false, true}) {
            choose(chosen, accept);
            run.editor->button(frmVerso::Button::Font)->click();
            QCOMPARE(run.box(T::I, 0)->font().family(), accept ? chosen : before);
        }

        frmPreview *preview = run.editor->openPreview();
        choose(before, true);
        preview->button(frmPreview::Button::Font)->click();
        QCOMPARE(run.state.config.versoFont.name, before);
        preview->button(frmPreview::Button::Back)->click();
        QTRY_VERIFY(!run.editor->findChild<frmPreview *>());
        QCOMPARE(run.box(T::I, 0)->font().family(), before);
        QCOMPARE(run.box(T::ObsMec)->font().family(), before);
    }
};

KERBO_TEST(VersoEditorTest)
#include "VersoEditorTest.moc"
