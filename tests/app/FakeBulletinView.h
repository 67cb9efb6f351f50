#pragma once

#include "editor/BulletinView.h"

#include <QStringList>

// Records what a rule asks of the editor window, in order.
class FakeBulletinView : public BulletinView
{
public:
    QStringList calls;
    QDate date;

    void refreshBulletin() override { calls << QStringLiteral("refresh"); }
    void clearEditControls() override { calls << QStringLiteral("clear"); }
    void showMention(const QString &m) override { calls << QStringLiteral("mention:") + m; }
    void showServiceDate(const QDate &d) override { date = d; }
    void showRosterFolder(const QString &f) override { calls << QStringLiteral("roster:") + f; }
    void reloadRosterList() override { calls << QStringLiteral("reload"); }
};
