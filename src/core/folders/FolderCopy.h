#pragma once

#include <QString>

// The copy of a whole roster folder.
namespace FolderCopy
{

// Whether `target` is `source` or one of its subfolders: as the paths are written, or once their
// symbolic links are resolved. Either way a copy of `source` would land inside itself.
bool isSameOrInside(const QString &source, const QString &target);

// Copies the tree of `source` to `destination`, which must not exist. Symbolic links inside the
// tree are copied as links, never followed, so a link to a parent cannot make the copy endless.
// The tree is built in a hidden folder beside the destination that takes its name only once it
// is complete: a failure leaves nothing under the destination's name. `error` says why.
bool copyTree(const QString &source, const QString &destination, QString *error = nullptr);

} // namespace FolderCopy
