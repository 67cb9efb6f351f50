#pragma once

#include <QDialog>

#include <array>

class CaraibeConversion;
class Prompts;
class QLineEdit;

// The converter criteria: for 15 train-number prefixes, the category, composition index and
// single-agent code to write. Edits DataBul/ParaConvert.ini.
class frmReglagePara : public QDialog
{
    Q_OBJECT
public:
    frmReglagePara(CaraibeConversion &conversion, Prompts &prompts, QWidget *parent = nullptr);

    QLineEdit *box(int row, int field) const { return m_boxes[size_t(row)][size_t(field)]; }

    // "OK": writes the 60 keys, reads the criteria again and closes.
    void accept() override;
    // "Info": what the criteria are for.
    void showInfo();

private:
    CaraibeConversion &m_conversion;
    Prompts &m_prompts;
    std::array<std::array<QLineEdit *, 4>, 15> m_boxes{};
};
