#pragma once
// The RF output PI-network window: created at start-up, never shown by the program.
#include <QWidget>

namespace kelvora {

class TFCalcPI : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcPI(QWidget* parent = nullptr);
};

} // namespace kelvora
