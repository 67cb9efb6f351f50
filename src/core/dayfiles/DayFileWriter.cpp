#include "core/dayfiles/DayFileWriter.h"

#include "core/base/TextFile.h"
#include "core/dayfiles/DayFileLayout.h"
#include "core/model/BulletinRecord.h"
#include "core/model/SlotTable.h"
#include "core/model/VersoContent.h"

#include <QRegularExpression>

namespace DayFileWriter {
namespace {

// One value, one line: a stray line break would shift every following line of the file.
QString oneLine(const QString &value)
{
    if (!value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    v.replace(u'\r', u' ');
    v.replace(u'\n', u' ');
    return v;
}

QString markLine(const QString &value)
{
    if (value == u"x")
        return QStringLiteral("1");
    if (value.isEmpty())
        return QStringLiteral("0");
    return QString();
}

void addSlot(QStringList &out, const BulletinRecord &record, int slot)
{
    const QString &value = record.slot(slot);
    out << (SlotTable::isMark(slot) ? markLine(value) : oneLine(value));
}

void addList(QStringList &out, const QStringList &texts, int count)
{
    for (int i = 0; i < count; ++i)
        out << oneLine(texts.value(i));
}

// The text's own line breaks (CR LF, LF or CR) make the lines between the markers.
void addMultiLine(QStringList &out, const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    out << text.split(breaks);
}

} // namespace

QStringList rectoLines(const BulletinRecord &record)
{
    using namespace DayFileLayout;
    QStringList out;
    out.reserve(512);

    const QDate date = record.serviceDate().isValid() ? record.serviceDate() : QDate::currentDate();
    out << dateLine(date);
    for (int slot = 7; slot <= 12; ++slot)
        addSlot(out, record, slot);
    for (int slot : HeaderMarks)
        addSlot(out, record, slot);
    addSlot(out, record, 54);
    addSlot(out, record, 55);
    for (int first : {14, 26, 38})
        for (int k = 0; k <= 9; k += 3)
            for (int j = 0; j < 3; ++j)
                addSlot(out, record, first + k + j);
    for (int line = 0; line < SlotTable::LineCount; ++line)
        for (int r : LineOrder)
            addSlot(out, record, SlotTable::lineSlot(line, r));
    for (int line = 0; line < SlotTable::LineCount; ++line)
        for (int r : EngineOffsets)
            addSlot(out, record, SlotTable::lineSlot(line, r));
    return out;
}

QStringList lines(const BulletinRecord &record, const VersoContent &verso)
{
    using namespace DayFileLayout;
    QStringList out = rectoLines(record);
    addList(out, verso.txtD, VersoContent::DCount);
    addList(out, verso.txtE, VersoContent::ECount);
    out << DebutNumTrain;
    addMultiLine(out, verso.txtNumTrainH);
    out << FinNumTrain;
    out << oneLine(verso.txtObsMecUP);
    out << DebutObsMec;
    addMultiLine(out, verso.txtObsMec);
    out << FinObsMec;
    addList(out, verso.txtI, VersoContent::ICount);
    out << oneLine(verso.txtJ);

    out << DebutKmTrain;
    for (int line = 0; line < KmLines; ++line)
        addSlot(out, record, SlotTable::lineSlot(line, SlotTable::KmTrain));
    out << FinKmTrain;
    out << Regularite;
    addList(out, verso.textL, VersoContent::LCount);
    out << FinRegularite;
    return out;
}

QByteArray bytes(const BulletinRecord &record, const VersoContent &verso)
{
    return TextFile::joinLines(lines(record, verso));
}

bool save(const QString &path, const BulletinRecord &record, const VersoContent &verso,
          QString *error)
{
    if (path.isEmpty())
        return true;
    return TextFile::writeAtomic(path, bytes(record, verso), error);
}

} // namespace DayFileWriter
