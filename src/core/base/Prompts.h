#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every message, question, input box and file or folder choice of the program goes through this
// interface, so that tests can script the answers and check the exact texts.
class Prompts
{
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompts() = default;

    // The lines of a message, joined as every message of the program joins them.
    static QString lines(const QStringList &parts) { return parts.join(QStringLiteral("\r\n")); }

    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    // `defaultAnswer` is the preselected button.
    virtual Answer question(const QString &title, const QString &text, Icon icon, Buttons buttons,
                            Answer defaultAnswer) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> input(const QString &title, const QString &prompt,
                                         const QString &defaultText) = 0;
    // The chosen existing file, or "" when the user cancels.
    virtual QString openFile(const QString &title, const QString &folder,
                             const QString &filter) = 0;
};
