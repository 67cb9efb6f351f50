#pragma once

#include "editor/BulletinView.h"

#include <QStringList>

// Records what a rule asks of the editor window, in order.
class FakeBulletinView : public BulletinView
{
public:
    QStringList calls;
    QDate date;
    QString rosterFolder;

    void refreshBulletin() override { calls << QStringLiteral("refreshBulletin"); }
    void clearEditControls() override { calls << QStringLiteral("clearEditControls"); }
    void showMention(const QString &mention) override
    {
        calls << QStringLiteral("showMention:") + mention;
    }
    void showServiceDate(const QDate &d) override
    {
        date = d;
        calls << QStringLiteral("showServiceDate");
    }
    void showRosterFolder(const QString &folder) override
    {
        rosterFolder = folder;
        calls << QStringLiteral("showRosterFolder:") + folder;
    }
    void reloadRosterList() override { calls << QStringLiteral("reloadRosterList"); }
};
