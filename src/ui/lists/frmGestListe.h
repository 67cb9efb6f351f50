#pragma once

#include "core/lists/ReferenceLists.h"

#include <QDialog>

class BulletinView;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Session;

// The list window: the items of one reference list, or of the roster-folder list when the folder
// window opens it to remove folders from the editor's roster list. In that mode "Ajouter" is
// hidden, paths keep their case, and the list is never split at commas.
class frmGestListe : public QDialog
{
    Q_OBJECT
public:
    enum class Button { Add, Remove, RemoveAll, Quit, Count };

    // A reference list.
    frmGestListe(Session &session, ReferenceLists::Kind kind, QWidget *parent = nullptr);
    // The roster-folder list; removals update the editor's roster list through `view`.
    frmGestListe(Session &session, BulletinView &view, QWidget *parent = nullptr);

    QLineEdit *itemBox() const { return m_item; }
    QListWidget *list() const { return m_list; }
    QPushButton *button(Button b) const { return m_buttons[int(b)]; }

private:
    void build(const QString &title);
    void load(bool skipEmpty);
    void fitLongestItem();
    void add();
    void removeItem();
    void readyForNextItem();
    void removeAll();

    Session &m_session;
    BulletinView *m_view = nullptr; // set in the roster-folder mode only
    QString m_path;
    QLineEdit *m_item = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_buttons[int(Button::Count)] = {};
    bool m_unreadable = false; // the file is there but could not be read
};
