#pragma once

#include "core/base/Prompts.h"

#include <QPointer>
#include <QWidget>

// The prompts of the running program: standard Qt dialogs.
class WidgetPrompts : public Prompts
{
public:
    explicit WidgetPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &title, const QString &text, Icon icon) override;
    Answer question(const QString &title, const QString &text, Icon icon, Buttons buttons,
                    Answer defaultAnswer) override;
    std::optional<QString> input(const QString &title, const QString &prompt,
                                 const QString &defaultText) override;
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;

private:
    // The window a prompt opens over: the one given, else the one the driver works in, so that
    // the prompt opens over it, on its monitor, not on the monitor under the mouse.
    QWidget *owner();
    QPointer<QWidget> m_parent;
    QPointer<QWidget> m_lastOwner;
};
