#pragma once
// The windings of a construction analysis as a read-only table: one row per
// winding from the bobbin outwards, numbers with the locale's separator.
#include "construction.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include <vector>

namespace kelvora {

class WindingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows; the loaded-voltage columns only for the power transformer.
    void setWindings(const std::vector<construction::Winding>& windings, bool voltages,
                     char separator);

    // The columns in the order the view shows them, the model's own for all but
    // the power transformer: its builder checks the voltages first (no load,
    // full load, regulation), so they follow the winding's name.
    std::vector<int> shownOrder() const;

    // The AWG column: the builder types a gauge there (gaugeEdited); rows
    // whose typed gauge is invalid show it on red.
    static constexpr int GaugeColumn = 3;
    void setInvalidGauges(std::vector<bool> rows);
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void gaugeEdited(int row, const QString& text);

public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    // The cells' texts, made once per change: a repaint only draws them.
    std::vector<std::vector<QString>> cells_;
    std::vector<bool> invalidGauges_;
    bool voltages_ = false;
};

// Draws a cell's text straight with the painter: the figures change on every
// keystroke, and the style's full item layout (icons, check boxes, eliding)
// costs several times the drawing itself.
class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The width the view fits a column to (QTableView::resizeColumnToContents).
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kelvora
