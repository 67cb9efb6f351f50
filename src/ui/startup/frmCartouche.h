#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;
struct AppState;

// The cartouche dialog: the driver's identity of frame A. Opened modally on the first start and
// from the editor's menu entry "Modifier le cartouche A".
class frmCartouche : public QDialog
{
    Q_OBJECT
public:
    frmCartouche(AppState &state, Prompts &prompts, bool firstStart, QWidget *parent = nullptr);

    // Shows the dialog modally until the driver leaves it.
    static void run(AppState &state, Prompts &prompts, bool firstStart, QWidget *parent);

    QLineEdit *box(int index) const { return m_boxes[size_t(index)]; } // 0..4 in slot order
    QLabel *instruction() const { return m_instruction; }
    QPushButton *okButton() const { return m_ok; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    AppState &m_state;
    Prompts &m_prompts;
    bool m_firstStart;
    std::array<QLineEdit *, 5> m_boxes{};
    QLabel *m_instruction = nullptr;
    QPushButton *m_ok = nullptr;
};
