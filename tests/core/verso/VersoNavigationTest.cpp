#include "TestMain.h"

#include "core/verso/VersoNavigation.h"

#include <set>

Q_DECLARE_METATYPE(VersoField)

namespace {

using T = VersoText;
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
        QTest::addColumn<VersoField>("from");
        QTest::addColumn<VersoField>("enter");
        QTest::addColumn<VersoField>("backspace"); // in an empty text
        QTest::newRow("first box") << VersoField{T::D, 0} << VersoField{T::D, 1} << None;
        QTest::newRow("D to E") << VersoField{T::D, 79} << VersoField{T::E, 0}
                                << VersoField{T::D, 78};
        QTest::newRow("E to I") << VersoField{T::E, 15} << VersoField{T::I, 0}
                                << VersoField{T::E, 14};
        QTest::newRow("back from I to E")
            << VersoField{T::I, 0} << VersoField{T::I, 1} << VersoField{T::E, 15};
        QTest::newRow("I to J") << VersoField{T::I, 7} << VersoField{T::J, 0}
                                << VersoField{T::I, 6};
        QTest::newRow("J to UP") << VersoField{T::J, 0} << VersoField{T::ObsMecUP, 0}
                                 << VersoField{T::I, 7};
        QTest::newRow("UP to train numbers")
            << VersoField{T::ObsMecUP, 0} << VersoField{T::NumTrainH, 0} << VersoField{T::J, 0};
        QTest::newRow("train numbers keep Enter")
            << VersoField{T::NumTrainH, 0} << None << VersoField{T::ObsMecUP, 0};
        QTest::newRow("observations keep Enter") << VersoField{T::ObsMec, 0} << None << None;
        QTest::newRow("inside L") << VersoField{T::L, 5} << VersoField{T::L, 6}
                                  << VersoField{T::L, 4};
        QTest::newRow("first of L goes back to J")
            << VersoField{T::L, 0} << VersoField{T::L, 1} << VersoField{T::J, 0};
        QTest::newRow("last of L goes round to D")
            << VersoField{T::L, 29} << VersoField{T::D, 0} << VersoField{T::L, 28};
    }
    void enterAndBackspace()
    {
        QFETCH(VersoField, from);
        QFETCH(VersoField, enter);
        QFETCH(VersoField, backspace);
        QCOMPARE(orNone(VersoNavigation::afterEnter(from)), enter);
        QCOMPARE(orNone(VersoNavigation::afterBackspace(from)), backspace);
    }

    // Tab reaches every text once; frame L comes after the observations.
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
