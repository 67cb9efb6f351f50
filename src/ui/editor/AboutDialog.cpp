#include "ui/editor/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const ScreenMetrics &screen, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de Kerbo"));
    auto *column = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("Kerbo"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    column->addWidget(name, 0, Qt::AlignHCenter);
    column->addWidget(new QLabel(QStringLiteral("Bulletin de service RO 2004"), this), 0,
                      Qt::AlignHCenter);
    column->addWidget(new QLabel(versionText(), this), 0, Qt::AlignHCenter);
    column->addWidget(new QLabel(resolutionText(screen), this), 0, Qt::AlignHCenter);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

QString AboutDialog::versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(KERBO_VERSION_MAJOR)
        .arg(KERBO_VERSION_MINOR)
        .arg(KERBO_VERSION_PATCH);
}

QString AboutDialog::resolutionText(const ScreenMetrics &screen)
{
    return QStringLiteral("Résolution écran %1 / %2  pixels").arg(screen.width).arg(screen.height);
}
