#pragma once

#include "core/automatismes/Automatismes.h"

#include <QString>
#include <QStringList>

#include <optional>

class AutomatismeStore;
class Prompts;

// What the automatisme window does with what the driver typed in its boxes, without the boxes:
// loading an automatisme, saving, deleting, the list and its counter, and the window's messages.
class AutomatismeForm
{
public:
    AutomatismeForm(AutomatismeStore &store, Prompts &prompts);

    // The boxes' values when the file holds the section header of `number` exactly; nothing
    // for an empty number or an unknown one (the boxes then keep what they hold).
    std::optional<Automatismes::Values> load(const QString &number);

    enum class Saved { Refused, Added, Updated };
    // "Enregistrer": with no number, or one the file cannot hold, or a failed save, the driver
    // is told and nothing is written. Added: the counter grew and the number joins the list.
    Saved save(const QString &number, const Automatismes::Values &values);

    // "Supprimer l'automatisme en cours" of the trimmed `number`, once an item of the list is
    // selected. Returns whether the file changed.
    bool remove(const QString &number, bool itemSelected);

    QStringList items();
    QString counterLabel();

    // What an engine-number box holds once left: the number part of its text, followed by one
    // blank for the leading engine. Other boxes, and blank texts, stay as they are.
    static QString leftBoxText(int field, const QString &text);
    // The text of "Info".
    static QString infoText();
    void showInfo();

private:
    AutomatismeStore &m_store;
    Prompts &m_prompts;
};
