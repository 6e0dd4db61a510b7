#pragma once
// "Visualiza Núcleo": the dimensioned drawing of a standard E/I lamination stack.
#include <QWidget>

class QLabel;

namespace kelvora {

class TFNucleo : public QWidget {
    Q_OBJECT
public:
    explicit TFNucleo(QWidget* parent = nullptr);
    // Writes the nineteen dimension labels for stack height En and
    // centre-leg width Bn (mm); does not show the window.
    void VisNucleo(float En, float Bn, char decimalSeparator);
};

} // namespace kelvora
