#pragma once

#include <QByteArray>
#include <QString>

// The data files are 8-bit Windows-1252. Qt only guarantees Latin-1, which differs on 0x80..0x9F
// (euro sign, curly quotes, oe ligature...), so the conversion is done here.
namespace Cp1252 {

// Every byte decodes to one character; the five bytes that Windows-1252 leaves undefined decode
// to the C1 control of the same value, so that decode then encode gives the bytes back.
QString decode(const QByteArray &bytes);
QString decode(const char *data, qsizetype size);

// A character that Windows-1252 cannot hold becomes "?".
QByteArray encode(QStringView text);

// `text` as a file gives it back once written: each character the code page cannot hold is "?".
QString held(QStringView text);

// Whether every character of `text` has a byte of its own (encode then decode gives it back).
bool holds(QStringView text);

// Upper case within the code page: é gives É, œ gives Œ; a letter whose capital the code page
// lacks (ß, µ) stays as it is, so that the text still encodes without "?".
QString toUpper(QStringView text);

} // namespace Cp1252
