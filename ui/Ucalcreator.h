#pragma once
// "Cálculo do Reator para Modulação": the three requirements of a modulation
// reactor coupling. Created at start-up, hidden; Button1 hides it again.
#include <QWidget>

namespace kelvora {

class TFCalcReator : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcReator(QWidget* parent = nullptr);
};

} // namespace kelvora
