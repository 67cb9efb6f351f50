#include "core/model/BulletinRecord.h"

#include "core/base/NumberText.h"

BulletinRecord::BulletinRecord() : m_serviceDate(QDate::currentDate()) {}

const QString &BulletinRecord::slot(int n) const
{
    static const QString none;
    return SlotTable::isValid(n) ? m_slots[size_t(n)] : none;
}

bool BulletinRecord::setSlot(int n, const QString &value)
{
    if (!SlotTable::isValid(n))
        return false;
    m_slots[size_t(n)] = value;
    return true;
}

void BulletinRecord::clearForNewDay()
{
    for (int n = 7; n < SlotTable::SlotCount; ++n)
        m_slots[size_t(n)].clear();
}

void BulletinRecord::clearAll()
{
    for (QString &s : m_slots)
        s.clear();
}

QString BulletinRecord::computeTotalKm(const BulletinRecord &record)
{
    double sum = 0;
    for (int line = 0; line < SlotTable::LineCount; ++line)
        for (int r : {SlotTable::EvoDep, SlotTable::EvoArr, SlotTable::KmTrain})
            sum += NumberText::leadingNumber(record.slot(SlotTable::lineSlot(line, r)));
    return NumberText::shortest(sum);
}

QString BulletinRecord::updateTotalKm()
{
    m_slots[SlotTable::TotalKmSlot] = computeTotalKm(*this);
    return m_slots[SlotTable::TotalKmSlot];
}
