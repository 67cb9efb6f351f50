#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the folder and file lists of the folder and file windows show, read synchronously so that
// a window shows the disk as it is when the call returns.
namespace FolderListing
{

struct Entry {
    QString path; // in the form of Drives::clean
    QString name; // what the list shows: the full path for the drive root, else the folder name
    int depth = 0;
    bool open = false; // the drive root and the folders down to the current one
};

// The drive root, each folder down to `folder` (open), then the subfolders of `folder` (closed).
// A folder outside the drive gives the drive root alone as the current folder.
QList<Entry> entries(const QString &driveRoot, const QString &folder);

// Names of the visible subfolders, sorted as the file-open dialog sorts them: numbers within
// the names by their value, letters without regard to case.
QStringList subfolders(const QString &folder);

// Names of the files matching "*.txt" (without regard to case), sorted the same way.
QStringList dayFiles(const QString &folder);

// The names in `folder` that are not UTF-8 (a tree unpacked from an old Windows archive leaves
// Windows-1252 bytes): the system lists them, Qt skips them as if they were not there. Shown as
// Windows-1252, the likeliest way they were written.
QStringList unreadableNames(const QString &folder);

// `folder` when it exists, else its nearest existing ancestor within the drive, else the drive
// root.
QString existingFolder(const QString &driveRoot, const QString &folder);

// What the driver is told of a folder a window still shows that is no longer there: deleted or
// renamed by another program, or on a key pulled out.
QString goneText(const QString &folder);

} // namespace FolderListing
