#pragma once

#include <QDate>
#include <QString>

// What the commands of the other folders ask of the editor window after they changed the
// bulletin. The editor window implements it; tests use a recording fake.
class BulletinView
{
public:
    virtual ~BulletinView() = default;

    // Redraws the bulletin from the record and places the edit control on the current slot.
    virtual void refreshBulletin() = 0;
    // Empties the text and list controls.
    virtual void clearEditControls() = 0;
    // Shows the mention of the open day file; "" hides the label.
    virtual void showMention(const QString &mention) = 0;
    // Sets the date picker (format "dd/MM/yy") to the service date.
    virtual void showServiceDate(const QDate &date) = 0;
    // Sets the roster list's text to the current generic folder.
    virtual void showRosterFolder(const QString &folder) = 0;
    // Empties the roster list's items so that they are read again from the list file.
    virtual void reloadRosterList() = 0;
};
