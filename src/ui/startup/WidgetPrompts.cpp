#include "ui/startup/WidgetPrompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Exclamation: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton button(Prompts::Answer a)
{
    switch (a) {
    case Prompts::Answer::Ok: return QMessageBox::Ok;
    case Prompts::Answer::Cancel: return QMessageBox::Cancel;
    case Prompts::Answer::Yes: return QMessageBox::Yes;
    case Prompts::Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

void WidgetPrompts::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, m_parent);
    // Texts hold paths and typed values: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Prompts::Answer WidgetPrompts::question(const QString &title, const QString &text, Icon icon,
                                        Buttons buttons, Answer defaultAnswer)
{
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel)
        set = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == Buttons::YesNo)
        set = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(boxIcon(icon), title, text, set, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(button(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
    }
    // Escape or the window's close button.
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> WidgetPrompts::input(const QString &title, const QString &prompt,
                                            const QString &defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetPrompts::openFile(const QString &title, const QString &folder, const QString &filter)
{
    QFileDialog dialog(m_parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::chooseFolder(const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, folder);
}
