#include "ui/startup/WidgetPrompts.h"

#include "ui/FrenchFileColumns.h"
#include "ui/WithinScreen.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTreeView>

namespace
{

// A width that a dialog asks for, as far as its screen allows.
int withinScreen(const QWidget &dialog, int wanted)
{
    const QScreen *screen = dialog.screen();
    return screen ? qMin(wanted, screen->availableGeometry().width() * 9 / 10) : wanted;
}

// Room that a message box takes beside its text for its icon and margins.
constexpr int IconAndMargins = 90;

// A message box sizes itself from its text and buttons alone, and breaks a line past half the
// screen's width: an empty row as wide as the title or the longest line asks for, as far as the
// screen allows, is what makes it wider, each line of the text then standing on one line.
void widenForTitleAndText(QMessageBox &box, const QString &text)
{
    const QFontMetrics metrics(box.font());
    int longest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        longest = qMax(longest, metrics.horizontalAdvance(line));
    const int width = qMax(widthForTitle(box), withinScreen(box, longest + IconAndMargins));
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton button(Prompts::Answer a)
{
    switch (a) {
    case Prompts::Answer::Ok:
        return QMessageBox::Ok;
    case Prompts::Answer::Cancel:
        return QMessageBox::Cancel;
    case Prompts::Answer::Yes:
        return QMessageBox::Yes;
    case Prompts::Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// Qt's own file dialog sizes its columns for English words ("Folder", "10/29/81 02:02PM"): the
// columns are given the room that their French texts take, in a dialog wide enough for all of
// them.
void fitFileColumns(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details) return; // the desktop's own dialog
    const QFontMetrics metrics(details->font());
    const auto room = [&metrics](const QString &widest) {
        return metrics.horizontalAdvance(widest) + 3 * metrics.averageCharWidth();
    };
    const QLocale french;
    QHeaderView *header = details->header();
    header->resizeSection(1, room(french.formattedDataSize(1023)));
    header->resizeSection(2, room(QStringLiteral("document texte brut")));
    header->resizeSection(3, room(french.toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)),
                                                  QLocale::ShortFormat)));
    header->setStretchLastSection(true);
    int width = dialog.sizeHint().width();
    for (int column = 1; column <= 3; ++column)
        width += header->sectionSize(column);
    dialog.resize(qMax(dialog.width(), withinScreen(dialog, width)), dialog.height());
    // With a large desktop font the columns run past the widest dialog the screen takes: the
    // names, short ones ("120 04 12 2026 deuxi.txt"), give up the room that lacks, so that the date
    // stays in sight.
    dialog.layout()->activate();
    int columns = 0;
    for (int column = 0; column <= 3; ++column)
        columns += header->sectionSize(column);
    const int lacking = columns - details->maximumViewportSize().width();
    if (lacking > 0)
        header->resizeSection(0, qMax(room(QStringLiteral("120 04 12 2026 deuxi.txt")),
                                      header->sectionSize(0) - lacking));
}

// A file filter that every dialog reads as Windows does, letter case aside. Qt's own dialog
// matches "*.txt" whatever the case, but the desktop's own (GNOME's) matches it letter for
// letter and would leave out "26.TXT", a name Windows keeps. Each letter is given in both cases
// ("*.[tT][xX][tT]") and the dialogs show the filter as it was asked ("*.txt").
QString caseBlind(const QString &filter)
{
    if (filter.contains(QLatin1Char('('))) return filter;
    QStringList patterns;
    for (const QString &pattern : filter.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString blind;
        for (const QChar c : pattern)
            blind += c.toLower() == c.toUpper()
                         ? QString(c)
                         : QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        patterns << blind;
    }
    return QStringLiteral("%1 (%2)").arg(filter, patterns.join(QLatin1Char(' ')));
}

} // namespace

QWidget *WidgetPrompts::owner()
{
    if (m_parent) return m_parent;
    QWidget *active = QApplication::activeModalWidget();
    if (!active) active = QApplication::activeWindow();
    // Between two prompts the window manager may not have given the window back its activation.
    if (active)
        m_lastOwner = active;
    else if (m_lastOwner && m_lastOwner->isVisible())
        active = m_lastOwner;
    return active;
}

void WidgetPrompts::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, owner());
    // Texts hold paths and typed values: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    widenForTitleAndText(box, text);
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
    QMessageBox box(boxIcon(icon), title, text, set, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(button(defaultAnswer));
    widenForTitleAndText(box, text);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Escape or the window's close button.
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> WidgetPrompts::input(const QString &title, const QString &prompt,
                                            const QString &defaultText)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // Its layout sets its size, as a message box's does; the dialog makes it when first measured.
    dialog.minimumSizeHint();
    if (QLayout *column = dialog.layout())
        column->addItem(
            new QSpacerItem(widthForTitle(dialog), 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString WidgetPrompts::openFile(const QString &title, const QString &folder, const QString &filter)
{
    QFileDialog dialog(owner(), title, folder, caseBlind(filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Before the columns are sized: the views take their new model with their first sizes.
    FrenchFileColumns::install(dialog);
    fitFileColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}
