#pragma once

#include <QDialog>

class FolderPane;
class QLabel;
class QPushButton;
struct Session;

// "SAUVEGARDE DES PARAMETRES DE L'IMPRIMANTE" and "IMPORTATION DES PARAMETRES DE
// L'IMPRIMANTE": a drive, folder and file pane opened on the home folder, then ParametresImp.txt
// copied into the chosen folder or taken from it.
class frmParametresImp : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Export, Import };

    frmParametresImp(Session &session, Mode mode, QWidget *parent = nullptr);

    FolderPane *pane() const { return m_pane; }
    QLabel *choice() const { return m_choice; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *actionButton() const { return m_action; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void createFolder();
    void run();

    Session &m_session;
    Mode m_mode;
    FolderPane *m_pane = nullptr;
    QLabel *m_choice = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_action = nullptr;
    QPushButton *m_cancel = nullptr;
};
