#pragma once
// "Fonte de alimentação": the rectifier and filter of one secondary of the
// designed power transformer, simulated live: the figures and verdicts, the
// output and winding current at steady state, the turn-on, and the output
// against the load current.
#include "binding.h"
#include "fonte.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

class QLabel;
class QChartView;

namespace kelvora {

// What the window simulates on: the power transformer's analysis input, the
// construction settings and the program's settings, asked for at each run.
struct FonteSource {
    std::function<construction::TrafoAlimInput()> input;
    std::function<construction::ConstructionSettings()> settings;
    std::function<Settings()> cfg;
    // After each run: what follows the simulated currents (the construction).
    std::function<void()> changed;
    // The filter reactor tab's choke, when its design has one.
    std::function<std::optional<fonte::Reactor>()> reactor;
};

class TFFonte : public QWidget {
    Q_OBJECT
public:
    explicit TFFonte(FonteSource source, QWidget* parent = nullptr);
    ~TFFonte() override;

    // Reads the controls and simulates the chosen secondary again.
    void recalculate();
    // Each secondary's controls; the chosen one is what the widgets show.
    Sheet& secondarySheet(int k);
    const fonte::Run& run() const { return run_; }
    // The binding of a stored sheet of the window ("FFonte", "FFonte1" ...),
    // null for another name. The chosen secondary's is the widgets'.
    SheetBinding* bindingOf(std::string_view name);

private:
    void build();
    void chooseSecondary();
    void plot();
    // The last run's table in the language chosen now.
    void showResults();

    FonteSource source_;
    Sheet selector_;
    Sheet shown_;
    std::array<Sheet, 6> kept_;
    int secondary_ = 1;
    SheetBinding selectorBinding_;
    SheetBinding binding_;
    // The secondaries not shown: sheets without widgets.
    QWidget* noWidgets_ = nullptr;
    std::array<std::unique_ptr<SheetBinding>, 6> keptBindings_;
    fonte::Run run_;
    QLabel* LFoResultados = nullptr;
    QChartView* steady_ = nullptr;
    QChartView* transient_ = nullptr;
    QChartView* sweep_ = nullptr;
};

} // namespace kelvora
