#pragma once

#include "core/model/SlotTable.h"

#include <QDate>
#include <QString>

#include <array>

// The one bulletin of the program: 327 text slots, the service date and the slot under edit.
class BulletinRecord
{
public:
    BulletinRecord();

    // A slot number outside 0..326 reads as "" and refuses writes (setSlot returns false).
    const QString &slot(int n) const;
    bool setSlot(int n, const QString &value);

    QDate serviceDate() const { return m_serviceDate; }
    void setServiceDate(const QDate &date) { m_serviceDate = date; }

    int currentSlot() const { return m_currentSlot; }
    void setCurrentSlot(int n) { m_currentSlot = n; }

    // Empties slots 7..326; the cartouche (1..5) and the date place (6) stay.
    void clearForNewDay();
    // Empties every slot.
    void clearAll();

    // Sum of EvoDep, EvoArr and KmTrain of the six lines, stored in slot 326 and returned.
    QString updateTotalKm();
    static QString computeTotalKm(const BulletinRecord &record);

private:
    std::array<QString, SlotTable::SlotCount> m_slots;
    QDate m_serviceDate;
    int m_currentSlot = SlotTable::FirstTrainNumberSlot;
};
