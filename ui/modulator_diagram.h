#pragma once
// The circuit diagrams of the valve modulator tab: a push-pull class-B pair
// plate-modulating an RF stage through the modulation transformer, either
// directly (the secondary carries the RF plate current) or through a
// modulation reactor and a coupling capacitor. Both share one 497 x 281
// drawing space, so the result labels laid over them stay where they belong.
#include "picture.h"

#include <QPoint>

class QPainter;

namespace kelvora {

// Where the parts both drawings share sit, in the 497 x 281 drawing space;
// the tab places its labels from the same points.
namespace diagram {
inline constexpr int Width = 497, Height = 281;
inline constexpr QPoint Valve1{56, 56}, Valve2{56, 224}; // envelope centres
inline constexpr int ValveRadius = 24;
inline constexpr int PrimaryX = 160; // primary winding axis
inline constexpr int PrimaryTop = 66, CentreTap = 140, PrimaryBottom = 214;
inline constexpr int CoreX = 176;      // first of the two core lines
inline constexpr int SecondaryX = 196; // secondary winding axis
inline constexpr int SecondaryTop = 86, SecondaryBottom = 196;
inline constexpr int ChokeLeft = 300, ChokeRight = 360; // RF choke on the plate line
inline constexpr int TerminalX = 470;                   // RF plate and +B terminals
inline constexpr int CapacitorX = 240;                  // coupling capacitor (reactor variant)
inline constexpr int PlateHalf = 11;                    // half the length of its plates
inline constexpr int ReactorX = 285;                    // modulation reactor axis
inline constexpr int ReactorTop = 112, ReactorBottom = 172;
inline constexpr int ReactorCoreX = ReactorX + 16; // outer line of its iron core
} // namespace diagram

// Common drawing of the modulator valves and the modulation transformer.
class ModulatorDiagram : public Picture {
    Q_OBJECT
public:
    explicit ModulatorDiagram(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    // The coupling to the RF stage, right of the secondary.
    virtual void paintCoupling(QPainter& p) = 0;
};

// Transformer coupling: +B da RF -> secondary -> RF choke -> RF plate.
class ConvModulatorDiagram : public ModulatorDiagram {
    Q_OBJECT
public:
    explicit ConvModulatorDiagram(QWidget* parent);

protected:
    void paintCoupling(QPainter& p) override;
};

// Reactor coupling: +B da RF -> reactor -> RF choke -> RF plate, the
// secondary's audio brought in through the coupling capacitor.
class ReactorModulatorDiagram : public ModulatorDiagram {
    Q_OBJECT
public:
    explicit ReactorModulatorDiagram(QWidget* parent);

protected:
    void paintCoupling(QPainter& p) override;
};

} // namespace kelvora
