#include "table_copy.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTableView>

#include <algorithm>
#include <set>
#include <vector>

namespace kelvora {

namespace {

QString cell(QVariant v)
{
    QString s = v.toString();
    for (QChar& c : s)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return s.simplified();
}

// The table a widget belongs to: itself, or the table whose viewport it is.
QTableView* tableOf(QObject* o)
{
    if (auto* t = qobject_cast<QTableView*>(o))
        return t;
    if (auto* w = qobject_cast<QWidget*>(o))
        return qobject_cast<QTableView*>(w->parentWidget());
    return nullptr;
}

class TableCopy : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type type = e->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride
            && type != QEvent::ContextMenu)
            return false;
        QTableView* table = tableOf(o);
        if (!table)
            return false;
        if (type == QEvent::ContextMenu) {
            showMenu(table, static_cast<QContextMenuEvent*>(e)->globalPos());
            return true;
        }
        if (!static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy))
            return false;
        e->accept();
        if (type == QEvent::KeyPress)
            copyTable(table);
        return true;
    }

private:
    static void showMenu(QTableView* table, const QPoint& at)
    {
        QMenu menu(table);
        menu.setObjectName(QStringLiteral("MenuTabela"));
        QPointer<QTableView> t(table);
        menu.addAction(QCoreApplication::translate("kelvora", "Copiar"), [t] {
            if (t)
                copyTable(t);
        });
        // A table that selects one row at a time (the adviser's) copies whole this way.
        menu.addAction(QCoreApplication::translate("kelvora", "Copiar tudo"), [t] {
            if (t)
                copyTable(t, true);
        });
        QAction* all = menu.addAction(QCoreApplication::translate("kelvora", "Selecionar tudo"),
                                      [t] {
                                          if (t)
                                              t->selectAll();
                                      });
        all->setEnabled(table->selectionMode() == QAbstractItemView::ExtendedSelection
                        || table->selectionMode() == QAbstractItemView::MultiSelection);
        menu.exec(at);
    }
};

} // namespace

QString tableText(const QTableView* table, bool all)
{
    const QAbstractItemModel* m = table->model();
    if (!m)
        return {};
    std::set<int> rows, columns;
    if (const QItemSelectionModel* sel = table->selectionModel(); sel && !all)
        for (const QModelIndex& i : sel->selectedIndexes()) {
            rows.insert(i.row());
            columns.insert(i.column());
        }
    if (rows.empty()) {
        for (int r = 0; r < m->rowCount(); ++r)
            rows.insert(r);
        for (int c = 0; c < m->columnCount(); ++c)
            columns.insert(c);
    }
    std::erase_if(columns, [&](int c) { return table->isColumnHidden(c); });
    std::erase_if(rows, [&](int r) { return table->isRowHidden(r); });
    // In the order the table shows them, which may not be the model's.
    auto shown = [](const std::set<int>& logical, const QHeaderView* header) {
        std::vector<int> v(logical.begin(), logical.end());
        std::stable_sort(v.begin(), v.end(), [header](int a, int b) {
            return header->visualIndex(a) < header->visualIndex(b);
        });
        return v;
    };
    const std::vector<int> columnOrder = shown(columns, table->horizontalHeader());
    const std::vector<int> rowOrder = shown(rows, table->verticalHeader());

    QStringList lines;
    QStringList header;
    for (int c : columnOrder)
        header << cell(m->headerData(c, Qt::Horizontal, Qt::DisplayRole));
    lines << header.join(u'\t');
    for (int r : rowOrder) {
        QStringList cells;
        for (int c : columnOrder)
            cells << cell(m->data(m->index(r, c), Qt::DisplayRole));
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void copyTable(const QTableView* table, bool all)
{
    QGuiApplication::clipboard()->setText(tableText(table, all));
}

void installTableCopy(QApplication* app)
{
    static QPointer<TableCopy> installed;
    if (installed)
        return;
    installed = new TableCopy(app);
    app->installEventFilter(installed);
}

} // namespace kelvora
