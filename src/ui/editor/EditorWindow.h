#pragma once

#include "core/config/ScreenLayout.h"
#include "core/model/BulletinView.h"
#include "ui/editor/EditorCommand.h"

#include <QMainWindow>

#include <array>
#include <functional>

class BulletinCanvas;
class BulletinEditing;
class QAction;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class RosterListBox;
class SlotComboBox;
struct AppState;

// The bulletin editor, the program's main window. Its commands are actions: the buttons, the
// menu bar and the right-click menu trigger them, and the folders that implement a command
// connect to its action and enable it.
class EditorWindow : public QMainWindow, public BulletinView
{
    Q_OBJECT
public:
    EditorWindow(AppState &state, EditorLayout layout, QWidget *parent = nullptr);

    QAction *action(EditorCommand command) const { return m_actions[size_t(command)]; }
    // Runs `run` when the command is triggered (button, menu or right-click entry) and enables it.
    void wireCommand(EditorCommand command, std::function<void()> run);
    QPushButton *button(EditorCommand command) const;
    QMenu *contextMenu() const { return m_contextMenu; }
    EditorLayout editorLayout() const { return m_layout; }

    // A window closed to switch layouts does not end the program.
    void closeForLayoutSwitch();

    // "Ajuster à la fenêtre": the form grows with the window (never below the layout's size),
    // or keeps the layout's size in a window of fixed size.
    void setFitToWindow(bool fit);
    bool fitsToWindow() const { return m_fit; }
    // Leaves "Ajuster à la fenêtre". A maximized window is first given back its normal state,
    // and the form its layout's size only once the window system says the window is no longer
    // maximized: a Wayland compositor cuts off a program whose maximized window changes size.
    void leaveFitToWindow();
    // The window's size with the form at its layout's scale, menu bar and buttons included.
    QSize layoutSize() const;

    // The editing of the bulletin and the controls it moves over the form.
    BulletinEditing *editing() const { return m_editing; }
    BulletinCanvas *canvas() const { return m_canvas; }
    QLineEdit *textControl() const { return m_text; }
    SlotComboBox *listControl() const { return m_list; }
    QDateEdit *datePicker() const { return m_date; }
    RosterListBox *rosterList() const { return m_roster; }
    QLabel *mentionLabel() const { return m_mention; }

    void refreshBulletin() override;
    void clearEditControls() override;
    void showMention(const QString &mention) override;
    void showServiceDate(const QDate &date) override;
    void showRosterFolder(const QString &folder) override;
    void reloadRosterList() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QAction *makeAction(EditorCommand command, const QString &caption);
    void buildMenus();
    // Draws the menu titles smaller when they would not fit `room` pixels.
    void fitMenuBar(int room);
    void buildButtons(QWidget *area);
    void buildContextMenu();
    void buildForm();
    void showTabMode(bool engines);
    void placeFormControls();
    void fitForm();

    AppState &m_state;
    EditorLayout m_layout;
    std::array<QAction *, size_t(EditorCommand::Count)> m_actions{};
    std::array<QPushButton *, size_t(EditorCommand::Count)> m_buttons{};
    QMenu *m_contextMenu = nullptr;
    BulletinCanvas *m_canvas = nullptr;
    QLineEdit *m_text = nullptr;
    SlotComboBox *m_list = nullptr;
    QDateEdit *m_date = nullptr;
    RosterListBox *m_roster = nullptr;
    QLabel *m_mention = nullptr;
    BulletinEditing *m_editing = nullptr;
    QHBoxLayout *m_row = nullptr;
    bool m_switching = false;
    bool m_fit = false;
    // Waiting for the window system to take the window out of its maximized state.
    bool m_leavingFit = false;
    int m_leaving = 0; // each leaving, counted: a later one overrides an earlier one's timers
    // A command ended while a window of its own still held the keyboard: the form's control
    // takes it when the editor is active again.
    bool m_formOnActivation = false;
};
