#include "TestMain.h"

#include "core/startup/CommandLine.h"

using namespace Qt::StringLiterals;

// What a user typing "kerbo ..." in a terminal gets: help and version at once, without a
// display; an option nobody knows refused with a word, once Qt has taken its own.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersionNeedNoDisplay()
    {
        for (const QString &help : {u"-h"_s, u"--help"_s}) {
            const CommandLine::Answer a =
                CommandLine::answer({u"-reverse"_s, help}, u"1.0.0"_s, false);
            QVERIFY(a.done);
            QCOMPARE(a.code, 0);
            QVERIFY(a.out.startsWith(u"Utilisation : kerbo [--help] [--version]\n"_s));
            QVERIFY(a.error.isEmpty());
        }
        for (const QString &version : {u"-v"_s, u"--version"_s}) {
            const CommandLine::Answer a = CommandLine::answer({version}, u"1.0.0"_s, true);
            QVERIFY(a.done);
            QCOMPARE(a.out, u"Kerbo 1.0.0\n"_s);
        }
    }

    void unknownOptionsAreRefusedOnceQtTookItsOwn()
    {
        // Before Qt: "-platform" is Qt's, and goes on to it.
        QVERIFY(!CommandLine::answer({u"-platform"_s, u"offscreen"_s}, u"1.0.0"_s, false).done);
        const CommandLine::Answer a = CommandLine::answer({u"--imprime"_s}, u"1.0.0"_s, true);
        QVERIFY(a.done);
        QCOMPARE(a.code, 2);
        QVERIFY(a.out.isEmpty());
        QCOMPARE(a.error,
                 u"kerbo : option inconnue « --imprime »\nEssayez « kerbo --help » pour la "
                 "liste des options.\n"_s);
        // A file handed by a file manager, a lone "-", anything after "--": the program starts.
        QVERIFY(!CommandLine::answer({u"/home/dupont/12.txt"_s, u"-"_s}, u"1.0.0"_s, true).done);
        QVERIFY(!CommandLine::answer({u"--"_s, u"--help"_s, u"-x"_s}, u"1.0.0"_s, true).done);
    }
};

KERBO_TEST(CommandLineTest)
#include "CommandLineTest.moc"
