#include "TestMain.h"

#include "core/verso/VersoNavigation.h"

#include <set>

Q_DECLARE_METATYPE(VersoField)

namespace {

using T = VersoText;
using F = VersoField;
constexpr VersoField None{T::D, -1}; // stands for "the key does not move"

VersoField orNone(const std::optional<VersoField> &f)
{
    return f ? *f : None;
}

} // namespace

class VersoNavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void enterAndBackspace_data()
    {
        QTest::addColumn<F>("from");
        QTest::addColumn<F>("enter");
        QTest::addColumn<F>("backspace"); // in an empty text
        QTest::newRow("first box") << F{T::D, 0} << F{T::D, 1} << None;
        QTest::newRow("D to E") << F{T::D, 79} << F{T::E, 0} << F{T::D, 78};
        QTest::newRow("E to I") << F{T::E, 15} << F{T::I, 0} << F{T::E, 14};
        QTest::newRow("back from I to E") << F{T::I, 0} << F{T::I, 1} << F{T::E, 15};
        QTest::newRow("I to J") << F{T::I, 7} << F{T::J, 0} << F{T::I, 6};
        QTest::newRow("J to UP") << F{T::J, 0} << F{T::ObsMecUP, 0} << F{T::I, 7};
        QTest::newRow("UP to train numbers")
            << F{T::ObsMecUP, 0} << F{T::NumTrainH, 0} << F{T::J, 0};
        QTest::newRow("train numbers keep Enter")
            << F{T::NumTrainH, 0} << None << F{T::ObsMecUP, 0};
        QTest::newRow("observations keep Enter") << F{T::ObsMec, 0} << None << None;
        QTest::newRow("inside L") << F{T::L, 5} << F{T::L, 6} << F{T::L, 4};
        QTest::newRow("first of L goes back to J") << F{T::L, 0} << F{T::L, 1} << F{T::J, 0};
        QTest::newRow("last of L goes round to D") << F{T::L, 29} << F{T::D, 0} << F{T::L, 28};
    }
    void enterAndBackspace()
    {
        QFETCH(VersoField, from);
        QTEST(orNone(VersoNavigation::afterEnter(from)), "enter");
        QTEST(orNone(VersoNavigation::afterBackspace(from)), "backspace");
    }

    void tabReachesEveryTextOnceWithFrameLAfterTheObservations()
    {
        const QList<VersoField> &order = VersoNavigation::tabOrder();
        std::set<std::pair<int, int>> seen;
        for (const VersoField &f : order)
            QVERIFY(seen.insert({int(f.text), f.index}).second);
        QCOMPARE(order.size(), 80 + 16 + 8 + 1 + 1 + 1 + 1 + 30);
        const qsizetype obs = order.indexOf(VersoField{T::ObsMec, 0});
        QCOMPARE(order[obs - 1], (VersoField{T::NumTrainH, 0}));
        QCOMPARE(order[obs + 1], (VersoField{T::L, 0}));
        QCOMPARE(order.last(), (VersoField{T::L, 29}));
    }
};

KERBO_TEST(VersoNavigationTest)
#include "VersoNavigationTest.moc"
