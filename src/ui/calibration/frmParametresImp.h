#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Session;

// "SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE" and "IMPORTATION DES PARAMETRES DE
// L'IMPRIMANTE": a drive list, the folder tree of the drive and the files of the chosen folder,
// then ParametresImp.txt copied into that folder or taken from it. Folders are listed with plain
// synchronous listings when the driver opens them.
class frmParametresImp : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Export, Import };

    // `drives`: the drives offered, the first one opened; by default the home folder and the
    // writable mounted volumes.
    frmParametresImp(Session &session, Mode mode, QWidget *parent = nullptr,
                     const QStringList &drives = {});

    QString chosenFolder() const { return m_chosen; }
    // Opens the tree down to a folder of the current drive and chooses it.
    bool chooseFolder(const QString &folder);

    QComboBox *driveList() const { return m_drives; }
    QTreeWidget *folderTree() const { return m_tree; }
    QListWidget *fileList() const { return m_files; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *actionButton() const { return m_action; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void openDrive(int index);
    void showRoot(const QString &root);
    void fill(QTreeWidgetItem *item);
    void choose(QTreeWidgetItem *item);
    void createFolder();
    void run();

    Session &m_session;
    Mode m_mode;
    int m_driveIndex = 0;
    QString m_chosen;
    QComboBox *m_drives = nullptr;
    QTreeWidget *m_tree = nullptr;
    QListWidget *m_files = nullptr;
    QLabel *m_choice = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_action = nullptr;
    QPushButton *m_cancel = nullptr;
};
