#pragma once
// The "Rede" group of the Construção window (power transformer): the flux,
// no-load current and no-load loss at the nominal and at the high line, the
// primary fuse, the insulation figures between the primary and each
// secondary, and the no-load current plotted against the mains voltage.
#include "construction.h"

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QWidget>

#include <vector>

class QLabel;
class QTableView;

namespace kelvora {

// The no-load current from 80 % to 120 % of the nominal voltage, painted: the
// curve, the full-load limit of ECoImagMax as a dashed line, and the nominal
// and high-line points marked.
class NoLoadPlot : public QWidget {
    Q_OBJECT
public:
    explicit NoLoadPlot(QWidget* parent = nullptr);

    struct Content {
        std::vector<construction::NoLoadPoint> curve;
        construction::NoLoadPoint nominal, high;
        double limitA = 0;     // ECoImagMax of the full-load current; 0: none
        bool highGood = true;  // the high-line point within the limit
        char separator = ',';
        bool operator==(const Content&) const = default;
    };
    // Repaints only when the content changes.
    void setContent(Content c);
    const Content& content() const { return content_; }
    QSize sizeHint() const override { return {300, 170}; }
    QSize minimumSizeHint() const override { return {220, 130}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Content content_;
};

// The insulation rows: secondary, working voltage, test voltage, clearance,
// creepage and (reinforced) the distance through insulation.
class InsulationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(const std::vector<construction::InsulationRow>& rows, bool reinforced,
                 char separator);
    const QString& cell(int row, int column) const;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    std::vector<std::vector<QString>> cells_;
    bool reinforced_ = false;
};

class PainelRede : public QGroupBox {
    Q_OBJECT
public:
    explicit PainelRede(QWidget* parent = nullptr);
    // Shows the mains checks of a power transformer's analysis.
    void setContent(const construction::Analysis& a, const construction::ConstructionSettings& set,
                    char separator);
    NoLoadPlot* plot() const { return plot_; }
    InsulationTableModel* insulation() const { return model_; }

private:
    QLabel* label(const char* name) const;
    QLabel* LCoRedeAlta = nullptr; // the high-line column's caption
    NoLoadPlot* plot_ = nullptr;
    QTableView* table_ = nullptr;
    InsulationTableModel* model_ = nullptr;
};

} // namespace kelvora
