#include "TestMain.h"

#include "core/AppState.h"
#include "core/editor/FrameErase.h"

using namespace Qt::StringLiterals;
using SlotTable::Frame;

// Restoring a frame brings back what its last erase saved, and nothing empty.
class FrameRestoreTest : public QObject
{
    Q_OBJECT
private slots:
    void frameARestoreSkipsEmptyValues()
    {
        AppState state;
        state.config.nom = u"DUPONT"_s;
        state.record.setSlot(SlotTable::RoulementSlot, QString());
        state.record.setSlot(SlotTable::JourneeSlot, u"J12"_s);
        FrameErase::erase(state.record, state.saveAreas, Frame::A);
        QCOMPARE(state.record.slot(SlotTable::JourneeSlot), QString());
        // Typed after the erase: an empty saved Roulement does not wipe it.
        state.record.setSlot(SlotTable::RoulementSlot, u"R7"_s);
        FrameErase::restore(state.record, state.saveAreas, state.config, Frame::A);
        QCOMPARE(state.record.slot(SlotTable::RoulementSlot), u"R7"_s);
        QCOMPARE(state.record.slot(SlotTable::JourneeSlot), u"J12"_s);
        QCOMPARE(state.record.slot(1), u"DUPONT"_s);
    }
};

KERBO_TEST(FrameRestoreTest)
#include "FrameRestoreTest.moc"
