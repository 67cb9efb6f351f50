#pragma once

#include <QString>

// The two panes of the folder window as its commands see them. The window implements it; tests
// use a recording fake.
class FolderPanes
{
public:
    virtual ~FolderPanes() = default;

    // Reads both folder lists again from the disk.
    virtual void refreshLists() = 0;
    // Moves the source folder list to a folder (after a rename).
    virtual void showSource(const QString &folder) = 0;
    // Both drives and folder lists back on the home folder.
    virtual void resetToHome() = 0;
    // Closes the window.
    virtual void closeWindow() = 0;
};
