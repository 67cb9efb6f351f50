#pragma once

#include "core/automatismes/AutomatismeForm.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Session;

// The window "Automatisme": the train number (or its leading part) and the 37 boxes of the line
// it fills, the list of the automatismes stored, and the buttons that save, clear, delete and
// explain them. Opened from the editor's menu entry "Automatisme".
class frmAutomatisme : public QDialog
{
    Q_OBJECT
public:
    explicit frmAutomatisme(Session &session, QWidget *parent = nullptr);

    QLineEdit *numberBox() const { return m_number; }
    // The boxes after the number, in cycle order (AutomatismeKeys::Fields).
    QLineEdit *box(int field) const { return m_boxes[size_t(field)]; }
    QListWidget *list() const { return m_list; }
    QLabel *counterLabel() const { return m_counter; }
    enum class Button { Save, ClearAll, Delete, Info, Quit };
    QPushButton *button(Button which) const { return m_buttons[size_t(which)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Back on this window from another program, which may have changed Automatisme.ini (a sync,
    // a text editor): the list and the counter say again what the file holds.
    void changeEvent(QEvent *event) override;

private:
    QLineEdit *makeBox(const QString &name);
    void numberChanged(const QString &number);
    void itemClicked();
    void save();
    void clearAll();
    void remove();
    void fillList();
    void selectItem(const QString &number);
    void moveFocus(QLineEdit *from, int step);

    AutomatismeForm m_form;
    QLineEdit *m_number = nullptr;
    std::array<QLineEdit *, AutomatismeKeys::FieldCount> m_boxes{};
    QListWidget *m_list = nullptr;
    QLabel *m_counter = nullptr;
    std::array<QPushButton *, 5> m_buttons{};
};
