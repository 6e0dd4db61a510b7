#include "construcao_model.h"

#include "catalogue.h"
#include "numbers.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace kelvora {

using construction::Winding;

namespace {

// A column: its heading, and the value with its decimals (or nothing to leave
// the cell empty).
struct Column {
    const char* heading;
    int decimals;
    std::optional<double> (*value)(const Winding&);
};

const Column columns[] = {
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Enrolamento"), 0, nullptr},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Espiras"), 0,
     [](const Winding& w) -> std::optional<double> { return w.turns; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Espiras\n(aba)"), 1,
     [](const Winding& w) { return w.turnsTab; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "AWG"), 0,
     [](const Winding& w) -> std::optional<double> { return w.awg; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Ø nu\n(mm)"), 3,
     [](const Winding& w) -> std::optional<double> { return w.dBareMm; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Ø total\n(mm)"), 3,
     [](const Winding& w) -> std::optional<double> { return w.dOverMm; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Espiras/\ncamada"), 0,
     [](const Winding& w) -> std::optional<double> { return w.turnsPerLayer; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Camadas"), 0,
     [](const Winding& w) -> std::optional<double> { return w.layers; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Altura\n(mm)"), 2,
     [](const Winding& w) -> std::optional<double> { return w.buildMm; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Fio\n(m)"), 2,
     [](const Winding& w) -> std::optional<double> { return w.lengthM; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "R 20 °C\n(Ω)"), 3,
     [](const Winding& w) -> std::optional<double> { return w.r20Ohm; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "R quente\n(Ω)"), 3,
     [](const Winding& w) -> std::optional<double> { return w.rHotOhm; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "I rms\n(A)"), 3,
     [](const Winding& w) -> std::optional<double> { return w.iRmsA; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "J\n(A/mm²)"), 2,
     [](const Winding& w) -> std::optional<double> { return w.jAmm2; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Perda\n(W)"), 2,
     [](const Winding& w) -> std::optional<double> { return w.pcuW; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "V vazio\n(V)"), 1,
     [](const Winding& w) { return w.vNl; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "V carga\n(V)"), 1,
     [](const Winding& w) { return w.vFl; }},
    {QT_TRANSLATE_NOOP("kelvora::WindingTableModel", "Regulação\n(%)"), 1,
     [](const Winding& w) { return w.regulationPct; }},
};
constexpr int AllColumns = int(std::size(columns));
constexpr int VoltageColumns = 3;

} // namespace

void WindingTableModel::setWindings(const std::vector<Winding>& windings, bool voltages,
                                    char separator)
{
    const int columnsNow = AllColumns - (voltages ? 0 : VoltageColumns);
    std::vector<std::vector<QString>> cells;
    cells.reserve(windings.size());
    for (const Winding& w : windings) {
        std::vector<QString> row;
        row.reserve(std::size_t(columnsNow));
        row.push_back(w.nameWords.empty() ? QString::fromStdString(w.name)
                                          : shownWords(w.nameWords));
        for (int c = 1; c < columnsNow; ++c) {
            const std::optional<double> v = columns[c].value(w);
            row.push_back(v ? QString::fromStdString(fixed(*v, 15, columns[c].decimals, separator))
                            : QString());
        }
        cells.push_back(std::move(row));
    }
    // The same rows with new figures (a keystroke on the tab): repaint the cells
    // that changed only, keeping the view's layout. One notice per row, from
    // its first changed cell to its last: the view then repaints one rectangle
    // per row (each rectangle repaints its grid lines too, which cost as much
    // as a few cells' texts).
    const bool sameShape = voltages == voltages_ && cells.size() == cells_.size()
                           && std::equal(cells.begin(), cells.end(), cells_.begin(),
                                         [](const auto& a, const auto& b) { return a[0] == b[0]; });
    if (sameShape) {
        for (std::size_t r = 0; r < cells.size(); ++r) {
            int first = -1, last = -1;
            for (std::size_t c = 0; c < cells[r].size(); ++c)
                if (cells[r][c] != cells_[r][c]) {
                    first = first < 0 ? int(c) : first;
                    last = int(c);
                }
            cells_[r] = std::move(cells[r]);
            if (first >= 0)
                emit dataChanged(index(int(r), first), index(int(r), last), {Qt::DisplayRole});
        }
        return;
    }
    beginResetModel();
    cells_ = std::move(cells);
    voltages_ = voltages;
    endResetModel();
}

std::vector<int> WindingTableModel::shownOrder() const
{
    std::vector<int> order;
    const int columns = columnCount();
    order.reserve(std::size_t(columns));
    order.push_back(0);
    if (voltages_)
        for (int c = AllColumns - VoltageColumns; c < AllColumns; ++c)
            order.push_back(c);
    for (int c = 1; c < columns - (voltages_ ? VoltageColumns : 0); ++c)
        order.push_back(c);
    return order;
}

int WindingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(cells_.size());
}

int WindingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : AllColumns - (voltages_ ? 0 : VoltageColumns);
}

QVariant WindingTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Column& c = columns[index.column()];
    if (role == Qt::BackgroundRole && index.column() == GaugeColumn
        && std::size_t(index.row()) < invalidGauges_.size()
        && invalidGauges_[std::size_t(index.row())])
        return QColor(Qt::red);
    if (role == Qt::EditRole)
        return cells_[std::size_t(index.row())][std::size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(c.value ? Qt::AlignRight | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    return cells_[std::size_t(index.row())][std::size_t(index.column())];
}

void WindingTableModel::setInvalidGauges(std::vector<bool> rows)
{
    if (rows == invalidGauges_)
        return;
    invalidGauges_ = std::move(rows);
    if (rowCount() > 0)
        emit dataChanged(index(0, GaugeColumn), index(rowCount() - 1, GaugeColumn),
                         {Qt::BackgroundRole});
}

Qt::ItemFlags WindingTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == GaugeColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool WindingTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != GaugeColumn)
        return false;
    emit gaugeEdited(index.row(), value.toString());
    return true;
}

QVariant WindingTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return tr(columns[section].heading);
}

void PlainCellDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active
                                                                           : QPalette::Inactive;
    if (selected)
        p->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    else if (const QVariant bg = index.data(Qt::BackgroundRole); bg.isValid())
        p->fillRect(option.rect, bg.value<QColor>());
    p->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    p->drawText(option.rect.adjusted(4, 0, -4, 0),
                int((align & Qt::AlignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter
                    | Qt::TextSingleLine),
                index.data(Qt::DisplayRole).toString());
}

QSize PlainCellDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    // The text, the style's item text margin on each side and 2 px more on each
    // (a figure keeps clear of the grid), less the grid line the view adds. The
    // rows have the view's fixed height.
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int text = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {text + 2 * margin + 4 - 1, option.fontMetrics.height()};
}

} // namespace kelvora
