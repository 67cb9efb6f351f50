#pragma once

#include <QDialog>

class CaraibeConversion;
class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The destination of a conversion: the drive and the name of the roster folder to create.
// Closes with Accepted once the conversion is done.
class frmCheminDossier : public QDialog
{
    Q_OBJECT
public:
    frmCheminDossier(CaraibeConversion &conversion, Prompts &prompts, QWidget *parent = nullptr);

    // The two header lines of the roster to convert.
    void showHeader(const QString &rosterLine, const QString &validityLine);
    // Empties the name box (and the name shown under it).
    void clearName();

    QComboBox *drives() const { return m_drives; }
    QLineEdit *nameBox() const { return m_name; }
    QLabel *nameShown() const { return m_shown; }
    QPushButton *convertButton() const { return m_convert; }

    // "Convertir".
    void convert();

protected:
    void showEvent(QShowEvent *event) override;

private:
    CaraibeConversion &m_conversion;
    Prompts &m_prompts;
    QComboBox *m_drives = nullptr;
    QLineEdit *m_name = nullptr;
    QLabel *m_shown = nullptr;
    QLabel *m_rosterLine = nullptr;
    QLabel *m_validityLine = nullptr;
    QPushButton *m_convert = nullptr;
};
