#include "construcao_model.h"

#include "numbers.h"

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
    {"Enrolamento", 0, nullptr},
    {"Espiras", 0, [](const Winding& w) -> std::optional<double> { return w.turns; }},
    {"AWG", 0, [](const Winding& w) -> std::optional<double> { return w.awg; }},
    {"Ø nu\n(mm)", 3, [](const Winding& w) -> std::optional<double> { return w.dBareMm; }},
    {"Ø total\n(mm)", 3, [](const Winding& w) -> std::optional<double> { return w.dOverMm; }},
    {"Espiras/\ncamada", 0, [](const Winding& w) -> std::optional<double> { return w.turnsPerLayer; }},
    {"Camadas", 0, [](const Winding& w) -> std::optional<double> { return w.layers; }},
    {"Altura\n(mm)", 2, [](const Winding& w) -> std::optional<double> { return w.buildMm; }},
    {"Fio\n(m)", 2, [](const Winding& w) -> std::optional<double> { return w.lengthM; }},
    {"R 20 °C\n(Ω)", 3, [](const Winding& w) -> std::optional<double> { return w.r20Ohm; }},
    {"R quente\n(Ω)", 3, [](const Winding& w) -> std::optional<double> { return w.rHotOhm; }},
    {"I rms\n(A)", 3, [](const Winding& w) -> std::optional<double> { return w.iRmsA; }},
    {"Perda\n(W)", 2, [](const Winding& w) -> std::optional<double> { return w.pcuW; }},
    {"V vazio\n(V)", 1, [](const Winding& w) { return w.vNl; }},
    {"V carga\n(V)", 1, [](const Winding& w) { return w.vFl; }},
    {"Regulação\n(%)", 1, [](const Winding& w) { return w.regulationPct; }},
};
constexpr int AllColumns = int(std::size(columns));
constexpr int VoltageColumns = 3;

} // namespace

void WindingTableModel::setWindings(const std::vector<Winding>& windings, bool voltages,
                                    char separator)
{
    beginResetModel();
    windings_ = windings;
    voltages_ = voltages;
    separator_ = separator;
    endResetModel();
}

int WindingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(windings_.size());
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
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(c.value ? Qt::AlignRight | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const Winding& w = windings_[std::size_t(index.row())];
    if (!c.value)
        return QString::fromStdString(w.name);
    const std::optional<double> v = c.value(w);
    return v ? QString::fromStdString(fixed(*v, 15, c.decimals, separator_)) : QString();
}

QVariant WindingTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return QString::fromUtf8(columns[section].heading);
}

} // namespace kelvora
