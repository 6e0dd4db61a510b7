#pragma once
// "Cálculo do Reator para Modulação": created at start-up, hidden.
#include <QWidget>

namespace kelvora {

class TFCalcReator : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcReator(QWidget* parent = nullptr);
};

} // namespace kelvora
