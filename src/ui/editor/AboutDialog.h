#pragma once

#include "core/config/ScreenLayout.h"

#include <QDialog>

// "A propos de Kerbo": the program's version and the screen resolution.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(const ScreenMetrics &screen, QWidget *parent = nullptr);

    static QString versionText();
    static QString resolutionText(const ScreenMetrics &screen);
};
