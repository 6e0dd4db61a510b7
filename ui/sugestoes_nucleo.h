#pragma once
// "Sugerir núcleo": the core adviser's best ten in a table, live while it is
// shown, and "Usar este núcleo" to take one into the tab.
#include "adviser.h"

#include <QAbstractTableModel>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace kelvora {

// The ten lightest passing cores as rows of texts (the adviser's columns).
class SugestoesModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int Shown = 10;

    void setAdvice(const construction::Advice& advice, const Settings& cfg);
    // The core of a row, or null.
    const construction::Suggestion* suggestion(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    QStringList header_;
    std::vector<QStringList> rows_;
    std::vector<construction::Suggestion> cores_;
};

// A button that opens the table under it, a line that says how many cores
// pass (or why none does) and the button that takes the chosen one.
class PainelSugestoes : public QWidget {
    Q_OBJECT
public:
    explicit PainelSugestoes(QWidget* parent = nullptr);

    // Whether the table is shown (it then follows every recalculation).
    bool isOpen() const { return open_; }
    // Runs the search for the tab's current calculation when the table is shown.
    void refresh(const construction::WoundPart& part, const Sheet& tab, const DesignResults& s, bool tabError,
                 const construction::ConstructionSettings& set, const Settings& cfg);
    const SugestoesModel& model() const { return *model_; }

signals:
    // "Sugerir núcleo" was pressed: the owner calls refresh().
    void openRequested();
    // "Usar este núcleo": the texts for the tab's Bn and En fields.
    void coreChosen(const QString& bn, const QString& en);

private:
    void choose();

    QPushButton* BSugereNucleo;
    QLabel* LSugestoes;
    QTableView* GSugestoes;
    QPushButton* BUsaNucleo;
    SugestoesModel* model_;
    Settings cfg_;
    bool open_ = false;
};

// Writes a core into the tab's widgets (an edit or an editable list each),
// which recalculates the tab once, as typing both would.
void useCore(QWidget* tabPage, const construction::CoreFields& fields, const QString& bn,
             const QString& en);

} // namespace kelvora
