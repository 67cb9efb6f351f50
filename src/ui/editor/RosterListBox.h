#pragma once

#include <QComboBox>

struct AppState;

// The roster list: the current generic folder, chosen among the entries of ListeDossier.txt.
// Typing is refused; a key sends the driver back to the bulletin. The wheel chooses a folder only
// once the list has the keyboard.
class RosterListBox : public QComboBox
{
    Q_OBJECT
public:
    RosterListBox(AppState &state, QWidget *parent = nullptr);

    void showPopup() override;
    // Shows a folder without making it the current generic folder.
    void showFolder(const QString &folder);
    // Forgets the items so that the next opening reads the list file again.
    void forgetItems();

signals:
    void keyPressed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void choose(int index);
    void setCurrentGenericFolder(const QString &folder);
    void setBackground(const QColor &colour);

    AppState &m_state;
};
