#pragma once

#include "core/options/OptionValues.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Session;

// "OPTIONS DE L'EDITEUR": the editor's switches, read from Config.ini on opening and written all
// together by the confirmation.
class frmOption : public QDialog
{
    Q_OBJECT
public:
    explicit frmOption(Session &session, QWidget *parent = nullptr);

    // The controls by the name of their Config.ini key (ConfigKeys).
    QCheckBox *check(const char *key) const { return m_checks.value(key); }
    QLineEdit *text(const char *key) const { return m_texts.value(key); }
    QPushButton *confirmButton() const { return m_confirm; }

    OptionValues values() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void display(const OptionValues &values);
    void showRailcarBoxes(bool shown);
    // The vehicle count as it is left; false when refused (the box is then emptied and focused).
    bool checkVehicleCount();
    void confirm();

    Session &m_session;
    QHash<QString, QCheckBox *> m_checks;
    QHash<QString, QLineEdit *> m_texts;
    QList<QWidget *> m_railcar; // the four railcar boxes and their captions
    QPushButton *m_confirm = nullptr;
    bool m_checking = false;
    bool m_vehicleCountLeft = false; // the vehicle count was left and is not checked yet
};
