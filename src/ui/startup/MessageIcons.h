#pragma once

#include <QIcon>
#include <QStyle>

// The four pictures of the message boxes (information, warning, error, question), drawn at the
// size asked for. Where the desktop has no icon theme, Qt's own are 32-pixel pictures, blurred
// at 150 % and 200 %.
namespace MessageIcons
{

// Whether `kind` is one of the message boxes' pictures.
bool isMessageIcon(QStyle::StandardPixmap kind);

// The desktop theme's picture for `kind`, or a drawn one where the theme has none.
QIcon icon(QStyle::StandardPixmap kind);

} // namespace MessageIcons
