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

int roundedToInt(double value)
{
    return toInt(std::nearbyint(value)); // the default rounding: to nearest, ties to even
}

QString shortest(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Fifteen significant digits drop the binary noise of sums of tenths (0.1 + 0.2 is 0.3);
    // the digits are then written out in plain decimals, never with an exponent.
    const QString scientific = QString::number(std::abs(value), 'e', 14); // d.dddddddddddddde±x
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e).remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    const int point = exponent + 1; // digits before the decimal point
    QString text;
    if (point <= 0)
        text = QStringLiteral("0.") + QString(-point, u'0') + digits;
    else if (point >= digits.size())
        text = digits + QString(point - digits.size(), u'0');
    else
        text = digits.left(point) + u'.' + digits.mid(point);
    return value < 0 ? u'-' + text : text;
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
