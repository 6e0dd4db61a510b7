#pragma once
// The windings of a construction analysis as a read-only table: one row per
// winding from the bobbin outwards, numbers with the locale's separator.
#include "construction.h"

#include <QAbstractTableModel>

#include <vector>

namespace kelvora {

class WindingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows; the loaded-voltage columns only for the power transformer.
    void setWindings(const std::vector<construction::Winding>& windings, bool voltages,
                     char separator);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    std::vector<construction::Winding> windings_;
    bool voltages_ = false;
    char separator_ = ',';
};

} // namespace kelvora
