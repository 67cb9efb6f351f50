#include "ui/calibration/frmEspace.h"

#include "core/AppState.h"
#include "core/model/PrintItems.h"
#include "ui/Session.h"
#include "ui/WithinScreen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmEspace::frmEspace(Session &session, const QString &title, QWidget *parent)
    : QDialog(parent), m_session(session), m_title(title)
{
    setWindowTitle(title);
    setModal(true);
    const PrintLayout &layout = session.state.printLayout;
    const bool lineLength = title == Calibration::observationLengthTitle();
    // Both values of the item are kept: the line length shares item 90 with the line spacing.
    const int item = lineLength ? int(PrintItems::VersoObsWidth) : PrintItems::itemByTitle(title);
    m_opening = Calibration::remember(layout, item);

    auto *heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setWordWrap(true);
    auto *prompt = new QLabel(
        lineLength ? Calibration::observationLengthPrompt() : Calibration::spacingPrompt(), this);
    prompt->setWordWrap(true);
    m_value = new QLineEdit(Calibration::spacingValue(layout, title), this);
    m_value->setMaxLength(12);
    prompt->setBuddy(m_value);
    m_value->setFixedWidth(90);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(heading, 0, 0, 1, 3);
    grid->addWidget(prompt, 1, 0, 1, 3);
    grid->addWidget(m_value, 2, 0);
    grid->addWidget(new QLabel(QString::fromUtf16(u"en millimètre"), this), 2, 1);
    grid->addWidget(m_ok, 2, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    holdWidthForTitle(this, 460);

    connect(m_ok, &QPushButton::clicked, this, &frmEspace::store);
    m_value->selectAll();
}

void frmEspace::store()
{
    const Calibration::SpacingResult result =
        Calibration::storeSpacing(m_session.state.printLayout, m_title, m_value->text());
    if (result == Calibration::SpacingResult::Stored ||
        result == Calibration::SpacingResult::UnknownTitle) {
        accept();
        return;
    }
    Calibration::reportSpacing(m_session.prompts, result);
    m_value->setFocus();
    m_value->selectAll();
}

void frmEspace::reject()
{
    Calibration::restore(m_session.state.printLayout, m_opening);
    QDialog::reject();
}
