#pragma once

class QLineEdit;
class QPlainTextEdit;

// A box whose text goes into the data files shows what the files will hold: a character that
// the code page lacks turns to "?" as it is typed, composed or pasted, as in the bulletin's own
// boxes; a box of one line keeps one line of a paste or a drop, a line break or a tab a blank.
// Typed and pasted text goes in already turned, so that Undo takes it back as one step.
// Where the box also turns to capitals, watch it after that (the capitals are made first).
namespace CodePageInput
{

void watch(QLineEdit *edit);
void watch(QPlainTextEdit *edit);

} // namespace CodePageInput
