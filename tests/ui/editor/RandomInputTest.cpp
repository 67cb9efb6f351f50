#include "TestMain.h"

#include "AutomatismeFile.h"
#include "TempDataFolder.h"
#include "core/editor/EditRules.h"
#include "ui/Session.h"
#include "ui/editor/BulletinCanvas.h"
#include "ui/editor/BulletinEditing.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/SlotComboBox.h"
#include "ui/print/PrinterChoice.h"
#include "ui/startup/StartUp.h"
#include "ui/startup/WidgetPrompts.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

using namespace SlotTable;
using namespace Qt::StringLiterals;

// Storms of random input on the editor as the program builds it: keys, accented letters,
// function keys, clicks and double-clicks anywhere on the form, the scale entries and window
// sizes, every dialog a key opens closed again at once. After every step the editor must still
// stand on a slot with its control over that slot's box, every box hold what its rules allow,
// and the data folder be as it was. A step is a word: "tA" types A, "kTab" or "kF9^" (with Ctrl)
// presses a key, "c500,250" clicks at that point of the form in thousandths of its size ("d" for
// a double-click, "w" for the wheel), "s" switches the scale, "f" the fit to the window,
// "r900x700" resizes the window. A failing storm names its seed and its last steps, to be played
// again (`storm`) and cut down to the few that show the fault.
// KERBO_STORM_SEED and KERBO_STORM_STEPS run other storms by hand.
class RandomInputTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<WidgetPrompts> m_prompts;
    std::unique_ptr<PrinterChoice> m_printer;
    std::unique_ptr<Session> m_session;
    QMap<QString, QByteArray> m_files; // the data folder as the storm found it
    bool m_learning = false;           // stations and engines typed join their lists
    bool m_saving = false;             // a command that writes its file was confirmed
    std::mt19937 m_random{1};          // the answers to the dialogs
    QTimer m_closer;                   // closes every dialog the storm opens
    int m_closing = 0;

    EditorWindow *editor() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *e = qobject_cast<EditorWindow *>(w); e && e->isVisible()) return e;
        return nullptr;
    }

    // Every file of the data folder, as bytes; but the folder chosen in the roster list, which
    // Config.ini keeps as soon as it is chosen, and the lists that learn what is typed.
    QMap<QString, QByteArray> dataFiles() const
    {
        QMap<QString, QByteArray> files;
        const QDir folder(m_data->dataFolder());
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (m_learning && it.fileName().startsWith(u"Liste"_s)) continue;
            QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : "?";
            if (it.fileName() == u"Config.ini"_s) {
                QList<QByteArray> lines = bytes.split('\n');
                lines.removeIf([](const QByteArray &l) { return l.startsWith("Hdgenerique="); });
                bytes = lines.join('\n');
            }
            files.insert(folder.relativeFilePath(it.filePath()), bytes);
        }
        return files;
    }

    void closeDialogs()
    {
        // Escape, as a driver would, and now and then Enter, the default answer: a capture
        // of the line as an automatisme writes its file then. A dialog that stays is
        // rejected, then closed.
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            m_closing = 0;
            return;
        }
        if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
        const int attempt = m_closing++;
        QWidget *keys = modal->focusWidget() ? modal->focusWidget() : modal;
        if (attempt == 0) {
            const bool enter = m_random() % 4 == 0;
            if (enter && modal->windowTitle().startsWith(u"ENREGISTRER CETTE LIGNE"_s))
                m_saving = true;
            QTest::keyClick(keys, enter ? Qt::Key_Return : Qt::Key_Escape);
        } else if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && attempt == 1)
            dialog->reject();
        else
            modal->close();
    }

    static const QStringList &keyNames()
    {
        static const QStringList names =
            u"Tab Backtab Left Right Up Down Home End PageUp PageDown Return Enter Escape "
            u"Backspace Delete F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 Z A V X"_s.split(u' ');
        return names;
    }

    static Qt::Key keyOf(const QString &name)
    {
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        return Qt::Key(keys.keyToValue(("Key_" + name).toLatin1().constData()));
    }

    // Where the keyboard's keys land: an open drop-down, a dialog, the widget with the focus.
    QWidget *keyTarget() const
    {
        if (QWidget *w = QApplication::activePopupWidget()) return w;
        if (QWidget *w = QApplication::activeModalWidget())
            return w->focusWidget() ? w->focusWidget() : w;
        if (QWidget *w = QApplication::focusWidget()) return w;
        return editor();
    }

    QPoint formPoint(const QString &where) const
    {
        const QStringList xy = where.split(u',');
        const BulletinCanvas *canvas = editor()->canvas();
        const QPoint p(canvas->width() * xy.value(0).toInt() / 1000,
                       canvas->height() * xy.value(1).toInt() / 1000);
        // A window smaller than the form shows part of it: the mouse reaches that part only.
        const QPoint at = canvas->mapTo(editor(), p);
        const QSize shown = editor()->windowHandle()->size();
        return QPoint(qMin(at.x(), shown.width() - 1), qMin(at.y(), shown.height() - 1));
    }

    // One step of a storm, as its word says.
    void play(const QString &step)
    {
        EditorWindow *e = editor();
        if (!e) return;
        if (!QApplication::activeWindow()) QApplication::setActiveWindow(e);
        const QChar kind = step.at(0);
        const QString rest = step.mid(1);
        if (kind == u't') {
            const QChar c = rest.at(0);
            const Qt::Key key = c.isLetterOrNumber() && c.unicode() < 128
                                    ? Qt::Key(c.toUpper().unicode())
                                    : (c == u' ' ? Qt::Key_Space : Qt::Key_unknown);
            QTest::sendKeyEvent(QTest::Click, keyTarget(), key, rest, {});
        } else if (kind == u'k') {
            Qt::KeyboardModifiers mods;
            QString name = rest;
            for (; name.endsWith(u'^') || name.endsWith(u'+'); name.chop(1))
                mods |= name.endsWith(u'^') ? Qt::ControlModifier : Qt::ShiftModifier;
            QTest::keyClick(keyTarget(), keyOf(name), mods);
        } else if (kind == u'c' || kind == u'd' || kind == u'w') {
            QWindow *window = e->windowHandle();
            const QPoint at = formPoint(rest);
            if (kind == u'c')
                QTest::mouseClick(window, Qt::LeftButton, {}, at);
            else if (kind == u'd')
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            else {
                QWidget *under = e->childAt(at);
                QWheelEvent wheel(QPointF(under ? under->mapFrom(e, at) : at),
                                  QPointF(e->mapToGlobal(at)), {}, {0, -120}, Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(under ? under : e, &wheel);
            }
        } else if (kind == u's' || kind == u'f') {
            // Commands that keep their setting in Config.ini.
            e->action(kind == u's' ? EditorCommand::ScaleSwitch : EditorCommand::FitToWindow)
                ->trigger();
            m_files = dataFiles();
        } else if (kind == u'r') {
            const QStringList wh = rest.split(u'x');
            e->resize(wh.value(0).toInt(), wh.value(1).toInt());
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What must hold after any step; "" when it does.
    QString broken()
    {
        EditorWindow *e = editor();
        if (!e) return u"no editor window"_s;
        const BulletinRecord &record = m_data->state.record;
        const int slot = record.currentSlot();
        if (slot < 1 || slot > LastLineSlot) return u"current slot %1"_s.arg(slot);
        const QLineEdit *text = e->textControl();
        const SlotComboBox *list = e->listControl();
        const QRect box = e->canvas()->boxRect(slot);
        if (!text->isHidden()) {
            if (EditRules::controlFor(slot) != EditRules::Control::Text || !list->isHidden())
                return u"text control shown on slot %1"_s.arg(slot);
            if (!box.contains(text->geometry()))
                return u"text control off the box of slot %1"_s.arg(slot);
            if (text->text() != record.slot(slot))
                return u"text control shows '%1', slot %2 holds '%3'"_s.arg(
                    text->text(), QString::number(slot), record.slot(slot));
        }
        if (!list->isHidden()) {
            if (EditRules::controlFor(slot) != EditRules::Control::List)
                return u"list control shown on slot %1"_s.arg(slot);
            if (list->geometry() != box) return u"list control off the box of slot %1"_s.arg(slot);
            if (!isEngine(slot) && list->currentText() != record.slot(slot))
                return u"list control shows '%1', slot %2 holds '%3'"_s.arg(
                    list->currentText(), QString::number(slot), record.slot(slot));
        }
        if (slot != DateSlot && text->isHidden() && list->isHidden())
            return u"no control on slot %1"_s.arg(slot);
        for (int s = 1; s < SlotCount; ++s) {
            const QString &value = record.slot(s);
            const SlotInfo &info = SlotTable::info(s);
            if (info.displayLimit > 0 && value.size() > info.displayLimit)
                return u"slot %1 holds '%2'"_s.arg(s).arg(value);
            if ((s == DateSlot || (s > LastLineSlot && s != TotalKmSlot)) && !value.isEmpty())
                return u"unused slot %1 holds '%2'"_s.arg(s).arg(value);
        }
        if (m_saving) {
            m_saving = false;
            m_files = dataFiles();
        }
        if (dataFiles() != m_files) return u"the data folder changed"_s;
        return {};
    }

    // Plays the steps, checking after each; the failure names the steps that led to it.
    void storm(const QStringList &steps)
    {
        QStringList done;
        for (const QString &step : steps) {
            play(step);
            done << step;
            if (const QString fault = broken(); !fault.isEmpty())
                QFAIL(qPrintable(fault + u" after: "_s + done.mid(done.size() - 40).join(u' ')));
        }
    }

    static QStringList randomSteps(quint32 seed, int count)
    {
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return int(random() % quint32(n)); };
        static const QString letters = u"aZéèçàÉ€œ0123456789 -/.x'’日😀"_s;
        QStringList steps;
        while (steps.size() < count) {
            const int what = pick(100);
            if (what < 40) {
                const QString all = letters;
                const qsizetype at = pick(int(all.size()));
                // A character written as two stays whole.
                const qsizetype n =
                    all.at(at).isHighSurrogate() ? 2 : (all.at(at).isLowSurrogate() ? 0 : 1);
                if (n) steps << u"t"_s + all.mid(at, n);
            } else if (what < 80) {
                QString key = keyNames().at(pick(int(keyNames().size())));
                const bool letter = key.size() == 1;
                if (letter || pick(8) == 0) key += u'^';
                if (!letter && pick(8) == 0) key += u'+';
                steps << u"k"_s + key;
            } else if (what < 94) {
                steps << (pick(3) == 0 ? u"d"_s : (pick(6) == 0 ? u"w"_s : u"c"_s)) +
                             u"%1,%2"_s.arg(pick(1000)).arg(pick(1000));
            } else if (what < 97) {
                steps << u"r%1x%2"_s.arg(500 + pick(1200)).arg(400 + pick(900));
            } else if (what < 99) {
                steps << u"f"_s;
            } else {
                steps << u"s"_s;
            }
        }
        return steps;
    }

    // The editor of a driver whose options are `options` (lines of [Options]).
    void openEditor(const QStringList &options)
    {
        m_data = std::make_unique<TempDataFolder>();
        const QString roster = m_data->dir.path() + u"/R1/"_s;
        QDir().mkpath(roster);
        m_data->writeLines(u"Config.ini"_s,
                           QStringList{u"[Cartouche]"_s, u"condition=1"_s, u"Nom=dupont"_s,
                                       u"[CheminDossiers]"_s, u"Hdgenerique="_s + roster,
                                       u"[Options]"_s} +
                               options);
        m_data->state.config.load();
        m_learning = options.contains(u"Enaug=1"_s);
        using AutomatismeFile::section;
        m_data->writeLines(u"Automatisme.ini"_s,
                           AutomatismeFile::counter(2) +
                               section(u"14"_s, {{u"De"_s, u"PNORD"_s},
                                                 {u"Gateg"_s, u"MVGL"_s},
                                                 {u"AgSeul"_s, u"ASX"_s},
                                                 {u"EnginUm1"_s, u"20501"_s}}) +
                               section(u"142"_s, {{u"A"_s, u"CREILLES"_s},
                                                  {u"Let1"_s, u"Z"_s},
                                                  {u"EnginTitu"_s, u"27501"_s},
                                                  {u"Km"_s, u"50"_s}}));
        m_data->writeLines(u"ListeDossier.txt"_s, {roster});
        m_data->writeLines(u"ListeGares.txt"_s, {u"PNORD"_s, u"CREIL"_s, u"AMIEN"_s});
        m_data->writeLines(u"ListeEngins.txt"_s, {u"BB 67401 SOT"_s, u"CC 72001 NOR"_s});
        m_data->writeLines(u"ListeEnginsAut.txt"_s, {u"Z 20501 NOR"_s});
        m_data->writeLines(u"ListeTaches.txt"_s, {u"MANOEUV"_s, u"RESERVE"_s});
        m_prompts = std::make_unique<WidgetPrompts>();
        m_printer = std::make_unique<PrinterChoice>();
        m_session.reset(new Session{m_data->state, *m_prompts, *m_printer});
        connect(&m_closer, &QTimer::timeout, this, &RandomInputTest::closeDialogs);
        m_closer.start(1);
        QVERIFY(StartUp::openEditor(*m_session, EditorLayout::Editor1024));
        QTRY_VERIFY(editor() && editor()->isActiveWindow());
        m_files = dataFiles();
    }

private slots:
    void cleanup()
    {
        if (EditorWindow *e = editor()) e->closeForLayoutSwitch();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_closer.stop();
        m_closer.disconnect();
        m_session.reset();
        m_printer.reset();
        m_prompts.reset();
        m_data.reset();
    }

    void randomStorm_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("locomotives") << QStringList{};
        QTest::newRow("self-propelled units, train prefix, learning")
            << QStringList{u"Enaut=1"_s,    u"LettreAutom=Z"_s,  u"Emtaut=NOR"_s, u"Nbvhe=2"_s,
                           u"IndCompo=P"_s, u"PrefixTrain=14"_s, u"Enaug=1"_s,    u"Eneng=1"_s};
    }
    void randomStorm()
    {
        QFETCH(QStringList, options);
        openEditor(options);
        if (QTest::currentTestFailed()) return;
        const quint32 seed = qEnvironmentVariableIsSet("KERBO_STORM_SEED")
                                 ? qEnvironmentVariableIntValue("KERBO_STORM_SEED")
                                 : 20261209u;
        const int count = qEnvironmentVariableIsSet("KERBO_STORM_STEPS")
                              ? qEnvironmentVariableIntValue("KERBO_STORM_STEPS")
                              : 3000;
        qInfo("storm of %d steps, seed %u", count, seed);
        m_random.seed(seed);
        storm(randomSteps(seed, count));
    }
};

KERBO_TEST(RandomInputTest)
#include "RandomInputTest.moc"
