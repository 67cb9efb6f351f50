#include "ui/print/OnePageDialog.h"

#include <QEvent>
#include <QPrintDialog>

namespace
{

// The dialog shows its page boxes again each time it is shown: they are hidden once it is.
class HidePageChoice : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            for (const char *name : {"gbPrintRange", "pageSetLabel", "pageSetCombo"})
                if (auto *box = parent()->findChild<QWidget *>(QLatin1String(name))) box->hide();
        return false;
    }
};

} // namespace

namespace OnePageDialog
{

void prepare(QPrintDialog &dialog, const QString &title)
{
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.installEventFilter(new HidePageChoice(&dialog));
}

} // namespace OnePageDialog
