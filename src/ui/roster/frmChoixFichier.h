#pragma once

#include "core/roster/CaraibeConversion.h"

#include <QDialog>

class Prompts;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class frmCheminDossier;

// The roster converter's first window: the driver picks the Caraibe roster file, sees what
// roster it holds, and goes on to the destination or to the criteria.
class frmChoixFichier : public QDialog
{
    Q_OBJECT
public:
    // `dataFolder` holds ParaConvert.ini.
    frmChoixFichier(const QString &dataFolder, Prompts &prompts, QWidget *parent = nullptr);

    CaraibeConversion &conversion() { return m_conversion; }
    QComboBox *drives() const { return m_drives; }
    QListWidget *folders() const { return m_folders; }
    QListWidget *files() const { return m_files; }
    QLabel *choice() const { return m_choice; }
    QLabel *description() const { return m_description; }
    frmCheminDossier *destination() const { return m_destination; }
    const QString &folder() const { return m_folder; }

    // Shows `folder` in the folder and file lists, and as the current choice.
    void openFolder(const QString &folder);
    // The driver clicked a file of the file list.
    void pickFile(const QString &name);
    // "Suivant", "Réglage des paramétres du convertisseur".
    void next();
    void editCriteria();

protected:
    // Enter on a list opens its folder or picks its file, and goes no further: "Suivant", the
    // default button, is not pressed with it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Back on this window from another program (a browser that downloaded the roster, the file
    // manager): the lists show again what the folder holds now.
    void changeEvent(QEvent *event) override;
    // A text that wraps onto one more line (a long path, a long roster description) needs the
    // height of it, which a window is not given by itself: the window grows.
    bool event(QEvent *event) override;

private:
    void chooseDrive(int index);
    void folderActivated(QListWidgetItem *item);
    // Back to the home drive with nothing chosen, after a conversion.
    void startAgain();
    void showChoice(const QString &choice);
    // Fills the folder and file lists from the disk.
    void listFolder();

    CaraibeConversion m_conversion;
    Prompts &m_prompts;
    QString m_folder;
    QString m_drive;
    QComboBox *m_drives = nullptr;
    QListWidget *m_folders = nullptr;
    QListWidget *m_files = nullptr;
    QLabel *m_choice = nullptr;
    QLabel *m_description = nullptr;
    frmCheminDossier *m_destination = nullptr;
};
