#pragma once

#include "core/folders/FolderPanes.h"

#include <QDialog>

class BulletinView;
class FolderPane;
class QPushButton;
struct Session;

// "GESTION DES DOSSIERS ": roster folders created, renamed and copied on any drive, the working
// folders chosen and the roster-folder list kept. Opens on the home folder in both panes.
class frmGestionDossier : public QDialog, public FolderPanes
{
    Q_OBJECT
public:
    enum class Button {
        Create,
        Rename,
        SaveCopy,
        ChooseGeneric,
        ChooseArchive,
        RemoveFromList,
        Info,
        Quit,
        Count
    };

    frmGestionDossier(Session &session, BulletinView &view, QWidget *parent = nullptr);

    FolderPane *source() const { return m_source; }
    FolderPane *target() const { return m_target; }
    QPushButton *button(Button b) const { return m_buttons[int(b)]; }

    void refreshLists() override;
    void showSource(const QString &folder) override;
    void resetToHome() override;
    void closeWindow() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void openRemovalList();

    Session &m_session;
    BulletinView &m_view;
    FolderPane *m_source = nullptr;
    FolderPane *m_target = nullptr;
    QPushButton *m_buttons[int(Button::Count)] = {};
};
