#pragma once

#include <QDialog>

class FolderPane;
class QLabel;
class QPushButton;
struct Session;

// "GESTION DES FICHIERS": day files ("*.txt") copied from the source folder to the target folder,
// never over an existing file, or deleted from the source folder.
class frmGestionFichier : public QDialog
{
    Q_OBJECT
public:
    enum class Button { SelectAll, Copy, Delete, Info, Quit, Count };

    explicit frmGestionFichier(Session &session, QWidget *parent = nullptr);

    FolderPane *source() const { return m_source; }
    FolderPane *target() const { return m_target; }
    QPushButton *button(Button b) const { return m_buttons[int(b)]; }
    // The values of "Sélection :" and "Copié(s) :".
    QLabel *selectionCount() const { return m_selection; }
    QLabel *copiedCount() const { return m_copied; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void copy();
    void remove();

    Session &m_session;
    FolderPane *m_source = nullptr;
    FolderPane *m_target = nullptr;
    QLabel *m_selection = nullptr;
    QLabel *m_copied = nullptr;
    QPushButton *m_buttons[int(Button::Count)] = {};
};
