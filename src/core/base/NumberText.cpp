#include "core/base/NumberText.h"

#include <cmath>
#include <limits>

namespace NumberText {

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QString number;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        number += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i + 1 < n && text[i] == u'.' && text[i + 1].isDigit() && text[i + 1].unicode() < 128) {
        number += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            number += text[i++];
        digits = true;
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

int toInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr int low = std::numeric_limits<int>::min();
    constexpr int high = std::numeric_limits<int>::max();
    if (value <= double(low))
        return low;
    if (value >= double(high))
        return high;
    return int(value);
}

QString shortest(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // Fifteen significant digits drop the binary noise of sums of tenths (0.1 + 0.2 is 0.3).
    return QString::number(value, 'g', 15);
}

QString layoutText(double value)
{
    // Round away binary noise from additions of tenths (0.1 + 0.2) before writing.
    QString text = QString::number(value, 'f', 10);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text.trimmed();
}

} // namespace NumberText
