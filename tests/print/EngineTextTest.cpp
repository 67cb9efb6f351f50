#include "TestMain.h"

#include "editor/EngineText.h"

class EngineTextTest : public QObject
{
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("enaut");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("code");
        auto row = [](const char *name, const char *text, int slot, int enaut, const char *l,
                      const char *n, const char *c) {
            QTest::newRow(name) << QString::fromUtf8(text) << slot << enaut << QString::fromUtf8(l)
                                << QString::fromUtf8(n) << QString::fromUtf8(c);
        };
        row("usual", "B 67401 SOT", 82, 0, "B", "67401", "SOT");
        row("second letter stays in the number", "BB 67401 SOT", 82, 0, "B", "B67401", "SOT");
        row("no letter, long code", "67401LYON", 82, 0, "", "67401", "LYO");
        row("default letter on a line", "67401LYON", 82, 1, "Z", "67401", "LYO");
        row("no default letter when shunting", "67401", 42, 1, "", "67401", "");
        row("seven digits", "2067401", 82, 0, "2", "067401", "");
        row("seven digits replace the letter", "B2067401", 82, 1, "2", "067401", "");
        row("eight digits lose the last", "20674019", 82, 0, "2", "067401", "");
        row("no engine", " / ", 82, 1, "/", "", "");
        row("blanks inside", " B  674 01  S O T ", 82, 0, "B", "67401", "SOT");
        row("empty", "   ", 82, 1, "", "", "");
        row("letter alone", "Z", 82, 1, "Z", "", "");
    }

    void split()
    {
        QFETCH(QString, text);
        QFETCH(int, slot);
        QFETCH(int, enaut);
        const EngineParts parts = ExtractEngin(text, slot, enaut, QStringLiteral("Z"));
        QTEST(parts.letter, "letter");
        QTEST(parts.number, "number");
        QTEST(parts.code, "code");
    }
};

KERBO_TEST(EngineTextTest)
#include "EngineTextTest.moc"
