#pragma once

#include <QPointF>
#include <QTransform>

// The pictures' few functions beyond + - * / and the square root, which IEEE 754 rounds alike on
// every machine: each machine's maths library gives sin, exp, hypot and atan2 its own last bits,
// and the collage's error diffusion carries a single bit into whole pixels. (The generator's
// build also keeps the compiler from fusing a multiply with an add.)
namespace arithmetic {

double sine(double radians);
double exponential(double x);
double distance(QPointF from, QPointF to);

// What QPainter::rotate(degrees) turns by: clockwise on the screen.
QTransform rotation(double degrees);
// The turn that points the x axis along a direction.
QTransform rotation(QPointF direction);

} // namespace arithmetic
