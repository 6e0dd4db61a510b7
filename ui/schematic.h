#pragma once
// Drawing primitives shared by the painted circuit diagrams.
#include <QPainter>
#include <QPoint>

#include <initializer_list>

namespace kelvora::schematic {

inline constexpr int Bulge = 8; // how far a winding's turns stand out from its axis

// A winding along a vertical line, turns bulging to `side` (+1 right, -1 left).
void verticalCoil(QPainter& p, int x, int y0, int y1, int turns, int side);
// A winding along a horizontal line, turns bulging upwards.
void horizontalCoil(QPainter& p, int x0, int x1, int y, int turns);
void wire(QPainter& p, std::initializer_list<QPoint> points);
// An open terminal and a connection dot.
void terminal(QPainter& p, QPoint at);
void junction(QPainter& p, QPoint at);
void ground(QPainter& p, QPoint at);

} // namespace kelvora::schematic
