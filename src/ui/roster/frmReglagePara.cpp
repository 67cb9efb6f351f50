#include "ui/roster/frmReglagePara.h"

#include "core/base/Prompts.h"
#include "core/roster/CaraibeConversion.h"
#include "core/roster/ConvertCriteria.h"
#include "ui/CodePageInput.h"
#include "ui/TypedUpperCase.h"
#include "ui/WithinScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmReglagePara::frmReglagePara(CaraibeConversion &conversion, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_conversion(conversion), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("REGLAGE DES PARAMETRES DU CONVERTISSEUR DE FICHIER CARAIBE"));
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    column->addLayout(grid);

    const char16_t *captions[] = {u"Si le n°du train débute par :", u"Alors", u"Catég =",
                                  u"Ind Compo =", u"Ag Seul ="};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(new QLabel(QString::fromUtf16(captions[c]), this), 0, c);
    // The boxes stand under every caption but "Alors".
    constexpr std::array<int, 4> columns = {0, 2, 3, 4};
    // What a screen reader calls each box, its row with it.
    const char16_t *names[] = {u"Début du n° du train", u"Catég", u"Ind Compo", u"Ag Seul"};

    const ConvertCriteria::Rows rows = ConvertCriteria::readRows(conversion.criteriaPath());
    for (int row = 0; row < ConvertCriteria::Count; ++row)
        for (int f = 0; f < ConvertCriteria::Fields; ++f) {
            auto *edit = new QLineEdit(rows[size_t(row)][size_t(f)], this);
            edit->setObjectName(QStringLiteral("txt%1_%2").arg(row).arg(f));
            edit->setAccessibleName(
                QStringLiteral("Ligne %1, %2").arg(row + 1).arg(QString::fromUtf16(names[f])));
            // Letters typed or pasted are written in capitals; the file's stay as they are.
            new TypedUpperCase(edit);
            CodePageInput::watch(edit);
            grid->addWidget(edit, row + 1, columns[size_t(f)]);
            m_boxes[size_t(row)][size_t(f)] = edit;
        }

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *info = new QPushButton(QStringLiteral("Info"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmReglagePara::accept);
    connect(info, &QPushButton::clicked, this, &frmReglagePara::showInfo);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(info);
    buttons->addStretch();
    column->addLayout(buttons);
    holdWidthForTitle(this);
}

void frmReglagePara::accept()
{
    ConvertCriteria::Rows rows;
    for (int row = 0; row < ConvertCriteria::Count; ++row)
        for (int f = 0; f < ConvertCriteria::Fields; ++f)
            rows[size_t(row)][size_t(f)] = m_boxes[size_t(row)][size_t(f)]->text();
    QString error;
    if (!ConvertCriteria::writeRows(m_conversion.criteriaPath(), rows, &error)) {
        // The window stays open with what was typed.
        m_prompts.message(QStringLiteral("Kerbo"), error, Prompts::Icon::Exclamation);
        return;
    }
    m_conversion.reloadCriteria();
    QDialog::accept();
}

void frmReglagePara::showInfo()
{
    const char16_t *lines[] = {
        u"Les fichiers caraibes ne permettent pas de récupérer les informations ",
        u"sur la catégorie ,l'indice de composition ou la conduite (Agent seul) .",
        u"Comme ces informations sont en relation directe avec le numéro du train",
        u"il est alors facile d'indiquer au logiciel ce qu'il doit inscrire pour un numéro",
        u"de train donné.",
        u"Pour cela inscrire le préfixe du N° du numéro du train qui ne varie jamais dans",
        u"une des cases \"Si le n°du train débute par :\" et ensuite sur la même ligne remplir",
        u"les cases \"Gatég =\",\"Ind Compo =\" et \"Ag Seul =\". ",
        u"Exemple:",
        u"Pour un train de banlieue N°142174 fait avec une automotrice Z2N",
        u"J'inscrit dans la case \"Si le n°du train débute par :\" le préfixe du N°",
        u"du train qui ne varie jamais ici \"14\" et ensuite sur la même ligne j'écrit",
        u"\"BPB\" sur la case \"Gatég =\" , \"AUTOM\" sur la case \"Ind Compo =\". ",
        u"et \"ST\" sur la case \"Ag Seul =\". ",
        u"Il est possible de paramètrer (15 x 4) critères ce qui devrait être suffisant pour ",
        u"un seul roulement."};
    QStringList text;
    for (const char16_t *line : lines)
        text << QString::fromUtf16(line);
    m_prompts.message(QStringLiteral("Information"), text.join(QStringLiteral("\r\n")),
                      Prompts::Icon::Information);
}
