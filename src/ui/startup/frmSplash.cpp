#include "ui/startup/frmSplash.h"

#include "core/startup/StartUpMessages.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Kerbo"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 30, 40, 30);

    auto *name = new QLabel(QStringLiteral("Kerbo"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);

    m_resolution = new QLabel(this);
    m_version = new QLabel(StartUpMessages::splashVersion(KERBO_VERSION_MAJOR, KERBO_VERSION_MINOR,
                                                          KERBO_VERSION_PATCH),
                           this);
    for (QLabel *l : {m_resolution, m_version}) {
        l->setAlignment(Qt::AlignCenter);
        column->addWidget(l);
    }
}

void frmSplash::showMetrics(const ScreenMetrics &screen)
{
    m_resolution->setText(StartUpMessages::splashResolution(screen));
}
