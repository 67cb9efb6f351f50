#pragma once

#include <QString>
#include <QStringView>

// What a text box does with the characters the driver types into it.
namespace TypedText
{

// The text of a box after an edit, with only the characters that the edit put in turned to
// capitals within the code page (Cp1252::toUpper); the text that was already there stays as it
// stands. `before` is the text before the edit and `from` where the edit began in it (the start
// of the selection, or the cursor); `after` is the text after the edit and `cursor` the cursor in
// it, which an edit leaves at the end of what it put in.
QString upperCaseInserted(QStringView before, qsizetype from, QStringView after, qsizetype cursor);

} // namespace TypedText
