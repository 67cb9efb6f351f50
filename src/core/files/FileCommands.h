#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Prompts;

// The commands of the file window: day files copied from one folder to another, or deleted.
namespace FileCommands
{

// Copies the selected files (names, in list order) from `source` to `target`. Each file copied
// calls `copied` with the running count. Stops at the first file that would land on itself or on
// an existing file, and at the first failure, each with its message; files copied stay. Returns
// true when every file was copied (and the success message shown). `ending` runs before that
// closing message, whichever it is, so that the window shows the files copied behind it.
bool copy(Prompts &prompts, const QString &source, const QString &target,
          const QStringList &selected, const std::function<void(int copied)> &copied = {},
          const std::function<void()> &ending = {});

enum class DeleteResult { NothingSelected, Cancelled, Deleted, Failed };
// Deletes the selected files of `folder` after the confirmation. A file the user may not write
// is refused (Linux would delete it all the same), with the read-only message; the files before
// it are deleted.
DeleteResult remove(Prompts &prompts, const QString &folder, const QStringList &selected);

// "&Info".
void info(Prompts &prompts);

} // namespace FileCommands
