#pragma once

#include <QGroupBox>

#include <initializer_list>

class Prompts;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// One pane of the folder and file windows: a drive list, a folder list showing the drive root and
// the folders down to the current one (open) and the current one's subfolders (closed), an
// optional "Chemin" label and an optional list of the current folder's day files. A double-click
// on a folder makes it the current folder. Lists are read from the disk synchronously.
class FolderPane : public QGroupBox
{
    Q_OBJECT
public:
    struct Captions {
        QString title, drive, folders;
        QString path;  // "" for no path label
        QString files; // "" for no file list
    };
    FolderPane(const Captions &captions, QWidget *parent = nullptr);

    // The current folder, as Drives::clean writes it.
    QString folder() const { return m_folder; }
    QString drive() const { return m_drive; }
    // Moves to a folder on the drive that holds it (the home folder when none does).
    void setFolder(const QString &folder);
    // The drives read again, the home drive and folder shown.
    void reset();
    // The lists read again from the disk; a current folder that went away gives way to its
    // nearest existing parent.
    void refresh();
    // The same, the files still there staying selected when the folder is still there.
    void refreshKeepingSelection();
    // Whether the panes' drives are all still there; when one went away (a key pulled out), the
    // driver is told, and its pane goes back to the drives there are, on the home folder.
    static bool drivesThere(Prompts &prompts, std::initializer_list<FolderPane *> panes);
    // Whether the panes' folders are all still there; when one went away (deleted or renamed by
    // another program), the driver is told, and every pane lists the disk as it is now.
    static bool foldersThere(Prompts &prompts, std::initializer_list<FolderPane *> panes);

    QComboBox *driveList() const { return m_drives; }
    QListWidget *folderList() const { return m_folderList; }
    QListWidget *fileList() const { return m_files; }
    QLabel *pathLabel() const { return m_path; }
    // Names of the selected files, in list order.
    QStringList selectedFiles() const;

signals:
    void folderChanged(const QString &folder);
    void fileSelectionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillDrives();
    void holdPathLines();
    void display(const QString &drive, const QString &folder);
    void driveChosen(int index);
    void folderActivated(QListWidgetItem *item);

    QComboBox *m_drives = nullptr;
    QListWidget *m_folderList = nullptr;
    QLabel *m_path = nullptr;
    QListWidget *m_files = nullptr;
    QString m_drive;
    QString m_folder;
};
