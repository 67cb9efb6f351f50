#include "TestMain.h"

#include "core/base/NumberText.h"

#include <limits>

// Numbers inside texts.
class NumberTextTest : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber()
    {
        const std::pair<const char16_t *, double> cases[] = {
            {u"  12.5km", 12.5}, {u"\t12.5", 12.5}, {u" \t -3 km", -3}, {u"12,5", 12},
            {u".5", 0.5},        {u"-3", -3},       {u"abc", 0},
            {u"\u0663", 0}, // a digit of another script is not a number
        };
        for (const auto &[text, number] : cases)
            QCOMPARE(NumberText::leadingNumber(text), number);
        QCOMPARE(NumberText::toInt(std::numeric_limits<double>::quiet_NaN()), 0);
    }

    void shortestIsPlainDecimal()
    {
        const std::pair<double, const char *> cases[] = {
            {0, "0"}, {125.5, "125.5"}, {0.1 + 0.2, "0.3"}, {-3, "-3"}, {1e20, "100000000000000000000"},
            {123456789012.5, "123456789012.5"}, {0.00001, "0.00001"}, {-0.25, "-0.25"},
        };
        for (const auto &[value, text] : cases)
            QCOMPARE(NumberText::shortest(value), QLatin1String(text));
    }
};

KERBO_TEST(NumberTextTest)
#include "NumberTextTest.moc"
