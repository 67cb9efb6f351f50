#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Turns to capitals what the driver types or pastes into a line edit, within the code page (a
// letter whose capital the data files cannot hold stays as typed). The text that was already
// there is left as it stands, whether read from a file or typed earlier; so is the text that an
// undo or a redo puts back, from the keyboard or the box's menu.
class TypedUpperCase : public QObject
{
public:
    // Watches `edit`, which owns it.
    explicit TypedUpperCase(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rememberStart();
    void restore(bool undo);
    void edited(const QString &text);

    QLineEdit *m_edit;
    QString m_before;     // the text before the coming edit
    qsizetype m_from = 0; // where that edit begins: the selection's start, or the cursor
    bool m_restoring = false;
};
