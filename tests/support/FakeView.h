#pragma once

#include "core/model/BulletinView.h"

#include <QDate>
#include <QStringList>

// The editor window as the commands see it: records what they asked of it, in order.
struct FakeView : BulletinView {
    QStringList calls;
    QStringList mentions, rosterFolders;
    QDate date;

    void refreshBulletin() override { calls << QStringLiteral("refresh"); }
    void clearEditControls() override { calls << QStringLiteral("clear"); }
    void showMention(const QString &m) override
    {
        mentions << m;
        calls << QStringLiteral("mention:") + m;
    }
    void showServiceDate(const QDate &d) override { date = d; }
    void showRosterFolder(const QString &f) override
    {
        rosterFolders << f;
        calls << QStringLiteral("roster:") + f;
    }
    void reloadRosterList() override { calls << QStringLiteral("reload"); }
};
