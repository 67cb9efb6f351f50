#include "ui/FrenchFileColumns.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace
{

// The file system model's columns, as Qt numbers them.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;

class Columns : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant shown = QIdentityProxyModel::data(index, role);
        // A folder's size stays blank, as Qt leaves it.
        if (role != Qt::DisplayRole || shown.toString().isEmpty()) return shown;
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files) return shown;
        // The program's locale, French, where Qt takes the desktop's.
        if (index.column() == SizeColumn)
            return QLocale().formattedDataSize(files->size(mapToSource(index)));
        if (index.column() == DateColumn)
            return QLocale().toString(files->lastModified(mapToSource(index)),
                                      QLocale::ShortFormat);
        return shown;
    }
};

class Watcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto *dialog = qobject_cast<QFileDialog *>(watched))
                FrenchFileColumns::install(*dialog);
        return false;
    }
};

} // namespace

namespace FrenchFileColumns
{

void install(QFileDialog &dialog)
{
    if (dialog.proxyModel() || !dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) return;
    dialog.setProxyModel(new Columns(&dialog));
}

void installEverywhere(QCoreApplication &app)
{
    app.installEventFilter(new Watcher(&app));
}

} // namespace FrenchFileColumns
