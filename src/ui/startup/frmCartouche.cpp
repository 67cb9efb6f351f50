#include "ui/startup/frmCartouche.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/config/CartoucheStore.h"
#include "ui/CodePageInput.h"
#include "ui/PaperColours.h"
#include "ui/TypedUpperCase.h"
#include "ui/WithinScreen.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCartouche::frmCartouche(AppState &state, Prompts &prompts, bool firstStart, QWidget *parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_firstStart(firstStart)
{
    setWindowTitle(firstStart ? QStringLiteral("PREMIER DEMARRAGE DU LOGICIEL")
                              : QStringLiteral("MODIFICATION DU CARTOUCHE A"));

    auto *column = new QVBoxLayout(this);
    m_instruction = new QLabel(
        firstStart ? QStringLiteral("BONJOUR,C'EST VOTRE PREMIER DEMARRAGE DU LOGICIEL ")
                         + QStringLiteral("VEUILLEZ REMPLIR LE CARTOUCHE A ")
                   : QStringLiteral("APRES AVOIR EFFECTUE LES MODIFICATIONS APPUYEZ SUR LE BOUTON OK"),
        this);
    m_instruction->setWordWrap(true);
    column->addWidget(m_instruction);

    auto *form = new QFormLayout;
    const char *labels[] = {"NOM", "PRENOM", "ETABLISSEMENT", "RESIDENCE", "IMMATRICULATION"};
    const CartoucheStore::Texts texts = CartoucheStore::read(state.config);
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        auto *edit = new QLineEdit(texts[i], this);
        edit->setObjectName(QStringLiteral("txt") + QLatin1String(CartoucheStore::keys()[i]));
        edit->setMinimumWidth(260);
        edit->installEventFilter(this);
        // The establishment, the residence and the staff number are typed in capitals.
        if (i >= 2) new TypedUpperCase(edit);
        CodePageInput::watch(edit);
        form->addRow(QLatin1String(labels[i]), edit);
        m_boxes[i] = edit;
    }
    column->addLayout(form);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    connect(m_ok, &QPushButton::clicked, this, &frmCartouche::accept);
    column->addWidget(m_ok, 0, Qt::AlignHCenter);
    holdWidthForTitle(this);
}

void frmCartouche::run(AppState &state, Prompts &prompts, bool firstStart, QWidget *parent)
{
    frmCartouche dialog(state, prompts, firstStart, parent);
    dialog.exec();
}

void frmCartouche::keyPressEvent(QKeyEvent *event)
{
    // The first start asks for the cartouche before anything else: Escape does not drop what was
    // typed. The window's close button still leaves, and the next start asks again.
    if (m_firstStart && event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

bool frmCartouche::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        PaperColours::light(edit, PaperColours::focusGround());
        edit->selectAll();
        break;
    }
    case QEvent::FocusOut:
        PaperColours::unlight(edit);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter goes on to the next box instead of closing the dialog.
            focusNextChild();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCartouche::accept()
{
    CartoucheStore::Texts texts;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        texts[i] = m_boxes[i]->text();
    QString error;
    if (!CartoucheStore::confirm(m_state.config, m_state.record, texts, &error))
        m_prompts.message(QStringLiteral("Kerbo"),
                          error + QString::fromUtf16(u"\r\n\r\nLe fichier Config.ini reste tel "
                                                     u"qu'il était. Le cartouche changé reste en "
                                                     u"usage jusqu'à la fermeture de Kerbo, puis "
                                                     u"sera perdu."),
                          Prompts::Icon::Exclamation);
    QDialog::accept();
}
