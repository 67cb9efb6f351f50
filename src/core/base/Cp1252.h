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

// The bytes of a file, or of a line, as the program's code page: text that a program writing
// UTF-8 saved (an editor of today, a roster exported so), or UTF-16 with its byte-order mark
// (Windows' "Unicode", as Notepad or PowerShell save it), comes back as Windows-1252, each
// character the code page lacks as "?"; a UTF-8 byte-order mark at the start is dropped. Bytes
// that are not UTF-8 throughout, or that hold no character beyond ASCII, are the code page's
// already and come back as they are. (Windows-1252 text is valid UTF-8 only where a capital
// with an accent is followed by a sign of 0x80..0xBF, as in "Ã©": not in a driver's files.)
// What comes back reads the same again; bytes whose reading would not are left as they are.
QByteArray fromFileBytes(const QByteArray &bytes);

// `text` as a file gives it back once written: each character the code page cannot hold is "?".
QString held(QStringView text);

// Whether every character of `text` has a byte of its own (encode then decode gives it back).
bool holds(QStringView text);

// Upper case within the code page: é gives É, œ gives Œ; a letter whose capital the code page
// lacks (ß, µ) stays as it is, so that the text still encodes without "?".
QString toUpper(QStringView text);

} // namespace Cp1252
