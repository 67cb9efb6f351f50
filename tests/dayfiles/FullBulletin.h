#pragma once

#include "model/BulletinRecord.h"
#include "model/SlotTable.h"
#include "model/VersoContent.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

// The bulletin of data/journee-complete.txt: every recto slot and verso text filled, values
// within the reader's cuts, accented letters and Windows-1252 signs included.
namespace FullBulletin {

inline QString valueOf(int slot)
{
    static const QHash<int, QString> special = {
        {9, QString::fromUtf16(u"Sète")},         {11, QString::fromUtf16(u"Orléans")},
        {10, QStringLiteral("05h12")},            {12, QStringLiteral("13h40")},
        {7, QStringLiteral("R42")},               {8, QStringLiteral("12")},
        {54, QStringLiteral("2")},                {55, QStringLiteral("15")},
        {14, QStringLiteral("EV")},               {26, QString::fromUtf16(u"Manœuv")},
        {39, QStringLiteral("BB 7200")},          {82, QStringLiteral("BB 67401 NV")},
        {84, QString::fromUtf16(u"Z 2xxx Lé")},   {88, QString::fromUtf16(u"CC 72000 Châ")},
    };
    if (SlotTable::isMark(slot)) // ticked or not, in no regular pattern
        return (slot * 7) % 5 < 2 ? QStringLiteral("x") : QString();
    if (special.contains(slot))
        return special.value(slot);
    if (const int limit = SlotTable::info(slot).loadLimit)
        return QString::number(slot).right(limit);
    return QStringLiteral("S%1").arg(slot);
}

inline void fill(BulletinRecord &record, VersoContent &verso)
{
    record.setServiceDate(QDate(2026, 12, 4));
    for (int slot = 7; slot <= 272; ++slot)
        record.setSlot(slot, valueOf(slot));
    for (int i = 0; i < 6; ++i)
        record.setSlot(SlotTable::lineSlot(i, SlotTable::KmTrain),
                       QStringLiteral("%1.5").arg(100 + i));
    for (int i = 0; i < VersoContent::DCount; ++i)
        verso.txtD[i] =
            i % 10 == 0 ? QString::fromUtf16(u"D%1 é").arg(i) : QStringLiteral("D%1").arg(i);
    for (int i = 0; i < VersoContent::ECount; ++i)
        verso.txtE[i] = QStringLiteral("E%1").arg(i);
    verso.txtNumTrainH = QString::fromUtf16(u"12345\n\n67890 à");
    verso.txtObsMecUP = QString::fromUtf16(u"UP Résidence");
    verso.txtObsMec = QString::fromUtf16(u"Freinage très long à Mâcon\n\nœuvre « 5 € »");
    for (int i = 0; i < VersoContent::ICount; ++i)
        verso.txtI[i] = QStringLiteral("I%1").arg(i);
    verso.txtJ = QStringLiteral("Brouillard givrant");
    for (int i = 0; i < VersoContent::LCount; ++i)
        verso.textL[i] = QStringLiteral("L%1").arg(i);
}

inline QByteArray fixture()
{
    // The fixture sits beside this header in the source tree.
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath()
               + QStringLiteral("/data/journee-complete.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace FullBulletin
