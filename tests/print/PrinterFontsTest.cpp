#include "TestMain.h"

#include "FakePrompts.h"
#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/TextFile.h"
#include "print/PrinterFonts.h"
#include "print/RecordingPage.h"

#include <QTemporaryDir>

namespace {

// A program folder with its data folder and, when given, a Config.ini.
struct Folder {
    QTemporaryDir dir;
    AppState state;

    explicit Folder(const QByteArray &configIni = {})
    {
        QDir(dir.path()).mkdir(QStringLiteral("DataBul"));
        state.config.ouestKerbo = dir.path() + QLatin1Char('/');
        if (!configIni.isEmpty())
            TextFile::writeAtomic(state.config.iniPath(), configIni);
        state.config.load();
    }
    QString key(const char *section, const char *key) const
    {
        return IniFile(state.config.iniPath())
            .value(QString::fromLatin1(section), QString::fromLatin1(key));
    }
};

QFont font(const char *family, int points, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSize(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

const QString SizeTitle =
    QStringLiteral("ERREUR : TAILLE DES POLICES SUPERIEURES AU MAXIMUM DES BOITES DE TEXTE ");
const QString SizeText = QStringLiteral(
    "ATTENTION LA TAILLE DE CETTE POLICE EST SUPERIEURE A LA TAILLE DES BOITES DE TEXTE "
    "VEUILLEZ CHOISIR UN POLICE AVEC UNE TAILLE INFERIEURE S.V.P.");

} // namespace

class PrinterFontsTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesTheKeysOfBothSides()
    {
        Folder f;
        PrinterFonts::checkAtStartUp(f.state);
        const PrinterFont device = PrinterFonts::fromQFont(PrinterFonts::deviceDefaultFont());
        QVERIFY(!device.name.isEmpty() && device.size > 0);
        QVERIFY(device.bold == u"True" || device.bold == u"False");
        const QStringList values{device.name, QString::number(device.size), device.bold,
                                 device.italic};
        const char *recto[] = {"PoliceFontName", "PoliceFontSize", "PoliceFontBold",
                               "PoliceFontItalic"};
        const char *verso[] = {"PoliceFontNameVerso", "PoliceFontSizeVerso", "PoliceFontBoldVerso",
                               "PoliceFontItalicVerso"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.key(Config::PoliceImprimante, recto[i]), values[i]);
            QCOMPARE(f.key(Config::PoliceImprimanteVerso, verso[i]), values[i]);
        }
        QCOMPARE(f.state.config.rectoFont.name, device.name);
    }

    void setSettingsAreKeptAndTheOthersCompleted()
    {
        Folder f("[PoliceImprimante]\r\nPoliceFontName=Courier New\r\n");
        const QFont printed = PrinterFonts::rectoFontForPrinting(
            f.state.config, font("DejaVu Sans", 11, true, false));
        QCOMPARE(printed.family(), QStringLiteral("Courier New"));
        QCOMPARE(printed.pointSize(), 11);
        QVERIFY(printed.bold() && !printed.italic());
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontName"), QStringLiteral("Courier New"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontSize"), QStringLiteral("11"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontBold"), QStringLiteral("True"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontItalic"), QStringLiteral("False"));
        // The verso is a side of its own.
        QVERIFY(f.key(Config::PoliceImprimanteVerso, "PoliceFontNameVerso").isEmpty());
    }

    void tooLargeFontIsRefusedUntilOneFits()
    {
        Folder f("[PoliceImprimante]\r\nPoliceFontName=DejaVu Sans\r\nPoliceFontSize=9\r\n"
                 "PoliceFontBold=False\r\nPoliceFontItalic=False\r\n");
        RecordingPage measure; // a line is 1.2 em: 12 pt is 5.1 mm, 10 pt 4.2 mm
        FakePrompts prompts;
        QList<QFont> offered;
        std::deque<QFont> answers{font("DejaVu Serif", 12, true), font("DejaVu Serif", 10, true)};
        const bool saved = PrinterFonts::Police_Recto(
            f.state.config, measure, prompts, [&](const QFont &initial) -> std::optional<QFont> {
                offered << initial;
                const QFont a = answers.front();
                answers.pop_front();
                return a;
            });
        QVERIFY(saved);
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered[0].family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(offered[0].pointSize(), 9);
        QCOMPARE(offered[1].pointSize(), 12); // reopened on the refused font
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.last().title, SizeTitle);
        QCOMPARE(prompts.last().text, SizeText);
        QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontName"), QStringLiteral("DejaVu Serif"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontSize"), QStringLiteral("10"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontBold"), QStringLiteral("True"));
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontItalic"), QStringLiteral("False"));
        QCOMPARE(f.state.config.rectoFont.size, 10);
    }

    void cancellingKeepsTheStoredFont()
    {
        Folder f("[PoliceImprimante]\r\nPoliceFontName=DejaVu Sans\r\nPoliceFontSize=9\r\n"
                 "PoliceFontBold=False\r\nPoliceFontItalic=False\r\n");
        RecordingPage measure;
        FakePrompts prompts;
        int opened = 0;
        const bool saved = PrinterFonts::Police_Recto(
            f.state.config, measure, prompts, [&](const QFont &) -> std::optional<QFont> {
                // First a refused font, then cancel.
                return ++opened == 1 ? std::optional<QFont>(font("DejaVu Sans", 20)) : std::nullopt;
            });
        QVERIFY(!saved);
        QCOMPARE(opened, 2);
        QCOMPARE(f.state.config.rectoFont.size, 9);
        QCOMPARE(f.key(Config::PoliceImprimante, "PoliceFontSize"), QStringLiteral("9"));
    }
};

KERBO_TEST(PrinterFontsTest)
#include "PrinterFontsTest.moc"
