#include "core/base/Cp1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Characters of bytes 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

namespace Cp1252 {

namespace
{

// One reading of a file's bytes as the code page: UTF-16 or UTF-8 text converted, a UTF-8 mark
// dropped.
QByteArray convertedOnce(QByteArray bytes)
{
    // Windows' "Unicode" (UTF-16, as Notepad or PowerShell save a file) always starts with its
    // mark; read as the code page, every letter would be followed by a zero byte.
    const bool littleEnd = bytes.startsWith("\xFF\xFE");
    if (littleEnd || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(littleEnd ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        const QString text = utf16.decode(QByteArrayView(bytes).sliced(2));
        if (!utf16.hasError()) return encode(text);
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; }))
        return bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? bytes : encode(text);
}

} // namespace

QString decode(const char *data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray fromFileBytes(const QByteArray &bytes)
{
    // What is read is written back as read: it must read the same again. Where the converted
    // text would itself pass for another encoding (a UTF-8 mark before a UTF-16 one, text that
    // begins with "ÿþ" or is UTF-8 twice over), no reading is sure and the bytes stay as they are.
    const QByteArray once = convertedOnce(bytes);
    if (once == bytes || convertedOnce(once) == once) return once;
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QString held(QStringView text)
{
    return decode(encode(text));
}

bool holds(QStringView text)
{
    for (QChar c : text)
        if (encodeOne(c.unicode()) == '?' && c != u'?')
            return false;
    return true;
}

QByteArray encode(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character outside the code page: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        dst[n++] = encodeOne(c.unicode());
    }
    out.truncate(n);
    return out;
}

QString toUpper(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        const char16_t upper = c.toUpper().unicode();
        if (upper != c.unicode() && encodeOne(upper) != '?')
            c = QChar(upper);
    }
    return out;
}

} // namespace Cp1252
