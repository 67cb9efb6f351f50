#pragma once

#include "core/config/ScreenLayout.h"

#include <QWidget>

class QLabel;

// The program's first window, shown while the screen is checked.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    void showMetrics(const ScreenMetrics &screen);

    QLabel *resolutionLabel() const { return m_resolution; }
    QLabel *versionLabel() const { return m_version; }

private:
    QLabel *m_resolution = nullptr;
    QLabel *m_version = nullptr;
};
