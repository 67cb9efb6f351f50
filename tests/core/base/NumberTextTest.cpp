#include "TestMain.h"

#include "core/base/NumberText.h"

// Numbers inside texts.
class NumberTextTest : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber()
    {
        const std::pair<const char16_t *, double> cases[] = {
            {u"  12.5km", 12.5}, {u"12,5", 12}, {u".5", 0.5}, {u"-3", -3}, {u"abc", 0},
            {u"\u0663", 0}, // a digit of another script is not a number
        };
        for (const auto &[text, number] : cases)
            QCOMPARE(NumberText::leadingNumber(text), number);
    }
};

KERBO_TEST(NumberTextTest)
#include "NumberTextTest.moc"
