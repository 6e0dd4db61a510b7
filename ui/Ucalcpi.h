#pragma once
// "Cálculos relativos ao circuito PI de saída de RF": the pi network of the
// plate-modulated RF stage, opened from the valve modulator tab. Created at
// start-up, hidden; Button1 hides it again.
#include "binding.h"
#include "numbers.h"
#include "sheet.h"

#include <QWidget>

#include <functional>
#include <string>

class QAbstractTableModel;

namespace kelvora {

class TFCalcPI : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcPI(QWidget* parent = nullptr);
    ~TFCalcPI() override;

    // Where the decimal separator comes from (the main window's settings);
    // the user's locale until set.
    void setSettingsSource(std::function<Settings()> source);
    // The RF stage's plate voltage and current (EEbrf, EIbrf) as the valve
    // modulator tab's sheet has them: each replaces EPiEb / EPiIb when it
    // differs from the text last taken, so a value typed here stays until the
    // tab's own one changes.
    void followRfStage(const Sheet& mod);
    // A design was opened or made new: its own EPiEb / EPiIb stand, and the
    // tab's texts it was kept with count as taken (they replace the window's
    // only when the tab's change); an empty frequency takes its band's again
    // at the next calculation.
    void takeRfStage(const Sheet& mod);

    // Handlers: an input changed; a band chosen in CBPiBanda.
    void CalculaCircuitoPI();
    void CBPiBandaChange();

    Sheet& sheet() { return sheet_; }
    // The inputs design files keep and the unsaved-changes mark watches.
    SheetBinding& binding() { return binding_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void build();

    Sheet sheet_;
    SheetBinding binding_;
    QAbstractTableModel* bandModel_ = nullptr;
    std::function<Settings()> settings_;
    std::string lastEb_, lastIb_;
    bool started_ = false; // the frequency is filled from the band list once
};

} // namespace kelvora
